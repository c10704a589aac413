#include "win32/dialogs/ScoreList.h"

#include <algorithm>

#include "storage/WindowsText.h"
#include "win32/common/Dpi.h"

namespace {

int FormatOf(TColumnAlignment alignment)
{
    switch (alignment) {
    case TColumnAlignment::Left: return LVCFMT_LEFT;
    case TColumnAlignment::Center: return LVCFMT_CENTER;
    case TColumnAlignment::Right: return LVCFMT_RIGHT;
    }
    return LVCFMT_LEFT;
}

}  // namespace

TScoreList::TScoreList(TTesuliDialog& dialog, const std::string& name, TPlace place)
{
    List = dialog.AddControl(name.c_str(), WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER, place, 0,
                             WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(List, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const TScoreColumn& shown = ScoreColumns[static_cast<size_t>(column)];
        std::wstring caption = Wide(shown.Caption);
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        info.fmt = FormatOf(shown.Alignment);
        info.pszText = caption.data();
        info.iSubItem = column;
        ListView_InsertColumn(List, column, &info);
    }
    SetColumnWidths();
}

void TScoreList::SetRows(const std::vector<TScoreRow>& rows)
{
    ListView_DeleteAllItems(List);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < ScoreColumnCount; ++column) {
            std::wstring text = Wide(rows[static_cast<size_t>(row)][static_cast<size_t>(column)]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = column;
            item.pszText = text.data();
            if (column == 0)
                ListView_InsertItem(List, &item);
            else
                ListView_SetItem(List, &item);
        }
    }
    SetColumnWidths();
}

void TScoreList::DpiChanged()
{
    SetColumnWidths();
}

// The columns' own widths, wider only where a text would otherwise be cut off: the locale's date
// and time, or a long name.
void TScoreList::SetColumnWidths()
{
    const UINT dpi = GetDpiForWindow(List);
    for (int column = 0; column < ScoreColumnCount; ++column) {
        ListView_SetColumnWidth(List, column, LVSCW_AUTOSIZE);
        const int needed = ListView_GetColumnWidth(List, column);
        const int designed = Scaled(ScoreColumns[static_cast<size_t>(column)].Width, dpi);
        ListView_SetColumnWidth(List, column, std::max(needed, designed));
    }
}
