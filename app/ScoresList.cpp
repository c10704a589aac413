#include "app/ScoresList.h"

#include "storage/ScoreRecordSplit.h"

std::vector<TScoreRow> ReadScoreRows(TRegOptions& options)
{
    std::vector<TScoreRow> rows;
    std::string record;
    for (uint8_t k = 1; options.ReadScore(k, record); ++k) {
        const std::vector<std::string> fields = SplitScoreRecord(record);
        TScoreRow& row = rows.emplace_back();
        for (size_t column = 0; column < row.size() && column < fields.size(); ++column)
            row[column] = fields[column];
    }
    return rows;
}
