#include "win32/dialogs/DialogBase.h"

#include <algorithm>
#include <stdexcept>

#include "win32/common/Artwork.h"
#include "win32/common/Dpi.h"
#include "win32/common/GameDialogs.h"
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

bool IsReadOnlyEdit(HWND control)
{
    wchar_t kind[16] = L"";
    GetClassNameW(control, kind, 16);
    return CompareStringOrdinal(kind, -1, WC_EDITW, -1, TRUE) == CSTR_EQUAL &&
           (GetWindowLongW(control, GWL_STYLE) & ES_READONLY);
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
    RECT frame;
    GetWindowRect(Window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(Window, nullptr, (monitor.rcWork.left + monitor.rcWork.right - width) / 2,
                 (monitor.rcWork.top + monitor.rcWork.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    const std::wstring text = ControlText(control);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, DialogFont);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
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
        SetWindowPos(placed.Control, nullptr, at.Left, at.Top, at.Width, at.Height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    case WM_CTLCOLORSTATIC:
        // A read-only text box asks for a label's colours; it stays a text box, white as one.
        if (IsReadOnlyEdit(reinterpret_cast<HWND>(lParam))) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        return DefWindowProcW(window, message, wParam, lParam);
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
