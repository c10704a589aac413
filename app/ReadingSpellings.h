#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a learner may type a kana's reading: the catalogue's Hepburn reading first, then the
// spellings commonly typed for it (si, ti, tu, hu, zi, nn; sya, tya, cya, zya, jya for the
// combined kana). No spelling of one kana is a spelling of another.
std::vector<std::string> Spellings(std::string_view reading);

// The reading of the kana that sounds as this one does and is spelt otherwise only to tell them
// apart: ji for di (ぢ), zu for du (づ); empty for the others.
std::string_view SoundAlikeReading(std::string_view reading);
