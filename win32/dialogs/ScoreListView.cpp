#include "win32/dialogs/ScoreListView.h"

#include <algorithm>

#include "storage/WindowsText.h"
#include "win32/common/Dpi.h"
#include "win32/common/KanaText.h"

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

TScoreListView::TScoreListView(TTesuliDialog& dialog, const std::string& name, TPlace place, bool tabStop)
{
    List = dialog.AddControl(name.c_str(), WC_LISTVIEWW, L"",
                             LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | (tabStop ? WS_TABSTOP : 0), place, 0,
                             WS_EX_CLIENTEDGE);
    // The info tip shows a row's whole map where its column cuts it short.
    ListView_SetExtendedListViewStyle(List, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
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

void TScoreListView::SetRows(const std::vector<TScoreRow>& rows)
{
    Rows = rows;
    // Drawn once when all are in: a redraw for each of many rows takes seconds.
    SendMessageW(List, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(List);
    ListView_SetItemCount(List, static_cast<int>(rows.size()));
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
    SendMessageW(List, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(List, nullptr, TRUE);
}

// A cell whose text holds kana is drawn here, its kana in the kana face; the others as the list draws them.
LRESULT TScoreListView::DrawCell(NMLVCUSTOMDRAW& draw) const
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: break;
    default: return CDRF_DODEFAULT;
    }
    const auto row = static_cast<size_t>(draw.nmcd.dwItemSpec);
    const auto column = static_cast<size_t>(draw.iSubItem);
    if (row >= Rows.size() || column >= ScoreColumnCount)
        return CDRF_DODEFAULT;
    const std::wstring text = Wide(Rows[row][column]);
    if (std::none_of(text.begin(), text.end(), IsKana))
        return CDRF_DODEFAULT;
    RECT cell{};
    ListView_GetSubItemRect(List, static_cast<int>(row), static_cast<int>(column), LVIR_LABEL, &cell);
    const bool selected = ListView_GetItemState(List, static_cast<int>(row), LVIS_SELECTED) != 0;
    FillRect(draw.nmcd.hdc, &cell, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(draw.nmcd.hdc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(draw.nmcd.hdc, TRANSPARENT);
    const int saved = SaveDC(draw.nmcd.hdc);
    IntersectClipRect(draw.nmcd.hdc, cell.left, cell.top, cell.right, cell.bottom);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(List, WM_GETFONT, 0, 0));
    const UINT dpi = GetDpiForWindow(List);
    const SIZE extent = MixedTextExtent(draw.nmcd.hdc, text, font, KanaFontFor(dpi));
    DrawMixedText(draw.nmcd.hdc, cell.left + Scaled(2, dpi), cell.top + (cell.bottom - cell.top - extent.cy) / 2, text,
                  font, KanaFontFor(dpi));
    RestoreDC(draw.nmcd.hdc, saved);
    return CDRF_SKIPDEFAULT;
}

LRESULT TScoreListView::Notify(const NMHDR& header)
{
    if (header.hwndFrom == List && header.code == NM_CUSTOMDRAW)
        return DrawCell(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
    if (header.hwndFrom != List || header.code != LVN_GETINFOTIPW)
        return 0;
    auto& tip = const_cast<NMLVGETINFOTIPW&>(reinterpret_cast<const NMLVGETINFOTIPW&>(header));
    if (tip.iItem < 0 || tip.iItem >= static_cast<int>(Rows.size()) || tip.cchTextMax <= 0)
        return 0;
    const std::wstring map = Wide(Rows[static_cast<size_t>(tip.iItem)][ScoreColumnCount - 1]);
    const size_t length = std::min(map.size(), static_cast<size_t>(tip.cchTextMax - 1));
    std::copy_n(map.begin(), length, tip.pszText);
    tip.pszText[length] = L'\0';
    return 0;
}

void TScoreListView::DpiChanged()
{
    SetColumnWidths();
}

// The columns' own widths; the date column widens where the locale's date and time need it, the map
// column for a map with its learning modes ("Babel / basic and voiced kana"), the list scrolling
// sideways. A longer text, such as a long name, ends in an ellipsis in its column.
void TScoreListView::SetColumnWidths()
{
    const UINT dpi = GetDpiForWindow(List);
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const int designed = Scaled(ScoreColumns[static_cast<size_t>(column)].Width, dpi);
        int width = designed;
        if (column == 0 || column == ScoreColumnCount - 1) {
            ListView_SetColumnWidth(List, column, LVSCW_AUTOSIZE);
            width = std::max(designed, ListView_GetColumnWidth(List, column));
        }
        ListView_SetColumnWidth(List, column, width);
    }
}
