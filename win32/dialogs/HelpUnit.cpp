#include "win32/dialogs/HelpUnit.h"

#include <string>

#include "app/InfoTexts.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "storage/WindowsText.h"

THelpForm* HelpForm = nullptr;

namespace {

constexpr int IconSide = 16;
// The list's place; inside its sunken edge, a white margin of 5 surrounds the items.
constexpr TPlace MenuListPlace{16, 296, 649, 161};
constexpr int MenuListMargin = 5;

// The edit box breaks lines at CR LF only.
std::wstring WithCrLf(const std::string& text)
{
    std::wstring lines;
    for (const wchar_t c : Wide(text)) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    return lines;
}

// True when the box's lines, wrapped at its width, run past its height.
bool TextOverflows(HWND box)
{
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const HDC dc = GetDC(box);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    const LRESULT lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    return lines * metrics.tmHeight > area.bottom - area.top;
}

}  // namespace

THelpForm::THelpForm(HWND owner)
    : TTesuliDialog(owner, "HelpForm", L"Tesuli Help", {678, 502})
{
    CloseBtn = AddGlyphButton("CloseBtn", L"Close", TButtonGlyph::Tick, {536, 472, 75, 25}, IDOK, true);
    HelpGroupBox = AddGroupBox("HelpGroupBox", L"Tesuli Help", {8, 8, 665, 273});
    HelpMemo = AddControl("HelpMemo", WC_EDITW, WithCrLf(HelpText()), ES_MULTILINE | ES_READONLY, {16, 23, 649, 250});
    ShowScrollBarWhereNeeded();
    AddBevel("Bevel1", {8, 288, 665, 177});
    // A list view has no margin of its own: it stands borderless inside a white sunken frame. One
    // column without a header shows the items as a list does, but without the room a list keeps
    // free for a scroll bar, which would push the last command out of view.
    MenuListFrame = AddControl("MenuListFrame", WC_STATICW, L"", SS_WHITERECT, MenuListPlace, 0, WS_EX_CLIENTEDGE);
    MenuListView = AddControl("MenuListView", WC_LISTVIEWW, L"",
                              LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, MenuListPlace);
    LVCOLUMNW column{};
    ListView_InsertColumn(MenuListView, 0, &column);
    PlaceMenuList();
    SetCommandIcons();
    for (int index = 0; index < static_cast<int>(HelpCommands.size()); ++index) {
        const THelpCommand& command = HelpCommands[static_cast<size_t>(index)];
        std::wstring caption = Wide(std::string(command.Caption));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = caption.data();
        item.iImage = static_cast<int>(command.Icon);
        ListView_InsertItem(MenuListView, &item);
    }
}

THelpForm::~THelpForm()
{
    ImageList_Destroy(MenuImageList);
}

// The box keeps the dialog's font and wraps its lines as a memo does; where they run past its
// height, a scroll bar keeps the rest in reach.
void THelpForm::ShowScrollBarWhereNeeded()
{
    ShowScrollBar(HelpMemo, SB_VERT, FALSE);
    if (TextOverflows(HelpMemo))
        ShowScrollBar(HelpMemo, SB_VERT, TRUE);
}

// Inside the frame's sunken edge, as wide as the system draws it at this DPI, and the margin.
void THelpForm::PlaceMenuList()
{
    RECT area;
    GetWindowRect(MenuListFrame, &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    const int inset = GetSystemMetricsForDpi(SM_CXEDGE, Dpi()) + Scaled(MenuListMargin, Dpi());
    InflateRect(&area, -inset, -inset);
    SetWindowPos(MenuListView, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ListView_SetColumnWidth(MenuListView, 0, LVSCW_AUTOSIZE_USEHEADER);
}

// The pictures of all commands, in the order of their names, so that an icon's index is its command.
void THelpForm::SetCommandIcons()
{
    const int side = Scaled(IconSide, Dpi());
    const HIMAGELIST icons = ImageList_Create(side, side, ILC_COLOR32, 9, 0);
    for (int icon = 0; icon <= static_cast<int>(TCommandIcon::Scores); ++icon) {
        const HICON drawn = CreateCommandIcon(static_cast<TCommandIcon>(icon), side, TIconLook::Normal);
        ImageList_AddIcon(icons, drawn);
        DestroyIcon(drawn);
    }
    ListView_SetImageList(MenuListView, icons, LVSIL_SMALL);
    if (MenuImageList)
        ImageList_Destroy(MenuImageList);
    MenuImageList = icons;
}

void THelpForm::DpiChanged()
{
    PlaceMenuList();
    SetCommandIcons();
    ShowScrollBarWhereNeeded();
}

LRESULT THelpForm::Notify(const NMHDR& header)
{
    // The list only shows: nothing in it can be selected.
    if (header.hwndFrom == MenuListView && header.code == LVN_ITEMCHANGING) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        return (change.uChanged & LVIF_STATE) && (change.uNewState & (LVIS_SELECTED | LVIS_FOCUSED)) ? TRUE : FALSE;
    }
    return 0;
}

void THelpForm::CloseBtnClick()
{
    Hide();
}

void THelpForm::Command(int id, int)
{
    if (id == IDOK || id == IDCANCEL)
        CloseBtnClick();
}
