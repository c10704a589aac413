// The session between a front end and the game: commands, their states, dialogs, the clock.
#include <gtest/gtest.h>

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
    std::array<std::string, 4> Status;

    TBoardRaster& BoardPicture() override { return Silent.BoardPicture(); }
    void BoardChanged() override {}
    void ShowMessage(TMessageKind, const std::string& text) override { Log.push_back("Message " + text); }
    void StartClock() override { ClockRunning = true; }
    void StopClock() override { ClockRunning = false; }
    void SetCommandEnabled(TCommandId command, bool enabled) override
    {
        Shown[static_cast<size_t>(command)] = enabled;
    }
    void SetStatusText(int panel, const std::string& text) override { Status.at(static_cast<size_t>(panel)) = text; }
    bool PumpEvents() override { return true; }
    void ShowDialog(TDialogId dialog) override { Log.push_back("Dialog " + std::to_string(static_cast<int>(dialog))); }
    void CloseMainWindow() override { Log.push_back("Close"); }

private:
    TSilentEffects Silent;
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

// What the e2e game sees at length, here with the clock in the test's hand.
TEST_F(TMidEndTest, APairsTimeIsStoredWhenANewGameEndsThisOneAndTheProgressWindowShowsIt)
{
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    Press(first);
    Clock.Now += 1200;
    MidEnd.DialogActivated();  // paused: no time passes for the pair
    Clock.Now += 60000;
    Press(second);
    const uint8_t face = MidEnd.Game().Tiles[first].Face;
    EXPECT_TRUE(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.empty()) << "not once per move";

    MidEnd.RunCommand(TCommandId::NewGame);
    const TKanaProgress stored = MidEnd.Options().ReadProgress(TScript::Hiragana)[face];
    EXPECT_EQ(stored.Samples, std::vector<int32_t>{12});

    TFakeDialogView view;
    TDialogLogic& progress = MidEnd.Dialog(TDialogId::Progress);
    progress.FormShow(view);
    ASSERT_EQ(view.Chart.size(), FaceCount + ChartLegend().size());
    EXPECT_EQ(view.ItemIndexes.at("ScriptRadioGroup"), 0);
    EXPECT_NE(view.Texts.at("SlowestLabel").find(KanaCatalogue[face].Hiragana), std::string::npos);

    progress.Click(view, "ResetBitBtn", -1);
    EXPECT_EQ(view.Questions.size(), 1u);
    EXPECT_EQ(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.size(), 1u) << "No keeps the data";
    view.ConfirmAnswer = true;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    Press(first);
    Press(second);  // a time not yet stored, which the reset clears too
    progress.Click(view, "ResetBitBtn", -1);
    MidEnd.RunCommand(TCommandId::NewGame);
    EXPECT_EQ(MidEnd.Options().ReadProgress(TScript::Hiragana), TScriptProgress{});
}

// The status texts of typing are the mid end's; the picked pair and the parser are tested apart.
TEST_F(TMidEndTest, ATypedReadingTakesAFreePairOrSaysWhyNot)
{
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    const std::string_view reading = KanaCatalogue[MidEnd.Game().FaceKanaIds[MidEnd.Game().Tiles[first].Face]].Reading;
    for (const char letter : reading.substr(0, reading.size() - 1))
        MidEnd.TypeLetter(letter);
    EXPECT_EQ(Front.Status[TypingPanel], reading.substr(0, reading.size() - 1));
    MidEnd.TypeLetter(reading.back());
    if (reading == "n")
        MidEnd.TypeKey(TTypingKey::Enter);
    EXPECT_EQ(Front.Status[TypingPanel], "");
    EXPECT_FALSE(MidEnd.Game().Tiles[first].Present);
    EXPECT_TRUE(MidEnd.IsEnabled(TCommandId::Undo));
    EXPECT_TRUE(Front.ClockRunning) << "typing starts the clock as a press does";
    MidEnd.TypeLetter('x');
    EXPECT_EQ(Front.Status[TypingPanel], "x: no reading");
    KeepOnly(MidEnd.Game(), {{1, {0, 0, 0}}, {5, {8, 0, 0}}, {6, {12, 0, 0}}});  // あ alone
    MidEnd.TypeLetter('a');
    EXPECT_EQ(Front.Status[TypingPanel], "no free pair: a");
}

void AcceptAnotherMap(TMidEnd& midEnd)
{
    TFakeDialogView view;
    TDialogLogic& options = midEnd.Dialog(TDialogId::Options);
    options.FormShow(view);
    options.Click(view, "MapRadioGroup", 3);
    options.Click(view, "AcceptBitBtn", -1);
}

void WinWithAnotherFace(TMidEnd& midEnd)
{
    KeepOnly(midEnd.Game(), {{189, {0, 0, 0}}, {190, {8, 0, 0}}});  // face 47, never the pair taken first
    for (const uint8_t n : {189, 190}) {
        const TTileOrigin origin = TileOrigin(midEnd.Game().Tiles[n]);
        midEnd.BoardPress(origin.Left + 21, origin.Top + 25);
    }
}

// Every end of a game stores the times measured in it (a new game: above).
class TGameEndTest : public TMidEndTest, public testing::WithParamInterface<std::pair<const char*, void (*)(TMidEnd&)>> {};

TEST_P(TGameEndTest, TheTimesOfTheGameAreStoredAtItsEnd)
{
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(MidEnd.Game().FindFreePair(first, second));
    const uint8_t face = MidEnd.Game().Tiles[first].Face;
    ASSERT_NE(face, 47);
    Press(first);
    Clock.Now += 700;
    Press(second);
    GetParam().second(MidEnd);
    EXPECT_EQ(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples, std::vector<int32_t>{7});
}

INSTANTIATE_TEST_SUITE_P(EveryEnd, TGameEndTest,
                         testing::Values(std::pair("WindowCloses", +[](TMidEnd& m) { m.FormClose(); }),
                                         std::pair("Win", &WinWithAnotherFace), std::pair("AnotherMap", &AcceptAnotherMap)),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
