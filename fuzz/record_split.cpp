// Any stored text must split without fault, and every record the game writes must split back into
// exactly its five fields: the name as typed (a field quote in it shown as a space), and the game's
// own fields as given whenever they hold neither marker.
#include "storage/ScoreRecordSplit.h"
#include "fuzz/FuzzInput.h"
#include "storage/ScoreRecord.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string WithSpacesForQuotes(std::string text)
{
    for (size_t at; (at = text.find(ScoreFieldQuote)) != std::string::npos;)
        text.replace(at, ScoreFieldQuote.size(), " ");
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    SplitScoreRecord(raw);

    const auto fields = FuzzFields(data, size, 5);
    for (const auto& field : fields)
        if (field.find('\0') != std::string::npos)
            return 0;
    if (fields[3].empty() || fields[3].size() > 9 || fields[3].find_first_not_of("0123456789") != std::string::npos)
        return 0;

    const std::string record = ScoreRecord(fields[0], fields[1], fields[2], std::atoi(fields[3].c_str()), fields[4]);
    const auto pieces = SplitScoreRecord(record);
    if (pieces.size() != 5 || pieces[1] != WithSpacesForQuotes(fields[1]))
        std::abort();
    for (size_t i : {0u, 2u, 4u}) {
        const bool plain = fields[i].find(ScoreFieldQuote) == std::string::npos &&
                           fields[i].find(ScoreFieldSeparator) == std::string::npos;
        if (plain && pieces[i] != fields[i])
            std::abort();
    }
    return 0;
}
