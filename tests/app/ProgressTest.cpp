// The Progress window's chart and a game's times on their way to the store, without widgets.
#include <gtest/gtest.h>

#include "app/PracticePaces.h"
#include "app/ProgressFlow.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TestGame.h"
#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

namespace {

const TChartCell& CellOf(const TProgressChart& chart, std::string_view reading)
{
    for (const TChartCell& cell : chart.Cells)
        if (cell.Reading == reading)
            return cell;
    throw std::out_of_range(std::string(reading));
}

TEST(ProgressChart, TheKanaStandInTheChartsOrderAndPlaces)
{
    const TProgressChart chart = ProgressChart(TScript::Katakana, {});
    std::string readings;
    std::string kana;
    for (const TChartCell& cell : chart.Cells) {
        readings += std::string(cell.Reading) + " ";
        kana += cell.Kana;
        EXPECT_EQ(cell.Colour, NoTimeColour);
        EXPECT_EQ(cell.TimeText + cell.HintsText, "");
    }
    EXPECT_EQ(readings, "a i u e o ka ki ku ke ko sa shi su se so ta chi tsu te to na ni nu ne no ha hi fu he ho "
                        "ma mi mu me mo ya yu yo ra ri ru re ro wa wi we wo n ");
    EXPECT_EQ(kana, "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヰヱヲン");
    const std::pair<const char*, std::pair<int, int>> places[] = {
        {"a", {0, 0}}, {"o", {0, 4}}, {"ya", {7, 0}}, {"yu", {7, 2}}, {"yo", {7, 4}}, {"ra", {8, 0}},
        {"wi", {9, 1}}, {"we", {9, 3}}, {"wo", {9, 4}}, {"n", {10, 0}}};
    for (const auto& [reading, place] : places)
        EXPECT_EQ(std::pair(CellOf(chart, reading).Row, CellOf(chart, reading).Column), place) << reading;
    EXPECT_EQ(CellOf(ProgressChart(TScript::Hiragana, {}), "wi").Kana, "ゐ");
}

TEST(ProgressChart, CellsShowTheMedianAndHintsColouredFromQuickToSlow)
{
    TScriptProgress progress;
    progress[FaceOfReading("ka")] = {{30, 200, 90, 40}, 0};
    progress[FaceOfReading("shi")] = {{14}, 1};
    progress[FaceOfReading("nu")] = {{300, 400, 350}, 0};
    progress[FaceOfReading("a")] = {{}, 2};
    const TProgressChart chart = ProgressChart(TScript::Hiragana, progress);

    const TChartCell& ka = CellOf(chart, "ka");
    EXPECT_EQ(ka.Median, 6.5);
    EXPECT_EQ(ka.TimeText, "6.5 s");
    EXPECT_NE(ka.Colour, QuickColour);
    EXPECT_NE(ka.Colour, SlowColour);
    EXPECT_EQ(CellOf(chart, "shi").Colour, QuickColour);
    EXPECT_EQ(CellOf(chart, "shi").HintsText, "1 hint");
    EXPECT_EQ(CellOf(chart, "nu").Colour, SlowColour);
    EXPECT_EQ(CellOf(chart, "nu").TimeText, "35.0 s");
    const TChartCell& a = CellOf(chart, "a");
    EXPECT_EQ(a.Colour, NoTimeColour);
    EXPECT_EQ(a.Median, std::nullopt);
    EXPECT_EQ(a.HintsText, "2 hints");
    EXPECT_EQ(chart.SlowestText, "Slowest: ぬ nu 35.0 s, か ka 6.5 s, し shi 1.4 s");

    for (const char* reading : {"te", "ho", "mo"})
        progress[FaceOfReading(reading)] = {{500}, 0};
    EXPECT_EQ(ProgressChart(TScript::Hiragana, progress).SlowestText,
              "Slowest: て te 50.0 s, ほ ho 50.0 s, も mo 50.0 s, ぬ nu 35.0 s, か ka 6.5 s");
}

// The bounds are in seconds, whatever else the chart holds.
TEST(ProgressChart, TheColourScaleIsFixedInSeconds)
{
    const std::pair<double, uint32_t> scale[] = {{0.2, QuickColour}, {1.5, QuickColour}, {4, MiddleColour}, {10, SlowColour}, {28, SlowColour}};
    for (const auto& [seconds, colour] : scale)
        EXPECT_EQ(TimeColour(seconds), colour) << seconds;
    EXPECT_NE(TimeColour(2.5), TimeColour(3));
}

TEST(ProgressChart, TheMostFrequentMixUpsWithTheScriptsKanaAreNamed)
{
    const TSeenKana shi{FaceOfReading("shi"), TScript::Katakana}, tsu{FaceOfReading("tsu"), TScript::Katakana},
        ne{FaceOfReading("ne"), TScript::Hiragana}, re{FaceOfReading("re"), TScript::Hiragana},
        hiraganaShi{FaceOfReading("shi"), TScript::Hiragana};
    const std::vector<TMixUp> mixUps = {MixUpOf(tsu, shi), MixUpOf(hiraganaShi, tsu), MixUpOf(shi, tsu), MixUpOf(ne, re), MixUpOf(ne, re)};
    EXPECT_EQ(ProgressChart(TScript::Katakana, {}, mixUps).MixUpsText, "Mixed up most: シ\u2013ツ 2, し\u2013ツ 1");
    EXPECT_EQ(ProgressChart(TScript::Hiragana, {}, mixUps).MixUpsText, "Mixed up most: ね\u2013れ 2, し\u2013ツ 1");
}

TEST(ProgressChart, TheVoicedAndCombinedChartsStandInTheirRowsAndColumns)
{
    const std::tuple<TChartKind, const char*, int, int, const char*> places[] = {
        {TChartKind::Voiced, "ji", 1, 1, "じ"}, {TChartKind::Voiced, "po", 4, 4, "ぽ"},
        {TChartKind::Combined, "shu", 1, 1, "しゅ"}, {TChartKind::Combined, "pyo", 10, 2, "ぴょ"}};
    for (const auto& [kind, reading, row, column, kana] : places) {
        const TProgressChart chart = ProgressChart(TScript::Hiragana, {}, {}, {}, kind);
        EXPECT_EQ(chart.Cells.size(), size_t(kind == TChartKind::Voiced ? VoicedKanaCount : CombinedKanaCount));
        const TChartCell& cell = CellOf(chart, reading);
        EXPECT_EQ(std::tuple(cell.Row, cell.Column, cell.Kana), std::tuple(row, column, std::string_view(kana))) << reading;
    }
}

// The slowest are named across the kana set in force, whichever chart is shown.
TEST(ProgressChart, TheSlowestAreNamedAcrossTheSet)
{
    TScriptProgress progress;
    progress[KanaOfReading("ka")] = {{90}, 0};
    progress[KanaOfReading("ga")] = {{200}, 0};
    EXPECT_EQ(ProgressChart(TScript::Katakana, progress, {}, {}, TChartKind::Voiced, 48).SlowestText, "Slowest: カ ka 9.0 s");
    EXPECT_EQ(ProgressChart(TScript::Katakana, progress, {}, {}, TChartKind::Basic, 73).SlowestText,
              "Slowest: ガ ga 20.0 s, カ ka 9.0 s");
}

// A hint counts as a 30 s time; of two scripts on the board the slower counts, and none where one
// has nothing.
TEST(PracticePaces, HintsCountAsSlowAndTheSlowerScriptCounts)
{
    TScriptProgress hiragana, katakana;
    hiragana[KanaOfReading("ka")] = {{20, 40, 60}, 0};  // tenths
    katakana[KanaOfReading("ka")] = {{80}, 0};
    hiragana[KanaOfReading("ga")] = {{20, 40}, 2};  // 2 s 4 s 30 s 30 s
    hiragana[KanaOfReading("kya")] = {{}, 1};
    katakana[KanaOfReading("shi")] = {{50}, 0};
    const std::tuple<uint8_t, const char*, TKanaPace> cases[] = {
        {0, "ka", {true, 4}},  {1, "ka", {true, 8}}, {2, "ka", {true, 8}},  {0, "ga", {true, 17}},
        {0, "kya", {true, 30}}, {0, "shi", {}},        {1, "shi", {true, 5}}, {2, "shi", {}},       {2, "ga", {}}};
    for (const auto& [kana, reading, expected] : cases) {
        const TKanaPace pace = PracticePaces(hiragana, katakana, kana)[KanaOfReading(reading)];
        EXPECT_EQ(std::pair(pace.Timed, pace.Timed ? pace.Seconds : 0), std::pair(expected.Timed, expected.Seconds))
            << reading << " kana " << int(kana);
    }
}

// A pair that lies free 12 s before it is taken, played, stored at the game's end and read back by
// the chart after a restart.
TEST(ProgressFlow, AGamesTimesReachTheChartAndAreStoredOnce)
{
    TTestStore place;
    TWriteLog log;
    TRegOptions options{TInstrumentedStore::Around(TTestStore::TestStore(), log), LocalTimeNow, {}};
    TTestGame test;
    TFakeClock clock;
    TRecognition recognition{clock};
    test.Game.Recognition = &recognition;
    test.Game.Readings = ReadingsSetting::KanaOnly;
    recognition.SetModes(test.Game);
    KeepOnly(test.Game, {{17, {0, 0, 0}}, {18, {4, 0, 0}}, {1, {8, 0, 0}}, {5, {12, 0, 0}}});  // か, あ, い
    recognition.Restart(test.Game);
    test.Game.StartClock();
    clock.Now += 12000;
    test.Game.ClickTile(1);
    test.Game.ClickTile(5);  // あ taken for い
    test.Game.ClickTile(1);
    test.Game.TakeTypedPair(17, 18);
    EXPECT_EQ(CellOf(ReadProgressChart(options, recognition, TScript::Hiragana), "ka").TypedText, "typed 12.0 s");

    log.Refused = "hiragana_ka";
    EXPECT_EQ(ErrorOf([&] { StoreProgress(recognition, options); }), "Failed to set data for 'hiragana_ka'");
    log.Refused.clear();
    StoreProgress(recognition, options);
    StoreProgress(recognition, options);  // nothing new since

    TRegOptions restarted = place.Options();
    const TProgressChart chart = ReadProgressChart(restarted, TRecognition{}, TScript::Hiragana);
    EXPECT_EQ(CellOf(chart, "ka").TimeText, "12.0 s");
    EXPECT_EQ(CellOf(chart, "ka").TypedText, "typed 12.0 s");
    EXPECT_EQ(chart.MixUpsText, "Mixed up most: あ\u2013い 1");
    EXPECT_EQ(restarted.ReadProgress(TScript::Hiragana)[4].Samples, std::vector<int32_t>{120});
}

}  // namespace
