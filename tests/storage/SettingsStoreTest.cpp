#include "InstrumentedStore.h"
#include "TestStore.h"

#include <gtest/gtest.h>

#include <algorithm>

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
        EXPECT_EQ(StoredNames(), (Names{"bgd", "face", "hintSpeed", "mapId"}));
        EXPECT_EQ(Options.ReadFace(), 1);
        EXPECT_EQ(Options.ReadBackground(), 1);
        EXPECT_EQ(Options.ReadMapId(), 0);
        EXPECT_EQ(Options.ReadHintSpeed(), 1);
    }

    TTestStore Place;
    TWriteLog Log;
    TRegOptions Options{TInstrumentedStore::Around(TTestStore::TestStore(), Log), LocalTimeNow, {}};
};

TEST_F(SettingsStore, FirstRunWritesTheDefaultsOnceAndTheSecondRunNothing)
{
    EXPECT_FALSE(Place.Open()->KeyExists(SettingsKey));
    EXPECT_TRUE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 4);
    ExpectDefaults();

    EXPECT_FALSE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 4);
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

TEST_F(SettingsStore, AKeyWithOneToThreeValuesGetsAllFourDefaults)
{
    Arrange("face", 0);
    Arrange("bgd", 3);
    Arrange("mapId", 2);
    EXPECT_TRUE(Options.InitDefaults());
    ExpectDefaults();
}

TEST_F(SettingsStore, FourForeignValuesAreLeftAlone)
{
    for (const char* name : {"alpha", "beta", "gamma", "delta"})
        Arrange(name, 7);
    EXPECT_FALSE(Options.InitDefaults());
    EXPECT_EQ(Log.Writes, 0);
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
    EXPECT_EQ(ErrorOf([&] { Options.WriteMapId(3); }), "Failed to set data for 'mapId'");
    EXPECT_EQ(ErrorOf([&] { Options.InitDefaults(); }), "Failed to set data for 'face'");
}

} // namespace
