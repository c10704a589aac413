#include "win32/window/MainUnit.h"

#include <commctrl.h>

#include <stdexcept>

#include "storage/WindowsText.h"
#include "win32/common/ErrorGuard.h"
#include "win32/common/GameDialogs.h"
#include "win32/common/MessageBox.h"
#include "win32/common/WindowClass.h"
#include "win32/window/CommandKeys.h"
#include "win32/window/MessageLoop.h"

namespace {

constexpr const wchar_t* MainClass = L"TesuliMainForm";
constexpr UINT_PTR GameTimer = 1;
constexpr UINT GameTimerPeriod = 1000;

}  // namespace

TMainForm::TMainForm(TRandomSource& random)
    : Session(*this, random)
{
    RegisterOwnedClass<TMainForm>(MainClass, 0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    Window = CreateWindowExW(0, MainClass, Wide(std::string(MainFormCaption)).c_str(), MainStyle, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                             this);
    if (!Window)
        throw std::runtime_error("The main window could not be created.");
    CreateMainMenu();
    std::vector<ACCEL> keys = CommandAccelerators();
    Accelerators = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    SetMainAccelerators(Window, Accelerators);
    CreateCoolBar();
    BackgroundImage = std::make_unique<TBoardView>(
        Window, [this](int32_t px, int32_t py) { Session.BoardPress(px, py); },
        [this] { Session.Game().DrawBoard(); });
    CreateStatusBar();
    ApplyDpi(GetDpiForWindow(Window), nullptr);
}

TMainForm::~TMainForm()
{
    // The dialogs first: their windows are owned by this one and would go with it.
    for (auto& dialog : Dialogs)
        dialog.reset();
    if (IsWindow(Window))
        DestroyWindow(Window);
    SetMainAccelerators(nullptr, nullptr);
    if (Accelerators)
        DestroyAcceleratorTable(Accelerators);
    for (HIMAGELIST list : {ImageList1, GreyedImageList})
        if (list)
            ImageList_Destroy(list);
    if (StatusFont)
        DeleteObject(StatusFont);
    if (BigIcon)
        DestroyIcon(BigIcon);
    if (SmallIcon)
        DestroyIcon(SmallIcon);
}

void TMainForm::FormCreate()
{
    Session.FormCreate([](const std::exception& error) { ShowApplicationError(error.what()); });
    // The first board's faces are made on other cores while the pictures are loaded and the
    // window is shown.
    BackgroundImage->ExpectFaces(
        TFacesAhead(Session.Game().FacesOfNextDeal(), GetDpiForWindow(Window) / double(USER_DEFAULT_SCREEN_DPI)));
}

void TMainForm::Show(int showCommand)
{
    ShowWindow(Window, showCommand);
    UpdateWindow(Window);
    if (!Shown) {
        Shown = true;
        RunGuarded([this] { Session.FormShow(); });
    }
}

TScreenDialog& TMainForm::DialogWindow(TDialogId dialog)
{
    std::unique_ptr<TScreenDialog>& made = Dialogs.at(static_cast<size_t>(dialog));
    if (!made) {
        made = std::make_unique<TScreenDialog>(Window, Session.Dialog(dialog));
        if (dialog == TDialogId::Name)
            SetKeyGuard(made->Handle(), [this] { return Session.TypingSettle().Swallows(); });
    }
    return *made;
}

LRESULT TMainForm::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Identifiers below the first command wrap around and are left alone too.
        if (const UINT id = LOWORD(wParam) - MenuIdOf(TCommandId::NewGame); id < static_cast<UINT>(CommandCount))
            Session.RunCommand(static_cast<TCommandId>(id));
        return 0;
    case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (info->hdr.code == TTN_GETDISPINFOW)
            info->lpszText = const_cast<wchar_t*>(Tooltip(static_cast<UINT>(info->hdr.idFrom)));
        else if (info->hdr.code == RBN_HEIGHTCHANGE)
            CoolBarHeightChanged();
        // The bands keep their one row: no drag may move them.
        return info->hdr.code == RBN_BEGINDRAG ? 1 : 0;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU || MenuIcons.empty())
            return FALSE;
        item->itemWidth = item->itemHeight = static_cast<UINT>(MenuIcons.front()[0]->Width());
        return TRUE;
    }
    case WM_DRAWITEM:
        return DrawMenuIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CHAR: {
        const bool ctrlOrAlt = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
        if (const auto typed = TypedKey(static_cast<wchar_t>(wParam), ctrlOrAlt)) {
            Session.TypingSettle().Played();
            if (typed->Key)
                Session.TypeKey(*typed->Key);
            else
                Session.TypeLetter(typed->Letter);
        }
        return 0;
    }
    case WM_TIMER:
        if (wParam == GameTimer)
            Session.Tick();
        return 0;
    case WM_ACTIVATE:
        // Only one of the game's own dialogs taking the focus counts: not a message box, and not
        // another program.
        if (LOWORD(wParam) == WA_INACTIVE && IsGameDialog(reinterpret_cast<HWND>(lParam)))
            Session.DialogActivated();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            LayOut();
        return 0;
    case WM_GETMINMAXINFO:
        LimitSize(window, *reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DESTROY:
        // A hint blink in progress sees this at its next pass and stops, so the program ends at once.
        IsQuitting = true;
        StopClock();
        Session.FormClose();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

TBoardRaster& TMainForm::BoardPicture()
{
    return BackgroundImage->Picture();
}

void TMainForm::BoardChanged()
{
    InvalidateRect(BackgroundImage->Handle(), nullptr, FALSE);
}

void TMainForm::ShowMessage(TMessageKind kind, const std::string& text)
{
    ::ShowMessage(Window, kind, text);
}

void TMainForm::StartClock()
{
    // A running clock keeps its phase: SetTimer on a running timer would restart its period.
    if (!ClockRunning)
        ClockRunning = SetTimer(Window, GameTimer, GameTimerPeriod, nullptr) != 0;
}

void TMainForm::StopClock()
{
    KillTimer(Window, GameTimer);
    ClockRunning = false;
}

void TMainForm::SetCommandEnabled(TCommandId command, bool enabled)
{
    const UINT id = MenuIdOf(command);
    EnableMenuItem(MainMenu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    for (HWND bar : ToolBars)
        SendMessageW(bar, TB_ENABLEBUTTON, id, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void TMainForm::SetStatusText(int panel, const std::string& text)
{
    // A leading tab centres the text in its panel.
    const bool centred = StatusPanelLayouts.at(static_cast<size_t>(panel)).Centred;
    const std::wstring shown = (centred ? L"\t" : L"") + Wide(text);
    SendMessageW(MainStatusBar, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(shown.c_str()));
}

bool TMainForm::PumpEvents()
{
    return PumpPendingMessages() && !IsQuitting;
}

void TMainForm::ShowDialog(TDialogId dialog)
{
    DialogWindow(dialog).ShowDialog();
}

void TMainForm::RefreshDialog(TDialogId dialog)
{
    if (const std::unique_ptr<TScreenDialog>& made = Dialogs.at(static_cast<size_t>(dialog)))
        made->RefreshIfOpen();
}

void TMainForm::CloseMainWindow()
{
    DestroyWindow(Window);
}
