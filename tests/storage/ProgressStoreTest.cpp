#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const std::string ProgressKey = "Software\\tesuli\\progress";
constexpr uint8_t Ka = 4;  // the face of か and カ
constexpr TScript H = TScript::Hiragana;
constexpr TScript K = TScript::Katakana;

TRecognitionSample Time(uint8_t face, TScript script, int32_t seconds) { return {face, script, false, seconds}; }
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
    EXPECT_EQ(Log.Writes, 2);  // one value per kana and script, however many samples

    TRegOptions restarted = Place.Options();
    TScriptProgress hiragana = restarted.ReadProgress(H);
    EXPECT_EQ(hiragana[Ka], (TKanaProgress{Seconds(6, 25), 2}));
    hiragana[Ka] = {};
    EXPECT_EQ(hiragana, TScriptProgress{});
    EXPECT_EQ(restarted.ReadProgress(K)[Ka], (TKanaProgress{{40}, 0}));
    EXPECT_EQ(Stored("katakana_ka"), "0;40");

    restarted.AddProgress(std::vector{Time(Ka, H, 26), Time(Ka, H, 27)});
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{Seconds(8, 27), 2}));
}

TEST_F(ProgressStore, AGameIsStoredWhollyOrNotAtAll)
{
    Options.AddProgress(std::vector{Time(Ka, H, 5)});
    Log.Refused = "katakana_shi";
    const std::vector game{Time(Ka, H, 6), Time(9, K, 7)};
    EXPECT_EQ(ErrorOf([&] { Options.AddProgress(game); }), "Failed to set data for 'katakana_shi'");
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
    expected[Ka] = {{4, 5}, 3};
    EXPECT_EQ(Options.ReadProgress(H), expected);

    Options.AddProgress(std::vector{Time(0, H, 7), Time(FaceOfReading("ko"), H, 8)});
    EXPECT_EQ(Stored("hiragana_a"), "0;7");
    EXPECT_EQ(Stored("hiragana_ko"), "0;8");
    for (const auto& [name, text] : damaged) {
        if (name != std::string("hiragana_a")) {
            EXPECT_EQ(Stored(name), "0;") << name;
        }
    }
    EXPECT_EQ(Stored("hiragana_ka"), "3;4,5");
}

TEST_F(ProgressStore, TypedTimesAreKeptApartAndAResetClearsOneScriptWithThem)
{
    TRecognitionSample typed = Time(Ka, H, 3);
    typed.Typed = true;
    Options.AddProgress(std::vector{Time(Ka, H, 5), typed, Hint(0, H), Time(Ka, K, 6)});
    EXPECT_EQ(Stored("typed_hiragana_ka"), "0;3");
    EXPECT_EQ(Options.ReadProgress(H)[Ka], (TKanaProgress{{5}, 0}));
    EXPECT_EQ(Options.ReadProgress(H, true)[Ka], (TKanaProgress{{3}, 0}));
    Options.ResetProgress(H);
    EXPECT_EQ(Options.ReadProgress(H), TScriptProgress{});
    EXPECT_EQ(Options.ReadProgress(H, true), TScriptProgress{});
    EXPECT_EQ(Options.ReadProgress(K)[Ka], (TKanaProgress{{6}, 0}));
}

}  // namespace
