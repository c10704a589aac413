#include "win32/dialogs/KanaChart.h"

#include "storage/WindowsText.h"
#include "win32/common/Dpi.h"
#include "win32/common/SpriteUnit.h"
#include "win32/common/UiFont.h"
#include "win32/common/WindowClass.h"

namespace {

constexpr const wchar_t* ChartClass = L"TesuliKanaChart";

COLORREF ColourOf(uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}

RECT ScaledRect(const TDesignRect& rect, UINT dpi)
{
    return {Scaled(rect.Left, dpi), Scaled(rect.Top, dpi), Scaled(rect.Left + rect.Width, dpi),
            Scaled(rect.Top + rect.Height, dpi)};
}

}  // namespace

TKanaChart::TKanaChart(TTesuliDialog& dialog, const std::string& name, TPlace place)
{
    RegisterOwnedClass<TKanaChart>(ChartClass, 0, nullptr, nullptr);
    dialog.AddControl(name.c_str(), ChartClass, L"", 0, place, 0, 0, this);
    DpiChanged();
}

TKanaChart::~TKanaChart()
{
    // The chart's window goes with its dialog, after this object.
    if (IsWindow(Chart))
        SetWindowLongPtrW(Chart, GWLP_USERDATA, 0);
    if (Font)
        DeleteObject(Font);
}

void TKanaChart::SetCells(const std::vector<TChartCellLook>& cells)
{
    Looks = cells;
    InvalidateRect(Chart, nullptr, TRUE);
}

void TKanaChart::DpiChanged()
{
    if (Font)
        DeleteObject(Font);
    Font = CreateUiFont(GetDpiForWindow(Chart));
    InvalidateRect(Chart, nullptr, TRUE);
}

void TKanaChart::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Chart, &paint);
    RECT area;
    GetClientRect(Chart, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const UINT dpi = GetDpiForWindow(Chart);
    const HGDIOBJ oldFont = SelectObject(dc, Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (const TChartCellLook& look : Looks) {
        if (look.Ground) {
            const RECT cell = ScaledRect(look.Cell, dpi);
            const COLORREF ground = ColourOf(look.Colour);
            const HBRUSH fill = CreateSolidBrush(ground);
            FillRect(dc, &cell, fill);
            DeleteObject(fill);
            const HBRUSH frame = CreateSolidBrush(RGB(GetRValue(ground) * 5 / 7, GetGValue(ground) * 5 / 7,
                                                      GetBValue(ground) * 5 / 7));
            FrameRect(dc, &cell, frame);
            DeleteObject(frame);
        }

        if (look.Picture.Cell.Width > 0) {
            const RECT to = ScaledRect(look.PictureAt, dpi);
            DrawTileFace(dc, look.Picture.Face, dpi, to.left, to.top);
        }
        for (size_t line = 0; line < look.Lines.size(); ++line) {
            RECT at = ScaledRect(look.LineAt[line], dpi);
            const std::wstring text = Wide(look.Lines[line]);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    SelectObject(dc, oldFont);
    EndPaint(Chart, &paint);
}

LRESULT TKanaChart::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        Chart = window;
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
