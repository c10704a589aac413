#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The record's markers, as UTF-8: the field quote U+00A0 and the field separator U+00AA.
inline constexpr std::string_view ScoreFieldQuote = "\xC2\xA0";
inline constexpr std::string_view ScoreFieldSeparator = "\xC2\xAA";

// The five fields, each in field quotes, joined by the field separator, so that the record splits
// back into exactly its five fields: a field quote in any field becomes an ordinary space, and a
// field separator in the date, score or map becomes the letter a. The name keeps its separators,
// as typed: inside its quotes they do not end the field.
std::string ScoreRecord(const std::string& dateText, const std::string& player, const std::string& score,
                        int32_t hints, const std::string& map);
