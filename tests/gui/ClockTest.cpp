// The game clock as the window runs it: first press, phase, dialogs, new game, hints.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "tests/support/GuiFixture.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"

namespace {

using TClock = TGuiTest;

bool WaitUntil(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 5000);
}

TEST_F(TClock, FirstPressStartsItAndLaterPressesKeepItsPhase)
{
    EXPECT_FALSE(MainForm->GameTimer.isActive());
    PressEmptyBoard();
    ASSERT_TRUE(MainForm->GameTimer.isActive());
    EXPECT_EQ(MainForm->GameTimer.interval(), 1000);
    QTest::qWait(300);
    PressEmptyBoard();
    EXPECT_LT(MainForm->GameTimer.remainingTime(), 900);
}

TEST_F(TClock, TicksWriteTheTimePanel)
{
    MainForm->GameTimer.setInterval(10);
    PressEmptyBoard();
    ASSERT_TRUE(WaitUntil([] { return MainForm->MidEnd.Game().ElapsedSeconds >= 2; }));
    EXPECT_TRUE(PanelText(2).startsWith("Time:  0:00:0"));
}

TEST_F(TClock, OwnDialogStopsItButNotAMessageBoxNorAnotherApplication)
{
    MainForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
    PressEmptyBoard();

    QMessageBox box(QMessageBox::Information, "Information", "text", QMessageBox::Ok, MainForm);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_TRUE(MainForm->GameTimer.isActive());
    box.hide();
    MainForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));

    QApplication::setActiveWindow(nullptr);
    EXPECT_TRUE(MainForm->GameTimer.isActive());
    MainForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));

    CommandAction(TCommandId::Scores)->trigger();
    ASSERT_TRUE(WaitUntil([] { return QApplication::activeWindow() == GameDialog(TDialogId::Scores); }));
    EXPECT_FALSE(MainForm->GameTimer.isActive());
    GameDialog(TDialogId::Scores)->hide();
    PressEmptyBoard();
    EXPECT_TRUE(MainForm->GameTimer.isActive());
}

TEST_F(TClock, EveryDialogStopsItOnOpening)
{
    for (QAction* command : {CommandAction(TCommandId::Options), CommandAction(TCommandId::Help), CommandAction(TCommandId::About)}) {
        SCOPED_TRACE(command->text().toStdString());
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        PressEmptyBoard();
        ASSERT_TRUE(MainForm->GameTimer.isActive());
        command->trigger();
        EXPECT_TRUE(WaitUntil([] { return !MainForm->GameTimer.isActive(); }));
    }
}

TEST_F(TClock, NewGameStartsItAtOnceFromZero)
{
    Game().ElapsedSeconds = 42;
    Game().HintCount = 2;
    CommandAction(TCommandId::NewGame)->trigger();
    EXPECT_TRUE(MainForm->GameTimer.isActive());
    EXPECT_EQ(Game().ElapsedSeconds, 0);
    EXPECT_EQ(PanelText(1), "Hints:  0");
}

// The blink runs on the window's timer to its end, and leaves a stopped clock stopped.
TEST_F(TClock, AHintBlinksToItsEndAndLeavesTheClockStopped)
{
    Game().HintSpeed = 0;
    CommandAction(TCommandId::Hint)->trigger();
    EXPECT_TRUE(Game().Tiles[Game().Blinks().at(0).First].Hinted);
    QTRY_VERIFY_WITH_TIMEOUT(Game().Blinks().empty(), 60000);
    EXPECT_FALSE(MainForm->BlinkTimer.isActive());
    EXPECT_FALSE(MainForm->GameTimer.isActive());
    EXPECT_EQ(Game().ElapsedSeconds, 10);
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_FALSE(Game().Tiles[n].Hinted);
}

}  // namespace
