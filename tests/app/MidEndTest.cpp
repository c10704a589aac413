// The session between a front end and the game: commands, their states, dialogs, the clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindowLayout.h"
#include "app/MidEnd.h"
#include "model/TilePlacement.h"
#include "tests/app/FakeDialogView.h"
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
    TMidEnd MidEnd{Front, Random, Store.Options()};

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
    EXPECT_EQ(view.Texts.at("CongratsLabel"), "Score: " + TimeString(MidEnd.Game().ElapsedSeconds));
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
    for (int tick = 0; tick < 12; ++tick)
        MidEnd.Tick();
    Press(second);
    const uint8_t face = MidEnd.Game().Tiles[first].Face;
    EXPECT_TRUE(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.empty()) << "not once per move";

    MidEnd.RunCommand(TCommandId::NewGame);
    const TKanaProgress stored = MidEnd.Options().ReadProgress(TScript::Hiragana)[face];
    ASSERT_EQ(stored.Samples.size(), 1u);
    EXPECT_GE(stored.Samples[0], 12);

    TFakeDialogView view;
    TDialogLogic& progress = MidEnd.Dialog(TDialogId::Progress);
    progress.FormShow(view);
    ASSERT_EQ(view.Chart.size(), static_cast<size_t>(FaceCount));
    EXPECT_EQ(view.ItemIndexes.at("ScriptRadioGroup"), 0);
    EXPECT_NE(view.Texts.at("SlowestLabel").find(KanaCatalogue[face].Hiragana), std::string::npos);

    progress.Click(view, "ResetBitBtn", -1);
    EXPECT_EQ(view.Questions.size(), 1u);
    EXPECT_EQ(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.size(), 1u) << "No keeps the data";
    view.ConfirmAnswer = true;
    progress.Click(view, "ResetBitBtn", -1);
    EXPECT_TRUE(MidEnd.Options().ReadProgress(TScript::Hiragana)[face].Samples.empty());
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
}

}  // namespace
