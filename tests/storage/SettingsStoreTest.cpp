#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using Names = std::vector<std::string>;

class SettingsStore : public ::testing::Test {
protected:
    uint32_t StoredInteger(const std::string& name)
    {
        const auto store = Place.Open();
        uint32_t value = 0;
        EXPECT_TRUE(store->OpenKey(SettingsKey));
        EXPECT_EQ(store->ReadInteger(name, value), TValueRead::Ok) << name;
        return value;
    }
    // Sorted: the registry of some systems lists values by name rather than by age.
    Names StoredNames()
    {
        const auto store = Place.Open();
        store->OpenKey(SettingsKey);
        Names names = store->ValueNames();
        std::sort(names.begin(), names.end());
        return names;
    }
    void Arrange(const std::string& name, uint32_t value)
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(SettingsKey));
        ASSERT_TRUE(store->WriteInteger(name, value));
    }
    void ExpectDefaults()
    {
        EXPECT_EQ(StoredNames(), AllNames);
        EXPECT_EQ(Options.ReadFace(), 1);
        EXPECT_EQ(Options.ReadBackground(), 1);
        EXPECT_EQ(Options.ReadMapId(), 0);
        EXPECT_EQ(Options.ReadHintSpeed(), 1);
        EXPECT_EQ(Options.ReadKana(), 0);
        EXPECT_EQ(Options.ReadReadings(), 0);
        EXPECT_EQ(Options.ReadKanaSet(), 0);
        EXPECT_EQ(Options.ReadPractice(), 0);
    }
    const Names AllNames{"bgd", "face", "hintSpeed", "kana", "kanaset", "mapId", "practice", "readings"};

    TTestStore Place;
    TWriteLog Log;
    TRegOptions Options{TInstrumentedStore::Around(TTestStore::TestStore(), Log), LocalTimeNow, {}};
};

TEST_F(SettingsStore, FirstRunWritesTheDefaultsOnceAndTheSecondRunNothing)
{
    EXPECT_FALSE(Place.Open()->KeyExists(SettingsKey));
    EXPECT_TRUE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 8);
    ExpectDefaults();

    EXPECT_FALSE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 8);
}

// The key as the release before the kana sets left it: the player's settings, modes and scores.
TEST_F(SettingsStore, AKeyOfTheEarlierReleaseKeepsItsValuesAndGainsTheNewSettings)
{
    Arrange("face", 0);
    Arrange("bgd", 4);
    Arrange("mapId", 5);
    Arrange("hintSpeed", 2);
    Arrange("kana", 2);
    Arrange("readings", 1);
    Options.AddScore("Yuki", "0:12:34", 3, "Babel");
    Log.Writes = 0;
    EXPECT_FALSE(Options.InitDefaults()) << "the settings are to be read, not taken as defaults";
    EXPECT_EQ(Log.Writes, 2);
    EXPECT_EQ(StoredNames(), AllNames);
    EXPECT_EQ(std::make_tuple(Options.ReadFace(), Options.ReadBackground(), Options.ReadMapId(), Options.ReadHintSpeed(),
                              Options.ReadKana(), Options.ReadReadings(), Options.ReadKanaSet(), Options.ReadPractice()),
              std::make_tuple(0, 4, 5, 2, 2, 1, 0, 0));
    std::string record;
    EXPECT_TRUE(Options.ReadScore(1, record));
    EXPECT_NE(record.find("Yuki"), std::string::npos);

    // The next start finds the key complete, a later release's value beside it, and changes nothing.
    Arrange("kanaset", 2);
    Arrange("zoom", 3);
    EXPECT_FALSE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 2);
    EXPECT_EQ(Options.ReadKanaSet(), 2);
}

TEST_F(SettingsStore, WritesAreSeenByTheNextReadOfAnyObject)
{
    Options.WriteFace(0);
    Options.WriteBackground(5);
    Options.WriteMapId(6);
    Options.WriteHintSpeed(2);
    TRegOptions other = Place.Options();
    EXPECT_FALSE(other.InitDefaults());
    EXPECT_EQ(other.ReadFace(), 0);
    EXPECT_EQ(other.ReadBackground(), 5);
    EXPECT_EQ(other.ReadMapId(), 6);
    EXPECT_EQ(other.ReadHintSpeed(), 2);
}

TEST_F(SettingsStore, AKeyWithOneToThreeValuesGetsAllTheDefaults)
{
    Arrange("face", 0);
    Arrange("bgd", 3);
    Arrange("mapId", 2);
    EXPECT_TRUE(Options.InitDefaults());
    ExpectDefaults();
}

TEST_F(SettingsStore, FourForeignValuesAreLeftAloneButForTheLaterSettings)
{
    for (const char* name : {"alpha", "beta", "gamma", "delta"})
        Arrange(name, 7);
    EXPECT_FALSE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 4);
    EXPECT_EQ(StoredInteger("alpha"), 7u);
    EXPECT_EQ(ErrorOf([&] { Options.ReadFace(); }), "Failed to get data for 'face'");
}

TEST_F(SettingsStore, AValueOfAnotherTypeIsAnError)
{
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(SettingsKey));
        ASSERT_TRUE(store->WriteString("face", "1"));
    }
    EXPECT_EQ(ErrorOf([&] { Options.ReadFace(); }), "Invalid data type for 'face'");
    Arrange("kana", 1);
    EXPECT_EQ(Options.ReadKana(), 1);
    EXPECT_EQ(ErrorOf([&] { Options.ReadReadings(); }), "Failed to get data for 'readings'");
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(SettingsKey));
        ASSERT_TRUE(store->WriteString("readings", "1"));
    }
    EXPECT_EQ(ErrorOf([&] { Options.ReadReadings(); }), "Invalid data type for 'readings'");
}

// The learning modes and the kana set have three choices each, practice two; anything else,
// however stored, is the default, so that a damaged value never shows a picture that does not exist.
TEST_F(SettingsStore, AChoiceOutsideItsRangeReadsAsTheDefault)
{
    const std::pair<uint32_t, uint8_t> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {255, 0}, {257, 0}, {258, 0},
                                                  {0xFFFFFFFFu, 0}};
    for (const auto& [stored, read] : cases) {
        for (const char* name : {"kana", "readings", "kanaset", "practice"})
            Arrange(name, stored);
        EXPECT_EQ(Options.ReadKana(), read) << stored;
        EXPECT_EQ(Options.ReadReadings(), read) << stored;
        EXPECT_EQ(Options.ReadKanaSet(), read) << stored;
        EXPECT_EQ(Options.ReadPractice(), stored == 1 ? 1 : 0) << stored;
    }
    Options.WriteKana(2);
    Options.WriteReadings(1);
    EXPECT_EQ(StoredInteger("kana"), 2u);
    EXPECT_EQ(StoredInteger("readings"), 1u);
}

TEST_F(SettingsStore, ReadsTakeTheLowEightBitsAndWritesZeroExtend)
{
    Arrange("bgd", 258);
    Arrange("face", 0xFFFFFFFFu);
    Arrange("mapId", 257);
    EXPECT_EQ(Options.ReadBackground(), 2);
    EXPECT_EQ(Options.ReadFace(), 255);
    EXPECT_EQ(Options.ReadMapId(), 1);

    Options.WriteHintSpeed(200);
    EXPECT_EQ(StoredInteger("hintSpeed"), 200u);
}

TEST_F(SettingsStore, AReadWithoutKeyCreatesTheEmptyKeyAndFails)
{
    EXPECT_EQ(ErrorOf([&] { Options.ReadMapId(); }), "Failed to get data for 'mapId'");
    EXPECT_TRUE(Place.Open()->KeyExists(SettingsKey));
    EXPECT_TRUE(StoredNames().empty());
}

TEST_F(SettingsStore, AnUnopenableStoreGivesTheFallbacksAndRefusesWrites)
{
    Place.MakeUnopenable();
    EXPECT_EQ(Options.ReadFace(), 0);
    EXPECT_EQ(Options.ReadBackground(), 0);
    EXPECT_EQ(Options.ReadMapId(), 0);
    EXPECT_EQ(Options.ReadHintSpeed(), 1);
    EXPECT_EQ(Options.ReadKana(), 0);
    EXPECT_EQ(Options.ReadReadings(), 0);
    EXPECT_EQ(ErrorOf([&] { Options.WriteMapId(3); }), "Failed to set data for 'mapId'");
    EXPECT_EQ(ErrorOf([&] { Options.WriteReadings(1); }), "Failed to set data for 'readings'");
    EXPECT_EQ(ErrorOf([&] { Options.InitDefaults(); }), "Failed to set data for 'face'");
}

} // namespace
