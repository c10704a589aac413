#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "tests/support/SilentEffects.h"
#include "tests/support/SeededRandom.h"

namespace {

using Names = std::vector<std::string>;
using Values = std::vector<int>;

// In the order the game's settings were added, so that a prefix is what an earlier release knew.
Values Read(TRegOptions& options, size_t from = 0, size_t to = 8)
{
    const char* const names[] = {"face", "bgd", "mapId", "hintSpeed", "kana", "readings", "kanaset", "practice"};
    Values read;
    for (size_t i = from; i < to; ++i)
        read.push_back(options.Read(Setting(names[i])));
    return read;
}

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
    void ArrangeText(const std::string& name, const std::string& text)
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(SettingsKey));
        ASSERT_TRUE(store->WriteString(name, text));
    }
    void ExpectDefaults()
    {
        EXPECT_EQ(StoredNames(), AllNames);
        EXPECT_EQ(Read(Options), (Values{1, 1, 0, 1, 0, 0, 0, 0}));
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
        Values Read;
    };
    const TRelease releases[] = {
        {{{"face", 0}, {"bgd", 4}, {"mapId", 5}, {"hintSpeed", 2}}, 4, {0, 4, 5, 2, 0, 0, 0, 0}},
        {{{"face", 0}, {"bgd", 4}, {"mapId", 5}, {"hintSpeed", 2}, {"kana", 2}, {"readings", 1}},
         2,
         {0, 4, 5, 2, 2, 1, 0, 0}},
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
        EXPECT_EQ(Read(options), release.Read);
        std::string record;
        EXPECT_TRUE(options.ReadScore(1, record));
        EXPECT_NE(record.find("Yuki"), std::string::npos);

        // The next start finds the key complete and changes nothing.
        options.Write(Setting("kanaset"), 2);
        log.Writes = 0;
        EXPECT_FALSE(options.InitDefaults());
        EXPECT_EQ(log.Writes, 0);
        EXPECT_EQ(options.Read(Setting("kanaset")), 2);
    }
}

TEST_F(SettingsStore, WritesAreSeenByTheNextReadOfAnyObject)
{
    for (const auto& [name, value] : {std::pair{"face", 0}, {"bgd", 5}, {"mapId", 6}, {"hintSpeed", 2}})
        Options.Write(Setting(name), static_cast<uint8_t>(value));
    TRegOptions other = Place.Options();
    EXPECT_FALSE(other.InitDefaults());
    EXPECT_EQ(Read(other, 0, 4), (Values{0, 5, 6, 2}));
}

TEST_F(SettingsStore, AKeyWithOneToThreeValuesGetsAllTheDefaults)
{
    for (const char* name : {"face", "bgd", "mapId"})
        Arrange(name, 2);
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
    EXPECT_EQ(ErrorOf([&] { Options.Read(Setting("face")); }), "Failed to get data for 'face'");
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
    EXPECT_EQ(Read(Options), (Values{0, 4, 5, 2, 1, 2, 2, 1}));
    EXPECT_EQ(StoredInteger("zoom"), 3u);
}

// Missing or stored as text, a setting with a range is an error too, not its default.
TEST_F(SettingsStore, AValueOfAnotherTypeIsAnError)
{
    EXPECT_EQ(ErrorOf([&] { Options.Read(Setting("readings")); }), "Failed to get data for 'readings'");
    for (const std::string name : {"face", "readings"}) {
        ArrangeText(name, "1");
        EXPECT_EQ(ErrorOf([&] { Options.Read(Setting(name)); }), "Invalid data type for '" + name + "'");
    }
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
        EXPECT_EQ(Read(Options, 4), (Values{ofThree, ofThree, ofThree, ofTwo})) << stored;
    }
    for (const auto& [name, value] : {std::pair{"kana", 2u}, {"readings", 1u}, {"kanaset", 2u}, {"practice", 1u}}) {
        Options.Write(Setting(name), static_cast<uint8_t>(value));
        EXPECT_EQ(StoredInteger(name), value);
    }
}

TEST_F(SettingsStore, AReadWithoutKeyCreatesTheEmptyKeyAndFails)
{
    EXPECT_EQ(ErrorOf([&] { Options.Read(Setting("mapId")); }), "Failed to get data for 'mapId'");
    EXPECT_TRUE(Place.Open()->KeyExists(SettingsKey));
    EXPECT_TRUE(StoredNames().empty());
}

TEST_F(SettingsStore, AnUnopenableStoreGivesTheFallbacksAndRefusesWrites)
{
    Place.MakeUnopenable();
    EXPECT_EQ(Read(Options, 0, 6), (Values{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(ErrorOf([&] { Options.Write(Setting("mapId"), 3); }), "Failed to set data for 'mapId'");
    EXPECT_EQ(ErrorOf([&] { Options.Write(Setting("readings"), 1); }), "Failed to set data for 'readings'");
    EXPECT_EQ(ErrorOf([&] { Options.InitDefaults(); }), "Failed to set data for 'face'");
}

} // namespace

// Every row of the settings table, a new one too, goes through the store as stated: a first run's
// default, each value in range back as written (stored zero-extended), one beyond it repaired (only
// the low eight bits count), and all of them at once.
TEST_F(SettingsStore, EveryRowOfTheTableIsWrittenReadAndRepairedAsItSays)
{
    ASSERT_TRUE(Options.InitDefaults());
    TSettings read;
    Options.ReadSettings(read);
    EXPECT_EQ(read, DefaultSettings());
    std::set<std::string_view> names;
    for (const TSettingRow& row : SettingRows) {
        SCOPED_TRACE(std::string(row.Name));
        EXPECT_TRUE(names.insert(row.Name).second) << "one value per setting";
        EXPECT_EQ(&Setting(row.Name), &row);
        EXPECT_EQ(StoredInteger(std::string(row.Name)), row.Default);
        const uint32_t last = row.Last == AnyByte ? 255u : row.Last;
        std::vector<uint32_t> values{0, last};  // each store write is a transaction: a byte's edges
        for (uint32_t value = 1; value < last && value < 3; ++value)
            values.push_back(value);
        for (const uint32_t value : values) {
            Options.Write(row, static_cast<uint8_t>(value));
            ASSERT_EQ(Options.Read(row), value);
            ASSERT_EQ(StoredInteger(std::string(row.Name)), value);
        }
        Arrange(std::string(row.Name), 0xFFFF0000u | (last + 2));
        EXPECT_EQ(Options.Read(row), row.Last == AnyByte ? 1 : row.Default);
        Options.Write(row, row.Default);
    }
    TSettings chosen;
    for (const TSettingRow& row : SettingRows)
        chosen.*row.Field = row.Last == AnyByte ? 7 : row.Last;
    Options.WriteSettings(chosen);
    Options.ReadSettings(read);
    EXPECT_EQ(read, chosen);
}

// What a failing read leaves: the settings read before it, the others as they were.
TEST_F(SettingsStore, ReadingTheSettingsKeepsWhatWasReadBeforeAFailure)
{
    Options.InitDefaults();
    Arrange("bgd", 3);
    ArrangeText("mapId", "three");
    TSettings read;
    read.MapId = 9;
    read.HintSpeed = 9;
    EXPECT_EQ(ErrorOf([&] { Options.ReadSettings(read); }), "Invalid data type for 'mapId'");
    EXPECT_EQ(std::make_tuple(read.FaceStyle, read.BackgroundIndex, read.MapId, read.HintSpeed),
              std::make_tuple(1, 3, 9, 9));
}

// Each setting reaches its own place in the game; the map and the kana set only with a new game.
TEST(SettingsTable, EachSettingGoesToItsPlaceInTheGame)
{
    TSilentEffects effects;
    TSeededRandom random;
    const TSettings settings{1, 4, 6, 2, 1, 2, 2, 1};
    for (const bool withNewGame : {false, true}) {
        TGame game(effects, random);
        PutInGame(game, settings, withNewGame);
        EXPECT_EQ(std::make_tuple(game.FaceStyle, game.BackgroundIndex, game.HintSpeed, game.Kana, game.Readings,
                                  game.Practice),
                  std::make_tuple(1, 4, 2, 1, 2, true));
        EXPECT_EQ(std::make_pair(game.MapNumber, game.KanaSet),
                  withNewGame ? std::make_pair(uint8_t{7}, uint8_t{2}) : std::make_pair(uint8_t{0}, uint8_t{0}));
    }
}
