#include "win32/dialogs/PreviewPanel.h"

#include "win32/common/Dpi.h"
#include "win32/common/SpriteUnit.h"
#include "win32/common/WindowClass.h"

namespace {

constexpr const wchar_t* PanelClass = L"TesuliPreviewPanel";
// Outer bevel, border and inner bevel around the picture.
constexpr int PictureInset = 5;
constexpr int InnerBevelInset = 4;
constexpr int FocusInset = 2;  // the focus frame, in the border

}  // namespace

TPreviewPanel::TPreviewPanel(TTesuliDialog& dialog, const std::string& name, TPlace place, int id,
                             const TSheetCell& picture, bool tabStop)
    : Dialog(dialog), Shown(picture), Id(id)
{
    RegisterOwnedClass<TPreviewPanel>(PanelClass, 0, nullptr, nullptr);
    // Reached with Tab and chosen with the space bar, as a button is.
    dialog.AddControl(name.c_str(), PanelClass, L"", WS_CLIPCHILDREN | (tabStop ? WS_TABSTOP : 0), place, id, 0, this);
    dialog.AddName(PreviewImageName(name), Picture);
}

TPreviewPanel::~TPreviewPanel()
{
    // The panel's window goes with its dialog, after this object.
    if (IsWindow(Panel))
        SetWindowLongPtrW(Panel, GWLP_USERDATA, 0);
}

void TPreviewPanel::SetChosen(bool chosen)
{
    Chosen = chosen;
    InvalidateRect(Panel, nullptr, TRUE);
    InvalidateRect(Picture, nullptr, FALSE);  // the gaps between the faces
}

void TPreviewPanel::SetPicture(const TSheetCell& picture)
{
    const bool resized = picture.Cell.Width != Shown.Cell.Width || picture.Cell.Height != Shown.Cell.Height;
    Shown = picture;
    if (resized)
        Dialog.Resize(Panel, Shown.Cell.Width + 2 * PictureInset, Shown.Cell.Height + 2 * PictureInset);
    PlacePicture();
    InvalidateRect(Picture, nullptr, FALSE);
}

void TPreviewPanel::PlacePicture()
{
    const UINT dpi = GetDpiForWindow(Panel);
    SetWindowPos(Picture, nullptr, Scaled(PictureInset, dpi), Scaled(PictureInset, dpi),
                 Scaled(Shown.Cell.Width, dpi), Scaled(Shown.Cell.Height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TPreviewPanel::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Panel, &paint);
    RECT area;
    GetClientRect(Panel, &area);
    FillRect(dc, &area, GetSysColorBrush(Chosen ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    DrawEdge(dc, &area, Chosen ? BDR_SUNKENOUTER : BDR_RAISEDOUTER, BF_RECT);
    const int inset = Scaled(InnerBevelInset, GetDpiForWindow(Panel));
    InflateRect(&area, -inset, -inset);
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    if (GetFocus() == Panel) {
        const int focusInset = Scaled(FocusInset, GetDpiForWindow(Panel)) - inset;
        InflateRect(&area, -focusInset, -focusInset);
        DrawFocusRect(dc, &area);
    }
    EndPaint(Panel, &paint);
}

void TPreviewPanel::Notify(WORD code) const
{
    SendMessageW(GetParent(Panel), WM_COMMAND, MAKEWPARAM(Id, code), reinterpret_cast<LPARAM>(Panel));
}

void TPreviewPanel::DrawPicture(const DRAWITEMSTRUCT& item) const
{
    const RECT& to = item.rcItem;
    if (Shown.Sheet == TSheet::TileFace) {
        const UINT dpi = GetDpiForWindow(Panel);
        FillRect(item.hDC, &to, GetSysColorBrush(Chosen ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
        DrawTileFace(item.hDC, Shown.Face, dpi, to.left, to.top);
        for (size_t n = 1; n <= Shown.Partners.size(); ++n)
            DrawTileFace(item.hDC, Shown.Partners[n - 1], dpi, to.left + Scaled(static_cast<int>(n) * PartnerStep, dpi),
                         to.top);
        return;
    }
    // The texture drawn for the DPI; stretched only between the two sizes the artwork comes in.
    const int scale = ArtworkScale(GetDpiForWindow(Panel));
    const TDib& sheet = ImageForm->BackgroundImage.Image(scale);
    const TDesignRect& cell = Shown.Cell;
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, to.left, to.top, to.right - to.left, to.bottom - to.top, sheet.Dc(), cell.Left * scale,
               cell.Top * scale, cell.Width * scale, cell.Height * scale, SRCCOPY);
}

LRESULT TPreviewPanel::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        Panel = window;
        Picture = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, 0, 0, 0, 0,
                                  window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), GetModuleHandleW(nullptr),
                                  nullptr);
        return Picture ? 0 : -1;
    case WM_SIZE:
        PlacePicture();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DRAWITEM:
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED)
            Notify(BN_CLICKED);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_LEFT: Notify(PreviewStep + static_cast<WORD>(TArrow::Left)); return 0;
        case VK_RIGHT: Notify(PreviewStep + static_cast<WORD>(TArrow::Right)); return 0;
        case VK_UP: Notify(PreviewStep + static_cast<WORD>(TArrow::Up)); return 0;
        case VK_DOWN: Notify(PreviewStep + static_cast<WORD>(TArrow::Down)); return 0;
        case VK_SPACE: Notify(BN_CLICKED); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
        }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
