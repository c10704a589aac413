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

TEST(ProgressChart, CellsShowTheMedianAndHintsColouredByTimeOnOneScale)
{
    TScriptProgress progress;
    progress[FaceOfReading("ka")] = {{30, 200, 90, 40}, 0};
    progress[FaceOfReading("shi")] = {{14}, 1};
    progress[FaceOfReading("nu")] = {{300, 400, 350}, 0};
    progress[FaceOfReading("a")] = {{}, 2};
    TScriptProgress typed;
    typed[FaceOfReading("ka")] = {{40, 81}, 0};
    typed[FaceOfReading("nu")] = {{}, 1};
    const TProgressChart chart = ProgressChart(TScript::Hiragana, progress, {}, typed);

    const TChartCell& ka = CellOf(chart, "ka");
    EXPECT_EQ(ka.Median, 6.5);
    EXPECT_EQ(ka.TimeText, "6.5 s");
    EXPECT_EQ(ka.TypedText, "typed 6.1 s");
    EXPECT_EQ(CellOf(chart, "nu").TypedText, "") << "a hint is no typed time";
    EXPECT_EQ(ka.Colour, TimeColour(6.5));
    EXPECT_EQ(CellOf(chart, "shi").HintsText, "1 hint");
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

// A time has its colour whatever else the chart holds: the bounds are in seconds.
TEST(ProgressChart, TheColourScaleIsFixedInSecondsAndTheLegendNamesIt)
{
    const std::pair<double, uint32_t> scale[] = {
        {0.2, QuickColour}, {1.5, QuickColour}, {4, MiddleColour}, {10, SlowColour}, {28, SlowColour}};
    for (const auto& [seconds, colour] : scale)
        EXPECT_EQ(TimeColour(seconds), colour) << seconds;
    EXPECT_NE(TimeColour(2.5), TimeColour(3));
    EXPECT_NE(TimeColour(6.5), TimeColour(7));

    TScriptProgress once, again;
    once[0] = {{50}, 0};
    again[0] = {{50}, 0};
    again[1] = {{270}, 0};
    EXPECT_EQ(CellOf(ProgressChart(TScript::Hiragana, once), "a").Colour, CellOf(ProgressChart(TScript::Katakana, again), "a").Colour);

    std::string legend;
    for (const TLegendEntry& entry : ChartLegend()) {
        legend += entry.Text + "|";
        if (entry.Text != ProgressTexts::NoTime) {
            EXPECT_EQ(entry.Colour, TimeColour(std::stod(entry.Text)));
        }
    }
    EXPECT_EQ(legend, "1.5 s or less|2.5 s|4.0 s|6.5 s|10.0 s or more|no time yet|");
    EXPECT_EQ(ChartLegend().back().Colour, NoTimeColour);
}

TEST(ProgressChart, TheMostFrequentMixUpsWithTheScriptsKanaAreNamed)
{
    const TSeenKana shi{FaceOfReading("shi"), TScript::Katakana}, tsu{FaceOfReading("tsu"), TScript::Katakana},
        so{FaceOfReading("so"), TScript::Katakana}, n{FaceOfReading("n"), TScript::Katakana},
        ne{FaceOfReading("ne"), TScript::Hiragana}, re{FaceOfReading("re"), TScript::Hiragana},
        hiraganaShi{FaceOfReading("shi"), TScript::Hiragana};
    const std::vector<TMixUp> mixUps = {MixUpOf(so, n),  MixUpOf(tsu, shi), MixUpOf(ne, re),  MixUpOf(shi, tsu),
                                        MixUpOf(n, so),  MixUpOf(shi, tsu), MixUpOf(hiraganaShi, tsu), MixUpOf(ne, re),
                                        MixUpOf(ne, re), MixUpOf(ne, re)};
    EXPECT_EQ(ProgressChart(TScript::Katakana, {}, mixUps).MixUpsText, "Mixed up most: シ\u2013ツ 3, ソ\u2013ン 2, し\u2013ツ 1");
    EXPECT_EQ(ProgressChart(TScript::Hiragana, {}, mixUps).MixUpsText, "Mixed up most: ね\u2013れ 4, し\u2013ツ 1");
    EXPECT_EQ(ProgressChart(TScript::Hiragana, {}, {}).MixUpsText.find("Mixed up most"), std::string::npos);
}

TEST(ProgressChart, TheVoicedAndCombinedChartsStandInTheirRowsAndColumns)
{
    struct TCase {
        TChartKind Kind;
        const char* Readings;
        std::vector<std::pair<const char*, std::pair<int, int>>> Places;
        const char* Kana;
    };
    const TCase cases[] = {
        {TChartKind::Voiced,
         "ga gi gu ge go za ji zu ze zo da di du de do ba bi bu be bo pa pi pu pe po ",
         {{"ga", {0, 0}}, {"ji", {1, 1}}, {"du", {2, 2}}, {"po", {4, 4}}},
         "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"},
        {TChartKind::Combined,
         "kya kyu kyo sha shu sho cha chu cho nya nyu nyo hya hyu hyo mya myu myo rya ryu ryo gya gyu gyo "
         "ja ju jo bya byu byo pya pyu pyo ",
         {{"kya", {0, 0}}, {"shu", {1, 1}}, {"jo", {8, 2}}, {"pyo", {10, 2}}},
         "きゃきゅきょしゃしゅしょちゃちゅちょにゃにゅにょひゃひゅひょみゃみゅみょりゃりゅりょぎゃぎゅぎょじゃじゅじょびゃびゅびょぴゃぴゅぴょ"},
    };
    for (const TCase& test : cases) {
        const TProgressChart chart = ProgressChart(TScript::Hiragana, {}, {}, {}, test.Kind);
        std::string readings;
        std::string kana;
        for (const TChartCell& cell : chart.Cells) {
            readings += std::string(cell.Reading) + " ";
            kana += cell.Kana;
            EXPECT_EQ(KanaCatalogue[cell.Id].Reading, cell.Reading);
        }
        EXPECT_EQ(readings, test.Readings);
        EXPECT_EQ(kana, test.Kana);
        for (const auto& [reading, place] : test.Places)
            EXPECT_EQ(std::pair(CellOf(chart, reading).Row, CellOf(chart, reading).Column), place) << reading;
    }
}

// The slowest are named across the kana set in force, whichever chart is shown.
TEST(ProgressChart, TheSlowestAreNamedAcrossTheSet)
{
    TScriptProgress progress;
    progress[KanaOfReading("ka")] = {{90}, 0};
    progress[KanaOfReading("ga")] = {{200}, 0};
    progress[KanaOfReading("kyo")] = {{300}, 0};
    const std::pair<int, const char*> cases[] = {{48, "Slowest: カ ka 9.0 s"},
                                                 {73, "Slowest: ガ ga 20.0 s, カ ka 9.0 s"},
                                                 {106, "Slowest: キョ kyo 30.0 s, ガ ga 20.0 s, カ ka 9.0 s"}};
    for (const auto& [among, text] : cases)
        for (const TChartKind kind : {TChartKind::Basic, TChartKind::Combined})
            EXPECT_EQ(ProgressChart(TScript::Katakana, progress, {}, {}, kind, among).SlowestText, text) << among;
}

// What practice ranks by: the median of the times and hints (a hint a 30 s time) in the scripts
// on the board, the slower script of two, never timed where a script on the board has nothing.
TEST(PracticePaces, HintsCountAsSlowAndTheSlowerScriptCounts)
{
    TScriptProgress hiragana;
    TScriptProgress katakana;
    hiragana[KanaOfReading("ka")] = {{20, 40, 60}, 0};  // tenths
    katakana[KanaOfReading("ka")] = {{80}, 0};
    hiragana[KanaOfReading("ga")] = {{20, 40}, 2};  // 2 s 4 s 30 s 30 s
    hiragana[KanaOfReading("kya")] = {{}, 1};
    katakana[KanaOfReading("shi")] = {{50}, 0};
    struct TCase {
        uint8_t Kana;
        const char* Reading;
        bool Timed;
        double Seconds;
    };
    const TCase cases[] = {
        {0, "ka", true, 4},  {1, "ka", true, 8},   {2, "ka", true, 8},   {0, "ga", true, 17}, {0, "kya", true, 30},
        {0, "shi", false, 0}, {1, "shi", true, 5}, {2, "shi", false, 0}, {2, "ga", false, 0}, {7, "ka", true, 4},
    };
    for (const TCase& test : cases) {
        const TKanaPace pace = PracticePaces(hiragana, katakana, test.Kana)[KanaOfReading(test.Reading)];
        EXPECT_EQ(pace.Timed, test.Timed) << test.Reading << " kana " << int(test.Kana);
        if (test.Timed) {
            EXPECT_EQ(pace.Seconds, test.Seconds) << test.Reading << " kana " << int(test.Kana);
        }
    }
}

// Practice reads the scripts on the board from the store: both of them in a game of both scripts,
// the slower counting, and a kana with nothing in one of them as never timed.
TEST(PracticePaces, ReadFromTheStoreForTheScriptsOnTheBoard)
{
    TTestStore place;
    TRegOptions options = place.Options();
    const TKanaId ka = KanaOfReading("ka"), shi = KanaOfReading("shi"), ga = KanaOfReading("ga");
    const auto time = [](TKanaId kana, TScript script, int32_t tenths) { return TRecognitionSample{kana, script, false, tenths}; };
    options.AddProgress(std::vector{time(ka, TScript::Hiragana, 20), time(ka, TScript::Katakana, 90),
                                    time(shi, TScript::Hiragana, 70), time(shi, TScript::Katakana, 30),
                                    time(ga, TScript::Katakana, 50)});
    struct TCase {
        uint8_t Kana;
        TKanaId Id;
        TKanaPace Expected;
    };
    const TCase cases[] = {
        {KanaSetting::Hiragana, ka, {true, 2}},  {KanaSetting::Katakana, ka, {true, 9}},
        {KanaSetting::Both, ka, {true, 9}},      {KanaSetting::Both, shi, {true, 7}},
        {KanaSetting::Hiragana, ga, {false, 0}}, {KanaSetting::Katakana, ga, {true, 5}},
        {KanaSetting::Both, ga, {false, 0}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(KanaCatalogue[test.Id].Reading) + " kana " + std::to_string(test.Kana));
        const TKanaPace pace = ReadPracticePaces(options, test.Kana).at(test.Id);
        EXPECT_EQ(pace.Timed, test.Expected.Timed);
        EXPECT_EQ(pace.Seconds, test.Expected.Seconds);
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
    KeepOnly(test.Game, {{17, {0, 0, 0}}, {18, {4, 0, 0}}, {1, {8, 0, 0}}, {5, {12, 0, 0}}});  // か, あ, い
    recognition.Restart(test.Game);
    test.Game.StartClock();
    clock.Now += 12000;
    test.Game.ClickTile(1);
    test.Game.ClickTile(5);  // あ taken for い
    test.Game.ClickTile(1);
    test.Game.ClickTile(17);
    test.Game.ClickTile(18);
    EXPECT_EQ(CellOf(ReadProgressChart(options, recognition, TScript::Hiragana), "ka").TimeText, "12.0 s");  // before the end

    log.Refused = "hiragana_ka";
    EXPECT_EQ(ErrorOf([&] { StoreProgress(recognition, options); }), "Failed to set data for 'hiragana_ka'");
    log.Refused.clear();
    StoreProgress(recognition, options);
    StoreProgress(recognition, options);  // nothing new since

    TRegOptions restarted = place.Options();
    const TProgressChart chart = ReadProgressChart(restarted, TRecognition{}, TScript::Hiragana);
    EXPECT_EQ(CellOf(chart, "ka").TimeText, "12.0 s");
    EXPECT_EQ(chart.MixUpsText, "Mixed up most: あ\u2013い 1");
    EXPECT_EQ(restarted.ReadProgress(TScript::Hiragana)[4].Samples, std::vector<int32_t>{120});
}

// Reset clears the script's times in the store and those of the game in progress, not yet stored.
TEST(ProgressFlow, AResetClearsTheStoredAndTheUnstoredTimesOfItsScript)
{
    TTestStore place;
    TRegOptions options = place.Options();
    TTestGame test;
    TRecognition recognition;
    test.Game.Recognition = &recognition;
    test.Game.Kana = KanaSetting::Both;
    recognition.SetModes(test.Game);
    KeepOnly(test.Game, {{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {8, 0, 0}}, {4, {12, 0, 0}}, {5, {16, 0, 0}}});
    recognition.Restart(test.Game);
    options.AddProgress(std::vector<TRecognitionSample>{{0, TScript::Hiragana, false, 30}, {0, TScript::Katakana, false, 40}});
    for (const uint8_t selected : {1, 3}) {
        test.Game.ClickTile(selected);
        test.Game.ClickTile(5);  // あ, then ア, taken for い
        test.Game.ClickTile(selected);
    }
    test.Game.ClickTile(1);
    test.Game.ClickTile(3);
    ResetProgress(options, recognition, TScript::Katakana);
    const TProgressChart hiragana = ReadProgressChart(options, recognition, TScript::Hiragana);
    EXPECT_EQ(hiragana.MixUpsText, "Mixed up most: あ\u2013い 1");
    EXPECT_EQ(CellOf(hiragana, "a").TimeText, "1.5 s");  // median of 3.0 s and the new 0.0 s
    const TProgressChart katakana = ReadProgressChart(options, recognition, TScript::Katakana);
    EXPECT_EQ(CellOf(katakana, "a").Median, std::nullopt);
    EXPECT_EQ(katakana.MixUpsText.find("Mixed up most"), std::string::npos);
}

// Recall is charted apart, from the game in progress and the store, and a reset clears it too.
TEST(ProgressFlow, APairTakenByTypingInKanaOnlyIsChartedAsTypedBesideItsTime)
{
    TTestStore place;
    TRegOptions options = place.Options();
    TTestGame test;
    TFakeClock clock;
    TRecognition recognition{clock};
    test.Game.Recognition = &recognition;
    test.Game.Readings = ReadingsSetting::KanaOnly;
    recognition.SetModes(test.Game);
    KeepOnly(test.Game, {{17, {0, 0, 0}}, {18, {4, 0, 0}}});  // か
    recognition.Restart(test.Game);
    options.AddProgress(std::vector<TRecognitionSample>{{4, TScript::Hiragana, false, 30}});
    test.Game.StartClock();
    clock.Now += 12000;
    test.Game.TakeTypedPair(17, 18);
    for (const bool stored : {false, true}) {
        SCOPED_TRACE(stored ? "stored" : "in progress");
        const TChartCell ka = CellOf(ReadProgressChart(options, stored ? TRecognition{} : recognition, TScript::Hiragana), "ka");
        EXPECT_EQ(ka.TimeText, "7.5 s");  // the median of 3.0 s and 12.0 s: the typed time is not counted twice
        EXPECT_EQ(ka.TypedText, "typed 12.0 s");
        StoreProgress(recognition, options);
    }
    ResetProgress(options, recognition, TScript::Hiragana);
    EXPECT_EQ(CellOf(ReadProgressChart(options, recognition, TScript::Hiragana), "ka").TypedText, "");
}

}  // namespace
