#include "win32/dialogs/CommandList.h"

#include "app/InfoTexts.h"
#include "storage/WindowsText.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"

namespace {

constexpr int IconSide = 16;
constexpr int ItemMargin = 8;

}  // namespace

TCommandList::TCommandList(TTesuliDialog& dialog, const std::string& name, TPlace place)
    : Width(place.Width)
{
    List = dialog.AddControl(name.c_str(), WC_LISTVIEWW, L"", LVS_LIST | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, place, 0,
                             WS_EX_CLIENTEDGE);
    SetIcons();
    for (int index = 0; index < static_cast<int>(HelpCommands.size()); ++index) {
        const THelpCommand& command = HelpCommands[static_cast<size_t>(index)];
        std::wstring caption = Wide(std::string(command.Caption));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = caption.data();
        item.iImage = static_cast<int>(command.Command);
        ListView_InsertItem(List, &item);
    }
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
    ListView_SetColumnWidth(List, 0, Scaled(Width - ItemMargin, dpi));
    if (Icons)
        ImageList_Destroy(Icons);
    Icons = icons;
}

void TCommandList::DpiChanged()
{
    SetIcons();
}

LRESULT TCommandList::Notify(const NMHDR& header)
{
    if (header.hwndFrom != List || header.code != LVN_ITEMCHANGING)
        return 0;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    return (change.uChanged & LVIF_STATE) && (change.uNewState & (LVIS_SELECTED | LVIS_FOCUSED)) ? TRUE : FALSE;
}
