// The Progress window's chart and a game's times on their way to the store, without widgets.
#include <gtest/gtest.h>

#include "app/PracticePaces.h"
#include "app/ProgressDialog.h"
#include "app/ProgressFlow.h"
#include "app/ProgressScreen.h"
#include "tests/app/FakeDialogView.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TestGame.h"
#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"

namespace {

constexpr int32_t Today = 20000;

const TChartCell& CellOf(const TProgressChart& chart, std::string_view reading)
{
    for (const TChartCell& cell : chart.Cells)
        if (cell.Reading == reading)
            return cell;
    throw std::out_of_range(std::string(reading));
}

// Hand-worked: a memory of stability 10 days read 10 days on is recalled (1 + 19/81)^-0.5 = 0.9; of
// stability 2 read 1 day on, (1 + 19/162)^-0.5 = 0.946.
TEST(ProgressChart, CellsShowTheMedianAndHintsColouredByTodaysRecall)
{
    TScriptProgress progress;
    progress[FaceOfReading("ka")] = {{30, 200, 90, 40}, 0};
    progress[FaceOfReading("shi")] = {{14}, 1};
    progress[FaceOfReading("nu")] = {{300, 400, 350}, 0};
    progress[FaceOfReading("a")] = {{}, 2};
    TMemoryView memory;
    memory.Today = 110;
    memory.Memories.At({KanaOfReading("ka"), TScript::Hiragana}, TReviewKind::Matching) = {10, 5, 100};
    memory.Memories.At({KanaOfReading("ka"), TScript::Hiragana}, TReviewKind::Typed) = {2, 5, 109};
    memory.Memories.At({KanaOfReading("nu"), TScript::Katakana}, TReviewKind::Typed) = {2, 5, 109};
    const TProgressChart chart = ProgressChart(TScript::Hiragana, progress, {}, memory);

    const TChartCell& ka = CellOf(chart, "ka");
    EXPECT_EQ(ka.Median, 6.5);
    EXPECT_EQ(ka.TimeText, "6.5 s");
    EXPECT_NEAR(*ka.Recall, 0.9, 1e-12);
    EXPECT_EQ(ka.RecallText, "recall 90 %");
    EXPECT_EQ(ka.TypedText, "typed 94 %") << "rounded down, as due is below 90 %";
    EXPECT_EQ(CellOf(chart, "nu").TypedText, "") << "the other script's memory";
    EXPECT_EQ(ka.Colour, RecallColour(*ka.Recall));
    EXPECT_EQ(CellOf(chart, "shi").HintsText, "1 hint");
    EXPECT_EQ(CellOf(chart, "nu").TimeText, "35.0 s");
    EXPECT_EQ(CellOf(chart, "nu").RecallText, "not reviewed");
    const TChartCell& a = CellOf(chart, "a");
    EXPECT_EQ(a.Colour, NotReviewedColour);
    EXPECT_EQ(a.Median, std::nullopt);
    EXPECT_EQ(a.HintsText, "2 hints");
    EXPECT_EQ(chart.SlowestText, "Slowest: ぬ nu 35.0 s, か ka 6.5 s, し shi 1.4 s");

    for (const char* reading : {"te", "ho", "mo"})
        progress[FaceOfReading(reading)] = {{500}, 0};
    EXPECT_EQ(ProgressChart(TScript::Hiragana, progress).SlowestText,
              "Slowest: て te 50.0 s, ほ ho 50.0 s, も mo 50.0 s, ぬ nu 35.0 s, か ka 6.5 s");
}

// A recall has its colour whatever else the chart holds: the bounds are fixed.
TEST(ProgressChart, TheColourScaleIsFixedInRecallAndTheLegendNamesIt)
{
    const std::pair<double, uint32_t> scale[] = {
        {1, RecalledColour}, {0.97, RecalledColour}, {0.9, DueColour}, {0.7, ForgottenColour}, {0.2, ForgottenColour}};
    for (const auto& [recall, colour] : scale)
        EXPECT_EQ(RecallColour(recall), colour) << recall;
    EXPECT_NE(RecallColour(0.93), RecallColour(0.95));
    EXPECT_NE(RecallColour(0.8), RecallColour(0.85));

    TMemoryView once, again;
    once.Memories.At({0, TScript::Hiragana}, TReviewKind::Matching) = {3, 5, 0};
    again.Memories.At({0, TScript::Katakana}, TReviewKind::Matching) = {3, 5, 0};
    again.Memories.At({1, TScript::Katakana}, TReviewKind::Matching) = {0.5, 5, 0};
    once.Today = again.Today = 2;
    EXPECT_EQ(CellOf(ProgressChart(TScript::Hiragana, {}, {}, once), "a").Colour,
              CellOf(ProgressChart(TScript::Katakana, {}, {}, again), "a").Colour);

    std::string legend;
    for (const TLegendEntry& entry : ChartLegend()) {
        legend += entry.Text + "|";
        if (entry.Text != ProgressTexts::NotReviewed) {
            EXPECT_EQ(entry.Colour, RecallColour(std::stod(entry.Text) / 100));
        }
    }
    EXPECT_EQ(legend, "97 % or more|93 %|90 %: due below|80 %|70 % or less|not reviewed|");
    EXPECT_EQ(ChartLegend().back().Colour, NotReviewedColour);
}

// Hand-worked: recall after t days of stability S is (1 + 19 t / (81 S))^-0.5, due below 0.9, that
// is from the first whole day past S on.
TEST(ProgressChart, TheSetsKanaAreCountedLearnedDueOrNewAndPlottedByDay)
{
    constexpr int32_t Today = 1000;
    TMemoryView memory;
    memory.Today = Today;
    const auto set = [&memory](const char* reading, TKanaMemory kana, TScript script = TScript::Hiragana) {
        memory.Memories.At({KanaOfReading(reading), script}, TReviewKind::Matching) = kana;
    };
    set("a", {10, 5, Today});      // learned, due in 11 days
    set("i", {2, 5, Today - 1});   // learned today (0.946), due the day after tomorrow
    set("u", {1, 5, Today - 5});   // overdue
    set("e", {0.5, 5, Today - 1});  // due today (0.825)
    set("ka", {0.5, 5, Today - 9}, TScript::Katakana);  // another script
    set("ga", {0.5, 5, Today - 9});  // outside the basic set
    memory.Memories.At({KanaOfReading("o"), TScript::Hiragana}, TReviewKind::Typed) = {0.5, 5, Today - 9};  // typed only
    memory.GameDays = {{Today - 20, 5}, {Today - 13, 2}, {Today - 1, 1}, {Today, 3}};

    const TProgressChart basic = ProgressChart(TScript::Hiragana, {}, {}, memory, TChartKind::Basic, 48);
    EXPECT_EQ(std::tuple(basic.Learned, basic.Due, basic.NotReviewed), std::tuple(2, 2, 44));
    EXPECT_EQ(basic.CountsText, "2 learned, 2 due today, 44 not reviewed yet, of the 48 kana of the set.");
    EXPECT_EQ(basic.DueForecast, (std::array<int, ForecastDays>{2, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(basic.GamesPerDay, (std::array<int, PlayedDays>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3}));
    const TProgressChart voiced = ProgressChart(TScript::Hiragana, {}, {}, memory, TChartKind::Voiced, 73);
    EXPECT_EQ(std::tuple(voiced.Learned, voiced.Due, voiced.NotReviewed), std::tuple(2, 3, 68)) << "counted across the set";
    const TProgressChart katakana = ProgressChart(TScript::Katakana, {}, {}, memory, TChartKind::Basic, 48);
    EXPECT_EQ(std::tuple(katakana.Learned, katakana.Due, katakana.NotReviewed), std::tuple(0, 1, 47));

    // The plots are drawn to scale under the chart: bars as high as their counts against the largest.
    std::vector<int> heights;
    for (const TChartCellLook& look : ChartLooks(basic, TScript::Hiragana, 0))
        if (look.Ground && look.Colour == GamesBarColour)
            heights.push_back(look.Cell.Height);
    ASSERT_EQ(heights.size(), 3u);
    EXPECT_EQ(heights[0], heights[2] * 2 / 3);
    EXPECT_EQ(heights[1], heights[2] / 3);
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

TEST(ProgressChart, EachChartsKanaStandInTheirRowsAndColumns)
{
    struct TCase {
        TChartKind Kind;
        TScript Script;
        const char* Readings;
        std::vector<std::pair<const char*, std::pair<int, int>>> Places;
        const char* Kana;
    };
    const TCase cases[] = {
        {TChartKind::Basic, TScript::Katakana,
         "a i u e o ka ki ku ke ko sa shi su se so ta chi tsu te to na ni nu ne no ha hi fu he ho "
         "ma mi mu me mo ya yu yo ra ri ru re ro wa wi we wo n ",
         {{"a", {0, 0}}, {"o", {0, 4}}, {"ya", {7, 0}}, {"yu", {7, 2}}, {"yo", {7, 4}}, {"ra", {8, 0}},
          {"wi", {9, 1}}, {"we", {9, 3}}, {"wo", {9, 4}}, {"n", {10, 0}}},
         "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヰヱヲン"},
        {TChartKind::Voiced, TScript::Hiragana,
         "ga gi gu ge go za ji zu ze zo da di du de do ba bi bu be bo pa pi pu pe po ",
         {{"ga", {0, 0}}, {"ji", {1, 1}}, {"du", {2, 2}}, {"po", {4, 4}}},
         "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"},
        {TChartKind::Combined, TScript::Hiragana,
         "kya kyu kyo sha shu sho cha chu cho nya nyu nyo hya hyu hyo mya myu myo rya ryu ryo gya gyu gyo "
         "ja ju jo bya byu byo pya pyu pyo ",
         {{"kya", {0, 0}}, {"shu", {1, 1}}, {"jo", {8, 2}}, {"pyo", {10, 2}}},
         "きゃきゅきょしゃしゅしょちゃちゅちょにゃにゅにょひゃひゅひょみゃみゅみょりゃりゅりょぎゃぎゅぎょじゃじゅじょびゃびゅびょぴゃぴゅぴょ"},
    };
    for (const TCase& test : cases) {
        const TProgressChart chart = ProgressChart(test.Script, {}, {}, {}, test.Kind);
        std::string readings;
        std::string kana;
        for (const TChartCell& cell : chart.Cells) {
            readings += std::string(cell.Reading) + " ";
            kana += cell.Kana;
            EXPECT_EQ(KanaCatalogue[cell.Id].Reading, cell.Reading);
            EXPECT_EQ(cell.Colour, NotReviewedColour);
            EXPECT_EQ(cell.TimeText + cell.HintsText, "");
        }
        EXPECT_EQ(readings, test.Readings);
        EXPECT_EQ(kana, test.Kana);
        for (const auto& [reading, place] : test.Places)
            EXPECT_EQ(std::pair(CellOf(chart, reading).Row, CellOf(chart, reading).Column), place) << reading;
    }
    EXPECT_EQ(CellOf(ProgressChart(TScript::Hiragana, {}), "wi").Kana, "ゐ");
}

// Both layouts hold every chart's looks within the chart's place, no cell over another, and the
// narrow one fits a screen 360 pixels wide with the kana table's rows running down.
TEST(ProgressScreen, EachLayoutHoldsItsChartAndTheNarrowOneFitsAnUprightPhone)
{
    TScriptProgress progress;
    progress[FaceOfReading("ki")] = {{1235}, 9};
    TMemoryView memory;
    memory.Today = Today;
    memory.Memories.At({KanaOfReading("ki"), TScript::Hiragana}, TReviewKind::Typed) = {2, 5, Today - 1};
    const TProgressChart charts[] = {ProgressChart(TScript::Hiragana, progress, {}, memory),
                                     ProgressChart(TScript::Hiragana, progress, {}, {}, TChartKind::Voiced),
                                     ProgressChart(TScript::Hiragana, progress, {}, {}, TChartKind::Combined)};
    const auto inside = [](const TDesignRect& r, const TDesignRect& in) {
        return r.Left >= 0 && r.Top >= 0 && r.Left + r.Width <= in.Width && r.Top + r.Height <= in.Height;
    };
    const auto overlap = [](const TDesignRect& a, const TDesignRect& b) {
        return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
    };
    struct TCase {
        TProgressLayout Layout;
        std::pair<int, int> KaAt, IAt;  // in cells across and down
        std::vector<std::string> KiLines;
    };
    const TCase cases[] = {
        {TProgressLayout::Wide, {1, 0}, {0, 1}, {"ki", "not reviewed", "123.5 s, 9 hints", "typed 94 %", ""}},
        {TProgressLayout::Narrow, {0, 1}, {1, 0}, {"ki", "not reviewed", "123.5 s", "9 hints", "typed 94 %"}},
    };
    for (const TCase& test : cases) {
        const TScreen& screen = ProgressScreen(test.Layout);
        const TDesignRect place = screen.Control("KanaChart").Rect;
        for (const TProgressChart& chart : charts) {
            const std::vector<TChartCellLook> looks = ChartLooks(chart, TScript::Hiragana, 0, test.Layout);
            for (size_t n = 0; n < looks.size(); ++n) {
                const TChartCellLook& look = looks[n];
                EXPECT_TRUE(inside(look.Cell, place)) << screen.ClientWidth << " look " << n;
                // Each text within its cell, and no two lines of it on one another.
                for (size_t line = 0; line < look.Lines.size(); ++line) {
                    if (look.Lines[line].empty())
                        continue;
                    const TDesignRect& at = look.LineAt[line];
                    EXPECT_TRUE(at.Width > 0 && inside({at.Left - look.Cell.Left, at.Top - look.Cell.Top, at.Width, at.Height}, look.Cell))
                        << look.Lines[line];
                    for (size_t above = 0; above < line; ++above)
                        EXPECT_FALSE(!look.Lines[above].empty() && overlap(at, look.LineAt[above])) << look.Lines[line];
                }
                for (size_t other = 0; other < n && look.Ground; ++other)
                    EXPECT_FALSE(looks[other].Ground && overlap(look.Cell, looks[other].Cell)) << n << " over " << other;
            }
        }
        const std::vector<TChartCellLook> basic = ChartLooks(charts[0], TScript::Hiragana, 0, test.Layout);
        const TChartCellLook &a = basic[0], &i = basic[1], &ka = basic[5], &ki = basic[6];
        const auto step = [&](const TChartCellLook& look) {
            return std::pair((look.Cell.Left - a.Cell.Left) / (a.Cell.Width + 2), (look.Cell.Top - a.Cell.Top) / (a.Cell.Height + 2));
        };
        EXPECT_EQ(step(ka), test.KaAt);
        EXPECT_EQ(step(i), test.IAt);
        EXPECT_EQ(std::vector<std::string>(ki.Lines.begin(), ki.Lines.end()), test.KiLines);
    }
    EXPECT_LE(ProgressScreen(TProgressLayout::Narrow).ClientWidth + 6, 360) << "with the dialog's borders";
}

// The dialog takes the narrow layout only where the designed one does not fit, and sends the
// chart laid out to match.
TEST(ProgressScreen, TheDialogTakesTheLayoutThatFits)
{
    TTestStore store;
    TRegOptions options = store.Options();
    TTestGame test;
    TRecognition recognition;
    struct TToday final : TDayClock {
        int32_t Today() const override { return 20000; }
    } days;
    TProgressDialog dialog(options, test.Game, recognition, days);
    TFakeDialogView view;
    const int designed = ProgressScreen().ClientWidth;
    for (const auto& [width, layout] : {std::pair(designed - 1, TProgressLayout::Narrow), std::pair(designed, TProgressLayout::Wide)}) {
        dialog.FitTo(width);
        EXPECT_EQ(&dialog.Screen(), &ProgressScreen(layout)) << width;
        dialog.FormShow(view);
        const std::vector<TChartCellLook> expected = ChartLooks(dialog.Shown(), TScript::Hiragana, test.Game.FaceStyle, layout);
        ASSERT_EQ(view.Chart.size(), expected.size());
        for (size_t n = 0; n < expected.size(); ++n)
            EXPECT_EQ(view.Chart[n].Cell, expected[n].Cell) << width << " look " << n;
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
    hiragana[KanaOfReading("ki")] = {{70}, 0};
    katakana[KanaOfReading("ki")] = {{30}, 0};
    struct TCase {
        uint8_t Kana;
        const char* Reading;
        bool Timed;
        double Seconds;
    };
    const TCase cases[] = {
        {0, "ka", true, 4},  {1, "ka", true, 8},   {2, "ka", true, 8},   {0, "ga", true, 17}, {0, "kya", true, 30},
        {0, "shi", false, 0}, {1, "shi", true, 5}, {2, "shi", false, 0}, {2, "ga", false, 0}, {7, "ka", true, 4},
        {2, "ki", true, 7},
    };
    for (const TCase& test : cases) {
        const TKanaPace pace = PracticePaces(hiragana, katakana, test.Kana)[KanaOfReading(test.Reading)];
        EXPECT_EQ(pace.Timed, test.Timed) << test.Reading << " kana " << int(test.Kana);
        if (test.Timed) {
            EXPECT_EQ(pace.Seconds, test.Seconds) << test.Reading << " kana " << int(test.Kana);
        }
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
    EXPECT_EQ(CellOf(ReadProgressChart(options, recognition, TScript::Hiragana, Today), "ka").TimeText, "12.0 s");  // before the end

    log.Refused = "hiragana_ka";
    EXPECT_EQ(ErrorOf([&] { StoreProgress(recognition, options, Today); }), "Failed to set data for 'hiragana_ka'");
    log.Refused.clear();
    EXPECT_EQ(StoreProgress(recognition, options, Today), "");
    StoreProgress(recognition, options, Today);  // nothing new since

    TRegOptions restarted = place.Options();
    const TProgressChart chart = ReadProgressChart(restarted, TRecognition{}, TScript::Hiragana, Today + 1);
    EXPECT_EQ(CellOf(chart, "ka").TimeText, "12.0 s");
    EXPECT_EQ(chart.MixUpsText, "Mixed up most: あ\u2013い 1");
    EXPECT_EQ(restarted.ReadProgress(TScript::Hiragana)[4].Samples, std::vector<int32_t>{120});
    // The game's one review of each kana it saw: か found (Good), あ and い mixed up (Again).
    EXPECT_EQ(CellOf(chart, "ka").RecallText, "recall " + PercentText(RecallOn(AfterReview({}, TGrade::Good, Today), Today + 1)));
    EXPECT_EQ(CellOf(chart, "a").RecallText, "recall " + PercentText(RecallOn(AfterReview({}, TGrade::Again, Today), Today + 1)));
    EXPECT_EQ(CellOf(chart, "u").RecallText, "not reviewed");
    EXPECT_EQ(restarted.ReadGameDays(), (TGameDays{{Today, 1}})) << "one game, stored once";
}

// A value found damaged at a game's end is written afresh and named to the player in one message.
TEST(ProgressFlow, ValuesFoundDamagedAreNamedInOneMessage)
{
    TTestStore place;
    {
        const auto store = place.Open();
        ASSERT_TRUE(store->OpenKey("Software\\tesuli\\progress"));
        ASSERT_TRUE(store->WriteString("hiragana_a_memory", "garbage"));
        ASSERT_TRUE(store->WriteString("katakana_ka_tenths", "x"));
    }
    TRegOptions options = place.Options();
    TTestGame test;
    TRecognition recognition;
    test.Game.Recognition = &recognition;
    KeepOnly(test.Game, {{1, {0, 0, 0}}, {2, {4, 0, 0}}});
    recognition.Restart(test.Game);
    test.Game.ClickTile(1);
    test.Game.ClickTile(2);
    EXPECT_EQ(StoreProgress(recognition, options, Today),
              "Some of what Tesuli keeps of your progress was damaged and has been started afresh; the rest is kept.\n"
              "Started afresh: katakana_ka_tenths, hiragana_a_memory");
    EXPECT_TRUE(options.ReadMemories().At({0, TScript::Hiragana}, TReviewKind::Matching).Reviewed());
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
    const TProgressChart hiragana = ReadProgressChart(options, recognition, TScript::Hiragana, Today);
    EXPECT_EQ(hiragana.MixUpsText, "Mixed up most: あ\u2013い 1");
    EXPECT_EQ(CellOf(hiragana, "a").TimeText, "1.5 s");  // median of 3.0 s and the new 0.0 s
    const TProgressChart katakana = ReadProgressChart(options, recognition, TScript::Katakana, Today);
    EXPECT_EQ(CellOf(katakana, "a").Median, std::nullopt);
    EXPECT_EQ(katakana.MixUpsText.find("Mixed up most"), std::string::npos);
}

// Recall has its own memory, reviewed at the game's end, and a reset clears it too.
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
        const TChartCell ka =
            CellOf(ReadProgressChart(options, stored ? TRecognition{} : recognition, TScript::Hiragana, Today), "ka");
        EXPECT_EQ(ka.TimeText, "7.5 s");  // the median of 3.0 s and 12.0 s: the typed time is not counted twice
        EXPECT_EQ(ka.TypedText, stored ? "typed 100 %" : "");
        StoreProgress(recognition, options, Today);
    }
    EXPECT_TRUE(options.ReadMemories().At({KanaOfReading("ka"), TScript::Hiragana}, TReviewKind::Typed).Reviewed());
    ResetProgress(options, recognition, TScript::Hiragana);
    EXPECT_EQ(CellOf(ReadProgressChart(options, recognition, TScript::Hiragana, Today), "ka").TypedText, "");
    EXPECT_FALSE(options.ReadMemories().At({KanaOfReading("ka"), TScript::Hiragana}, TReviewKind::Matching).Reviewed());
}

}  // namespace
