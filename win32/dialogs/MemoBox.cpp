#include "win32/dialogs/MemoBox.h"

#include <algorithm>

#include "storage/WindowsText.h"
#include "win32/common/UiFont.h"

namespace {

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
bool TextFits(HWND box, const std::string& text, HFONT font)
{
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const HDC dc = GetDC(box);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    long height = 0;
    bool fits = true;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::wstring line = Wide(text.substr(start, end - start));
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        fits = fits && extent.cx <= area.right - area.left;
        height += metrics.tmHeight;
        start = end + 1;
    }
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    return fits && height <= area.bottom - area.top;
}

}  // namespace

TMemoBox::TMemoBox(TTesuliDialog& dialog, const std::string& name, const std::string& text, TPlace place)
    : Text(text)
{
    Box = dialog.AddControl(name.c_str(), WC_EDITW, WithCrLf(text), ES_MULTILINE | ES_READONLY, place);
    FitTextToBox();
}

TMemoBox::~TMemoBox()
{
    if (Font)
        DeleteObject(Font);
}

void TMemoBox::DpiChanged()
{
    FitTextToBox();
}

// The box has no scroll bar and each line was written to fill its width: where the system's
// stand-in for the dialog font runs wider than the font the lines were written for, the box takes a
// smaller size of it. Should even the smallest readable size not fit, a scroll bar keeps the rest
// reachable.
void TMemoBox::FitTextToBox()
{
    const UINT dpi = GetDpiForWindow(Box);
    HFONT chosen = nullptr;
    for (int size = TextSize; size >= SmallestTextSize && !chosen; size -= 5) {
        const HFONT font = CreateUiFont(dpi, size);
        if (TextFits(Box, Text, font))
            chosen = font;
        else
            DeleteObject(font);
    }
    if (chosen)
        SendMessageW(Box, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    ShowScrollBar(Box, SB_VERT, chosen ? FALSE : TRUE);
    if (Font)
        DeleteObject(Font);
    Font = chosen;
}
