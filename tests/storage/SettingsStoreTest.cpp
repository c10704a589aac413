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

// The key as each earlier release left it: the player's four settings and scores, then the
// learning modes beside them. Each keeps its values and gains only the settings it lacks.
TEST_F(SettingsStore, AKeyOfAnEarlierReleaseKeepsItsValuesAndGainsTheNewSettings)
{
    struct TRelease {
        std::vector<std::pair<const char*, uint32_t>> Stored;
        int Added;
    };
    const TRelease releases[] = {
        {{{"face", 0}, {"bgd", 4}, {"mapId", 5}, {"hintSpeed", 2}}, 4},
        {{{"face", 0}, {"bgd", 4}, {"mapId", 5}, {"hintSpeed", 2}, {"kana", 2}, {"readings", 1}}, 2},
    };
    for (const TRelease& release : releases) {
        TTestStore place;
        TWriteLog log;
        TRegOptions options{TInstrumentedStore::Around(TTestStore::TestStore(), log), LocalTimeNow, {}};
        {
            const auto store = place.Open();
            ASSERT_TRUE(store->OpenKey(SettingsKey));
            for (const auto& [name, value] : release.Stored)
                ASSERT_TRUE(store->WriteInteger(name, value));
        }
        options.AddScore("Yuki", "0:12:34", 3, "Babel");
        log.Writes = 0;
        EXPECT_FALSE(options.InitDefaults()) << "the settings are to be read, not taken as defaults";
        EXPECT_EQ(log.Writes, release.Added);
        const auto kept = [&](const char* name, uint8_t fallback) {
            for (const auto& [stored, value] : release.Stored)
                if (std::string_view(stored) == name)
                    return static_cast<uint8_t>(value);
            return fallback;
        };
        EXPECT_EQ(std::make_tuple(options.ReadFace(), options.ReadBackground(), options.ReadMapId(),
                                  options.ReadHintSpeed(), options.ReadKana(), options.ReadReadings(),
                                  options.ReadKanaSet(), options.ReadPractice()),
                  std::make_tuple(0, 4, 5, 2, kept("kana", 0), kept("readings", 0), 0, 0));
        std::string record;
        EXPECT_TRUE(options.ReadScore(1, record));
        EXPECT_NE(record.find("Yuki"), std::string::npos);

        // The next start finds the key complete and changes nothing.
        options.WriteKanaSet(2);
        log.Writes = 0;
        EXPECT_FALSE(options.InitDefaults());
        EXPECT_EQ(log.Writes, 0);
        EXPECT_EQ(options.ReadKanaSet(), 2);
    }
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

// As a later release may leave the key: the eight settings and more beside them.
TEST_F(SettingsStore, AKeyWithMoreValuesThanTheGameWritesReadsAsStored)
{
    const std::pair<const char*, uint32_t> stored[] = {{"face", 0},     {"bgd", 4},      {"mapId", 5},
                                                       {"hintSpeed", 2}, {"kana", 1},     {"readings", 2},
                                                       {"kanaset", 2},   {"practice", 1}, {"sound", 1},
                                                       {"zoom", 3}};
    for (const auto& [name, value] : stored)
        Arrange(name, value);
    Log.Writes = 0;
    EXPECT_FALSE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 0);
    EXPECT_EQ(std::make_tuple(Options.ReadFace(), Options.ReadBackground(), Options.ReadMapId(), Options.ReadHintSpeed(),
                              Options.ReadKana(), Options.ReadReadings(), Options.ReadKanaSet(), Options.ReadPractice()),
              std::make_tuple(0, 4, 5, 2, 1, 2, 2, 1));
    EXPECT_EQ(StoredInteger("zoom"), 3u);
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
    const std::tuple<uint32_t, uint8_t, uint8_t> cases[] = {{0, 0, 0},   {1, 1, 1},   {2, 2, 0},   {3, 0, 0},
                                                            {255, 0, 0}, {257, 0, 0}, {258, 0, 0}, {0xFFFFFFFFu, 0, 0}};
    for (const auto& [stored, ofThree, ofTwo] : cases) {
        for (const char* name : {"kana", "readings", "kanaset", "practice"})
            Arrange(name, stored);
        EXPECT_EQ(Options.ReadKana(), ofThree) << stored;
        EXPECT_EQ(Options.ReadReadings(), ofThree) << stored;
        EXPECT_EQ(Options.ReadKanaSet(), ofThree) << stored;
        EXPECT_EQ(Options.ReadPractice(), ofTwo) << stored;
    }
    Options.WriteKana(2);
    Options.WriteReadings(1);
    Options.WriteKanaSet(2);
    Options.WritePractice(1);
    EXPECT_EQ(StoredInteger("kana"), 2u);
    EXPECT_EQ(StoredInteger("readings"), 1u);
    EXPECT_EQ(StoredInteger("kanaset"), 2u);
    EXPECT_EQ(StoredInteger("practice"), 1u);
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
