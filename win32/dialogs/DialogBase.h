#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ArtworkNames.h"
#include "app/DialogShowing.h"

// A control's place within its dialog, in pixels at 96 DPI.
struct TPlace {
    int Left;
    int Top;
    int Width;
    int Height;
};

// What every dialog of the game shares: modeless, on top, a title bar without close or system
// buttons, a fixed client size, placed on the screen the first time (app/DialogPlacement.h) and
// where it was left later; its content scrolls where the screen is too small for it.
// Controls stand at fixed places given in pixels at 96 DPI and follow the window's DPI. Enter
// arrives as IDOK (or the default button's click), Escape as IDCANCEL, through the message loop's
// dialog routing.
class TTesuliDialog : public TDialogShowing {
public:
    // Keeps the owner's DPI for the first layout; name is how the dialog is found from outside,
    // e.g. by an automated player ("OptionsForm").
    TTesuliDialog(HWND owner, std::string name, const wchar_t* caption, SIZE clientSize);
    virtual ~TTesuliDialog();
    TTesuliDialog(const TTesuliDialog&) = delete;
    TTesuliDialog& operator=(const TTesuliDialog&) = delete;

    void Hide();
    bool Visible() const;

    HWND Handle() const { return Window; }
    const std::string& Name() const { return FormName; }
    // The controls by their names (AcceptBitBtn ...).
    const std::vector<std::pair<std::string, HWND>>& NamedControls() const { return Named; }
    UINT Dpi() const;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Adds a control at its place in design pixels; the name, where given, makes it findable.
    HWND AddControl(const char* name, const wchar_t* className, const std::wstring& text, DWORD style, TPlace place,
                    int id = 0, DWORD extendedStyle = 0, void* creationData = nullptr);
    // Makes a control that the dialog did not place itself findable.
    void AddName(std::string name, HWND control);
    // A sunken frame drawn behind a group of controls.
    HWND AddBevel(const char* name, TPlace place);
    HWND AddGroupBox(const char* name, const wchar_t* caption, TPlace place);
    // A one-line label; it grows to the right where the font is wider than the place given, so that
    // no text is cut off.
    HWND AddLabel(const char* name, const std::wstring& text, TPlace place);
    // A push button with its glyph beside the caption. Only one button of a dialog is the default.
    HWND AddGlyphButton(const char* name, const wchar_t* caption, TButtonGlyph glyph, TPlace place, int id,
                        bool isDefault = false);
    // The program icon as a picture of 32 x 32 design pixels.
    HWND AddProgramIcon(const char* name, POINT at);
    // The control that has the focus when the dialog opens.
    void SetFirstFocus(HWND control) { FirstFocus = control; }
    void SetLabelText(HWND label, const std::wstring& text);
    // A control the dialog placed takes a new size in design pixels, kept through DPI changes.
    void Resize(HWND control, int width, int height);

protected:
    bool IsOpen() const override { return Visible(); }
    void CentreOnScreen() override;
    void Appear() override;
    void BringToFront() override;
    // A control's notification (its identifier and code), or IDOK for Enter and IDCANCEL for Escape.
    virtual void Command(int id, int code) = 0;
    virtual LRESULT Notify(const NMHDR&) { return 0; }
    // Pictures that depend on the DPI are made again here.
    virtual void DpiChanged() {}
    // The main window's board, on the screen, where the dialog is to hide as little of it as it can.
    virtual std::optional<RECT> BoardToKeepInSight() const { return std::nullopt; }

private:
    struct TPlaced {
        HWND Control;
        TPlace Place;
        bool FitsText;
    };
    struct TGlyphButton {
        HWND Button;
        TButtonGlyph Glyph;
        HIMAGELIST Images;
    };

    void LayOut(UINT dpi);
    // Where the screen cuts the dialog, its content scrolls: the bars' ranges for the window's
    // client size, and a move to a new position along one of them.
    void SetScrollRanges();
    void ScrollTo(int bar, int position);
    void ScrollBy(int bar, WORD request);
    void BringFocusIntoSight();
    void SetPictures(UINT dpi);
    void Activated(bool active);
    int TextWidth(HWND control, UINT dpi) const;

    HWND Window = nullptr;
    HWND Owner;
    std::string FormName;
    SIZE ClientSize;
    POINT Scrolled{0, 0};  // device pixels of the content scrolled out of sight at the left and top
    HFONT DialogFont = nullptr;
    HWND FirstFocus = nullptr;
    HWND LastFocus = nullptr;
    int DefaultId = IDOK;
    std::vector<TPlaced> Placed;
    std::vector<TGlyphButton> GlyphButtons;
    std::vector<std::pair<HWND, HICON>> ProgramIcons;
    std::vector<std::pair<std::string, HWND>> Named;
};

// The text a control shows.
std::wstring ControlText(HWND control);

// Every dialog of the run, in the order they were created.
const std::vector<TTesuliDialog*>& GameDialogForms();
