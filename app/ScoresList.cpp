#include "app/ScoresList.h"

#include <algorithm>

#include "storage/RegistryErrors.h"
#include "storage/ScoreRecordSplit.h"

std::string NotARecord(const std::string& name)
{
    return "The score '" + name + "' is damaged and is not listed";
}

TScoreList ReadScoreRows(TRegOptions& options)
{
    TScoreList list;
    try {
        for (const TRegOptions::TStoredScore& score : options.ReadScores()) {
            if (score.Read != TValueRead::Ok) {
                list.Damaged.push_back(score.Read == TValueRead::WrongType ? InvalidType(score.Name) : FailedToGet(score.Name));
                continue;
            }
            const std::vector<std::string> fields = SplitScoreRecord(score.Record);
            if (fields.size() != ScoreColumnCount) {
                list.Damaged.push_back(NotARecord(score.Name));
                continue;
            }
            TScoreRow& row = list.Rows.emplace_back();
            std::copy(fields.begin(), fields.end(), row.begin());
        }
    } catch (const std::exception&) {
        list.Failure = std::current_exception();
    }
    return list;
}
