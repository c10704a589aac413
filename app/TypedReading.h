#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/KanaCatalogue.h"
#include "model/TileUnit.h"

// One way to type the kana of a face.
struct TSpelling {
    std::string Letters;
    uint8_t Face = 0;
};

// Every spelling of the kana the game's faces stand for. ぢ and づ are also spelt as じ and ず, which
// they sound like, where those are on no face.
std::vector<TSpelling> FaceSpellings(const std::array<TKanaId, FaceCount>& faceKana);
// The face of ぢ for that of じ, of づ for ず: the sound the player typed, taken from it when its own
// kana has no free pair.
std::optional<uint8_t> SoundAlikeFace(const std::array<TKanaId, FaceCount>& faceKana, uint8_t face);

enum class TTypingKey { Enter, Space, Backspace, Escape };

// What a key did to the reading being typed.
struct TTyped {
    enum class TKind {
        Editing,    // Letters is the reading so far, perhaps empty
        Read,       // Letters spell the kana of Face
        NoReading,  // Letters begin no spelling
    };
    TKind Kind = TKind::Editing;
    std::string Letters;
    uint8_t Face = 0;
};

// The Latin letters typed on the board, read as a kana's reading. A reading is read as soon as no
// longer spelling begins with it ("ka"); one that begins another ("n" and "na") waits for the next
// letter, or for Enter or a blank. Every spelling of the game's kana counts, whether or not its
// tiles lie free, so that a letter never goes to a shorter reading the player did not mean.
class TTypedReading {
public:
    TTyped Letter(char letter, std::span<const TSpelling> spellings);
    TTyped Key(TTypingKey key, std::span<const TSpelling> spellings);
    const std::string& Letters() const { return Typed; }

private:
    std::string Typed;

    // Ends the reading: read when it is a whole spelling, no reading otherwise.
    TTyped Finish(std::span<const TSpelling> spellings);
};

// The typing panel's texts.
namespace TypingTexts {
std::string NoReading(std::string_view letters);  // "kx: no reading"
std::string NoFreePair(std::string_view letters); // "no free pair: ka"
}  // namespace TypingTexts
