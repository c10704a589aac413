#include "win32/window/BoardView.h"

#include <windowsx.h>

#include "parallel/SpareCores.h"
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

TBoardView::TBoardView(HWND parent, TPressHandler pressed, TRedrawHandler redraw)
    : Pressed(std::move(pressed)), Redraw(std::move(redraw))
{
    // Without CS_DBLCLKS the second press of a double click arrives as a press of its own.
    RegisterOwnedClass<TBoardView>(BoardClass, 0, nullptr, nullptr);
    Window = CreateWindowExW(0, BoardClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                             GetModuleHandleW(nullptr), this);
}

TDeviceSize TBoardView::ClientSize() const
{
    RECT client{};
    GetClientRect(Window, &client);
    return {client.right, client.bottom};
}

double TBoardView::DeviceRatio() const
{
    return GetDpiForWindow(Window) / double(USER_DEFAULT_SCREEN_DPI);
}

TBoardGeometry TBoardView::Geometry() const
{
    return Fit ? *Fit : TBoardGeometry(ClientSize(), DeviceRatio());
}

void TBoardView::MakePicture()
{
    Fit.emplace(ClientSize(), DeviceRatio());
    Image = std::make_unique<TBoardImage>(*Fit, *ImageForm);
    Image->SetSideBySide(OnSpareCores());
    TFacesAhead::Hand(FacesAhead, *Image);
}

void TBoardView::ExpectFaces(TFacesAhead faces)
{
    FacesAhead.emplace(std::move(faces));
}

TBoardRaster& TBoardView::Picture()
{
    if (!Image)
        MakePicture();
    return *Image;
}

const TDib& TBoardView::Shown()
{
    Picture();
    return Image->Picture();
}

LRESULT TBoardView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything
    case WM_SIZE:
        // A picture only for a size that changed, and only once there is a board to draw.
        if (Image && Fit->Area() != ClientSize()) {
            MakePicture();
            Redraw();
        }
        return 0;
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
    BitBlt(scope.Dc, 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
}

void TBoardView::Press(LPARAM lParam)
{
    // A screen pixel belongs to the board pixel it lies in.
    const TBoardPoint at = Geometry().ToBoard(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    Pressed(at.X, at.Y);
}
