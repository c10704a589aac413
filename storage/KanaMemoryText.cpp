#include "storage/KanaMemoryText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>
#include <type_traits>

#include "storage/KanaProgress.h"

namespace {

constexpr double LargestStability = 1e6;  // days: nothing the formulas reach

// Numbers in the C locale's spelling whatever the player's locale, through streams: the libc++ of
// the browser build has no floating-point to_chars and from_chars.
std::optional<double> ReadDouble(std::string_view text)
{
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    double value = 0;
    in >> std::noskipws >> value;
    if (in.fail() || in.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    return value;
}

std::string Number(double value)
{
    // The shortest text that reads back as the same number.
    for (int digits = 1;; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << std::setprecision(digits) << value;
        if (digits >= 17 || ReadDouble(out.str()) == value)
            return out.str();
    }
}

template <typename T>
std::optional<T> Parse(std::string_view text)
{
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    if constexpr (std::is_floating_point_v<T>) {
        return ReadDouble(text);
    } else {
        T value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size())
            return std::nullopt;
        return value;
    }
}

// The text's fields between the separators; none past the given count.
std::optional<std::vector<std::string_view>> Split(std::string_view text, char separator, size_t most)
{
    std::vector<std::string_view> fields;
    while (true) {
        if (fields.size() == most)
            return std::nullopt;
        const size_t at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return fields;
        text = text.substr(at + 1);
    }
}

}  // namespace

std::string MemoryValueName(TSeenKana kana, TReviewKind kind)
{
    return (kind == TReviewKind::Typed ? "typed_" : "") + ProgressValueName(kana.Script, kana.Kana) + "_memory";
}

std::string MemoryText(const TKanaMemory& memory)
{
    if (!memory.Reviewed())
        return "";
    return Number(memory.Stability) + ";" + Number(memory.Difficulty) + ";" + std::to_string(memory.LastDay);
}

std::optional<TKanaMemory> ParseMemoryText(std::string_view text)
{
    if (text.empty())
        return TKanaMemory{};
    const auto fields = Split(text, ';', 3);
    if (!fields || fields->size() != 3)
        return std::nullopt;
    const auto stability = Parse<double>((*fields)[0]);
    const auto difficulty = Parse<double>((*fields)[1]);
    const auto day = Parse<int32_t>((*fields)[2]);
    if (!stability || !difficulty || !day || !(*stability > 0 && *stability <= LargestStability) ||
        !(*difficulty >= 1 && *difficulty <= 10))
        return std::nullopt;
    return TKanaMemory{*stability, *difficulty, *day};
}

std::string GameDaysText(const TGameDays& days)
{
    std::string text;
    for (const auto& [day, games] : days)
        text += (text.empty() ? "" : ",") + std::to_string(day) + ":" + std::to_string(games);
    return text;
}

std::optional<TGameDays> ParseGameDaysText(std::string_view text)
{
    TGameDays days;
    if (text.empty())
        return days;
    const auto entries = Split(text, ',', KeptGameDays);
    if (!entries)
        return std::nullopt;
    for (const std::string_view entry : *entries) {
        const auto fields = Split(entry, ':', 2);
        if (!fields || fields->size() != 2)
            return std::nullopt;
        const auto day = Parse<int32_t>((*fields)[0]);
        const auto games = Parse<int32_t>((*fields)[1]);
        if (!day || !games || *games < 1 || (!days.empty() && *day <= days.back().first))
            return std::nullopt;
        days.emplace_back(*day, *games);
    }
    return days;
}

void AddGame(TGameDays& days, int32_t day)
{
    // A clock set back files the game under the latest day kept, so that the days stay in order.
    if (!days.empty() && days.back().first >= day) {
        days.back().second = std::min(days.back().second, 999999998) + 1;
        return;
    }
    days.emplace_back(day, 1);
    if (days.size() > KeptGameDays)
        days.erase(days.begin(), days.end() - KeptGameDays);
}
