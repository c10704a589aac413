#include "win32/testing/TestReadout.h"

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <fstream>
#include <string>

#include "app/ProgressDialog.h"
#include "app/Readout.h"
#include "storage/WindowsText.h"
#include "win32/dialogs/DialogBase.h"
#include "win32/window/MainUnit.h"

namespace {

TMainForm* Form = nullptr;
std::wstring ReadoutPath;

// The command of a menu item's or tool button's identifier, if it is one.
bool CommandOf(UINT id, TCommandId& command)
{
    const UINT index = id - MenuIdOf(TCommandId::NewGame);
    command = static_cast<TCommandId>(index);
    return index < static_cast<UINT>(CommandCount);
}

void WriteStatus(TReadoutText& out)
{
    for (int panel = 0; panel < 3; ++panel) {
        std::wstring text(256, L'\0');
        SendMessageW(Form->MainStatusBar, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.find(L'\0'));
        // The leading tab only centres the text.
        if (!text.empty() && text.front() == L'\t')
            text.erase(0, 1);
        out.Status(panel, Utf8(text));
    }
}

void WriteTiles(TReadoutText& out)
{
    const HWND board = Form->BackgroundImage->Handle();
    const TBoardGeometry geometry = Form->BackgroundImage->Geometry();
    out.FreeTiles(Form->MidEnd().Game(), [&](int32_t x, int32_t y) {
        const TDevicePoint device = geometry.ToDevice(x, y);
        POINT at{device.X, device.Y};
        ClientToScreen(board, &at);
        return TReadoutText::TScreenPoint{at.x, at.y};
    });
}

void WriteToolButtons(TReadoutText& out)
{
    for (const HWND bar : Form->ToolBars) {
        for (int index = 0; index < CommandCount; ++index) {
            const auto command = static_cast<TCommandId>(index);
            RECT button;
            if (!SendMessageW(bar, TB_GETRECT, MenuIdOf(command), reinterpret_cast<LPARAM>(&button)))
                continue;
            MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&button), 2);
            out.ToolButton(command, button.left, button.top, button.right - button.left, button.bottom - button.top);
        }
    }
}

// The menu bar's titles, and the items of an open drop-down menu.
void WriteMenus(TReadoutText& out)
{
    for (size_t index = 0; index < Menus.size(); ++index) {
        RECT title;
        if (GetMenuItemRect(Form->Handle(), Form->MainMenu, static_cast<UINT>(index), &title))
            out.MenuTitle(index, title.left, title.top, title.right - title.left, title.bottom - title.top);
    }
    for (HWND popup = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); popup;
         popup = FindWindowExW(nullptr, popup, L"#32768", nullptr)) {
        if (!IsWindowVisible(popup))
            continue;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        for (int position = 0; menu && position < GetMenuItemCount(menu); ++position) {
            TCommandId command;
            RECT item;
            if (CommandOf(GetMenuItemID(menu, position), command) &&
                GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item))
                out.MenuItem(command, item.left, item.top, item.right - item.left, item.bottom - item.top);
        }
    }
}

// A label or a one-line text box: what it shows goes on a line of the read-out.
bool ShowsOneLine(HWND control)
{
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    if (lstrcmpiW(className, MSFTEDIT_CLASS) == 0)
        return !(style & ES_MULTILINE);
    return lstrcmpiW(className, WC_STATICW) == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
}

void WriteDialogs(TReadoutText& out)
{
    for (const TTesuliDialog* dialog : GameDialogForms()) {
        if (!dialog->Visible())
            continue;
        for (const auto& [name, control] : dialog->NamedControls()) {
            RECT place;
            if (!IsWindowVisible(control) || !GetWindowRect(control, &place))
                continue;
            out.Widget(dialog->Name(), name, place.left, place.top, place.right - place.left, place.bottom - place.top);
            if (ShowsOneLine(control))
                if (const std::wstring text = ControlText(control); !text.empty())
                    out.ControlText(dialog->Name(), name, Utf8(text));
        }
    }
}

void CALLBACK WriteReadout(HWND, UINT, UINT_PTR, DWORD)
{
    TReadoutText out;
    WriteStatus(out);
    WriteTiles(out);
    WriteToolButtons(out);
    WriteMenus(out);
    WriteDialogs(out);
    for (const TTesuliDialog* dialog : GameDialogForms())
        if (dialog->Visible() && dialog->Name() == ProgressScreen().Name)
            out.Chart(static_cast<TProgressDialog&>(Form->MidEnd().Dialog(TDialogId::Progress)).Shown());
    // Written aside and moved into place, so that a reader never sees half of it.
    const std::wstring partial = ReadoutPath + L".part";
    {
        std::ofstream file(partial.c_str(), std::ios::binary | std::ios::trunc);
        file << out.Finish();
        if (!file)
            return;
    }
    MoveFileExW(partial.c_str(), ReadoutPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

void StartTestReadout(TMainForm& mainForm)
{
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetEnvironmentVariableW(Wide(ReadoutVariable).c_str(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
        return;
    path.resize(length);
    Form = &mainForm;
    ReadoutPath = path;
    // A thread timer: it also ticks inside menus, message boxes and the save dialog.
    SetTimer(nullptr, 0, 100, WriteReadout);
}
