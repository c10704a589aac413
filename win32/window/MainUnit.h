#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/BoardGeometry.h"
#include "app/MainWindowLayout.h"
#include "app/MidEnd.h"
#include "model/RandomSource.h"
#include "win32/common/Dib.h"
#include "win32/dialogs/ScreenDialog.h"
#include "win32/window/BoardView.h"

// A command's identifier as menu item and tool button.
constexpr UINT MenuIdOf(TCommandId command) { return 100 + static_cast<UINT>(command); }

// A frame that can be resized and maximised: the board grows and shrinks with it.
constexpr DWORD MainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The main window: menus, tool bars, board and status bar around the session, which it drives with
// the player's commands, presses and the clock, and whose dialogs it shows.
class TMainForm final : public TFrontEnd {
public:
    explicit TMainForm(TRandomSource& random);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Reads the settings and places the tiles; a store that cannot be read is reported and the
    // game goes on with the defaults.
    void FormCreate();
    // Shows the window; the first showing deals and paints.
    void Show(int showCommand);

    HWND Handle() const { return Window; }
    bool Quitting() const { return IsQuitting; }
    bool ClockIsRunning() const { return ClockRunning; }
    TMidEnd& MidEnd() { return Session; }
    // The dialog, made on its first showing.
    TScreenDialog& DialogWindow(TDialogId dialog);

    HWND TopCoolBar = nullptr;
    std::array<HWND, Bands.size()> ToolBars{};  // MainToolBar, GameToolBar, HelpToolBar, one to a band
    std::unique_ptr<TBoardView> BackgroundImage;
    HWND MainStatusBar = nullptr;
    HMENU MainMenu = nullptr;
    HACCEL Accelerators = nullptr;  // the commands' keys

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // What the session asks of the window.
    TBoardRaster& BoardPicture() override;
    void BoardChanged() override;
    void ShowMessage(TMessageRequest request) override;
    void StartClock() override;
    void StopClock() override;
    void SetCommandEnabled(TCommandId command, bool enabled) override;
    void SetStatusText(int panel, const std::string& text) override;
    void StartBlinkTimer(uint32_t milliseconds) override;
    void ShowDialog(TDialogId dialog) override;
    void RefreshDialog(TDialogId dialog) override;
    void CloseMainWindow() override;

private:
    // Building the window, in MainWindowBuild.cpp.
    void CreateMainMenu();
    void CreateCoolBar();
    void CreateStatusBar();
    // Everything that depends on the DPI: sizes, icons, font, place.
    void ApplyDpi(UINT dpi, const RECT* suggested);
    void SetCommandIcons(UINT dpi);
    // The menu items' pictures are drawn here, greyed for a disabled item: a menu draws a picture
    // as it is given, and a disabled one without its transparency. False for anything else.
    bool DrawMenuIcon(const DRAWITEMSTRUCT& item);
    // The bars across the client area and the board between them.
    void LayOut();
    void LayOutCoolBar(UINT dpi, int width);
    void LayOutStatusBar(UINT dpi);
    // The board and the status bar stand below the cool bar, as high as its bands make it; the
    // board takes what height is left.
    void LayOutBelowCoolBar(UINT dpi);
    void CoolBarHeightChanged();
    // The window's frame around a board area of that size with the bars and the menu.
    static SIZE FrameSize(TDeviceSize board, UINT dpi);
    // What the monitor's work area leaves for the board beside the frame, the menu and the bars.
    static TDeviceSize BoardRoom(HWND window, UINT dpi);
    static RECT WorkArea(HWND window);
    // The smallest size the player may drag the window to.
    void LimitSize(HWND window, MINMAXINFO& limits) const;
    const wchar_t* Tooltip(UINT id);

    TMidEnd Session;
    std::array<std::unique_ptr<TScreenDialog>, DialogCount> Dialogs;
    HWND Window = nullptr;
    HIMAGELIST ImageList1 = nullptr;
    HIMAGELIST GreyedImageList = nullptr;
    // Each command's menu picture, normal and greyed.
    std::vector<std::array<std::unique_ptr<TDib>, 2>> MenuIcons;
    std::wstring TooltipText;
    HFONT StatusFont = nullptr;
    HICON BigIcon = nullptr;
    HICON SmallIcon = nullptr;
    // The DPI of the last layout: the cool bar may change its height in the middle of a DPI change,
    // before the window's own DPI is the new one.
    UINT LayoutDpi = USER_DEFAULT_SCREEN_DPI;
    bool ClockRunning = false;
    bool Shown = false;
    bool IsQuitting = false;
};
