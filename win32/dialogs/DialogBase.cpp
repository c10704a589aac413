#include "win32/dialogs/DialogBase.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "app/DialogPlacement.h"

#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "win32/common/GameDialogs.h"
#include "win32/common/KanaText.h"
#include "win32/common/ProgramIcon.h"
#include "win32/common/UiFont.h"
#include "win32/common/WindowClass.h"

namespace {

constexpr const wchar_t* DialogClass = L"TesuliDialog";
// A fixed single frame with a caption and nothing in it but the title.
constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
constexpr int GlyphSide = 16;

std::vector<TTesuliDialog*>& Forms()
{
    static std::vector<TTesuliDialog*> forms;
    return forms;
}

TPlace ScaledPlace(const TPlace& place, UINT dpi)
{
    return {Scaled(place.Left, dpi), Scaled(place.Top, dpi), Scaled(place.Width, dpi), Scaled(place.Height, dpi)};
}

SIZE FrameSize(SIZE client, UINT dpi)
{
    RECT frame{0, 0, Scaled(client.cx, dpi), Scaled(client.cy, dpi)};
    AdjustWindowRectExForDpi(&frame, DialogStyle, FALSE, DialogExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// A label paints its own text, its kana in the kana face (win32/common/KanaText.h), on the ground
// and in the colour the dialog gives a label.
LRESULT CALLBACK PaintWithKana(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message != WM_PAINT)
        return DefSubclassProc(label, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(label, &paint);
    RECT area;
    GetClientRect(label, &area);
    const auto ground = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    FillRect(dc, &area, ground ? ground : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    DrawMixedText(dc, 0, 0, ControlText(label), font, KanaFontFor(GetDpiForWindow(label)));
    EndPaint(label, &paint);
    return 0;
}

}  // namespace

std::wstring ControlText(HWND control)
{
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

const std::vector<TTesuliDialog*>& GameDialogForms()
{
    return Forms();
}

TTesuliDialog::TTesuliDialog(HWND owner, std::string name, const wchar_t* caption, SIZE clientSize)
    : Owner(owner), FormName(std::move(name)), ClientSize(clientSize)
{
    RegisterOwnedClass<TTesuliDialog>(DialogClass, 0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    const UINT dpi = owner ? GetDpiForWindow(owner) : USER_DEFAULT_SCREEN_DPI;
    const SIZE frame = FrameSize(clientSize, dpi);
    Window = CreateWindowExW(DialogExStyle, DialogClass, caption, DialogStyle, 0, 0, frame.cx, frame.cy, owner, nullptr,
                             GetModuleHandleW(nullptr), this);
    if (!Window)
        throw std::runtime_error("A dialog window could not be created.");
    DialogFont = CreateUiFont(Dpi());
    RegisterGameDialog(Window);
    Forms().push_back(this);
}

TTesuliDialog::~TTesuliDialog()
{
    std::erase(Forms(), this);
    if (IsWindow(Window)) {
        // The messages of its end go past the object, which is no longer whole.
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        DestroyWindow(Window);
    }
    for (const TGlyphButton& button : GlyphButtons)
        ImageList_Destroy(button.Images);
    for (const auto& [picture, icon] : ProgramIcons)
        DestroyIcon(icon);
    DeleteObject(DialogFont);
}

UINT TTesuliDialog::Dpi() const
{
    return GetDpiForWindow(Window);
}

bool TTesuliDialog::Visible() const
{
    return IsWindowVisible(Window) != FALSE;
}

void TTesuliDialog::Appear()
{
    LastFocus = FirstFocus;
    ShowWindow(Window, SW_SHOW);
}

void TTesuliDialog::BringToFront()
{
    SetWindowPos(Window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Window);
    SetActiveWindow(Window);
}

void TTesuliDialog::Hide()
{
    // A message box just closed over the dialog may have left no window active (Wine without a
    // window manager): the keyboard goes back to the main window all the same.
    const HWND active = GetActiveWindow();
    const bool hadTheKeyboard = active == nullptr || active == Window || !IsWindowVisible(active);
    ShowWindow(Window, SW_HIDE);
    if (hadTheKeyboard && Owner && IsWindow(Owner)) {
        SetForegroundWindow(Owner);
        SetActiveWindow(Owner);
    }
}

void TTesuliDialog::CentreOnScreen()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Owner ? Owner : Window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const UINT dpi = Dpi();
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, DialogStyle, FALSE, DialogExStyle, dpi);
    const TFrameExtents extents{-frame.left, -frame.top, frame.right, frame.bottom};
    const RECT& work = monitor.rcWork;
    std::optional<TDeviceRect> board;
    if (const std::optional<RECT> shown = BoardToKeepInSight())
        board = TDeviceRect{shown->left, shown->top, shown->right - shown->left, shown->bottom - shown->top};
    const TDialogPlace place =
        PlaceDialog({Scaled(ClientSize.cx, dpi), Scaled(ClientSize.cy, dpi)}, extents,
                    {work.left, work.top, work.right - work.left, work.bottom - work.top}, board);
    SetWindowPos(Window, nullptr, place.Client.Left - extents.Left, place.Client.Top - extents.Top,
                 place.Client.Width + extents.Left + extents.Right, place.Client.Height + extents.Top + extents.Bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetScrollRanges();
}

void TTesuliDialog::SetScrollRanges()
{
    const UINT dpi = Dpi();
    const SIZE content{Scaled(ClientSize.cx, dpi), Scaled(ClientSize.cy, dpi)};
    // A bar that shows takes room from the other way, which may then need its bar too.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client;
        GetClientRect(Window, &client);
        for (const auto& [bar, length, view] : {std::tuple{SB_HORZ, content.cx, client.right},
                                               std::tuple{SB_VERT, content.cy, client.bottom}}) {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_PAGE;
            info.nMax = length > view ? length - 1 : 0;
            info.nPage = length > view ? static_cast<UINT>(view) : 0;
            SetScrollInfo(Window, bar, &info, TRUE);
            ShowScrollBar(Window, bar, length > view);
        }
    }
    ScrollTo(SB_HORZ, Scrolled.x);
    ScrollTo(SB_VERT, Scrolled.y);
}

void TTesuliDialog::ScrollTo(int bar, int position)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Window, bar, &info);
    const int last = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
    position = info.nPage == 0 ? 0 : std::clamp(position, 0, last);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(Window, bar, &info, TRUE);
    LONG& scrolled = bar == SB_HORZ ? Scrolled.x : Scrolled.y;
    if (scrolled == position)
        return;
    scrolled = position;
    LayOut(Dpi());
    InvalidateRect(Window, nullptr, TRUE);
}

void TTesuliDialog::ScrollBy(int bar, WORD request)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Window, bar, &info);
    const int line = Scaled(16, Dpi());
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    ScrollTo(bar, position);
}

// Tab, Shift+Tab and the arrow keys may go to a control the screen has cut off.
void TTesuliDialog::BringFocusIntoSight()
{
    const HWND focus = GetFocus();
    if (!focus || !IsChild(Window, focus))
        return;
    HWND control = focus;
    while (GetParent(control) != Window)
        control = GetParent(control);
    RECT place, client;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, Window, reinterpret_cast<POINT*>(&place), 2);
    GetClientRect(Window, &client);
    for (const auto& [bar, start, end, view, scrolled] :
         {std::tuple{SB_HORZ, place.left, place.right, client.right, Scrolled.x},
          std::tuple{SB_VERT, place.top, place.bottom, client.bottom, Scrolled.y}}) {
        if (start < 0)
            ScrollTo(bar, scrolled + start);
        else if (end > view)
            ScrollTo(bar, scrolled + std::min(end - view, start));
    }
}

HWND TTesuliDialog::AddControl(const char* name, const wchar_t* className, const std::wstring& text, DWORD style,
                               TPlace place, int id, DWORD extendedStyle, void* creationData)
{
    const TPlace at = ScaledPlace(place, Dpi());
    const HWND control = CreateWindowExW(extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                         at.Left, at.Top, at.Width, at.Height, Window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                         creationData);
    if (!control)
        throw std::runtime_error("A control of a dialog could not be created.");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont), FALSE);
    Placed.push_back({control, place, false});
    if (name)
        AddName(name, control);
    if (!FirstFocus && (style & WS_TABSTOP))
        FirstFocus = control;
    return control;
}

void TTesuliDialog::AddName(std::string name, HWND control)
{
    Named.emplace_back(std::move(name), control);
}

HWND TTesuliDialog::AddBevel(const char* name, TPlace place)
{
    return AddControl(name, WC_STATICW, L"", SS_ETCHEDFRAME, place);
}

HWND TTesuliDialog::AddGroupBox(const char* name, const wchar_t* caption, TPlace place)
{
    return AddControl(name, WC_BUTTONW, caption, BS_GROUPBOX, place);
}

HWND TTesuliDialog::AddLabel(const char* name, const std::wstring& text, TPlace place)
{
    const HWND label = AddControl(name, WC_STATICW, text, SS_LEFT | SS_NOPREFIX, place);
    SetWindowSubclass(label, PaintWithKana, 0, 0);
    Placed.back().FitsText = true;
    LayOut(Dpi());
    return label;
}

void TTesuliDialog::SetLabelText(HWND label, const std::wstring& text)
{
    SetWindowTextW(label, text.c_str());
    LayOut(Dpi());
}

void TTesuliDialog::Resize(HWND control, int width, int height)
{
    for (TPlaced& placed : Placed)
        if (placed.Control == control) {
            placed.Place.Width = width;
            placed.Place.Height = height;
        }
    LayOut(Dpi());
}

HWND TTesuliDialog::AddGlyphButton(const char* name, const wchar_t* caption, TButtonGlyph glyph, TPlace place, int id,
                                   bool isDefault)
{
    const HWND button =
        AddControl(name, WC_BUTTONW, caption, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), place, id);
    if (isDefault)
        DefaultId = id;
    GlyphButtons.push_back({button, glyph, nullptr});
    SetPictures(Dpi());
    return button;
}

HWND TTesuliDialog::AddProgramIcon(const char* name, POINT at)
{
    const HWND picture = AddControl(name, WC_STATICW, L"", SS_ICON | SS_REALSIZECONTROL, {at.x, at.y, 32, 32});
    ProgramIcons.emplace_back(picture, nullptr);
    SetPictures(Dpi());
    return picture;
}

int TTesuliDialog::TextWidth(HWND control, UINT dpi) const
{
    const HDC dc = GetDC(control);
    const SIZE extent = MixedTextExtent(dc, ControlText(control), DialogFont, KanaFontFor(dpi));
    ReleaseDC(control, dc);
    // Back to design pixels, rounded up.
    return MulDiv(extent.cx, USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi)) + 1;
}

void TTesuliDialog::LayOut(UINT dpi)
{
    for (const TPlaced& placed : Placed) {
        TPlace place = placed.Place;
        if (placed.FitsText)
            place.Width = std::max(place.Width, TextWidth(placed.Control, dpi));
        const TPlace at = ScaledPlace(place, dpi);
        SetWindowPos(placed.Control, nullptr, at.Left - Scrolled.x, at.Top - Scrolled.y, at.Width, at.Height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TTesuliDialog::SetPictures(UINT dpi)
{
    const int side = Scaled(GlyphSide, dpi);
    for (TGlyphButton& button : GlyphButtons) {
        // One picture per button state: normal, hot, pressed, disabled, default, stylus hot.
        const HIMAGELIST images = ImageList_Create(side, side, ILC_COLOR32, 6, 0);
        const HICON normal = CreateButtonGlyph(button.Glyph, side, TIconLook::Normal);
        const HICON disabled = CreateButtonGlyph(button.Glyph, side, TIconLook::Greyed);
        for (const HICON state : {normal, normal, normal, disabled, normal, normal})
            ImageList_AddIcon(images, state);
        DestroyIcon(normal);
        DestroyIcon(disabled);
        BUTTON_IMAGELIST list{images, {Scaled(2, dpi), 0, Scaled(2, dpi), 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
        SendMessageW(button.Button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
        if (button.Images)
            ImageList_Destroy(button.Images);
        button.Images = images;
    }
    for (auto& [picture, icon] : ProgramIcons) {
        const HICON drawn = LoadProgramIcon(Scaled(32, dpi));
        SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(drawn), 0);
        if (icon)
            DestroyIcon(icon);
        icon = drawn;
    }
}

void TTesuliDialog::Activated(bool active)
{
    // A plain window does not keep its focus across activations as a dialog box does.
    if (!active) {
        if (const HWND focus = GetFocus(); focus && IsChild(Window, focus))
            LastFocus = focus;
        return;
    }
    SetFocus(LastFocus && IsWindowVisible(LastFocus) ? LastFocus : Window);
}

LRESULT TTesuliDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return Notify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam == 0) {
            ScrollBy(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_MOUSEWHEEL:
        ScrollTo(SB_VERT, Scrolled.y - GET_WHEEL_DELTA_WPARAM(wParam) * Scaled(48, Dpi()) / WHEEL_DELTA);
        return 0;
    case KeyboardMovedMessage:
        BringFocusIntoSight();
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(DefaultId, DC_HASDEFID);
    case WM_CLOSE:
        // Like Escape: the dialog is left only through its own buttons.
        Command(IDCANCEL, 0);
        return 0;
    case WM_ACTIVATE:
        Activated(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_DPICHANGED: {
        const UINT dpi = HIWORD(wParam);
        const HFONT font = CreateUiFont(dpi);
        for (const TPlaced& placed : Placed)
            SendMessageW(placed.Control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        DeleteObject(DialogFont);
        DialogFont = font;
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const SIZE frame = FrameSize(ClientSize, dpi);
        SetWindowPos(Window, nullptr, suggested->left, suggested->top, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        // At the new DPI the dialog takes its designed size where the system suggests.
        Scrolled = {0, 0};
        ShowScrollBar(Window, SB_BOTH, FALSE);
        LayOut(dpi);
        SetPictures(dpi);
        DpiChanged();
        InvalidateRect(Window, nullptr, TRUE);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
