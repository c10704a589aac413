#include "app/ReadingSpellings.h"

#include <array>
#include <utility>

namespace {

using TRespelling = std::pair<std::string_view, std::string_view>;

constexpr std::array<TRespelling, 6> WholeReadings{{
    {"shi", "si"}, {"chi", "ti"}, {"tsu", "tu"}, {"fu", "hu"}, {"ji", "zi"}, {"n", "nn"},
}};

// A combined kana's onset, before its vowel a, u or o.
constexpr std::array<TRespelling, 5> CombinedOnsets{{
    {"sh", "sy"}, {"ch", "ty"}, {"ch", "cy"}, {"j", "zy"}, {"j", "jy"},
}};

bool IsCombinedVowel(std::string_view rest)
{
    return rest == "a" || rest == "u" || rest == "o";
}

}  // namespace

std::string_view SoundAlikeReading(std::string_view reading)
{
    if (reading == "di")
        return "ji";
    if (reading == "du")
        return "zu";
    return {};
}

std::vector<std::string> Spellings(std::string_view reading)
{
    std::vector<std::string> spellings{std::string(reading)};
    for (const auto& [hepburn, other] : WholeReadings)
        if (reading == hepburn)
            spellings.emplace_back(other);
    for (const auto& [hepburn, other] : CombinedOnsets)
        if (reading.starts_with(hepburn) && IsCombinedVowel(reading.substr(hepburn.size())))
            spellings.push_back(std::string(other) + std::string(reading.substr(hepburn.size())));
    return spellings;
}
