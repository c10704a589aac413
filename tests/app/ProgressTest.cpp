// The Progress window's chart and a game's times on their way to the store, without widgets.
#include <gtest/gtest.h>

#include "app/ProgressFlow.h"
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
    progress[FaceOfReading("ka")] = {{3, 20, 9, 4}, 0};
    progress[FaceOfReading("shi")] = {{2}, 1};
    progress[FaceOfReading("nu")] = {{30, 40, 35}, 0};
    progress[FaceOfReading("a")] = {{}, 2};
    TScriptProgress typed;
    typed[FaceOfReading("ka")] = {{4, 8}, 0};
    typed[FaceOfReading("nu")] = {{}, 1};
    const TProgressChart chart = ProgressChart(TScript::Hiragana, progress, typed);

    const TChartCell& ka = CellOf(chart, "ka");
    EXPECT_EQ(ka.Median, 6.5);
    EXPECT_EQ(ka.TimeText, "6.5 s");
    EXPECT_EQ(ka.TypedText, "typed 6 s");
    EXPECT_EQ(CellOf(chart, "nu").TypedText, "") << "a hint is no typed time";
    EXPECT_NE(ka.Colour, QuickColour);
    EXPECT_NE(ka.Colour, SlowColour);
    EXPECT_EQ(CellOf(chart, "shi").Colour, QuickColour);
    EXPECT_EQ(CellOf(chart, "shi").HintsText, "1 hint");
    EXPECT_EQ(CellOf(chart, "nu").Colour, SlowColour);
    EXPECT_EQ(CellOf(chart, "nu").TimeText, "35 s");
    const TChartCell& a = CellOf(chart, "a");
    EXPECT_EQ(a.Colour, NoTimeColour);
    EXPECT_EQ(a.Median, std::nullopt);
    EXPECT_EQ(a.HintsText, "2 hints");
    EXPECT_EQ(chart.SlowestText, "Slowest: ぬ nu 35 s, か ka 6.5 s, し shi 2 s");

    for (const char* reading : {"te", "ho", "mo"})
        progress[FaceOfReading(reading)] = {{50}, 0};
    EXPECT_EQ(ProgressChart(TScript::Hiragana, progress).SlowestText,
              "Slowest: て te 50 s, ほ ho 50 s, も mo 50 s, ぬ nu 35 s, か ka 6.5 s");
}

// A pair that lies free 12 s before it is taken, played, stored at the game's end and read back by
// the chart after a restart.
TEST(ProgressFlow, AGamesTimesReachTheChartAndAreStoredOnce)
{
    TTestStore place;
    TWriteLog log;
    TRegOptions options{TInstrumentedStore::Around(TTestStore::TestStore(), log), LocalTimeNow, {}};
    TTestGame test;
    TRecognition recognition;
    test.Game.Recognition = &recognition;
    KeepOnly(test.Game, {{17, {0, 0, 0}}, {18, {4, 0, 0}}});  // a pair of face 4, か
    recognition.Restart(test.Game);
    for (int tick = 0; tick < 12; ++tick)
        test.Game.GameTimerTimer();
    test.Game.ClickTile(17);
    test.Game.ClickTile(18);

    log.Refused = "hiragana_ka";
    EXPECT_EQ(ErrorOf([&] { StoreProgress(recognition, options); }), "Failed to set data for 'hiragana_ka'");
    log.Refused.clear();
    StoreProgress(recognition, options);
    StoreProgress(recognition, options);  // nothing new since

    TRegOptions restarted = place.Options();
    const TProgressChart chart = ReadProgressChart(restarted, TScript::Hiragana);
    EXPECT_EQ(CellOf(chart, "ka").TimeText, "12 s");
    EXPECT_EQ(restarted.ReadProgress(TScript::Hiragana)[4].Samples, std::vector<int32_t>{12});
}

}  // namespace
