#include <gtest/gtest.h>

#include "win32/common/GameDialogs.h"
#include "tests/win32/TestForm.h"
#include "win32/window/MainUnit.h"
#include "win32/window/MessageLoop.h"

namespace {

class MainWindowEventsTest : public testing::Test, protected TTestForm {};

// A quit seen by the pump ends a hint and is left for the main loop, which must end too.
TEST_F(MainWindowEventsTest, PumpHandsOnTheQuit)
{
    PostMessageW(Form.Handle(), WM_NULL, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    EXPECT_TRUE(PumpPendingMessages());
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) << "the pump left a message pending";

    PostQuitMessage(3);
    EXPECT_FALSE(PumpPendingMessages());
    EXPECT_FALSE(PumpPendingMessages());
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

// Closing the window during a hint: the game's pump answers false at once.
TEST_F(MainWindowEventsTest, ClosingEndsThePump)
{
    Game.MapNumber = 1;
    Game.CreateTiles();
    Game.DealTiles();
    PostMessageW(Form.Handle(), WM_CLOSE, 0, 0);
    Game.HintSpeed = 2;  // ten million passes per step, unless the pump says stop
    Game.HintActionExecute();
    EXPECT_TRUE(Form.Quitting());
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Only one of the game's own dialogs taking the focus stops the clock; a message box or another
// program leaves it running.
TEST_F(MainWindowEventsTest, OnlyTheGamesDialogsStopTheClock)
{
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const HWND dialog = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    RegisterGameDialog(dialog);
    Game.MapNumber = 1;
    Game.CreateTiles();
    Game.DealTiles();
    Game.StartNewGame();
    ASSERT_TRUE(Form.ClockIsRunning());
    SendMessageW(Form.Handle(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
    EXPECT_TRUE(Form.ClockIsRunning());
    SendMessageW(Form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_TRUE(Form.ClockIsRunning());
    SendMessageW(Form.Handle(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(dialog));
    EXPECT_FALSE(Form.ClockIsRunning());
    DestroyWindow(dialog);
    DestroyWindow(other);
}

// The tool buttons and the menu items follow the commands' enabled states.
TEST_F(MainWindowEventsTest, CommandStatesReachMenuAndToolBar)
{
    const auto menuEnabled = [&](UINT id) { return !(GetMenuState(Form.MainMenu, id, MF_BYCOMMAND) & MF_GRAYED); };
    const auto buttonEnabled = [&](HWND bar, UINT id) { return SendMessageW(bar, TB_ISBUTTONENABLED, id, 0) != 0; };
    EXPECT_FALSE(menuEnabled(MenuIdOf(TCommandId::Undo)));
    EXPECT_FALSE(buttonEnabled(Form.ToolBars[1], MenuIdOf(TCommandId::Undo)));
    EXPECT_TRUE(menuEnabled(MenuIdOf(TCommandId::Hint)));
    Game.MapNumber = 1;
    Game.CreateTiles();
    Game.DealTiles();
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(Game.FindFreePair(first, second));
    Game.ClickTile(first);
    Game.ClickTile(second);
    EXPECT_TRUE(menuEnabled(MenuIdOf(TCommandId::Undo)));
    EXPECT_TRUE(buttonEnabled(Form.ToolBars[1], MenuIdOf(TCommandId::Undo)));
}

// Menu items and tool buttons carry their commands to the session, which shows its dialogs here.
TEST_F(MainWindowEventsTest, CommandsReachTheSession)
{
    Form.FormCreate();
    const auto dispatch = [&](TCommandId command) {
        SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(MenuIdOf(command), 0), 0);
    };
    for (const auto& [command, dialog] : {std::pair{TCommandId::Options, TDialogId::Options},
                                         std::pair{TCommandId::Help, TDialogId::Help},
                                         std::pair{TCommandId::About, TDialogId::About},
                                         std::pair{TCommandId::Scores, TDialogId::Scores}}) {
        dispatch(command);
        EXPECT_TRUE(Form.DialogWindow(dialog).Visible()) << static_cast<int>(command);
        Form.DialogWindow(dialog).Hide();
    }
    Game.MapNumber = 1;
    Game.CreateTiles();
    dispatch(TCommandId::NewGame);
    EXPECT_TRUE(Form.ClockIsRunning());
    dispatch(TCommandId::Exit);
    EXPECT_FALSE(IsWindow(Form.Handle()));
}

}  // namespace
