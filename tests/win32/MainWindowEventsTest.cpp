#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "win32/common/Dib.h"
#include "win32/common/GameDialogs.h"
#include "win32/dialogs/ScreenDialog.h"
#include "tests/win32/TestForm.h"
#include "win32/window/CommandKeys.h"
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

// A menu item's picture as the menu has the window draw it over a white item: whether any pixel
// has a colour (a greyed picture has none), and whether all its transparent corners stay white.
struct TMenuPicture {
    bool InColour = false;
    bool CornersWhite = true;
};

TMenuPicture DrawnMenuPicture(HWND window, UINT id, UINT state)
{
    constexpr int Side = 40;
    TDib item(Side, Side);
    std::fill(item.Pixels(), item.Pixels() + Side * Side, 0xffffffffu);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = id;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hDC = item.Dc();
    draw.rcItem = {0, 0, Side, Side};
    EXPECT_TRUE(SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
    GdiFlush();
    TMenuPicture picture;
    for (int i = 0; i < Side * Side; ++i) {
        const uint32_t p = item.Pixels()[i];
        picture.InColour = picture.InColour || (p >> 16 & 0xff) != (p & 0xff) || (p >> 8 & 0xff) != (p & 0xff);
    }
    for (const int corner : {0, Side - 1, Side * (Side - 1), Side * Side - 1})
        picture.CornersWhite = picture.CornersWhite && (item.Pixels()[corner] & 0xffffffu) == 0xffffffu;
    return picture;
}

// The tool buttons and the menu items, their pictures too, follow the commands' enabled states.
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

    const TMenuPicture greyed = DrawnMenuPicture(Form.Handle(), MenuIdOf(TCommandId::Undo), ODS_GRAYED | ODS_DISABLED);
    EXPECT_FALSE(greyed.InColour);
    EXPECT_TRUE(greyed.CornersWhite) << "the greyed picture keeps its transparency";
    const TMenuPicture normal = DrawnMenuPicture(Form.Handle(), MenuIdOf(TCommandId::Undo), 0);
    EXPECT_TRUE(normal.InColour);
    EXPECT_TRUE(normal.CornersWhite);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_BITMAP;
    GetMenuItemInfoW(Form.MainMenu, MenuIdOf(TCommandId::Undo), FALSE, &item);
    EXPECT_EQ(item.hbmpItem, HBMMENU_CALLBACK) << "the menu leaves the picture to the window";
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

// The commands' keys come from the core's table into the accelerator table and the menu texts; a
// key goes through the message loop to its command, and typed letters to the typing panel.
TEST_F(MainWindowEventsTest, CommandKeysAndTypedLettersReachTheSession)
{
    const std::vector<ACCEL> rows = CommandAccelerators();
    const auto bound = [&](BYTE modifiers, WORD key, TCommandId command) {
        return std::any_of(rows.begin(), rows.end(), [&](const ACCEL& row) {
            return row.fVirt == (FVIRTKEY | modifiers) && row.key == key && row.cmd == MenuIdOf(command);
        });
    };
    EXPECT_TRUE(bound(0, VK_F2, TCommandId::NewGame));
    EXPECT_TRUE(bound(FCONTROL, 'Z', TCommandId::Undo));
    EXPECT_TRUE(bound(FALT, VK_F4, TCommandId::Exit));
    size_t keys = 0;
    for (int command = 0; command < CommandCount; ++command)
        keys += ShortcutsOf(static_cast<TCommandId>(command), TPlatform::Windows).size();
    EXPECT_EQ(rows.size(), keys);
    EXPECT_EQ(CopyAcceleratorTableW(Form.Accelerators, nullptr, 0), static_cast<int>(keys));

    wchar_t text[64] = {};
    GetMenuStringW(Form.MainMenu, MenuIdOf(TCommandId::Undo), text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Undo\tCtrl+Z");
    GetMenuStringW(Form.MainMenu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Game");

    Form.FormCreate();
    Game.MapNumber = 1;
    Game.CreateTiles();
    Game.DealTiles();
    PostMessageW(Form.Handle(), WM_KEYDOWN, VK_F1, 0);
    PumpPendingMessages();
    EXPECT_TRUE(Form.DialogWindow(TDialogId::Help).Visible());
    Form.DialogWindow(TDialogId::Help).Hide();

    for (const wchar_t letter : {L'K', L'x'})
        SendMessageW(Form.Handle(), WM_CHAR, letter, 0);
    SendMessageW(Form.MainStatusBar, SB_GETTEXTW, TypingPanel, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"kx: no reading");
}

// Keys still coming for the game as the win dialog opens are dropped there; later ones reach the
// name.
TEST_F(MainWindowEventsTest, KeysTypedForTheGameStayOutOfTheWinsName)
{
    Form.FormCreate();
    TScreenDialog& dialog = Form.DialogWindow(TDialogId::Name);
    const HWND name = dialog.Control("NameEdit");
    SetWindowTextW(name, L"");
    const auto type = [&](wchar_t letter) {
        PostMessageW(name, WM_CHAR, letter, 0);
        PumpPendingMessages();
    };
    Form.MidEnd().TypingSettle().Played();
    type(L'k');
    EXPECT_EQ(dialog.Text("NameEdit"), "");
    Sleep(static_cast<DWORD>(TypingSettleMs));
    type(L'b');
    EXPECT_EQ(dialog.Text("NameEdit"), "b");
}

}  // namespace
