#include "win32/testing/TestReadout.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "model/TilePlacement.h"
#include "win32/common/Dpi.h"
#include "storage/WindowsText.h"
#include "win32/dialogs/DialogBase.h"
#include "win32/window/MainUnit.h"

namespace {

TMainForm* Form = nullptr;
std::wstring ReadoutPath;

// The commands' action names, in the order of TCommandId.
constexpr std::array<const char*, CommandCount> CommandNames{
    "NewGameAction", "HintAction", "ShuffleAction", "ExitAction",  "UndoAction",
    "PropertiesAction", "AboutAction", "HelpAction", "ScoresAction"};
constexpr std::array<const char*, 3> MenuNames{"Game", "EditMenu", "HelpMenu"};

void WriteRect(std::ostream& out, const std::string& name, const RECT& screen)
{
    out << "widget " << name << ' ' << screen.left << ' ' << screen.top << ' ' << screen.right - screen.left << ' '
        << screen.bottom - screen.top << '\n';
}

void WriteStatus(std::ostream& out)
{
    for (int panel = 0; panel < 3; ++panel) {
        std::wstring text(256, L'\0');
        SendMessageW(Form->MainStatusBar, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.find(L'\0'));
        // The leading tab only centres the text.
        if (!text.empty() && text.front() == L'\t')
            text.erase(0, 1);
        out << "status " << panel << ' ' << Utf8(text) << '\n';
    }
}

void WriteTiles(std::ostream& out)
{
    // The centre of a tile's hit zone, where a player would press it.
    constexpr int HitCentreX = 21;
    constexpr int HitCentreY = 25;
    const HWND board = Form->BackgroundImage->Handle();
    const UINT dpi = GetDpiForWindow(board);
    for (int n = 1; n <= TileCount; ++n) {
        const auto number = static_cast<uint8_t>(n);
        if (!Form->GameModel.IsFree(number))
            continue;
        const TTileClass& tile = Form->GameModel.Tiles[number];
        const TTileOrigin origin = TileOrigin(tile);
        POINT centre{Scaled(origin.Left + HitCentreX, dpi), Scaled(origin.Top + HitCentreY, dpi)};
        ClientToScreen(board, &centre);
        out << "tile " << n << ' ' << static_cast<int>(tile.Face) << ' ' << centre.x << ' ' << centre.y << '\n';
    }
}

const char* CommandName(UINT id)
{
    const UINT first = MenuIdOf(TCommandId::NewGame);
    return id >= first && id < first + CommandCount ? CommandNames[id - first] : nullptr;
}

void WriteToolButtons(std::ostream& out)
{
    for (const HWND bar : Form->ToolBars) {
        for (UINT id = MenuIdOf(TCommandId::NewGame); CommandName(id); ++id) {
            RECT button;
            if (!SendMessageW(bar, TB_GETRECT, id, reinterpret_cast<LPARAM>(&button)))
                continue;
            MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&button), 2);
            WriteRect(out, std::string("MainForm.Tool.") + CommandName(id), button);
        }
    }
}

// The menu bar's titles, and the items of an open drop-down menu.
void WriteMenus(std::ostream& out)
{
    const HWND window = Form->Handle();
    for (int index = 0; index < static_cast<int>(MenuNames.size()); ++index) {
        RECT title;
        if (GetMenuItemRect(window, Form->MainMenu, static_cast<UINT>(index), &title))
            WriteRect(out, std::string("MainForm.") + MenuNames[static_cast<size_t>(index)], title);
    }
    for (HWND popup = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); popup;
         popup = FindWindowExW(nullptr, popup, L"#32768", nullptr)) {
        if (!IsWindowVisible(popup))
            continue;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        for (int position = 0; menu && position < GetMenuItemCount(menu); ++position) {
            const char* name = CommandName(GetMenuItemID(menu, position));
            RECT item;
            if (name && GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item))
                WriteRect(out, std::string("MainForm.Menu.") + name, item);
        }
    }
}

void WriteDialogs(std::ostream& out)
{
    for (const TTesuliDialog* dialog : GameDialogForms()) {
        if (!dialog->Visible())
            continue;
        for (const auto& [name, control] : dialog->NamedControls()) {
            RECT place;
            if (IsWindowVisible(control) && GetWindowRect(control, &place))
                WriteRect(out, dialog->Name() + '.' + name, place);
        }
    }
}

void CALLBACK WriteReadout(HWND, UINT, UINT_PTR, DWORD)
{
    std::ostringstream out;
    WriteStatus(out);
    WriteTiles(out);
    WriteToolButtons(out);
    WriteMenus(out);
    WriteDialogs(out);
    out << "end\n";
    // Written aside and moved into place, so that a reader never sees half of it.
    const std::wstring partial = ReadoutPath + L".part";
    {
        std::ofstream file(partial.c_str(), std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file)
            return;
    }
    MoveFileExW(partial.c_str(), ReadoutPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

void StartTestReadout(TMainForm& mainForm)
{
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"TESULI_TEST_READOUT", path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
        return;
    path.resize(length);
    Form = &mainForm;
    ReadoutPath = path;
    // A thread timer: it also ticks inside menus, message boxes and the save dialog.
    SetTimer(nullptr, 0, 100, WriteReadout);
}
