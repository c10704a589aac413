#ifndef _WIN32

#include "ChildProcess.h"
#include "tests/support/TestStore.h"

#include "storage/ScoreRecordSplit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

namespace {

struct TAppend {
    int Run;
    int Number;
};

// Each run's child names its records "<run>-<n>" with n counting from 0.
std::vector<TAppend> ReadAppends(TRegOptions& options)
{
    std::vector<TAppend> appends;
    for (const std::string& record : ReadTable(options)) {
        const std::vector<std::string> fields = SplitScoreRecord(record);
        EXPECT_EQ(fields.size(), 5u) << record;
        if (fields.size() != 5)
            continue;
        const std::size_t dash = fields[1].find('-');
        appends.push_back({std::stoi(fields[1].substr(0, dash)), std::stoi(fields[1].substr(dash + 1))});
    }
    return appends;
}

TEST(Crash, AKilledAppendLeavesTheOldTableOrTheNewOne)
{
    TTestStore place;
    TRegOptions options = place.Options();
    // A full table, so that every append is the long one: the shift of 30 records and a new 31st.
    for (int n = 0; n < 31; ++n)
        options.AddScore("0-" + std::to_string(n), "0:00:01", n, "Babel");
    const std::filesystem::path journal =
        std::filesystem::path(place.Place) / "tesuli" / "registry.sqlite3-journal";

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayUs(1000, 40000);
    int killedInsideAnAppend = 0;
    for (int run = 1; run <= 60; ++run) {
        {
            TChildProcess child({"loop", std::to_string(run)});
            ASSERT_TRUE(child.Started());
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
            child.Kill();
            EXPECT_EQ(child.Wait(), -1);
        }
        std::error_code ignored;
        if (std::filesystem::file_size(journal, ignored) > 0 && !ignored)
            ++killedInsideAnAppend;

        const std::vector<TAppend> appends = ReadAppends(options);
        ASSERT_EQ(appends.size(), 31u) << "after run " << run;
        // Next to each other: the next record of the same run, or the first of a later run.
        for (std::size_t i = 1; i < appends.size(); ++i) {
            const TAppend& before = appends[i - 1];
            const TAppend& after = appends[i];
            const bool next = after.Run == before.Run && after.Number == before.Number + 1;
            const bool nextRun = after.Run > before.Run && after.Number == 0;
            ASSERT_TRUE(next || nextRun) << "after run " << run << ": record " << i + 1 << " is " << after.Run
                                         << "-" << after.Number << " after " << before.Run << "-" << before.Number;
        }
    }
    EXPECT_GT(killedInsideAnAppend, 0) << "no kill fell inside an append";
    std::cout << killedInsideAnAppend << " of 60 kills fell inside an append\n";
}

} // namespace

#else

#include <gtest/gtest.h>

TEST(Crash, AKilledAppendLeavesTheOldTableOrTheNewOne)
{
    GTEST_SKIP() << "the registry has no transaction that survives a killed process";
}

#endif
