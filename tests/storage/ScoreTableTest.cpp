#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

#include "storage/ScoreRecord.h"
#include "storage/ScoreRecordSplit.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

const std::string Q = std::string(ScoreFieldQuote);
const std::string S = std::string(ScoreFieldSeparator);

class ScoreTable : public ::testing::Test {
protected:
    // Records whose player names are "p<first>" .. "p<first + count - 1>".
    void Fill(int first, int count)
    {
        for (int i = first; i < first + count; ++i)
            Options.AddScore("p" + std::to_string(i), "0:00:01", i, "Babel");
    }
    Texts Players()
    {
        Texts players;
        for (const std::string& record : ReadTable(Options))
            players.push_back(SplitScoreRecord(record).at(1));
        return players;
    }
    static Texts Range(int first, int last)
    {
        Texts names;
        for (int i = first; i <= last; ++i)
            names.push_back("p" + std::to_string(i));
        return names;
    }
    Texts StoredNames()
    {
        const auto store = Place.Open();
        store->OpenKey(ScoresKey);
        return store->ValueNames();
    }

    TTestStore Place;
    TRegOptions Options = Place.Options();
};

TEST_F(ScoreTable, TheFirstWinCreatesTheSubkeyAndRecordOne)
{
    EXPECT_FALSE(Place.Open()->KeyExists(ScoresKey));
    Options.AddScore("Anna", "0:12:34", 3, "Flat Square");

    EXPECT_EQ(StoredNames(), Texts{"1"});
    std::string record;
    EXPECT_TRUE(Options.ReadScore(1, record));
    EXPECT_EQ(record, Q + "06.12.2026 14:03:59" + Q + S + Q + "Anna" + Q + S + Q + "0:12:34" + Q + S + Q + "3" + Q +
                          S + Q + "Flat Square" + Q);
    // The subkey is no value of the settings key.
    const auto store = Place.Open();
    ASSERT_TRUE(store->OpenKey(SettingsKey));
    EXPECT_TRUE(store->ValueNames().empty());
}

TEST_F(ScoreTable, ReadingStopsAfterTheLastRecord)
{
    std::string record = "left over";
    EXPECT_FALSE(Options.ReadScore(1, record));
    EXPECT_EQ(record, "");
    EXPECT_TRUE(Place.Open()->KeyExists(ScoresKey));

    Fill(1, 3);
    record = "left over";
    EXPECT_FALSE(Options.ReadScore(0, record));
    EXPECT_EQ(record, "");
    EXPECT_TRUE(Options.ReadScore(3, record));
    EXPECT_EQ(SplitScoreRecord(record).at(1), "p3");
    EXPECT_FALSE(Options.ReadScore(4, record));
    EXPECT_EQ(record, "");
    EXPECT_EQ(Players(), Range(1, 3));
}

TEST_F(ScoreTable, ThirtyRecordsGrowToThirtyOneWithoutMoving)
{
    Fill(1, 30);
    Fill(31, 1);
    EXPECT_EQ(Players(), Range(1, 31));
    EXPECT_EQ(StoredNames().size(), 31u);
}

TEST_F(ScoreTable, AFullTableDropsTheOldestAndKeepsTheOrder)
{
    Fill(1, 31);
    Fill(32, 1);
    EXPECT_EQ(Players(), Range(2, 32));
    Fill(33, 5);
    EXPECT_EQ(Players(), Range(7, 37));
    EXPECT_EQ(StoredNames().size(), 31u);
}

// A table grown past 31 values outside the game is full: 256 of them are no empty table. It keeps
// its size, drops only its oldest, and lists the newest last.
TEST_F(ScoreTable, AnOverfullTableDropsItsOldestAndReadsWhole)
{
    for (const int size : {32, 256, 300}) {
        SCOPED_TRACE(size);
        TTestStore place;
        TRegOptions options = place.Options();
        {
            const auto store = place.Open();
            ASSERT_TRUE(store->BeginUpdate());
            ASSERT_TRUE(store->OpenKey(ScoresKey));
            for (int i = 1; i <= size; ++i)
                ASSERT_TRUE(store->WriteString(std::to_string(i), "r" + std::to_string(i)));
            ASSERT_TRUE(store->CommitUpdate());
        }
        std::string record;
        EXPECT_TRUE(options.ReadScore(size > 255 ? 255 : static_cast<uint8_t>(size), record));
        EXPECT_EQ(ReadTable(options).front(), "r1");

        options.AddScore("newest", "0:00:01", 0, "Babel");
        options.AddScore("newer still", "0:00:01", 0, "Babel");
        Texts table;
        for (const TRegOptions::TStoredScore& score : options.ReadScores())
            table.push_back(score.Record);
        ASSERT_EQ(table.size(), size_t(size));
        EXPECT_EQ(table.front(), "r3");
        EXPECT_EQ(table[size_t(size) - 3], "r" + std::to_string(size));
        EXPECT_EQ(SplitScoreRecord(table[size_t(size) - 2]).at(1), "newest");
        EXPECT_EQ(SplitScoreRecord(table.back()).at(1), "newer still");
    }
}

TEST_F(ScoreTable, AFailedShiftLeavesTheTableAsItWas)
{
    Fill(1, 31);
    TWriteLog log{0, "15"};
    TRegOptions failing(TInstrumentedStore::Around(TTestStore::TestStore(), log), LocalTimeNow, {});
    EXPECT_EQ(ErrorOf([&] { failing.AddScore("late", "1:00:00", 0, "Babel"); }), "Failed to set data for '15'");
    EXPECT_EQ(Players(), Range(1, 31));
}

TEST_F(ScoreTable, FieldsAreStoredAsTyped)
{
    const Texts names{"さくら", "  Anna, Bob  ", "a" + S + "b", "\"quoted\""};
    for (const std::string& name : names)
        Options.AddScore(name, "1:02:03", -5, "Flat Square");
    const Texts records = ReadTable(Options);
    ASSERT_EQ(records.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(SplitScoreRecord(records[i]), (Texts{"06.12.2026 14:03:59", names[i], "1:02:03", "-5", "Flat Square"}));
}

// Field quotes become spaces; separators become the letter a, but in the name, which is kept as typed.
TEST_F(ScoreTable, NoMarkerEndsAFieldEarly)
{
    TLocaleFormats formats = TTestStore::GermanFormats();
    formats.ShortDate = "d" + S + " MMMM";
    formats.TwelveHour = true;
    formats.PmDesignator = "p." + Q + "m.";
    TRegOptions options(TTestStore::TestStore(), TTestStore::PinnedTime, formats);
    options.AddScore("Anna" + Q + "Lena" + S, "0:00:09", 0, "Babel");
    std::string record;
    ASSERT_TRUE(options.ReadScore(1, record));
    EXPECT_EQ(SplitScoreRecord(record), (Texts{"6a December 02:03:59 p. m.", "Anna Lena" + S, "0:00:09", "0", "Babel"}));
}

TEST_F(ScoreTable, StrangeValuesInTheSubkey)
{
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(ScoresKey));
        ASSERT_TRUE(store->WriteString("1", "one"));
        ASSERT_TRUE(store->WriteString("x", "not a number"));
        ASSERT_TRUE(store->WriteInteger("y", 5));
    }
    std::string record;
    // Records are found by name; only the count of names decides where the table ends.
    EXPECT_TRUE(Options.ReadScore(2, record));
    EXPECT_EQ(record, "");
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(ScoresKey));
        ASSERT_TRUE(store->WriteInteger("2", 7));
    }
    EXPECT_EQ(ErrorOf([&] { Options.ReadScore(2, record); }), "Invalid data type for '2'");
    EXPECT_EQ(record, "");
}

TEST_F(ScoreTable, ValuesWithoutDataAreEmptyRecords)
{
    Fill(1, 1);
    Place.ArrangeValueWithoutData(ScoresKey, "2", TTestStore::TNoData::Null);
    Place.ArrangeValueWithoutData(ScoresKey, "3", TTestStore::TNoData::EmptyBinary);
    Fill(4, 1);
    const Texts records = ReadTable(Options);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(SplitScoreRecord(records[0]).at(1), "p1");
    EXPECT_EQ(records[1], "");
    EXPECT_EQ(records[2], "");
    EXPECT_EQ(SplitScoreRecord(records[3]).at(1), "p4");
}

TEST_F(ScoreTable, AnUnopenableStoreReadsAsEmptyAndRefusesTheAppend)
{
    Place.MakeUnopenable();
    std::string record;
    EXPECT_FALSE(Options.ReadScore(1, record));
    EXPECT_EQ(ErrorOf([&] { Options.AddScore("Anna", "0:12:34", 3, "Babel"); }), "Failed to set data for '1'");
}

} // namespace
