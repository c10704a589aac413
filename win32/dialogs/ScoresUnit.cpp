#include "win32/dialogs/ScoresUnit.h"

#include <commdlg.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/ScoresExport.h"
#include "win32/common/Dpi.h"
#include "win32/common/MessageBox.h"
#include "storage/WindowsText.h"

TScoresForm* ScoresForm = nullptr;

namespace {

constexpr int ExportId = 101;

int FormatOf(TColumnAlignment alignment)
{
    switch (alignment) {
    case TColumnAlignment::Left: return LVCFMT_LEFT;
    case TColumnAlignment::Center: return LVCFMT_CENTER;
    case TColumnAlignment::Right: return LVCFMT_RIGHT;
    }
    return LVCFMT_LEFT;
}

// Caption and pattern of each filter, each ended by a null, the list by a second one.
std::wstring SaveDialogFilters()
{
    std::wstring filters;
    for (const TExportFilter& filter : ExportFilters) {
        filters += Wide(filter.Caption) + L'\0';
        filters += Wide(filter.Pattern) + L'\0';
    }
    return filters;
}

struct TChosenFile {
    std::string Name;
    const TExportFilter* Filter;
};

// The common save dialog; nothing when the player cancels it. An existing file is replaced
// without a question.
std::optional<TChosenFile> RunSaveDialog(HWND owner)
{
    const std::wstring filters = SaveDialogFilters();
    std::wstring name(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) {
        if (CommDlgExtendedError() != 0)
            throw std::runtime_error("The save dialog could not be opened.");
        return std::nullopt;
    }
    name.resize(name.find(L'\0'));
    const DWORD chosen = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= ExportFilters.size() ? dialog.nFilterIndex : 1;
    return TChosenFile{Utf8(name), &ExportFilters[chosen - 1]};
}

}  // namespace

TScoresForm::TScoresForm(HWND owner)
    : TTesuliDialog(owner, "ScoresForm", L"Tesuli Scores", {497, 535})
{
    AddBevel("Bevel1", {0, 0, 497, 497});
    ScoresListView = AddControl("ScoresListView", WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
                                {8, 8, 481, 481}, 0, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(ScoresListView, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const TScoreColumn& shown = ScoreColumns[static_cast<size_t>(column)];
        std::wstring caption = Wide(shown.Caption);
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        info.fmt = FormatOf(shown.Alignment);
        info.pszText = caption.data();
        info.iSubItem = column;
        ListView_InsertColumn(ScoresListView, column, &info);
    }
    SetColumnWidths();
    AcceptBitBtn = AddGlyphButton("AcceptBitBtn", L"Close", TButtonGlyph::Tick, {336, 504, 75, 25}, IDOK, true);
    ExportBitBtn = AddGlyphButton("ExportBitBtn", L"Export", TButtonGlyph::Save, {64, 504, 75, 25}, ExportId);
}

// The columns' own widths; the date column alone widens where the locale's date and time need it.
// A longer text, such as a long name, ends in an ellipsis in its column.
void TScoresForm::SetColumnWidths()
{
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const int designed = Scaled(ScoreColumns[static_cast<size_t>(column)].Width, Dpi());
        int width = designed;
        if (column == 0) {
            ListView_SetColumnWidth(ScoresListView, column, LVSCW_AUTOSIZE);
            width = std::max(designed, ListView_GetColumnWidth(ScoresListView, column));
        }
        ListView_SetColumnWidth(ScoresListView, column, width);
    }
}

void TScoresForm::DpiChanged()
{
    SetColumnWidths();
}

void TScoresForm::FormShow()
{
    ListView_DeleteAllItems(ScoresListView);
    TRegOptions options;
    TScoreList list = ReadScoreRows(options);
    Rows = std::move(list.Rows);
    for (int row = 0; row < static_cast<int>(Rows.size()); ++row) {
        for (int column = 0; column < ScoreColumnCount; ++column) {
            std::wstring text = Wide(Rows[static_cast<size_t>(row)][static_cast<size_t>(column)]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = column;
            item.pszText = text.data();
            if (column == 0)
                ListView_InsertItem(ScoresListView, &item);
            else
                ListView_SetItem(ScoresListView, &item);
        }
    }
    SetColumnWidths();
    if (list.Failure)
        std::rethrow_exception(list.Failure);
}

void TScoresForm::AcceptBitBtnClick()
{
    Hide();
}

void TScoresForm::ExportBitBtnClick()
{
    const std::optional<TChosenFile> chosen = RunSaveDialog(Handle());
    if (!chosen)
        return;
    if (chosen->Name.empty()) {
        ShowError(Handle(), EmptyFileNameText);
        return;
    }
    const std::string fileName = WithDefaultExtension(chosen->Name, *chosen->Filter);
    SaveExportFile(fileName, std::string(Utf8ByteOrderMark) + ExportText(Rows));
    ShowInformation(Handle(), ExportSavedText(fileName));
}

void TScoresForm::Command(int id, int)
{
    if (id == IDOK || id == IDCANCEL)
        AcceptBitBtnClick();
    else if (id == ExportId)
        ExportBitBtnClick();
}
