#include "win32/dialogs/KanaChartView.h"

#include "storage/WindowsText.h"
#include "win32/common/Dpi.h"
#include "win32/common/SpriteUnit.h"
#include "win32/common/WindowClass.h"

namespace {

constexpr const wchar_t* ChartClass = L"TesuliKanaChart";

RECT OnScreen(const TDesignRect& rect, UINT dpi)
{
    return {Scaled(rect.Left, dpi), Scaled(rect.Top, dpi), Scaled(rect.Left + rect.Width, dpi),
            Scaled(rect.Top + rect.Height, dpi)};
}

COLORREF ColourOf(uint32_t rgb, int percent = 100)
{
    const auto part = [&](int shift) { return static_cast<BYTE>(((rgb >> shift) & 0xff) * percent / 100); };
    return RGB(part(16), part(8), part(0));
}

}  // namespace

TKanaChartView::TKanaChartView(TTesuliDialog& dialog, const std::string& name, TPlace place)
{
    RegisterOwnedClass<TKanaChartView>(ChartClass, 0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    Chart = dialog.AddControl(name.c_str(), ChartClass, L"", 0, place, 0, 0, this);
}

TKanaChartView::~TKanaChartView()
{
    // The chart's window goes with its dialog, after this object.
    if (IsWindow(Chart))
        SetWindowLongPtrW(Chart, GWLP_USERDATA, 0);
}

void TKanaChartView::SetCells(const std::vector<TChartCellLook>& cells)
{
    Looks = cells;
    InvalidateRect(Chart, nullptr, TRUE);
}

void TKanaChartView::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Chart, &paint);
    const UINT dpi = GetDpiForWindow(Chart);
    const int scale = ArtworkScale(dpi);
    const HGDIOBJ font = SelectObject(dc, Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetStretchBltMode(dc, COLORONCOLOR);
    for (const TChartCellLook& look : Looks) {
        const RECT cell = OnScreen(look.Cell, dpi);
        const HBRUSH ground = CreateSolidBrush(ColourOf(look.Colour));
        FillRect(dc, &cell, ground);
        DeleteObject(ground);
        // A shade darker, as the other front end draws it.
        const HBRUSH edge = CreateSolidBrush(ColourOf(look.Colour, 100 * 10 / 14));
        FrameRect(dc, &cell, edge);
        DeleteObject(edge);
        const TDesignRect& from = look.Picture.Cell;
        const RECT to = OnScreen(look.PictureAt, dpi);
        const TDib& sheet = ImageForm->Sheet(look.Picture.Sheet).Rows(scale, from.Top + from.Height);
        StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, sheet.Dc(), from.Left * scale,
                   from.Top * scale, from.Width * scale, from.Height * scale, SRCCOPY);
        for (size_t line = 0; line < look.Lines.size(); ++line) {
            RECT at = OnScreen(look.LineAt[line], dpi);
            const std::wstring text = Wide(look.Lines[line]);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    SelectObject(dc, font);
    EndPaint(Chart, &paint);
}

LRESULT TKanaChartView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        Chart = window;
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETFONT:
        Font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(Font);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
