// The builders: one per kind of control, each making a row of a screen into Win32 controls.
#include <windows.h>

#include <commctrl.h>

#include "storage/WindowsText.h"
#include "win32/dialogs/CheckBox.h"
#include "win32/dialogs/CommandList.h"
#include "win32/dialogs/KanaChart.h"
#include "win32/dialogs/KanaEditBox.h"
#include "win32/dialogs/MemoBox.h"
#include "win32/dialogs/PathLabel.h"
#include "win32/dialogs/PreviewPanel.h"
#include "win32/dialogs/RadioGroup.h"
#include "win32/dialogs/ScoreListView.h"
#include "win32/dialogs/ScreenDialog.h"

namespace {

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

// A radio group's items take one identifier each, every other control one.
int IdsTaken(const TControl& row)
{
    return row.Kind == TControlKind::RadioGroup ? static_cast<int>(row.Items.size()) : 1;
}

}  // namespace

void TScreenDialog::Build(const TScreen& screen)
{
    // Above IDOK and IDCANCEL, which stand for Enter and Escape.
    int id = 100;
    for (const TControl& row : screen.Controls) {
        Controls.push_back(Make(screen, row, id));
        id += IdsTaken(row);
        if (row.FirstFocus)
            SetFirstFocus(Control(row.Name));
    }
}

TScreenDialog::TBuilt TScreenDialog::Make(const TScreen& screen, const TControl& row, int id)
{
    const TDesignRect rect = screen.PlaceInDialog(row);
    const TPlace place{rect.Left, rect.Top, rect.Width, rect.Height};
    const char* name = row.Name.c_str();
    const std::wstring caption = Wide(row.Caption);
    TBuilt built{&row, id, nullptr};
    switch (row.Kind) {
    case TControlKind::Bevel: AddBevel(name, place); break;
    case TControlKind::GroupBox: AddGroupBox(name, caption.c_str(), place); break;
    case TControlKind::Label: {
        const HWND label = AddLabel(name, caption, place);
        if (!row.Tooltip.empty())
            AddTooltip(Handle(), label, Wide(row.Tooltip));
        break;
    }
    case TControlKind::PathLabel: built.Part = std::make_unique<TPathLabel>(*this, row, place); break;
    case TControlKind::Button: AddGlyphButton(name, caption.c_str(), row.Glyph, place, id, row.IsDefault); break;
    case TControlKind::Edit:
        built.Part = std::make_unique<TKanaEditBox>(*this, row, place, id);
        break;
    case TControlKind::RadioGroup: built.Part = std::make_unique<TRadioGroup>(*this, row, place, id); break;
    case TControlKind::Preview: built.Part = std::make_unique<TPreviewPanel>(*this, row.Name, place, id, row.Picture, row.TabStop); break;
    case TControlKind::ProgramIcon: AddProgramIcon(name, {place.Left, place.Top}); break;
    case TControlKind::ScoreList: built.Part = std::make_unique<TScoreListView>(*this, row.Name, place, row.TabStop); break;
    case TControlKind::Memo:
        built.Part = std::make_unique<TMemoBox>(*this, row.Name, row.Caption, place, row.TabStop);
        break;
    case TControlKind::CommandList: built.Part = std::make_unique<TCommandList>(*this, row.Name, place); break;
    case TControlKind::KanaChart: built.Part = std::make_unique<TKanaChart>(*this, row.Name, place); break;
    case TControlKind::CheckBox: built.Part = std::make_unique<TCheckBox>(*this, row, place, id); break;
    }
    return built;
}
