#include "storage/ScoreRecord.h"

#include <initializer_list>

namespace {

std::string WithoutFieldQuotes(const std::string& text)
{
    std::string cleaned;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(ScoreFieldQuote, from)) != std::string::npos; from = at + ScoreFieldQuote.size())
        cleaned.append(text, from, at - from).append(" ");
    return cleaned.append(text, from);
}

} // namespace

std::string ScoreRecord(const std::string& dateText, const std::string& player, const std::string& score,
                        int32_t hints, const std::string& map)
{
    std::string record;
    for (const std::string& field : {dateText, WithoutFieldQuotes(player), score, std::to_string(hints), map}) {
        if (!record.empty())
            record += ScoreFieldSeparator;
        record.append(ScoreFieldQuote).append(field).append(ScoreFieldQuote);
    }
    return record;
}
