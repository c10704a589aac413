#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace {

const std::string ProgressKey = "Software\\tesuli\\progress";
constexpr uint8_t Ka = 4;  // the face of か and カ
constexpr TScript H = TScript::Hiragana;
constexpr TScript K = TScript::Katakana;
using TNames = std::set<std::string>;

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

namespace {

// A game's reviews: one hiragana face matched with the grade.
std::vector<TKanaReview> Matched(uint8_t face, TGrade grade) { return {{{face, H}, TReviewKind::Matching, grade}}; }

TEST(MemoryText, AMemoryReadsBackAsWrittenAndAnythingElseIsDamaged)
{
    const TKanaMemory reviewed = AfterReview(AfterReview({}, TGrade::Good, 20430), TGrade::Hard, 20433);
    EXPECT_EQ(ParseMemoryText(MemoryText(reviewed)), reviewed);
    EXPECT_EQ(MemoryText({}), "");
    EXPECT_EQ(ParseMemoryText(""), TKanaMemory{}) << "never reviewed: the text a damaged value is written afresh as";
    EXPECT_EQ(ParseMemoryText("3.173;5.28;20430"), (TKanaMemory{3.173, 5.28, 20430}));
    for (const char* damaged : {"x", "1;2", "1;2;3;4", "0;5;1", "-1;5;1", "+1;5;1", "1;11;1", "1;0.5;1", "nan;5;1",
                                "inf;5;1", "1;5;1.5", "1;5;", " 1;5;1", "1e7;5;1", "1;5;99999999999"})
        EXPECT_EQ(ParseMemoryText(damaged), std::nullopt) << damaged;
    EXPECT_EQ(MemoryValueName({Ka, H}, TReviewKind::Matching), "hiragana_ka_memory");
    EXPECT_EQ(MemoryValueName({Ka, K}, TReviewKind::Typed), "typed_katakana_ka_memory");
}

TEST(MemoryText, TheGamesOfEachDayAreCountedInOrderAndTheLatestKept)
{
    TGameDays days;
    for (const int32_t day : {100, 100, 101, 99})  // a clock set back counts for the latest day
        AddGame(days, day);
    EXPECT_EQ(days, (TGameDays{{100, 2}, {101, 2}}));
    EXPECT_EQ(ParseGameDaysText(GameDaysText(days)), days);
    for (int32_t day = 200; day < 200 + int32_t(KeptGameDays); ++day)
        AddGame(days, day);
    EXPECT_EQ(days.size(), KeptGameDays);
    EXPECT_EQ(days.front(), std::pair(200, 1));
    for (const char* damaged : {"x", "1:0", "2:1,1:1", "1:1,1:1", "1:1,", "1", "1:1:1", "-1:1"})
        EXPECT_EQ(ParseGameDaysText(damaged), std::nullopt) << damaged;
    EXPECT_EQ(ParseGameDaysText(""), TGameDays{});
}

// A store of the earlier release, with times and no memories, is read on: every kana unreviewed,
// and a game's reviews join its times in the same update.
TEST_F(ProgressStore, AnOlderStoreIsReadOnAndAGameAddsItsMemoriesBesideTheTimes)
{
    ArrangeText("hiragana_ka", "3;4,5");
    ArrangeText(std::string(MixUpsValueName), "hiragana_ne+hiragana_re");
    EXPECT_EQ(Options.ReadMemories(), TMemoryTable{});
    EXPECT_EQ(Options.ReadGameDays(), TGameDays{});

    const std::vector<TKanaReview> reviews = {{{Ka, H}, TReviewKind::Matching, TGrade::Good},
                                              {{Ka, H}, TReviewKind::Typed, TGrade::Hard}};
    EXPECT_EQ(Options.AddProgress(std::vector{Time(Ka, H, 60)}, {}, reviews, 20430), std::vector<std::string>{});
    EXPECT_EQ(Options.AddProgress({}, {}, Matched(Ka, TGrade::Again), 20431), std::vector<std::string>{});

    const TMemoryTable memories = Place.Options().ReadMemories();
    EXPECT_EQ(memories.At({Ka, H}, TReviewKind::Matching),
              AfterReview(AfterReview({}, TGrade::Good, 20430), TGrade::Again, 20431));
    EXPECT_EQ(memories.At({Ka, H}, TReviewKind::Typed), AfterReview({}, TGrade::Hard, 20430));
    EXPECT_FALSE(memories.At({Ka, K}, TReviewKind::Matching).Reviewed());
    EXPECT_EQ(Place.Options().ReadGameDays(), (TGameDays{{20430, 1}, {20431, 1}}));
    EXPECT_EQ(Stored("hiragana_ka"), "3;4,5,6");
    EXPECT_EQ(Stored("hiragana_ka_tenths"), "3;40,50,60");
    EXPECT_EQ(Stored(std::string(MixUpsValueName)), "hiragana_ne+hiragana_re");
}

// A damaged memory reads as never reviewed; the next game writes it afresh and names it, and
// every other value stays as it was.
TEST_F(ProgressStore, ADamagedMemoryIsNamedAndWrittenAfreshWithNothingElseLost)
{
    const TKanaMemory shi{4, 6, 20000};
    ArrangeText("hiragana_ka_memory", "3.1;garbage");
    ArrangeText("typed_katakana_a_memory", "0;5;20000");
    ArrangeText("hiragana_shi_memory", MemoryText(shi));
    ArrangeText(std::string(GameDaysValueName), "20001:2,20000:1");
    ArrangeText("hiragana_ka_tenths", "1;40");
    const TMemoryTable read = Options.ReadMemories();
    EXPECT_FALSE(read.At({Ka, H}, TReviewKind::Matching).Reviewed());
    EXPECT_EQ(read.At({FaceOfReading("shi"), H}, TReviewKind::Matching), shi);
    EXPECT_EQ(Options.ReadGameDays(), TGameDays{});

    const auto named = Options.AddProgress({}, {}, Matched(0, TGrade::Good), 20002);
    EXPECT_EQ(TNames(named.begin(), named.end()), TNames({"hiragana_ka_memory", "typed_katakana_a_memory", "games"}));
    for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
             {"hiragana_ka_memory", ""}, {"typed_katakana_a_memory", ""}, {std::string(GameDaysValueName), "20002:1"},
             {"hiragana_shi_memory", MemoryText(shi)}, {"hiragana_ka_tenths", "1;40"},
             {"hiragana_a_memory", MemoryText(AfterReview({}, TGrade::Good, 20002))}})
        EXPECT_EQ(Stored(name), text) << name;
    EXPECT_EQ(Options.AddProgress({}, {}, Matched(0, TGrade::Good), 20002), std::vector<std::string>{}) << "named once";
}

}  // namespace
