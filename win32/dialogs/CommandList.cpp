#include "win32/dialogs/CommandList.h"

#include "app/InfoTexts.h"
#include "storage/WindowsText.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"

namespace {

constexpr int IconSide = 16;
constexpr int ListMargin = 5;
constexpr int ColumnGap = 8;

}  // namespace

TCommandList::TCommandList(TTesuliDialog& dialog, const std::string& name, TPlace place)
{
    Frame = dialog.AddControl(nullptr, WC_STATICW, L"", SS_WHITERECT, place, 0, WS_EX_CLIENTEDGE);
    // One column without a header shows the items as a list does, but without the room a list keeps
    // free for a scroll bar, which would push the last command out of view.
    List = dialog.AddControl(name.c_str(), WC_LISTVIEWW, L"",
                             LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, place);
    // The name with its picture, then the description in a column of its own, so that they line up.
    LVCOLUMNW column{};
    ListView_InsertColumn(List, 0, &column);
    ListView_InsertColumn(List, 1, &column);
    SetIcons();
    for (int index = 0; index < static_cast<int>(HelpCommands.size()); ++index) {
        const THelpCommand& command = HelpCommands[static_cast<size_t>(index)];
        std::wstring name = Wide(std::string(command.Name));
        std::wstring description = Wide(std::string(command.Description));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = name.data();
        item.iImage = static_cast<int>(command.Command);
        ListView_InsertItem(List, &item);
        ListView_SetItemText(List, index, 1, description.data());
    }
    PlaceList();  // the names' column fits the names, once they are in
}

TCommandList::~TCommandList()
{
    ImageList_Destroy(Icons);
}

// The pictures of all commands, in their order, so that an icon's index is its command.
void TCommandList::SetIcons()
{
    const UINT dpi = GetDpiForWindow(List);
    const int side = Scaled(IconSide, dpi);
    const HIMAGELIST icons = ImageList_Create(side, side, ILC_COLOR32, CommandCount, 0);
    for (int command = 0; command < CommandCount; ++command) {
        const HICON drawn = CreateCommandIcon(static_cast<TCommandId>(command), side, TIconLook::Normal);
        ImageList_AddIcon(icons, drawn);
        DestroyIcon(drawn);
    }
    ListView_SetImageList(List, icons, LVSIL_SMALL);
    if (Icons)
        ImageList_Destroy(Icons);
    Icons = icons;
}

// Inside the frame's sunken edge, as wide as the system draws it at this DPI, and the margin.
void TCommandList::PlaceList()
{
    RECT area;
    GetWindowRect(Frame, &area);
    MapWindowPoints(nullptr, GetParent(Frame), reinterpret_cast<POINT*>(&area), 2);
    const UINT dpi = GetDpiForWindow(Frame);
    const int inset = GetSystemMetricsForDpi(SM_CXEDGE, dpi) + Scaled(ListMargin, dpi);
    InflateRect(&area, -inset, -inset);
    SetWindowPos(List, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ListView_SetColumnWidth(List, 0, LVSCW_AUTOSIZE);
    ListView_SetColumnWidth(List, 0, ListView_GetColumnWidth(List, 0) + Scaled(ColumnGap, dpi));
    ListView_SetColumnWidth(List, 1, LVSCW_AUTOSIZE_USEHEADER);
}

void TCommandList::DpiChanged()
{
    PlaceList();
    SetIcons();
}

LRESULT TCommandList::Notify(const NMHDR& header)
{
    if (header.hwndFrom != List || header.code != LVN_ITEMCHANGING)
        return 0;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    return (change.uChanged & LVIF_STATE) && (change.uNewState & (LVIS_SELECTED | LVIS_FOCUSED)) ? TRUE : FALSE;
}
