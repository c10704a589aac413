#include "app/ScoresList.h"

#include "storage/ScoreRecordSplit.h"

TScoreList ReadScoreRows(TRegOptions& options)
{
    TScoreList list;
    std::string record;
    try {
        for (uint8_t k = 1; options.ReadScore(k, record); ++k) {
            const std::vector<std::string> fields = SplitScoreRecord(record);
            TScoreRow& row = list.Rows.emplace_back();
            for (size_t column = 0; column < row.size() && column < fields.size(); ++column)
                row[column] = fields[column];
        }
    } catch (const std::exception&) {
        list.Failure = std::current_exception();
    }
    return list;
}
