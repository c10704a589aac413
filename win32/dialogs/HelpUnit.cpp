#include "win32/dialogs/HelpUnit.h"

#include <string>

#include "app/InfoTexts.h"
#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "win32/common/UiFont.h"
#include "storage/WindowsText.h"

THelpForm* HelpForm = nullptr;

namespace {

constexpr int IconSide = 16;
// In tenths of a point: the dialog's 8 points down to the smallest size still easy to read.
constexpr int TextSize = 80;
constexpr int SmallestTextSize = 60;

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

// True when every line of the text fits the box's width and all of them its height, in the font.
bool TextFits(HWND box, HFONT font)
{
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const HDC dc = GetDC(box);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    bool fits = static_cast<long>(HelpLines.size()) * metrics.tmHeight <= area.bottom - area.top;
    for (const std::string_view line : HelpLines) {
        const std::wstring text = Wide(std::string(line));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        fits = fits && extent.cx <= area.right - area.left;
    }
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    return fits;
}

}  // namespace

THelpForm::THelpForm(HWND owner)
    : TTesuliDialog(owner, "HelpForm", L"Tesuli Help", {678, 502})
{
    CloseBtn = AddGlyphButton("CloseBtn", L"Close", TButtonGlyph::Tick, {536, 472, 75, 25}, IDOK, true);
    HelpGroupBox = AddGroupBox("HelpGroupBox", L"Tesuli Help", {8, 8, 665, 273});
    HelpMemo = AddControl("HelpMemo", WC_EDITW, WithCrLf(HelpText()), ES_MULTILINE | ES_READONLY, {16, 23, 649, 250});
    FitTextToBox();
    AddBevel("Bevel1", {8, 288, 665, 177});
    MenuListView = AddControl("MenuListView", WC_LISTVIEWW, L"", LVS_LIST | LVS_SINGLESEL | LVS_SHAREIMAGELISTS,
                              {16, 296, 649, 161}, 0, WS_EX_CLIENTEDGE);
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
    if (MemoFont)
        DeleteObject(MemoFont);
}

// The box has no scroll bar and each line was written to fill its width: where the system's
// stand-in for the dialog font runs wider than the font the lines were written for, the box takes a
// smaller size of it. Should even the smallest readable size not fit, a scroll bar keeps the rest
// reachable.
void THelpForm::FitTextToBox()
{
    const UINT dpi = Dpi();
    HFONT chosen = nullptr;
    for (int size = TextSize; size >= SmallestTextSize && !chosen; size -= 5) {
        const HFONT font = CreateUiFont(dpi, size);
        if (TextFits(HelpMemo, font))
            chosen = font;
        else
            DeleteObject(font);
    }
    SendMessageW(HelpMemo, WM_SETFONT, reinterpret_cast<WPARAM>(chosen ? chosen : Font()), TRUE);
    ShowScrollBar(HelpMemo, SB_VERT, chosen ? FALSE : TRUE);
    if (MemoFont)
        DeleteObject(MemoFont);
    MemoFont = chosen;
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
    ListView_SetColumnWidth(MenuListView, 0, Scaled(649 - 8, Dpi()));
    if (MenuImageList)
        ImageList_Destroy(MenuImageList);
    MenuImageList = icons;
}

void THelpForm::DpiChanged()
{
    SetCommandIcons();
    FitTextToBox();
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
