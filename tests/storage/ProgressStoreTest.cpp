#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const std::string ProgressKey = "Software\\tesuli\\progress";
constexpr uint8_t Ka = 4;  // the face of か and カ
constexpr TScript H = TScript::Hiragana;
constexpr TScript K = TScript::Katakana;

TRecognitionSample Time(uint8_t face, TScript script, int32_t tenths) { return {face, script, false, tenths}; }
TRecognitionSample Hint(uint8_t face, TScript script) { return {face, script, true, 0}; }

class ProgressStore : public ::testing::Test {
protected:
    std::string Stored(const std::string& name)
    {
        const auto store = Place.Open();
        std::string text;
        EXPECT_TRUE(store->OpenKey(ProgressKey));
        EXPECT_EQ(store->ReadString(name, text), TValueRead::Ok) << name;
        return text;
    }
    void ArrangeText(const std::string& name, const std::string& text)
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(ProgressKey));
        ASSERT_TRUE(store->WriteString(name, text));
    }
    static std::vector<int32_t> Seconds(int32_t from, int32_t to)
    {
        std::vector<int32_t> seconds(to - from + 1);
        std::iota(seconds.begin(), seconds.end(), from);
        return seconds;
    }

    TTestStore Place;
    TWriteLog Log;
    TRegOptions Options{TInstrumentedStore::Around(TTestStore::TestStore(), Log), LocalTimeNow, {}};
};

TEST_F(ProgressStore, SamplesSurviveARestartAndOnlyTheLatestTwentyAreKept)
{
    EXPECT_EQ(Options.ReadProgress(H), TScriptProgress{});
    EXPECT_FALSE(Place.Open()->KeyExists(ProgressKey));  // reading creates nothing

    std::vector<TRecognitionSample> game{Hint(Ka, H), Time(Ka, K, 40)};
    for (int32_t seconds = 1; seconds <= 25; ++seconds)
        game.push_back(Time(Ka, H, seconds));
    game.push_back(Hint(Ka, H));
    Options.AddProgress(game);
    EXPECT_EQ(Log.Writes, 4);  // two values per kana and script, however many samples

    TRegOptions restarted = Place.Options();
    TScriptProgress hiragana = restarted.ReadProgress(H);
    EXPECT_EQ(hiragana[Ka], (TKanaProgress{Seconds(6, 25), 2}));
    hiragana[Ka] = {};
    EXPECT_EQ(hiragana, TScriptProgress{});
    EXPECT_EQ(restarted.ReadProgress(K)[Ka], (TKanaProgress{{40}, 0}));
    EXPECT_EQ(Stored("katakana_ka_tenths"), "0;40");

    restarted.AddProgress(std::vector{Time(Ka, H, 26), Time(Ka, H, 27)});
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{Seconds(8, 27), 2}));
}

// The voiced and combined kana gain values of their own beside the basic kana's, which keep theirs.
TEST_F(ProgressStore, EveryCatalogueKanaIsKeptUnderItsOwnName)
{
    std::vector<TRecognitionSample> game;
    for (int id = 0; id < CatalogueSize; ++id)
        game.push_back(Time(static_cast<TKanaId>(id), K, (id + 1) * 10));
    Options.AddProgress(game);
    const TScriptProgress katakana = Place.Options().ReadProgress(K);
    for (int id = 0; id < CatalogueSize; ++id)
        EXPECT_EQ(katakana[size_t(id)], (TKanaProgress{{(id + 1) * 10}, 0})) << KanaCatalogue[size_t(id)].Reading;
    const std::pair<const char*, const char*> names[] = {
        {"katakana_ka", "0;5"},          {"katakana_ga", "0;49"},          {"katakana_po", "0;73"},
        {"katakana_kya", "0;74"},        {"katakana_pyo", "0;106"},        {"katakana_ka_tenths", "0;50"},
        {"katakana_ga_tenths", "0;490"}, {"katakana_kya_tenths", "0;740"}, {"katakana_pyo_tenths", "0;1060"}};
    for (const auto& [name, text] : names)
        EXPECT_EQ(Stored(name), text) << name;
    Options.ResetProgress(K);
    EXPECT_EQ(Options.ReadProgress(K), TScriptProgress{});
}

TEST_F(ProgressStore, AGameIsStoredWhollyOrNotAtAll)
{
    Options.AddProgress(std::vector{Time(Ka, H, 5)});
    Log.Refused = "katakana_shi_tenths";
    const std::vector game{Time(Ka, H, 6), Time(9, K, 7)};
    EXPECT_EQ(ErrorOf([&] { Options.AddProgress(game, {MixUpOf({1, H}, {2, H})}); }), "Failed to set data for 'katakana_shi_tenths'");
    EXPECT_EQ(Options.ReadMixUps(), std::vector<TMixUp>{});
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{{5}, 0}));
}

TEST_F(ProgressStore, AValueTheGameDidNotWriteReadsAsNoDataAndIsReplacedByTheNextGame)
{
    std::string twentyOne = "0;1";
    for (size_t i = 1; i <= KeptSamples; ++i)
        twentyOne += ",1";
    const std::pair<const char*, std::string> damaged[] = {
        {"hiragana_a", "garbage"},   {"hiragana_i", "1;2,,3"},     {"hiragana_u", "1;2,"},  {"hiragana_e", "-1;"},
        {"hiragana_o", "1234567890;"}, {"hiragana_ki", "2;3 "},   {"hiragana_ku", twentyOne}, {"hiragana_ke", ""},
        {"katakana_pyo_tenths", "x;"},
    };
    for (const auto& [name, text] : damaged)
        ArrangeText(name, text);
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(ProgressKey));
        ASSERT_TRUE(store->WriteInteger("hiragana_ko", 12));
    }
    ArrangeText("hiragana_ka", "3;4,5");

    TScriptProgress expected;
    expected[Ka] = {{40, 50}, 3};  // the earlier release's seconds
    EXPECT_EQ(Options.ReadProgress(H), expected);

    ArrangeText(std::string(MixUpsValueName), "hiragana_a+nothing");
    EXPECT_EQ(Options.ReadMixUps(), std::vector<TMixUp>{});
    ArrangeText("hiragana_ki_tenths", "garbage");

    Options.AddProgress(std::vector{Time(0, H, 7), Time(FaceOfReading("ko"), H, 8)});
    EXPECT_EQ(Stored("hiragana_a_tenths"), "0;7");
    EXPECT_EQ(Stored("hiragana_ko_tenths"), "0;8");
    EXPECT_EQ(Stored("hiragana_ki_tenths"), "0;");
    EXPECT_EQ(Stored(std::string(MixUpsValueName)), "");
    for (const auto& [name, text] : damaged) {
        if (name != std::string("hiragana_a") && name != std::string("hiragana_ko")) {
            EXPECT_EQ(Stored(name), "0;") << name;
        }
    }
    EXPECT_EQ(Stored("hiragana_ka"), "3;4,5");
}

TEST_F(ProgressStore, TypedTimesAreKeptApartAndAResetClearsOneScriptWithThem)
{
    TRecognitionSample typed = Time(Ka, H, 3);
    typed.Typed = true;
    const TMixUp ofHiragana = MixUpOf({1, H}, {2, H}), ofBoth = MixUpOf({1, H}, {1, K}), ofKatakana = MixUpOf({3, K}, {4, K});
    Options.AddProgress(std::vector{Time(Ka, H, 5), typed, Hint(0, H), Time(Ka, K, 6)}, {ofHiragana, ofBoth, ofKatakana});
    EXPECT_EQ(Stored("typed_hiragana_ka_tenths"), "0;3");
    EXPECT_EQ(Stored("hiragana_ka_tenths"), "0;5") << "recall comes beside the pair's own time, not in it";
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{{5}, 0}));
    EXPECT_EQ(Options.ReadProgress(H, true)[Ka], (TKanaProgress{{3}, 0}));
    Options.ResetProgress(H);
    EXPECT_EQ(Options.ReadProgress(H), TScriptProgress{});
    EXPECT_EQ(Options.ReadProgress(H, true), TScriptProgress{});
    EXPECT_EQ(Options.ReadProgress(K)[Ka], (TKanaProgress{{6}, 0}));
    EXPECT_EQ(Options.ReadMixUps(), std::vector<TMixUp>{ofKatakana});
    ArrangeText("hiragana_ka", "0;9");  // the earlier release, played after the reset
    EXPECT_EQ(Options.ReadProgress(H)[Ka].Samples, std::vector<int32_t>{});
}

// A typed time the game did not write reads as no data, gains a new time afresh, and is replaced
// by the next game whichever kana it timed.
TEST_F(ProgressStore, ADamagedTypedValueReadsAsNoDataAndIsRepaired)
{
    ArrangeText("typed_hiragana_ka_tenths", "garbage");
    ArrangeText("typed_hiragana_a_tenths", "1;2,,3");
    ArrangeText("typed_katakana_pyo_tenths", "x;");
    {
        const auto store = Place.Open();
        ASSERT_TRUE(store->OpenKey(ProgressKey));
        ASSERT_TRUE(store->WriteInteger("typed_katakana_ka_tenths", 12));
    }
    EXPECT_EQ(Options.ReadProgress(H, true), TScriptProgress{});
    EXPECT_EQ(Options.ReadProgress(K, true), TScriptProgress{});

    TRecognitionSample typed = Time(Ka, H, 3);
    typed.Typed = true;
    Options.AddProgress(std::vector{typed});
    EXPECT_EQ(Stored("typed_hiragana_ka_tenths"), "0;3");
    for (const char* name : {"typed_hiragana_a_tenths", "typed_katakana_pyo_tenths", "typed_katakana_ka_tenths"})
        EXPECT_EQ(Stored(name), "0;") << name;
    EXPECT_EQ(Options.ReadProgress(H, true)[Ka], (TKanaProgress{{3}, 0}));
}

// The earlier release keeps whole seconds under the kana's name and reads nothing else: its values
// keep their meaning and gain each new time, rounded; its times are read as tenths until the kana
// has times in tenths.
TEST_F(ProgressStore, TheEarlierReleasesSecondsAreReadAndKeptUp)
{
    ArrangeText("hiragana_ka", "1;3,12");
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{{30, 120}, 1}));
    Options.AddProgress(std::vector{Time(Ka, H, 14), Time(Ka, H, 25), Hint(Ka, H)});
    EXPECT_EQ(Stored("hiragana_ka"), "2;3,12,1,3");
    EXPECT_EQ(Stored("hiragana_ka_tenths"), "2;30,120,14,25");
    ArrangeText("hiragana_ka", "2;3,12,1,3,60");  // the earlier release played again
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{{30, 120, 14, 25}, 2}));
}

TEST_F(ProgressStore, OnlyTheLatestMixUpsAreKept)
{
    std::vector<TMixUp> mixUps;
    for (size_t i = 0; i < KeptMixUps + 5; ++i)
        mixUps.push_back(MixUpOf({static_cast<TKanaId>(i % (CatalogueSize - 1)), i % 3 == 0 ? K : H}, {CatalogueSize - 1, H}));
    Options.AddProgress({}, std::vector(mixUps.begin(), mixUps.begin() + 10));
    Options.AddProgress({}, std::vector(mixUps.begin() + 10, mixUps.end()));
    EXPECT_EQ(Place.Options().ReadMixUps(), std::vector(mixUps.begin() + 5, mixUps.end()));
    const std::string first = ProgressValueName(H, 5) + "+" + ProgressValueName(H, CatalogueSize - 1) + ",";
    EXPECT_EQ(Stored(std::string(MixUpsValueName)).substr(0, first.size()), first);
}

}  // namespace
