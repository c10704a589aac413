#include "ChildProcess.h"
#include "tests/support/TestStore.h"

#include "storage/ScoreRecordSplit.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Player names "prefix-n" of the table, oldest first, grouped by prefix.
std::map<std::string, std::vector<int>> AppendsByPrefix(const std::vector<std::string>& records)
{
    std::map<std::string, std::vector<int>> appends;
    for (const std::string& record : records) {
        const std::vector<std::string> fields = SplitScoreRecord(record);
        EXPECT_EQ(fields.size(), 5u) << record;
        const std::string& player = fields.at(1);
        const std::size_t dash = player.rfind('-');
        appends[player.substr(0, dash)].push_back(std::stoi(player.substr(dash + 1)));
    }
    return appends;
}

std::vector<int> Count(int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

void AppendTwiceAtOnce(bool startFull)
{
    TTestStore place;
    TRegOptions options = place.Options();
    if (startFull)
        for (int n = 0; n < 31; ++n)
            options.AddScore("old-" + std::to_string(n), "0:00:01", n, "Babel");
    {
        TChildProcess first({"append", "a", "15"});
        TChildProcess second({"append", "b", "15"});
        ASSERT_TRUE(first.Started() && second.Started());
        EXPECT_EQ(first.Wait(), 0);
        EXPECT_EQ(second.Wait(), 0);
    }
    const std::vector<std::string> records = ReadTable(options);
    auto appends = AppendsByPrefix(records);
    EXPECT_EQ(appends["a"], Count(0, 14));
    EXPECT_EQ(appends["b"], Count(0, 14));
    if (startFull) {
        EXPECT_EQ(records.size(), 31u);
        EXPECT_EQ(appends["old"], std::vector<int>{30});
    } else {
        EXPECT_EQ(records.size(), 30u);
    }
}

TEST(ConcurrentAppend, TwoCopiesFillingTheTableLoseNothing)
{
    for (int round = 0; round < 2; ++round)
        AppendTwiceAtOnce(false);
}

TEST(ConcurrentAppend, TwoCopiesShiftingAFullTableLoseNothing)
{
    for (int round = 0; round < 2; ++round)
        AppendTwiceAtOnce(true);
}

} // namespace
