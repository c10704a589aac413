// The main window's controls: menu, cool bar with its three tool bars, status bar, and their
// sizes at the window's DPI.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <initializer_list>
#include <utility>

#include "model/TilePlacement.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "win32/window/MainUnit.h"
#include "win32/common/ProgramIcon.h"
#include "win32/common/UiFont.h"

namespace {

constexpr int CoolBarHeight = 29;
constexpr int StatusBarHeight = 19;
constexpr int ClientHeight = CoolBarHeight + BoardHeight + StatusBarHeight;  // 546
constexpr SIZE ButtonSize{23, 22};
constexpr int SpacerWidth = 20;
constexpr int IconSide = 16;

struct TCommandDef {
    UINT Id;
    const wchar_t* Caption;
    const wchar_t* Hint;
    TCommandIcon Icon;
};

// In the order of the icon list.
constexpr std::array<TCommandDef, 9> Commands{{
    {NewGameAction, L"New Game", L"New Game", TCommandIcon::NewGame},
    {HintAction, L"Hint", L"Hint", TCommandIcon::Hint},
    {ShuffleAction, L"Shuffle", L"Shuffle", TCommandIcon::Shuffle},
    {ExitAction, L"Exit", L"Exit", TCommandIcon::Exit},
    {UndoAction, L"Undo", L"Undo", TCommandIcon::Undo},
    {PropertiesAction, L"Options", L"Options", TCommandIcon::Options},
    {AboutAction, L"About", L"About Tesuli", TCommandIcon::About},
    {HelpAction, L"Help", L"Help", TCommandIcon::Help},
    {ScoresAction, L"View Scores", L"Scores", TCommandIcon::Scores},
}};

const TCommandDef& CommandDef(UINT id)
{
    return Commands[id - NewGameAction];
}

struct TBand {
    int Width;
    SIZE Bar;
};
constexpr TBand MainBand{165, {152, 25}};
constexpr TBand GameBand{349, {336, 25}};
constexpr TBand HelpBand{83, {70, 24}};

// A flat tool bar of icon buttons with tooltips, the buttons standing apart by empty gaps. A gap
// is a disabled button without a picture: a separator would draw a line in a flat bar.
HWND MakeToolBar(HWND owner, std::initializer_list<UINT> ids)
{
    const HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                         CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                     0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (const UINT id : ids) {
        if (id != *ids.begin()) {
            TBBUTTON gap{};
            gap.iBitmap = I_IMAGENONE;
            gap.fsStyle = BTNS_BUTTON;
            SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&gap));
        }
        TBBUTTON button{};
        button.iBitmap = static_cast<int>(id - NewGameAction);
        button.idCommand = static_cast<int>(id);
        button.fsState = id == UndoAction ? 0 : TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
        SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return bar;
}

void SizeToolBar(HWND bar, UINT dpi)
{
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(Scaled(ButtonSize.cx, dpi), Scaled(ButtonSize.cy, dpi)));
    const int count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 1; index < count; index += 2) {
        TBBUTTONINFOW gap{};
        gap.cbSize = sizeof gap;
        gap.dwMask = TBIF_SIZE | TBIF_BYINDEX;
        gap.cx = static_cast<WORD>(Scaled(SpacerWidth, dpi));
        SendMessageW(bar, TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&gap));
    }
}

void SetBand(HWND coolBar, UINT index, HWND bar, const TBand& band, UINT dpi, bool insert)
{
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    info.fStyle = RBBS_GRIPPERALWAYS;
    info.hwndChild = bar;
    info.cxMinChild = static_cast<UINT>(Scaled(band.Bar.cx, dpi));
    info.cyMinChild = static_cast<UINT>(Scaled(band.Bar.cy, dpi));
    info.cx = static_cast<UINT>(Scaled(band.Width, dpi));
    SendMessageW(coolBar, insert ? RB_INSERTBANDW : RB_SETBANDINFOW, insert ? static_cast<WPARAM>(-1) : index,
                 reinterpret_cast<LPARAM>(&info));
}

}  // namespace

const wchar_t* TMainForm::Tooltip(UINT id) const
{
    return id >= NewGameAction && id <= ScoresAction ? CommandDef(id).Hint : L"";
}

void TMainForm::CreateMainMenu()
{
    const auto popup = [](std::initializer_list<UINT> ids) {
        const HMENU menu = CreatePopupMenu();
        for (const UINT id : ids) {
            if (id == 0)
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuW(menu, MF_STRING | (id == UndoAction ? MF_GRAYED : 0), id, CommandDef(id).Caption);
        }
        return menu;
    };
    MainMenu = CreateMenu();
    AppendMenuW(MainMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({NewGameAction, ScoresAction, 0, HintAction,
                                                                          ShuffleAction, 0, ExitAction})),
                L"Game");
    AppendMenuW(MainMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({UndoAction, 0, PropertiesAction})), L"Edit");
    AppendMenuW(MainMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({HelpAction, 0, AboutAction})), L"Help");
    SetMenu(Window, MainMenu);
}

void TMainForm::CreateCoolBar()
{
    TopCoolBar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS |
                                     CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                                 0, 0, 0, 0, Window, nullptr, GetModuleHandleW(nullptr), nullptr);
    MainToolBar = MakeToolBar(Window, {NewGameAction, ScoresAction, PropertiesAction});
    GameToolBar = MakeToolBar(Window, {HintAction, ShuffleAction, UndoAction});
    HelpToolBar = MakeToolBar(Window, {HelpAction, AboutAction});
    const UINT dpi = GetDpiForWindow(Window);
    SetBand(TopCoolBar, 0, MainToolBar, MainBand, dpi, true);
    SetBand(TopCoolBar, 1, GameToolBar, GameBand, dpi, true);
    SetBand(TopCoolBar, 2, HelpToolBar, HelpBand, dpi, true);
    // The cool bar becomes the tool bars' parent; their clicks and tooltips still come here.
    for (HWND bar : {MainToolBar, GameToolBar, HelpToolBar})
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

    RECT frame{0, 0, Scaled(BoardWidth, dpi), Scaled(ClientHeight, dpi)};
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
        GameModel.DrawBoard();
    }
}

void TMainForm::SetCommandIcons(UINT dpi)
{
    const int side = Scaled(IconSide, dpi);
    const auto makeList = [side] {
        return ImageList_Create(side, side, ILC_COLOR32, static_cast<int>(Commands.size()), 0);
    };
    const HIMAGELIST icons = makeList(), greyed = makeList();
    std::vector<std::unique_ptr<TDib>> menuIcons;
    for (const TCommandDef& command : Commands) {
        for (const auto& [list, look] : {std::pair{icons, TIconLook::Normal}, std::pair{greyed, TIconLook::Greyed}}) {
            const HICON icon = CreateCommandIcon(command.Icon, side, look);
            ImageList_AddIcon(list, icon);
            DestroyIcon(icon);
        }
        // Menus want their pictures premultiplied.
        menuIcons.push_back(DecodeArtwork(CommandIconName(command.Icon, side), TAlpha::Premultiplied, side, side));
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = menuIcons.back()->Unselect();
        SetMenuItemInfoW(MainMenu, command.Id, FALSE, &item);
    }
    for (HWND bar : {MainToolBar, GameToolBar, HelpToolBar}) {
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
    SetBand(TopCoolBar, 0, MainToolBar, MainBand, dpi, false);
    SetBand(TopCoolBar, 1, GameToolBar, GameBand, dpi, false);
    SetBand(TopCoolBar, 2, HelpToolBar, HelpBand, dpi, false);
    SetWindowPos(TopCoolBar, nullptr, 0, 0, Scaled(BoardWidth, dpi), Scaled(CoolBarHeight, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::LayOutStatusBar(UINT dpi)
{
    const HFONT font = CreateUiFont(dpi);
    SendMessageW(MainStatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (StatusFont)
        DeleteObject(StatusFont);
    StatusFont = font;
    // Panels of 150, 150, 150 and 50 pixels; the rest of the bar holds none.
    const std::array<int, 4> rightEdges{Scaled(150, dpi), Scaled(300, dpi), Scaled(450, dpi), Scaled(500, dpi)};
    SendMessageW(MainStatusBar, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    SetWindowPos(MainStatusBar, nullptr, 0, Scaled(CoolBarHeight + BoardHeight, dpi), Scaled(BoardWidth, dpi),
                 Scaled(StatusBarHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}
