#include "win32/window/BoardView.h"

#include <windowsx.h>

#include "win32/common/Dpi.h"
#include "win32/common/SpriteUnit.h"
#include "win32/common/WindowClass.h"

namespace {

constexpr const wchar_t* BoardClass = L"TesuliBoard";

// Ends the paint even when the drawing fails, so that a failure is not repainted forever.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : Window(window) { Dc = BeginPaint(window, &Paint); }
    ~TPaintScope() { EndPaint(Window, &Paint); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    HWND Window;
    PAINTSTRUCT Paint{};
    HDC Dc;
};

}  // namespace

TBoardView::TBoardView(HWND parent, TPressHandler pressed)
    : Pressed(std::move(pressed))
{
    // Without CS_DBLCLKS the second press of a double click arrives as a press of its own.
    RegisterOwnedClass<TBoardView>(BoardClass, 0, nullptr, nullptr);
    Window = CreateWindowExW(0, BoardClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                             GetModuleHandleW(nullptr), this);
}

TBoardImage& TBoardView::Picture()
{
    if (!Image)
        Image = std::make_unique<TBoardImage>(DeviceScale(GetDpiForWindow(Window)), *ImageForm);
    return *Image;
}

void TBoardView::DropPicture()
{
    Image.reset();
}

LRESULT TBoardView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Press(lParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TBoardView::Paint()
{
    TPaintScope scope(Window);
    RECT client;
    GetClientRect(Window, &client);
    if (!Image) {
        FillRect(scope.Dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const TDib& picture = Image->Picture();
    if (client.right == picture.Width() && client.bottom == picture.Height()) {
        BitBlt(scope.Dc, 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
    } else {
        // Between 96 and 192 DPI the nearer drawing is stretched to the window.
        SetStretchBltMode(scope.Dc, HALFTONE);
        SetBrushOrgEx(scope.Dc, 0, 0, nullptr);
        StretchBlt(scope.Dc, 0, 0, client.right, client.bottom, picture.Dc(), 0, 0, picture.Width(), picture.Height(),
                   SRCCOPY);
    }
}

void TBoardView::Press(LPARAM lParam)
{
    // A screen pixel belongs to the board pixel it lies in.
    const UINT dpi = GetDpiForWindow(Window);
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    Pressed(x * USER_DEFAULT_SCREEN_DPI / static_cast<int>(dpi), y * USER_DEFAULT_SCREEN_DPI / static_cast<int>(dpi));
}
