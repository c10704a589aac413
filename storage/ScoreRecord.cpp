#include "storage/ScoreRecord.h"

#include <initializer_list>

namespace {

std::string Replaced(const std::string& text, std::string_view marker, std::string_view by)
{
    std::string replaced;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(marker, from)) != std::string::npos; from = at + marker.size())
        replaced.append(text, from, at - from).append(by);
    return replaced.append(text, from);
}

// The player's name is kept as typed, but a field quote in it would end its field early.
std::string NameField(const std::string& name)
{
    return Replaced(name, ScoreFieldQuote, " ");
}

// The game's own texts hold neither marker, so that the separator stands only between fields.
// They come from the locale, which may put a no-break space into them ("a. m." in es_US). The
// separator, a raised a, becomes the plain letter: a space would split the word it stands in.
std::string GameField(const std::string& text)
{
    return Replaced(Replaced(text, ScoreFieldQuote, " "), ScoreFieldSeparator, "a");
}

} // namespace

std::string ScoreRecord(const std::string& dateText, const std::string& player, const std::string& score,
                        int32_t hints, const std::string& map)
{
    std::string record;
    for (const std::string& field :
         {GameField(dateText), NameField(player), GameField(score), std::to_string(hints), GameField(map)}) {
        if (!record.empty())
            record += ScoreFieldSeparator;
        record.append(ScoreFieldQuote).append(field).append(ScoreFieldQuote);
    }
    return record;
}
