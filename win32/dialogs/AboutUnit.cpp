#include "win32/dialogs/AboutUnit.h"

#include <shellapi.h>

#include <string>

#include "app/InfoTexts.h"
#include "storage/WindowsText.h"

TAboutForm* AboutForm = nullptr;

namespace {

constexpr int VisitId = 101;
// The group box's place: its contents are placed within it.
constexpr POINT Group{8, 8};

TPlace InGroup(int left, int top, int width = 0, int height = 13)
{
    return {Group.x + left, Group.y + top, width, height};
}

std::wstring Text(std::string_view text)
{
    return Wide(std::string(text));
}

// A tooltip over a label; the label must let the mouse through to it.
void AddTooltip(HWND dialog, HWND label, const std::wstring& text)
{
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(label, GWL_STYLE, GetWindowLongPtrW(label, GWL_STYLE) | SS_NOTIFY);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

TAboutForm::TAboutForm(HWND owner)
    : TTesuliDialog(owner, "AboutForm", L"About Tesuli", {307, 166})
{
    AboutGroupBox = AddGroupBox("AboutGroupBox", L"Program Information", {Group.x, Group.y, 289, 118});
    ProgramImage = AddProgramIcon("ProgramImage", {Group.x + 16, Group.y + 24});
    AboutLabel = AddLabel("AboutLabel", Text(AboutTexts::Code), InGroup(64, 24));
    GraphicsLabel = AddLabel("GraphicsLabel", Text(AboutTexts::Graphics), InGroup(64, 40));
    AddTooltip(Handle(), GraphicsLabel, Text(AboutTexts::GraphicsInFull));
    VersionLabel = AddLabel("VersionLabel", Text(AboutTexts::Version), InGroup(16, 64));
    StatementLabel = AddLabel("StatementLabel", Text(AboutTexts::Statement), InGroup(16, 80));
    UrlLabel = AddLabel("UrlLabel", Wide(AboutTexts::Availability()), InGroup(16, 96));
    CloseOK = AddGlyphButton("CloseOK", L"Close", TButtonGlyph::Tick, {217, 137, 75, 25}, IDOK, true);
    VisitMeBitBtn =
        AddGlyphButton("VisitMeBitBtn", L"Visit Author's Website", TButtonGlyph::Globe, {15, 137, 141, 25}, VisitId);
}

void TAboutForm::CloseOKClick()
{
    Hide();
}

// The browser runs on its own; whether it could be started is of no concern to the dialog.
void TAboutForm::VisitMeBitBtnClick()
{
    ShellExecuteW(Handle(), L"open", Text(AboutTexts::AuthorUrl).c_str(), nullptr, nullptr, SW_SHOW);
}

void TAboutForm::Command(int id, int)
{
    if (id == IDOK || id == IDCANCEL)
        CloseOKClick();
    else if (id == VisitId)
        VisitMeBitBtnClick();
}
