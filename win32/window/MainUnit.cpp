#include "win32/window/MainUnit.h"

#include <commctrl.h>

#include "app/MainFlow.h"
#include "storage/RegistryUnit.h"
#include "storage/WindowsText.h"
#include "win32/common/Dpi.h"
#include "win32/common/ErrorGuard.h"
#include "win32/common/GameDialogs.h"
#include "win32/common/MessageBox.h"
#include "win32/common/WindowClass.h"
#include "win32/dialogs/AboutUnit.h"
#include "win32/dialogs/HelpUnit.h"
#include "win32/dialogs/NameUnit.h"
#include "win32/dialogs/OptionsUnit.h"
#include "win32/dialogs/ScoresUnit.h"
#include "win32/window/MessageLoop.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr const wchar_t* MainClass = L"TesuliMainForm";
constexpr UINT_PTR GameTimer = 1;
constexpr UINT GameTimerPeriod = 1000;

}  // namespace

TMainForm::TMainForm(TRandomSource& random)
    : GameModel(*this, random)
{
    RegisterOwnedClass<TMainForm>(MainClass, 0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    Window = CreateWindowExW(0, MainClass, L"Tesuli", MainStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!Window)
        throw std::runtime_error("The main window could not be created.");
    CreateMainMenu();
    CreateCoolBar();
    BackgroundImage = std::make_unique<TBoardView>(Window, [this](int32_t px, int32_t py) {
        GameModel.BackgroundImageMouseDown(px, py);
    });
    CreateStatusBar();
    ApplyDpi(GetDpiForWindow(Window), nullptr);
}

TMainForm::~TMainForm()
{
    if (IsWindow(Window))
        DestroyWindow(Window);
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
    TRegOptions options;
    CreateGame(GameModel, options, [](const std::exception& error) { ShowApplicationError(error.what()); });
}

void TMainForm::Show(int showCommand)
{
    ShowWindow(Window, showCommand);
    UpdateWindow(Window);
    if (!Shown) {
        Shown = true;
        RunGuarded([this] { FormShow(); });
    }
}

void TMainForm::FormShow()
{
    GameModel.FormShow();
}

void TMainForm::FormDeactivate()
{
    StopClock();
}

int TMainForm::WMOptionsChanged(int, int lParam, const TSettings& choices)
{
    return ApplyOptions(GameModel, lParam, choices);
}

LRESULT TMainForm::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Identifiers below the first command wrap around and are left alone too.
        if (const UINT id = LOWORD(wParam) - MenuIdOf(TCommandId::NewGame); id < static_cast<UINT>(CommandCount))
            RunCommand(static_cast<TCommandId>(id));
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
    case WM_TIMER:
        if (wParam == GameTimer)
            GameModel.GameTimerTimer();
        return 0;
    case WM_ACTIVATE:
        // Only one of the game's own dialogs taking the focus stops the clock: not a message box,
        // and not another program.
        if (LOWORD(wParam) == WA_INACTIVE && IsGameDialog(reinterpret_cast<HWND>(lParam)))
            FormDeactivate();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        // A hint blink in progress sees this at its next pass and stops, so the program ends at once.
        IsQuitting = true;
        StopClock();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TMainForm::RunCommand(TCommandId command)
{
    switch (command) {
    case TCommandId::NewGame: NewGameActionExecute(); break;
    case TCommandId::Hint: GameModel.HintActionExecute(); break;
    case TCommandId::Shuffle: GameModel.ShuffleActionExecute(); break;
    case TCommandId::Exit: ExitActionExecute(); break;
    case TCommandId::Undo: GameModel.UndoActionExecute(); break;
    case TCommandId::Options: PropertiesActionExecute(); break;
    case TCommandId::About: AboutActionExecute(); break;
    case TCommandId::Help: HelpActionExecute(); break;
    case TCommandId::Scores: ScoresActionExecute(); break;
    }
}

void TMainForm::NewGameActionExecute()
{
    GameModel.StartNewGame();
}

void TMainForm::ExitActionExecute()
{
    DestroyWindow(Window);
}

void TMainForm::PropertiesActionExecute()
{
    OptionsForm->ShowDialog();
}

void TMainForm::AboutActionExecute()
{
    AboutForm->ShowDialog();
}

void TMainForm::HelpActionExecute()
{
    HelpForm->ShowDialog();
}

void TMainForm::ScoresActionExecute()
{
    ScoresForm->ShowDialog();
}

void TMainForm::CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top)
{
    BackgroundImage->Picture().CopyFaceCell(faceStyle, sourceLeft, sourceTop, left, top);
}

void TMainForm::DrawBackground()
{
    BackgroundImage->Picture().DrawBackground(GameModel.BackgroundIndex);
}

void TMainForm::BoardChanged()
{
    InvalidateRect(BackgroundImage->Handle(), nullptr, FALSE);
}

void TMainForm::ShowMessage(TMessageKind kind, const std::string& text)
{
    if (kind == TMessageKind::Error)
        ShowError(Window, text);
    else
        ShowInformation(Window, text);
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

void TMainForm::SetCommandEnabled(TCommand command, bool enabled)
{
    const UINT id = MenuIdOf(command == TCommand::Undo      ? TCommandId::Undo
                             : command == TCommand::Shuffle ? TCommandId::Shuffle
                                                            : TCommandId::Hint);
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

void TMainForm::ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap)
{
    NameForm->Won = {scoreTime, scoreHints, scoreMap};
    NameForm->ShowDialog();
}
