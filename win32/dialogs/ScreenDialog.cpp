#include "win32/dialogs/ScreenDialog.h"

#include <shellapi.h>
#include <shlobj.h>

#include <stdexcept>

#include "storage/WindowsText.h"
#include "win32/common/MessageBox.h"
#include "win32/dialogs/CheckBox.h"
#include "win32/dialogs/KanaChart.h"
#include "win32/dialogs/PreviewPanel.h"
#include "win32/dialogs/RadioGroup.h"
#include "win32/dialogs/SaveFileDialog.h"
#include "win32/dialogs/ScoreListView.h"

TScreenDialog::TScreenDialog(HWND owner, TDialogLogic& logic)
    : TTesuliDialog(owner, logic.Screen().Name, Wide(logic.Screen().Caption).c_str(),
                    {logic.Screen().ClientWidth, logic.Screen().ClientHeight})
    , Logic(logic)
{
    Build(logic.Screen());
}

HWND TScreenDialog::Control(std::string_view name) const
{
    for (const auto& [named, control] : NamedControls())
        if (named == name)
            return control;
    throw std::logic_error(NoControlText(Name(), name));
}

const TScreenDialog::TBuilt& TScreenDialog::Find(std::string_view name) const
{
    for (const TBuilt& built : Controls)
        if (built.Row->Name == name)
            return built;
    throw std::logic_error(NoControlText(Name(), name));
}

template <typename Part>
Part& TScreenDialog::PartOf(std::string_view name) const
{
    if (auto* part = dynamic_cast<Part*>(Find(name).Part.get()))
        return *part;
    throw std::logic_error(Name() + "." + std::string(name) + " is not of the kind asked");
}

int TScreenDialog::ItemIndex(std::string_view radioGroup) const
{
    if (const auto* box = dynamic_cast<const TCheckBox*>(Find(radioGroup).Part.get()))
        return box->ItemIndex();
    return PartOf<TRadioGroup>(radioGroup).ItemIndex();
}

void TScreenDialog::SetItemIndex(std::string_view radioGroup, int index)
{
    if (auto* box = dynamic_cast<TCheckBox*>(Find(radioGroup).Part.get())) {
        box->SetItemIndex(index);
        return;
    }
    PartOf<TRadioGroup>(radioGroup).SetItemIndex(index);
}

void TScreenDialog::SetChosen(std::string_view preview, bool chosen)
{
    PartOf<TPreviewPanel>(preview).SetChosen(chosen);
}

void TScreenDialog::SetPicture(std::string_view preview, const TSheetCell& picture)
{
    PartOf<TPreviewPanel>(preview).SetPicture(picture);
}

std::string TScreenDialog::Text(std::string_view control) const
{
    return Utf8(ControlText(Control(control)));
}

void TScreenDialog::SetText(std::string_view control, const std::string& text)
{
    SetLabelText(Control(control), Wide(text));
}

void TScreenDialog::SetRows(std::string_view scoreList, const std::vector<TScoreRow>& rows)
{
    PartOf<TScoreListView>(scoreList).SetRows(rows);
}

void TScreenDialog::SetChart(std::string_view kanaChart, const std::vector<TChartCellLook>& cells)
{
    PartOf<TKanaChart>(kanaChart).SetCells(cells);
}

void TScreenDialog::SetFocus(std::string_view control)
{
    const HWND focus = Control(control);
    SetFirstFocus(focus);
    if (Visible())
        ::SetFocus(focus);
}

void TScreenDialog::ShowMessage(TMessageRequest request)
{
    ::ShowMessage(Handle(), request);
}

std::optional<TDialogView::TSaveChoice> TScreenDialog::AskSaveFileName(std::span<const TExportFilter> filters,
                                                                        const std::filesystem::path& proposed)
{
    return ::AskSaveFileName(Handle(), filters, proposed);
}

// The browser runs on its own once started; the shell answers at once whether it could start one.
void TScreenDialog::OpenUrl(std::string_view url, std::function<void()> failed)
{
    const auto started = ShellExecuteW(Handle(), L"open", Wide(std::string(url)).c_str(), nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(started) <= 32)
        failed();
}

std::filesystem::path TScreenDialog::DocumentsFolder() const
{
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::filesystem::path TScreenDialog::ProgramFolder() const
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return std::filesystem::path(path).parent_path();
}

void TScreenDialog::FormShow()
{
    Logic.FormShow(*this);
}

std::optional<RECT> TScreenDialog::BoardToKeepInSight() const
{
    const HWND owner = GetWindow(Handle(), GW_OWNER);
    const HWND board = Logic.Screen().BesideBoard ? FindWindowExW(owner, nullptr, L"TesuliBoard", nullptr) : nullptr;
    RECT shown;
    if (!board || !IsWindowVisible(board) || !GetWindowRect(board, &shown))
        return std::nullopt;
    return shown;
}

void TScreenDialog::Refresh()
{
    Logic.Refresh(*this);
}

void TScreenDialog::ClickOn(const TBuilt& control, int item)
{
    Logic.Click(*this, control.Row->Name, item);
}

// Enter arrives as the default button's identifier or IDOK, Escape and the closing of the window
// as IDCANCEL.
void TScreenDialog::Command(int id, int code)
{
    if (code >= TPreviewPanel::PreviewStep && code < TPreviewPanel::PreviewStepEnd) {
        StepPreview(id, static_cast<TArrow>(code - TPreviewPanel::PreviewStep));
        return;
    }
    if (code == EN_CHANGE) {
        for (const TBuilt& control : Controls)
            if (control.Id == id && control.Part)
                control.Part->TextChanged();
        return;
    }
    if (code != BN_CLICKED)
        return;
    for (const TBuilt& control : Controls) {
        const TControl& row = *control.Row;
        // A radio group's frame has no identifier of its own: its items share its first.
        if (auto* group = dynamic_cast<TRadioGroup*>(control.Part.get())) {
            if (const int item = group->ItemOf(id); item >= 0) {
                group->MoveTabStopToChosen();
                ClickOn(control, item);
                return;
            }
        } else if (const auto* box = dynamic_cast<const TCheckBox*>(control.Part.get()); box && id == control.Id) {
            ClickOn(control, box->ItemIndex());
            return;
        } else if ((id == IDOK && row.IsDefault) || (id == IDCANCEL && row.IsCancel) || id == control.Id) {
            ClickOn(control, -1);
            return;
        }
    }
}

void TScreenDialog::StepPreview(int id, TArrow arrow)
{
    for (const TBuilt& control : Controls)
        if (control.Id == id) {
            const TControl& next = Logic.Screen().StepInGroup(control.Row->Name, arrow);
            ::SetFocus(Control(next.Name));
            ClickOn(Find(next.Name), -1);
            return;
        }
}

LRESULT TScreenDialog::Notify(const NMHDR& header)
{
    for (const TBuilt& control : Controls)
        if (control.Part)
            if (const LRESULT answer = control.Part->Notify(header))
                return answer;
    return 0;
}

void TScreenDialog::DpiChanged()
{
    for (const TBuilt& control : Controls)
        if (control.Part)
            control.Part->DpiChanged();
}
