// The main window's controls: menu, cool bar with its three tool bars, status bar, and their
// sizes at the window's DPI.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <utility>

#include "model/TilePlacement.h"
#include "storage/WindowsText.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "win32/common/ProgramIcon.h"
#include "win32/common/UiFont.h"
#include "win32/window/MainUnit.h"

namespace {

const TCommandLook& LookOfId(UINT id)
{
    return LookOf(static_cast<TCommandId>(id - MenuIdOf(TCommandId::NewGame)));
}

// A flat tool bar of icon buttons with tooltips, the buttons standing apart by empty gaps. A gap
// is a disabled button without a picture: a separator would draw a line in a flat bar.
HWND MakeToolBar(HWND owner, std::span<const TCommandId> buttons, const TMidEnd& session)
{
    const HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                         CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                     0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (const TCommandId command : buttons) {
        if (command != buttons.front()) {
            TBBUTTON gap{};
            gap.iBitmap = I_IMAGENONE;
            gap.fsStyle = BTNS_BUTTON;
            SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&gap));
        }
        TBBUTTON button{};
        button.iBitmap = static_cast<int>(command);
        button.idCommand = static_cast<int>(MenuIdOf(command));
        button.fsState = session.IsEnabled(command) ? TBSTATE_ENABLED : 0;
        button.fsStyle = BTNS_BUTTON;
        SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return bar;
}

void SizeToolBar(HWND bar, UINT dpi)
{
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(Scaled(ToolButtonWidth, dpi), Scaled(ToolButtonHeight, dpi)));
    const int count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 1; index < count; index += 2) {
        TBBUTTONINFOW gap{};
        gap.cbSize = sizeof gap;
        gap.dwMask = TBIF_SIZE | TBIF_BYINDEX;
        gap.cx = static_cast<WORD>(Scaled(ToolGapWidth, dpi));
        SendMessageW(bar, TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&gap));
    }
}

void SetBand(HWND coolBar, UINT index, HWND bar, const TBandLayout& band, UINT dpi, bool insert)
{
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    info.fStyle = RBBS_GRIPPERALWAYS;
    info.hwndChild = bar;
    info.cxMinChild = static_cast<UINT>(Scaled(band.BarWidth, dpi));
    info.cyMinChild = static_cast<UINT>(Scaled(band.BarHeight, dpi));
    info.cx = static_cast<UINT>(Scaled(band.Width, dpi));
    SendMessageW(coolBar, insert ? RB_INSERTBANDW : RB_SETBANDINFOW, insert ? static_cast<WPARAM>(-1) : index,
                 reinterpret_cast<LPARAM>(&info));
}

}  // namespace

const wchar_t* TMainForm::Tooltip(UINT id)
{
    const UINT first = MenuIdOf(TCommandId::NewGame);
    TooltipText = id >= first && id < first + CommandCount ? Wide(std::string(LookOfId(id).Hint)) : L"";
    return TooltipText.c_str();
}

void TMainForm::CreateMainMenu()
{
    MainMenu = CreateMenu();
    for (const TMenuLayout& layout : Menus) {
        const HMENU menu = CreatePopupMenu();
        for (const TMenuItem& item : layout.Items) {
            if (item.SeparatorBefore)
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            const UINT greyed = Session.IsEnabled(item.Command) ? 0 : MF_GRAYED;
            const std::wstring caption = Wide(std::string(LookOf(item.Command).Caption));
            AppendMenuW(menu, MF_STRING | greyed, MenuIdOf(item.Command), caption.c_str());
        }
        AppendMenuW(MainMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Wide(std::string(layout.Caption)).c_str());
    }
    SetMenu(Window, MainMenu);
}

void TMainForm::CreateCoolBar()
{
    TopCoolBar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS |
                                     CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                                 0, 0, 0, 0, Window, nullptr, GetModuleHandleW(nullptr), nullptr);
    const UINT dpi = GetDpiForWindow(Window);
    for (UINT index = 0; index < Bands.size(); ++index) {
        ToolBars[index] = MakeToolBar(Window, Bands[index].Buttons, Session);
        SetBand(TopCoolBar, index, ToolBars[index], Bands[index], dpi, true);
    }
    // The cool bar becomes the tool bars' parent; their clicks and tooltips still come here.
    for (HWND bar : ToolBars)
        SendMessageW(bar, TB_SETPARENT, reinterpret_cast<WPARAM>(Window), 0);
}

void TMainForm::CreateStatusBar()
{
    MainStatusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                                    WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, 0, 0,
                                    0, Window, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void TMainForm::ApplyDpi(UINT dpi, const RECT* suggested)
{
    SetProgramIcon(Window, dpi, BigIcon, SmallIcon);
    SetCommandIcons(dpi);
    LayOutCoolBar(dpi);
    SetWindowPos(BackgroundImage->Handle(), nullptr, 0, Scaled(CoolBarHeight, dpi), Scaled(BoardWidth, dpi),
                 Scaled(BoardHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutStatusBar(dpi);

    RECT frame{0, 0, Scaled(BoardWidth, dpi), Scaled(MainClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, MainStyle, TRUE, 0, dpi);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    POINT at{};
    if (suggested) {
        at = {suggested->left, suggested->top};
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        at = {(monitor.rcWork.left + monitor.rcWork.right - width) / 2,
              (monitor.rcWork.top + monitor.rcWork.bottom - height) / 2};
    }
    SetWindowPos(Window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    if (BackgroundImage->HasPicture() && BackgroundImage->Picture().Scale() != ArtworkScale(dpi)) {
        BackgroundImage->DropPicture();
        Session.Game().DrawBoard();
    }
}

void TMainForm::SetCommandIcons(UINT dpi)
{
    const int side = Scaled(ToolIconSide, dpi);
    const auto makeList = [side] { return ImageList_Create(side, side, ILC_COLOR32, CommandCount, 0); };
    const HIMAGELIST icons = makeList(), greyed = makeList();
    std::vector<std::unique_ptr<TDib>> menuIcons;
    for (int index = 0; index < CommandCount; ++index) {
        const TCommandId command = static_cast<TCommandId>(index);
        for (const auto& [list, look] : {std::pair{icons, TIconLook::Normal}, std::pair{greyed, TIconLook::Greyed}}) {
            const HICON icon = CreateCommandIcon(command, side, look);
            ImageList_AddIcon(list, icon);
            DestroyIcon(icon);
        }
        // Menus want their pictures premultiplied.
        menuIcons.push_back(DecodeArtwork(CommandIconFile(command, side), TAlpha::Premultiplied, side, side));
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = menuIcons.back()->Unselect();
        SetMenuItemInfoW(MainMenu, MenuIdOf(command), FALSE, &item);
    }
    for (HWND bar : ToolBars) {
        SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons));
        SendMessageW(bar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(greyed));
        SizeToolBar(bar, dpi);
    }
    for (HIMAGELIST old : {ImageList1, GreyedImageList})
        if (old)
            ImageList_Destroy(old);
    ImageList1 = icons;
    GreyedImageList = greyed;
    MenuIcons = std::move(menuIcons);
}

void TMainForm::LayOutCoolBar(UINT dpi)
{
    for (UINT index = 0; index < Bands.size(); ++index)
        SetBand(TopCoolBar, index, ToolBars[index], Bands[index], dpi, false);
    SetWindowPos(TopCoolBar, nullptr, 0, 0, Scaled(BoardWidth, dpi), Scaled(CoolBarHeight, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The cool bar gives each tool bar the whole of its band: an indent puts the buttons at the
    // band's right end.
    for (UINT index = 0; index < Bands.size(); ++index) {
        RECT bar{};
        GetClientRect(ToolBars[index], &bar);
        const int indent = std::max(0, static_cast<int>(bar.right) - Scaled(Bands[index].BarWidth, dpi));
        SendMessageW(ToolBars[index], TB_SETINDENT, static_cast<WPARAM>(indent), 0);
    }
}

void TMainForm::LayOutStatusBar(UINT dpi)
{
    const HFONT font = CreateUiFont(dpi);
    SendMessageW(MainStatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (StatusFont)
        DeleteObject(StatusFont);
    StatusFont = font;
    // The rest of the bar beyond the panels holds none.
    std::array<int, StatusPanelLayouts.size()> rightEdges{};
    int right = 0;
    for (size_t panel = 0; panel < rightEdges.size(); ++panel)
        rightEdges[panel] = Scaled(right += StatusPanelLayouts[panel].Width, dpi);
    SendMessageW(MainStatusBar, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    SetWindowPos(MainStatusBar, nullptr, 0, Scaled(CoolBarHeight + BoardHeight, dpi), Scaled(BoardWidth, dpi),
                 Scaled(StatusBarHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}
