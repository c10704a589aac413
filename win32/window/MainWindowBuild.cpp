// The main window's controls: menu, cool bar with its three tool bars, status bar, and their
// sizes at the window's DPI.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <utility>

#include "app/BoardGeometry.h"
#include "model/TilePlacement.h"
#include "storage/WindowsText.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "win32/common/ProgramIcon.h"
#include "win32/common/UiFont.h"
#include "win32/window/MainUnit.h"

namespace {

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

// The bands stand in one row in their order: no gripper to drag them by, and the first ones keep
// their widths. width is the whole band's, in the window's pixels.
void SetBand(HWND coolBar, UINT index, HWND bar, const TBandLayout& band, int width, UINT dpi, bool insert)
{
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    info.fStyle = RBBS_NOGRIPPER | (index + 1 < Bands.size() ? RBBS_FIXEDSIZE : 0);
    info.hwndChild = bar;
    info.cxMinChild = static_cast<UINT>(Scaled(band.BarWidth, dpi));
    info.cyMinChild = static_cast<UINT>(Scaled(band.BarHeight, dpi));
    info.cx = static_cast<UINT>(width);
    SendMessageW(coolBar, insert ? RB_INSERTBANDW : RB_SETBANDINFOW, insert ? static_cast<WPARAM>(-1) : index,
                 reinterpret_cast<LPARAM>(&info));
}

// Wine's cool bar paints only its bands and their edges: the strip below them would keep whatever
// was drawn there before.
LRESULT CALLBACK FillBelowBands(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(bar, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefSubclassProc(bar, message, wParam, lParam);
}

}  // namespace

const wchar_t* TMainForm::Tooltip(UINT id)
{
    const UINT first = MenuIdOf(TCommandId::NewGame);
    TooltipText = id >= first && id < first + CommandCount
                      ? Wide(::TooltipText(static_cast<TCommandId>(id - first), TPlatform::Windows))
                      : L"";
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
            const std::wstring caption = Wide(MenuItemText(item.Command, TPlatform::Windows));
            AppendMenuW(menu, MF_STRING | greyed, MenuIdOf(item.Command), caption.c_str());
            MENUITEMINFOW picture{};
            picture.cbSize = sizeof picture;
            picture.fMask = MIIM_BITMAP;
            picture.hbmpItem = HBMMENU_CALLBACK;
            SetMenuItemInfoW(menu, MenuIdOf(item.Command), FALSE, &picture);
        }
        AppendMenuW(MainMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                    Wide(MenuCaption(layout.Caption, layout.AccessKey)).c_str());
    }
    SetMenu(Window, MainMenu);
}

void TMainForm::CreateCoolBar()
{
    TopCoolBar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS |
                                     RBS_FIXEDORDER | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                                 0, 0, 0, 0, Window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(TopCoolBar, FillBelowBands, 0, 0);
    const UINT dpi = GetDpiForWindow(Window);
    for (UINT index = 0; index < Bands.size(); ++index) {
        ToolBars[index] = MakeToolBar(Window, Bands[index].Buttons, Session);
        SetBand(TopCoolBar, index, ToolBars[index], Bands[index], Scaled(Bands[index].Width, dpi), dpi, true);
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
    LayoutDpi = dpi;
    SetProgramIcon(Window, dpi, BigIcon, SmallIcon);
    SetCommandIcons(dpi);
    LayOutStatusBar(dpi);
    if (suggested) {
        SetWindowPos(Window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const TDeviceSize board = OpeningBoardArea(DeviceScale(dpi), BoardRoom(Window, dpi));
        const SIZE frame = FrameSize(board, dpi);
        const RECT work = WorkArea(Window);
        SetWindowPos(Window, nullptr, (work.left + work.right - frame.cx) / 2, (work.top + work.bottom - frame.cy) / 2,
                     frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The bars change with the DPI even where the frame keeps its size.
    LayOut();
}

TDeviceSize TMainForm::BoardRoom(HWND window, UINT dpi)
{
    const RECT work = WorkArea(window);
    const SIZE frame = FrameSize({}, dpi);
    return {work.right - work.left - frame.cx, work.bottom - work.top - frame.cy};
}

SIZE TMainForm::FrameSize(TDeviceSize board, UINT dpi)
{
    RECT frame{0, 0, board.Width, Scaled(CoolBarHeight, dpi) + board.Height + Scaled(StatusBarHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, MainStyle, TRUE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT TMainForm::WorkArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

void TMainForm::LimitSize(HWND window, MINMAXINFO& limits) const
{
    // The DPI being laid out for: in the middle of a DPI change the window's own is still the old.
    const UINT dpi = LayoutDpi;
    const double scale = DeviceScale(dpi);
    const TDeviceSize board = SmallestBoardArea(scale, OpeningBoardArea(scale, BoardRoom(window, dpi)));
    // The frame and menu bar as they stand around the client area.
    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    limits.ptMinTrackSize = {frame.right - frame.left - client.right + board.Width,
                             frame.bottom - frame.top - client.bottom + Scaled(CoolBarHeight, dpi) + board.Height +
                                 Scaled(StatusBarHeight, dpi)};
}

void TMainForm::LayOut()
{
    // The window is still being built: its first layout follows.
    if (!MainStatusBar)
        return;
    const UINT dpi = LayoutDpi;
    RECT client{};
    GetClientRect(Window, &client);
    LayOutCoolBar(dpi, client.right);
    LayOutBelowCoolBar(dpi);
}

void TMainForm::LayOutBelowCoolBar(UINT dpi)
{
    RECT client{};
    GetClientRect(Window, &client);
    const int barHeight =
        std::max(Scaled(CoolBarHeight, dpi), static_cast<int>(SendMessageW(TopCoolBar, RB_GETBARHEIGHT, 0, 0)));
    const int width = client.right, statusHeight = Scaled(StatusBarHeight, dpi);
    const int boardHeight = std::max(0, static_cast<int>(client.bottom) - barHeight - statusHeight);
    SetWindowPos(TopCoolBar, nullptr, 0, 0, width, barHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(BackgroundImage->Handle(), nullptr, 0, barHeight, width, boardHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(MainStatusBar, nullptr, 0, barHeight + boardHeight, width, statusHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::CoolBarHeightChanged()
{
    // The window is still being built: its first layout follows.
    if (!MainStatusBar)
        return;
    LayOutBelowCoolBar(LayoutDpi);
}

void TMainForm::SetCommandIcons(UINT dpi)
{
    const int side = Scaled(ToolIconSide, dpi);
    const auto makeList = [side] { return ImageList_Create(side, side, ILC_COLOR32, CommandCount, 0); };
    const HIMAGELIST icons = makeList(), greyed = makeList();
    std::vector<std::array<std::unique_ptr<TDib>, 2>> menuIcons;
    for (int index = 0; index < CommandCount; ++index) {
        const TCommandId command = static_cast<TCommandId>(index);
        for (const auto& [list, look] : {std::pair{icons, TIconLook::Normal}, std::pair{greyed, TIconLook::Greyed}}) {
            const HICON icon = CreateCommandIcon(command, side, look);
            ImageList_AddIcon(list, icon);
            DestroyIcon(icon);
        }
        menuIcons.push_back(
            {CreateMenuIcon(command, side, TIconLook::Normal), CreateMenuIcon(command, side, TIconLook::Greyed)});
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

bool TMainForm::DrawMenuIcon(const DRAWITEMSTRUCT& item)
{
    const UINT command = item.itemID - MenuIdOf(TCommandId::NewGame);
    if (item.CtlType != ODT_MENU || command >= MenuIcons.size())
        return false;
    const TDib& picture = *MenuIcons[command][item.itemState & (ODS_GRAYED | ODS_DISABLED) ? 1 : 0];
    const int side = picture.Width();
    const int left = (item.rcItem.left + item.rcItem.right - side) / 2;
    const int top = (item.rcItem.top + item.rcItem.bottom - side) / 2;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(item.hDC, left, top, side, side, picture.Dc(), 0, 0, side, side, blend);
    return true;
}

void TMainForm::LayOutCoolBar(UINT dpi, int width)
{
    SetWindowPos(TopCoolBar, nullptr, 0, 0, width, Scaled(CoolBarHeight, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    for (UINT index = 0; index < Bands.size(); ++index)
        SetBand(TopCoolBar, index, ToolBars[index], Bands[index], Scaled(Bands[index].Width, dpi), dpi, false);
    // The last band is given the rest of the row itself: room left over would go to a band of the
    // cool bar's choosing.
    RECT first{}, second{};
    SendMessageW(TopCoolBar, RB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(TopCoolBar, RB_GETRECT, 1, reinterpret_cast<LPARAM>(&second));
    const int border = static_cast<int>(second.left - first.right);
    const UINT last = static_cast<UINT>(Bands.size() - 1);
    int rest = width;
    for (UINT index = 0; index < last; ++index)
        rest -= Scaled(Bands[index].Width, dpi) + border;
    SetBand(TopCoolBar, last, ToolBars[last], Bands[last], std::max(rest, Scaled(Bands[last].Width, dpi)), dpi, false);
    // The cool bar gives each tool bar the whole of its band: an indent puts the buttons at the
    // band's right end.
    for (UINT index = 0; index < Bands.size(); ++index) {
        RECT bar{};
        GetClientRect(ToolBars[index], &bar);
        const int indent = std::max(0, static_cast<int>(bar.right) - Scaled(Bands[index].BarWidth, dpi));
        SendMessageW(ToolBars[index], TB_SETINDENT, static_cast<WPARAM>(indent), 0);
        // Wine's tool bar keeps a new indent without laying its buttons out again; setting a
        // button's info, here nothing of it, lays them out.
        TBBUTTONINFOW unchanged{};
        unchanged.cbSize = sizeof unchanged;
        unchanged.dwMask = TBIF_BYINDEX;
        SendMessageW(ToolBars[index], TB_SETBUTTONINFOW, 0, reinterpret_cast<LPARAM>(&unchanged));
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
}
