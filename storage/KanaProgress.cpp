#include "storage/KanaProgress.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int32_t Largest = 999999999;  // nine digits: any count fits, and no text overflows

// A number of one to nine digits and nothing else.
std::optional<int32_t> ParseCount(std::string_view text)
{
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

void AddSample(TKanaProgress& progress, const TRecognitionSample& sample)
{
    if (sample.Hinted) {
        progress.Hints = std::min(progress.Hints + 1, Largest);
        return;
    }
    if (progress.Samples.size() >= KeptSamples)
        progress.Samples.erase(progress.Samples.begin(), progress.Samples.end() - (KeptSamples - 1));
    progress.Samples.push_back(std::clamp(sample.Tenths, 0, Largest));
}

TRecognitionSample InWholeSeconds(TRecognitionSample sample)
{
    sample.Tenths = (sample.Tenths + 5) / 10;
    return sample;
}

std::string ProgressText(const TKanaProgress& progress)
{
    std::string text = std::to_string(progress.Hints) + ";";
    for (size_t i = 0; i < progress.Samples.size(); ++i)
        text += (i == 0 ? "" : ",") + std::to_string(progress.Samples[i]);
    return text;
}

std::optional<TKanaProgress> ParseProgressText(std::string_view text)
{
    const size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos)
        return std::nullopt;
    TKanaProgress progress;
    const auto hints = ParseCount(text.substr(0, semicolon));
    if (!hints)
        return std::nullopt;
    progress.Hints = *hints;
    std::string_view rest = text.substr(semicolon + 1);
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const auto seconds = ParseCount(rest.substr(0, comma));
        if (!seconds || progress.Samples.size() == KeptSamples)
            return std::nullopt;
        progress.Samples.push_back(*seconds);
        if (comma == std::string_view::npos)
            break;
        rest = rest.substr(comma + 1);
        if (rest.empty())
            return std::nullopt;  // a trailing comma
    }
    return progress;
}

std::string ProgressValueName(TScript script, TKanaId kana)
{
    return (script == TScript::Hiragana ? "hiragana_" : "katakana_") + std::string(KanaCatalogue[kana].Reading);
}

std::string ProgressTenthsName(TScript script, TKanaId kana, bool typed)
{
    return (typed ? "typed_" : "") + ProgressValueName(script, kana) + "_tenths";
}

std::string SampleTenthsName(const TRecognitionSample& sample)
{
    return ProgressTenthsName(sample.Script, sample.Kana, sample.Typed);
}

namespace {

std::optional<TSeenKana> KanaOfValueName(std::string_view name)
{
    for (const TScript script : {TScript::Hiragana, TScript::Katakana})
        for (TKanaId kana = 0; kana < CatalogueSize; ++kana)
            if (ProgressValueName(script, kana) == name)
                return TSeenKana{kana, script};
    return std::nullopt;
}

}  // namespace

std::string MixUpsText(const std::vector<TMixUp>& mixUps)
{
    std::string text;
    for (const TMixUp& mixUp : mixUps)
        text += (text.empty() ? "" : ",") + ProgressValueName(mixUp.First.Script, mixUp.First.Kana) + "+" +
                ProgressValueName(mixUp.Second.Script, mixUp.Second.Kana);
    return text;
}

std::optional<std::vector<TMixUp>> ParseMixUpsText(std::string_view text)
{
    std::vector<TMixUp> mixUps;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view entry = text.substr(0, comma);
        const size_t plus = entry.find('+');
        if (plus == std::string_view::npos || mixUps.size() == KeptMixUps)
            return std::nullopt;
        const auto first = KanaOfValueName(entry.substr(0, plus));
        const auto second = KanaOfValueName(entry.substr(plus + 1));
        if (!first || !second || *first == *second)
            return std::nullopt;
        mixUps.push_back(MixUpOf(*first, *second));
        if (comma == std::string_view::npos)
            break;
        text = text.substr(comma + 1);
        if (text.empty())
            return std::nullopt;  // a trailing comma
    }
    return mixUps;
}

void AddMixUps(std::vector<TMixUp>& kept, const std::vector<TMixUp>& added)
{
    kept.insert(kept.end(), added.begin(), added.end());
    if (kept.size() > KeptMixUps)
        kept.erase(kept.begin(), kept.end() - KeptMixUps);
}
