// The page's store over the browser's storage (a stand-in under node): one item per value, read
// afresh on every access, updates all or nothing.
#include <gtest/gtest.h>

#include <emscripten.h>

#include <tuple>

#include "storage/BrowserStore.h"
#include "tests/support/TestStore.h"

namespace {

EM_JS(void, LimitStorage, (double characters), { globalThis.tesuliStorageLimit = characters; });

// The text of a value, or "(unread)" when it cannot be read as one.
std::string TextOf(TKeyValueStore& store, const std::string& name)
{
    std::string text;
    return store.ReadString(name, text) == TValueRead::Ok ? text : "(unread)";
}

class BrowserStore : public ::testing::Test {
protected:
    TTestStore Place;
    std::unique_ptr<TKeyValueStore> Tab() const { return Place.Open(); }

    void TearDown() override { LimitStorage(1e300); }
};

TEST_F(BrowserStore, ValuesKeepTheirTypesAndNumberedNamesTheirOrder)
{
    const auto store = Tab();
    ASSERT_TRUE(store->OpenKey(SettingsKey));
    for (const char* name : {"10", "2", "face", "1"})
        ASSERT_TRUE(store->WriteInteger(name, 7));
    ASSERT_TRUE(store->WriteString("text", "さくら"));
    EXPECT_EQ(store->ValueNames(), (std::vector<std::string>{"1", "2", "10", "face", "text"}));

    for (const auto& [name, asInteger, asString] : {std::tuple{"face", TValueRead::Ok, TValueRead::WrongType},
                                                    {"text", TValueRead::WrongType, TValueRead::Ok},
                                                    {"none", TValueRead::Missing, TValueRead::Missing}}) {
        uint32_t number = 0;
        std::string text;
        EXPECT_EQ(store->ReadInteger(name, number), asInteger) << name;
        EXPECT_EQ(store->ReadString(name, text), asString) << name;
    }
    EXPECT_EQ(TextOf(*store, "text"), "さくら");
    EXPECT_TRUE(Tab()->KeyExists("Software\\tesuli"));
    EXPECT_FALSE(Tab()->KeyExists("Software\\other"));
}

TEST_F(BrowserStore, AnUpdateIsSeenWholeOnCommitAndNotAtAllWhenCancelled)
{
    const auto writer = Tab();
    const auto reader = Tab();
    ASSERT_TRUE(writer->BeginUpdate());
    ASSERT_TRUE(writer->OpenKey(ScoresKey));
    ASSERT_TRUE(writer->WriteString("1", "one"));
    ASSERT_TRUE(writer->WriteString("2", "two"));
    EXPECT_FALSE(reader->KeyExists(ScoresKey));
    EXPECT_EQ(writer->ValueNames(), (std::vector<std::string>{"1", "2"}));
    ASSERT_TRUE(writer->CommitUpdate());
    ASSERT_TRUE(reader->OpenKey(ScoresKey));
    EXPECT_EQ(reader->ValueNames(), (std::vector<std::string>{"1", "2"}));

    ASSERT_TRUE(writer->BeginUpdate());
    ASSERT_TRUE(writer->WriteString("3", "three"));
    writer->CancelUpdate();
    EXPECT_EQ(reader->ValueNames(), (std::vector<std::string>{"1", "2"}));
    // Each access reads afresh what the other wrote, in an update or outside one.
    EXPECT_EQ(TextOf(*reader, "2"), "two");
    ASSERT_TRUE(reader->WriteString("3", "three"));
    EXPECT_EQ(TextOf(*writer, "3"), "three");
}

TEST_F(BrowserStore, AFullStoreRefusesTheWholeUpdateAndKeepsWhatWasThere)
{
    const auto store = Tab();
    ASSERT_TRUE(store->OpenKey(ScoresKey));
    ASSERT_TRUE(store->WriteString("1", "kept"));
    LimitStorage(400);
    ASSERT_TRUE(store->BeginUpdate());
    ASSERT_TRUE(store->WriteString("1", "changed"));
    ASSERT_TRUE(store->WriteString("2", std::string(500, 'x')));
    EXPECT_FALSE(store->CommitUpdate());
    EXPECT_EQ(TextOf(*store, "1"), "kept");
    EXPECT_EQ(store->ValueNames(), std::vector<std::string>{"1"});
    // Outside an update the write itself fails.
    EXPECT_FALSE(store->WriteString("3", std::string(500, 'x')));
}

// Two tabs: each read-modify-write sees what the other wrote before it.
TEST_F(BrowserStore, ScoresAppendedFromTwoTabsAreAllKept)
{
    TRegOptions firstTab = Place.Options();
    TRegOptions secondTab = Place.Options();
    firstTab.AddScore("one", "0:01:00", 0, "Babel");
    secondTab.AddScore("two", "0:02:00", 1, "Babel");
    firstTab.AddScore("three", "0:03:00", 2, "Babel");
    const std::vector<std::string> table = ReadTable(secondTab);
    ASSERT_EQ(table.size(), 3u);
    for (size_t i = 0; i < table.size(); ++i)
        EXPECT_NE(table[i].find(std::vector<std::string>{"one", "two", "three"}[i]), std::string::npos);
}

}  // namespace
