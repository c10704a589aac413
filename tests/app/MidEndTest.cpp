// The session between a front end and the game: commands, their states, dialogs, the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowLayout.h"
#include "app/MidEnd.h"
#include "model/TilePlacement.h"
#include "tests/app/FakeDialogView.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TestStore.h"
#include "tests/support/KeepOnly.h"
#include "tests/support/SeededRandom.h"
#include "tests/support/SilentEffects.h"

namespace {

class TFakeFrontEnd final : public TFrontEnd {
public:
    std::vector<std::string> Log;
    std::array<bool, CommandCount> Shown{};
    bool ClockRunning = false;
    uint32_t BlinkTimer = 0;  // 0: none asked for
    std::array<std::string, 4> Status;

    TBoardRaster& BoardPicture() override { return Silent.BoardPicture(); }
    void BoardChanged() override {}
    void ShowMessage(TMessageRequest request) override
    {
        Log.push_back("Message " + request.Text);
        request.Close(request.DefaultAnswer());
    }
    void StartClock() override { ClockRunning = true; }
    void StopClock() override { ClockRunning = false; }
    void SetCommandEnabled(TCommandId command, bool enabled) override
    {
        Shown[static_cast<size_t>(command)] = enabled;
    }
    void SetStatusText(int panel, const std::string& text) override { Status.at(static_cast<size_t>(panel)) = text; }
    void StartBlinkTimer(uint32_t milliseconds) override { BlinkTimer = milliseconds; }
    void ShowDialog(TDialogId dialog) override { Log.push_back("Dialog " + std::to_string(static_cast<int>(dialog))); }
    void CloseMainWindow() override { Log.push_back("Close"); }
    void RefreshDialog(TDialogId dialog) override { Log.push_back("Refresh " + std::to_string(static_cast<int>(dialog))); }

private:
    TSilentEffects Silent;
};

// A session started as the program starts it, for tests that need several.
struct TSession {
    TTestStore Store;
    TFakeFrontEnd Front;
    TSeededRandom Random;
    TFakeClock Clock;
    TMidEnd MidEnd{Front, Random, Store.Options(), Clock};

    TSession()
    {
        MidEnd.FormCreate([](const std::exception& error) { FAIL() << error.what(); });
        MidEnd.FormShow();
    }
};

class TMidEndTest : public testing::Test {
protected:
    TTestStore Store;
    TFakeFrontEnd Front;
    TSeededRandom Random;
    TFakeClock Clock;
    TMidEnd MidEnd{Front, Random, Store.Options(), Clock};

    void SetUp() override
    {
        for (int command = 0; command < CommandCount; ++command)
            Front.Shown[static_cast<size_t>(command)] = MidEnd.IsEnabled(static_cast<TCommandId>(command));
        MidEnd.FormCreate([](const std::exception& error) { FAIL() << error.what(); });
        MidEnd.FormShow();
    }
    void Press(int n)
    {
        const TTileOrigin origin = TileOrigin(MidEnd.Game().Tiles[n]);
        MidEnd.BoardPress(origin.Left + 21, origin.Top + 25);
    }
    void Type(std::string_view letters)
    {
        for (const char letter : letters)
            MidEnd.TypeLetter(letter);
    }
    bool Shown(TCommandId command) const { return Front.Shown[static_cast<size_t>(command)]; }
};

TEST_F(TMidEndTest, UndoFollowsThePlayAndIsIgnoredWhileGreyed)
{
    EXPECT_FALSE(MidEnd.IsEnabled(TCommandId::Undo));
    EXPECT_TRUE(MidEnd.IsEnabled(TCommandId::Hint));
    MidEnd.RunCommand(TCommandId::Undo);
    EXPECT_EQ(MidEnd.Game().PresentCount(), TileCount);

    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    Press(first);
    Press(second);
    EXPECT_TRUE(MidEnd.IsEnabled(TCommandId::Undo));
    EXPECT_TRUE(Shown(TCommandId::Undo)) << "the front end is told";
    EXPECT_TRUE(Front.ClockRunning) << "a press starts the clock";
    MidEnd.RunCommand(TCommandId::Undo);
    EXPECT_EQ(MidEnd.Game().PresentCount(), TileCount);
    EXPECT_FALSE(Shown(TCommandId::Undo));
}

TEST_F(TMidEndTest, DialogCommandsAskForTheirDialogsAndExitForTheWindowToClose)
{
    for (const TCommandId command : {TCommandId::Options, TCommandId::About, TCommandId::Help, TCommandId::Scores})
        MidEnd.RunCommand(command);
    MidEnd.RunCommand(TCommandId::Exit);
    EXPECT_EQ(Front.Log, (std::vector<std::string>{"Dialog 0", "Dialog 4", "Dialog 3", "Dialog 2", "Close"}));
    Press(1);
    MidEnd.DialogActivated();
    EXPECT_FALSE(Front.ClockRunning);
}

TEST_F(TMidEndTest, TheLastPairOpensTheWinDialogWithTheGameAndGreysThePlay)
{
    KeepOnly(MidEnd.Game(), {{1, {0, 0, 0}}, {2, {8, 0, 0}}});
    MidEnd.Game().ElapsedSeconds = 3723;
    Press(1);
    Press(2);
    EXPECT_EQ(Front.Log, std::vector<std::string>{"Dialog 1"});
    TFakeDialogView view;
    MidEnd.Dialog(TDialogId::Name).FormShow(view);
    EXPECT_EQ(view.Texts.at("CongratsLabel"), "Score: 1:02:04") << "the second of the last pair counts";
    EXPECT_FALSE(Shown(TCommandId::Hint));
    EXPECT_FALSE(Shown(TCommandId::Shuffle));
    MidEnd.RunCommand(TCommandId::Hint);
    EXPECT_EQ(Front.Log.size(), 1u) << "a greyed hint does nothing";
}

// The Progress window reads what the game's end stored; a reset asks first.
TEST_F(TMidEndTest, TheProgressWindowShowsTheStoredTimesAndAResetAsksFirst)
{
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    Press(first);
    Clock.Now += 1200;
    MidEnd.DialogActivated();  // paused: no time passes for the pair
    Clock.Now += 60000;
    Press(second);
    const TCatalogueKana& kana = KanaCatalogue[MidEnd.Game().Tiles[first].Face];
    const uint8_t face = MidEnd.Game().Tiles[first].Face;
    MidEnd.RunCommand(TCommandId::NewGame);
    const TKanaProgress stored = MidEnd.Options().ReadProgress(TScript::Hiragana)[face];
    EXPECT_EQ(stored.Samples, std::vector<int32_t>{12});

    TFakeDialogView view;
    TDialogLogic& progress = MidEnd.Dialog(TDialogId::Progress);
    progress.FormShow(view);
    ASSERT_GE(view.Chart.size(), FaceCount + ChartLegend().size());
    EXPECT_EQ(view.Texts.at("CountsLabel"), "1 learned, 0 due today, 47 not reviewed yet, of the 48 kana of the set.");
    EXPECT_EQ(view.ItemIndexes.at("ScriptRadioGroup"), 0);
    EXPECT_EQ(view.Texts.at("SlowestLabel"),
              "Slowest: " + std::string(kana.Hiragana) + " " + std::string(kana.Reading) + " 1.2 s");

    progress.Click(view, "ResetBitBtn", -1);
    EXPECT_EQ(view.Questions.size(), 1u);
    EXPECT_EQ(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.size(), 1u) << "No keeps the data";
    view.ConfirmAnswer = true;
    progress.Click(view, "ResetBitBtn", -1);
    EXPECT_TRUE(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.empty());
}

// What changes the Progress window's chart shows in it at once, whatever took the pair; what leaves
// the chart as it was does not read it again.
TEST_F(TMidEndTest, TheProgressWindowFollowsEveryPairTaken)
{
    const std::string refresh = "Refresh " + std::to_string(static_cast<int>(TDialogId::Progress));
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    const struct {
        const char* Act;
        std::function<void()> Do;
        bool Refreshed;
    } acts[] = {
        {"a press on the first tile", [&] { Press(first); }, false},
        {"a press on its partner", [&] { Press(second); }, true},
        {"a hint", [&] { MidEnd.RunCommand(TCommandId::Hint); }, false},
        {"an undo, which keeps the time taken", [&] { MidEnd.RunCommand(TCommandId::Undo); }, false},
        {"a letter", [&] { MidEnd.TypeLetter('x'); }, false},
        {"a new game", [&] {
             Press(first);
             Press(second);
             Front.Log.clear();
             MidEnd.RunCommand(TCommandId::NewGame);
         }, true},
    };
    for (const auto& act : acts) {
        Front.Log.clear();
        act.Do();
        EXPECT_EQ(std::count(Front.Log.begin(), Front.Log.end(), refresh), act.Refreshed ? 1 : 0) << act.Act;
    }
}

// The status texts of typing are the mid end's; the picked pair and the parser are tested apart.
TEST_F(TMidEndTest, ATypedReadingTakesAFreePairOrSaysWhyNot)
{
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    const std::string_view reading = KanaCatalogue[MidEnd.Game().FaceKanaIds[MidEnd.Game().Tiles[first].Face]].Reading;
    Type(reading.substr(0, reading.size() - 1));
    EXPECT_EQ(Front.Status[TypingPanel], reading.substr(0, reading.size() - 1));
    MidEnd.TypeLetter(reading.back());
    if (reading == "n")
        MidEnd.TypeKey(TTypingKey::Enter);
    EXPECT_EQ(Front.Status[TypingPanel], "");
    EXPECT_EQ(MidEnd.Game().PresentCount(), TileCount - 2);
    EXPECT_FALSE(MidEnd.Game().Tiles[first].Present);
    EXPECT_TRUE(MidEnd.IsEnabled(TCommandId::Undo));
    EXPECT_TRUE(Front.ClockRunning) << "typing starts the clock as a press does";

    MidEnd.TypeLetter('x');
    EXPECT_EQ(Front.Status[TypingPanel], "x: no reading");

    // A kana with no free pair: its tiles all taken away.
    KeepOnly(MidEnd.Game(), {{1, {0, 0, 0}}, {5, {8, 0, 0}}, {6, {12, 0, 0}}});
    MidEnd.TypeLetter('a');
    EXPECT_EQ(Front.Status[TypingPanel], "no free pair: a");
    EXPECT_EQ(MidEnd.Game().PresentCount(), 3);

    // With no free pair of じ, ji takes one of ぢ, which sounds alike.
    for (const auto& [face, reading] : {std::pair(0, "ji"), std::pair(1, "di"), std::pair(2, "zu")})
        MidEnd.Game().FaceKanaIds[face] = KanaOfReading(reading);
    KeepOnly(MidEnd.Game(), {{1, {0, 0, 0}}, {5, {8, 0, 0}}, {6, {12, 0, 0}}, {9, {20, 0, 0}}});
    Type("zu");
    EXPECT_EQ(Front.Status[TypingPanel], "no free pair: zu") << "no づ on the board";
    Type("ji");
    EXPECT_EQ(Front.Status[TypingPanel], "");
    const auto& tiles = MidEnd.Game().Tiles;
    EXPECT_TRUE(tiles[1].Present && !tiles[5].Present && !tiles[6].Present && tiles[9].Present) << "ぢ taken";
}

// However a pair is taken, its kana's clock has run as long: in the first game, whose clock the
// first press starts, and after a dialog stopped the clock.
TEST(MidEndTimes, APairTypedIsTimedAsThePairPressed)
{
    enum class TBy { Press, Type };
    struct TCase {
        const char* Name;
        bool Dialog;  // opened before the second pair, for a minute
        int64_t Before2;  // milliseconds of running clock before the second pair, and the third
        int64_t Before3;
        std::vector<int32_t> Expected;  // tenths of the three pairs, in the order taken
    };
    // A pair's time runs from the pair taken before it, on the running clock.
    const TCase cases[] = {
        {"first game", false, 2500, 900, {0, 25, 9}},
        {"after a dialog", true, 1000, 2000, {0, 10, 20}},
    };
    for (const TCase& test : cases) {
        std::array<std::vector<int32_t>, 2> stored;
        for (const TBy by : {TBy::Press, TBy::Type}) {
            SCOPED_TRACE(std::string(test.Name) + (by == TBy::Press ? " pressed" : " typed"));
            TSession session;
            TMidEnd& midEnd = session.MidEnd;
            TFakeClock& clock = session.Clock;
            clock.Now += 5000;  // the board shown, the clock not yet started
            std::vector<uint8_t> faces;
            for (uint8_t face = 0; face < FaceCount && faces.size() < 3; ++face) {
                uint8_t first = 0, second = 0;
                if (midEnd.Game().FreePairOfFace(face, first, second))
                    faces.push_back(face);
            }
            ASSERT_EQ(faces.size(), 3u);
            const auto take = [&](uint8_t face) {
                uint8_t first = 0, second = 0;
                ASSERT_TRUE(midEnd.Game().FreePairOfFace(face, first, second));
                if (by == TBy::Press) {
                    for (const uint8_t n : {first, second}) {
                        const TTileOrigin origin = TileOrigin(midEnd.Game().Tiles[n]);
                        midEnd.BoardPress(origin.Left + 21, origin.Top + 25);
                    }
                } else {
                    for (const char letter : KanaCatalogue[midEnd.Game().FaceKanaIds[face]].Reading)
                        midEnd.TypeLetter(letter);
                    if (midEnd.Game().Tiles[first].Present)
                        midEnd.TypeKey(TTypingKey::Enter);  // a reading that begins another
                }
                ASSERT_FALSE(midEnd.Game().Tiles[first].Present || midEnd.Game().Tiles[second].Present);
            };
            take(faces[0]);
            clock.Now += test.Before2;
            if (test.Dialog) {
                midEnd.DialogActivated();
                clock.Now += 60000;
            }
            take(faces[1]);
            clock.Now += test.Before3;
            take(faces[2]);
            midEnd.RunCommand(TCommandId::NewGame);
            for (const uint8_t face : faces) {
                const std::vector<int32_t> samples = midEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples;
                ASSERT_EQ(samples.size(), 1u);
                stored[static_cast<size_t>(by)].push_back(samples[0]);
            }
        }
        EXPECT_EQ(stored[0], test.Expected) << test.Name;
        EXPECT_EQ(stored[1], stored[0]) << test.Name << ": typed as pressed";
    }
}

// A new deal of other kana is typed by their spellings: a kana new to it takes its own pair.
TEST(MidEndTyping, ANewDealOfOtherKanaIsTypedByItsOwnSpellings)
{
    TTestStore store;
    store.Options().InitDefaults();
    store.Options().Write(Setting("kanaset"), KanaSetSetting::All);
    TFakeFrontEnd front;
    TSeededRandom random;
    TFakeClock clock;
    TMidEnd midEnd{front, random, store.Options(), clock};
    midEnd.FormCreate([](const std::exception& error) { FAIL() << error.what(); });
    midEnd.FormShow();
    midEnd.TypeLetter('x');  // the first deal's spellings made
    const std::array<TKanaId, FaceCount> before = midEnd.Game().FaceKanaIds;
    midEnd.RunCommand(TCommandId::NewGame);
    const std::array<TKanaId, FaceCount> after = midEnd.Game().FaceKanaIds;
    const auto dealt = [](const std::array<TKanaId, FaceCount>& ids, TKanaId kana) {
        return std::find(ids.begin(), ids.end(), kana) != ids.end();
    };
    uint8_t first = 0, second = 0;
    std::optional<uint8_t> newFace;
    for (uint8_t face = 0; face < FaceCount && !newFace; ++face)
        if (!dealt(before, after[face]) && midEnd.Game().FreePairOfFace(face, first, second))
            newFace = face;
    ASSERT_TRUE(newFace) << "the seeded deals share no free new kana";
    const std::string_view reading = KanaCatalogue[after[*newFace]].Reading;
    for (const char letter : reading)
        midEnd.TypeLetter(letter);
    if (midEnd.Game().PresentCount() == TileCount)
        midEnd.TypeKey(TTypingKey::Enter);
    EXPECT_EQ(midEnd.Game().PresentCount(), TileCount - 2) << reading;
    EXPECT_FALSE(midEnd.Game().Tiles[first].Present || midEnd.Game().Tiles[second].Present) << reading;
}

// What the typing panel said of the board goes when the board changes under it.
TEST(MidEndTyping, ACommandThatChangesTheBoardClearsWhatThePanelSaid)
{
    for (const TCommandId command : {TCommandId::Undo, TCommandId::Hint, TCommandId::Shuffle, TCommandId::NewGame}) {
        SCOPED_TRACE(static_cast<int>(command));
        TSession session;
        TMidEnd& midEnd = session.MidEnd;
        KeepOnly(midEnd.Game(), {{1, {0, 0, 0}}, {5, {8, 0, 0}}, {6, {16, 0, 0}}, {9, {24, 0, 0}}, {10, {32, 0, 0}}});
        midEnd.TypeLetter('i');  // face 1: tiles 5 and 6
        ASSERT_FALSE(midEnd.Game().Tiles[5].Present);
        midEnd.TypeLetter('a');
        ASSERT_EQ(session.Front.Status[TypingPanel], "no free pair: a");
        ASSERT_TRUE(midEnd.IsEnabled(command));
        midEnd.RunCommand(command);
        EXPECT_EQ(session.Front.Status[TypingPanel], "");
    }
    TSession session;
    session.MidEnd.TypeLetter('k');
    session.MidEnd.RunCommand(TCommandId::NewGame);
    EXPECT_EQ(session.Front.Status[TypingPanel], "");
    session.MidEnd.TypeLetter('a');
    EXPECT_NE(session.Front.Status[TypingPanel], "ka") << "letters typed before the new deal are forgotten";
}

// Every end of a game keeps the times measured in it; options that leave the game going keep them
// for its end.
struct TGameEnd {
    const char* Name;
    void (*End)(TMidEnd& midEnd);
    bool Stored;
};

void PrintTo(const TGameEnd& end, std::ostream* out)
{
    *out << end.Name;
}

void CloseOptionsWith(TMidEnd& midEnd, std::string_view button, int map)
{
    TFakeDialogView view;
    TDialogLogic& options = midEnd.Dialog(TDialogId::Options);
    options.FormShow(view);
    options.Click(view, "MapRadioGroup", map);
    options.Click(view, button, -1);
}

void WinWithAnotherFace(TMidEnd& midEnd)
{
    // Face 47's tiles, never the face of the pair taken first (which lay free from the deal).
    KeepOnly(midEnd.Game(), {{189, {0, 0, 0}}, {190, {8, 0, 0}}});
    for (const uint8_t n : {189, 190}) {
        const TTileOrigin origin = TileOrigin(midEnd.Game().Tiles[n]);
        midEnd.BoardPress(origin.Left + 21, origin.Top + 25);
    }
    ASSERT_EQ(midEnd.Game().PresentCount(), 0);
}

class TGameEndTest : public TMidEndTest, public testing::WithParamInterface<TGameEnd> {};

TEST_P(TGameEndTest, TheTimesOfTheGameAreStoredAtItsEndOnly)
{
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    const uint8_t face = MidEnd.Game().Tiles[first].Face;
    ASSERT_NE(face, 47);
    Press(first);
    Clock.Now += 700;
    Press(second);
    GetParam().End(MidEnd);
    const std::vector<int32_t> expected = GetParam().Stored ? std::vector<int32_t>{7} : std::vector<int32_t>{};
    EXPECT_EQ(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryEnd, TGameEndTest,
    testing::Values(TGameEnd{"NewGame", [](TMidEnd& m) { m.RunCommand(TCommandId::NewGame); }, true},
                    TGameEnd{"WindowCloses", [](TMidEnd& m) { m.FormClose(); }, true},
                    TGameEnd{"Win", WinWithAnotherFace, true},
                    TGameEnd{"AnotherMap", [](TMidEnd& m) { CloseOptionsWith(m, "AcceptBitBtn", 3); }, true},
                    TGameEnd{"SameMap", [](TMidEnd& m) { CloseOptionsWith(m, "AcceptBitBtn", 0); }, false},
                    TGameEnd{"Cancelled", [](TMidEnd& m) { CloseOptionsWith(m, "CancelBitBtn", 3); }, false}),
    [](const testing::TestParamInfo<TGameEnd>& info) { return info.param.Name; });

}  // namespace
