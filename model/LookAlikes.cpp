#include "model/LookAlikes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/LearningModes.h"

namespace {

// By reading. Each group's kana are all alike in the script's shapes; the two scripts differ.
using TGroup = std::array<std::string_view, 3>;

constexpr TGroup HiraganaGroups[] = {
    {"sa", "chi", ""}, {"sa", "ki", ""},  {"nu", "me", ""}, {"wa", "re", "ne"}, {"ru", "ro", ""},
    {"ha", "ho", "ke"}, {"i", "ri", ""},  {"a", "o", ""},   {"ma", "mo", ""},   {"ku", "he", ""},
    {"ko", "ni", ""},  {"shi", "tsu", ""}, {"so", "ro", ""}, {"wi", "we", ""},
    // A mark's two dots and ring differ by a few pixels; ji and di, zu and du sound alike.
    {"ba", "pa", ""},  {"bi", "pi", ""},  {"bu", "pu", ""}, {"be", "pe", ""},   {"bo", "po", ""},
    {"ji", "di", ""},  {"zu", "du", ""},
};
constexpr TGroup KatakanaGroups[] = {
    {"shi", "tsu", ""}, {"so", "n", ""},  {"shi", "n", ""},  {"tsu", "so", ""}, {"ku", "ke", "ta"},
    {"u", "wa", "fu"},  {"su", "nu", ""}, {"ko", "yu", ""},  {"chi", "te", ""}, {"na", "me", ""},
    {"ma", "a", ""},    {"wo", "fu", ""}, {"ha", "ru", ""},  {"ro", "ko", ""},  {"ra", "wo", ""},
    {"ba", "pa", ""},   {"bi", "pi", ""}, {"bu", "pu", ""},  {"be", "pe", ""},  {"bo", "po", ""},
    {"ji", "di", ""},   {"zu", "du", ""},
};

void AddGroups(std::vector<TKanaPair>& pairs, const auto& groups)
{
    for (const TGroup& group : groups)
        for (size_t a = 0; a < group.size(); ++a)
            for (size_t b = a + 1; b < group.size(); ++b)
                if (!group[a].empty() && !group[b].empty()) {
                    const TKanaId x = KanaOfReading(group[a]);
                    const TKanaId y = KanaOfReading(group[b]);
                    pairs.emplace_back(std::min(x, y), std::max(x, y));
                }
}

}  // namespace

std::vector<TKanaPair> KnownLookAlikes(uint8_t kana)
{
    std::vector<TKanaPair> pairs;
    if (kana != KanaSetting::Katakana)
        AddGroups(pairs, HiraganaGroups);
    if (kana == KanaSetting::Katakana || kana == KanaSetting::Both)
        AddGroups(pairs, KatakanaGroups);
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}
