#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/DialogScreens.h"
#include "faces/FaceMaker.h"
#include "app/InfoTexts.h"
#include "app/NameDialog.h"
#include "app/ProgressScreen.h"
#include "app/ScoresList.h"
#include "model/KanaCatalogue.h"
#include "storage/WindowsText.h"
#include "tests/win32/TestForm.h"
#include "win32/common/Dpi.h"
#include "win32/common/GameDialogs.h"
#include "win32/common/KanaText.h"
#include "win32/common/MessageBox.h"
#include "win32/common/SpriteUnit.h"
#include "win32/dialogs/ScreenDialog.h"
#include "win32/window/MessageLoop.h"

#include <richedit.h>

// What the dialog builder adds to the screens stated in app/: the controls the rows say, where
// they say, unclipped at the suite's DPI (96, and 192 in the second run), keys, focus and pictures.
// What a click does is the dialogs' logic, tested in tests/app.
namespace {

// The item of a radio group that Tab lands on: the one holding the group's tab stop.
HWND TabbedItem(TScreenDialog& dialog, const TControl& group)
{
    for (const std::string& item : group.Items) {
        const HWND control = dialog.Control(RadioItemName(group.ItemPrefix, item));
        if (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP)
            return control;
    }
    return dialog.Control(RadioItemName(group.ItemPrefix, group.Items.front()));
}


// A dialog's logic that only records the clicks it is given.
class TRecordingLogic final : public TDialogLogic {
public:
    explicit TRecordingLogic(const TScreen& screen) : Shown(screen) {}

    const TScreen& Screen() const override { return Shown; }
    void Click(TDialogView&, std::string_view control, int item) override
    {
        Clicks.push_back(std::string(control) + (item >= 0 ? ":" + std::to_string(item) : ""));
    }

    std::vector<std::string> Clicks;

private:
    const TScreen& Shown;
};

const std::vector<std::reference_wrapper<const TScreen>> AllScreens()
{
    return {OptionsScreen(), NameScreen(), ScoresScreen(), HelpScreen(), AboutScreen(), ProgressScreen()};
}

std::wstring ClassOf(HWND control)
{
    wchar_t kind[64] = L"";
    GetClassNameW(control, kind, 64);
    return kind;
}

// The control's place in the dialog's client area.
RECT PlaceIn(HWND dialog, HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// The width the control's text needs: a button's own measure takes its picture, circle or frame
// into account; a group box keeps room for its frame on both sides of the caption.
int NeededWidth(HWND control)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool button = ClassOf(control) == WC_BUTTONW;
    if (button && (style & BS_TYPEMASK) != BS_GROUPBOX) {
        SIZE ideal{};
        SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        return ideal.cx;
    }
    const int frame = button ? Scaled(9, GetDpiForWindow(control)) : 0;
    const std::wstring text = ControlText(control);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx + frame;
}

// The window class and the style bits that make a control of each kind.
void ExpectKind(const TControl& row, HWND control, const std::string& where)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring kind = ClassOf(control);
    switch (row.Kind) {
    case TControlKind::Bevel:
        EXPECT_EQ(style & SS_TYPEMASK, SS_ETCHEDFRAME) << where;
        break;
    case TControlKind::GroupBox:
    case TControlKind::RadioGroup:
        EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX) << where;
        break;
    case TControlKind::Label:
        EXPECT_EQ(kind, WC_STATICW) << where;
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT) << where;
        break;
    case TControlKind::PathLabel:
        EXPECT_EQ(kind, WC_STATICW) << where;
        EXPECT_EQ(style & (SS_TYPEMASK | SS_ELLIPSISMASK), SS_LEFT | SS_PATHELLIPSIS) << where;
        break;
    case TControlKind::Button:
        EXPECT_EQ(kind, WC_BUTTONW) << where;
        EXPECT_EQ(style & BS_TYPEMASK, row.IsDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) << where;
        break;
    case TControlKind::Edit:
        EXPECT_EQ(CompareStringOrdinal(kind.c_str(), -1, MSFTEDIT_CLASS, -1, TRUE), CSTR_EQUAL) << where;
        EXPECT_FALSE(style & ES_MULTILINE) << where;
        break;
    case TControlKind::Memo:
        EXPECT_EQ(CompareStringOrdinal(kind.c_str(), -1, MSFTEDIT_CLASS, -1, TRUE), CSTR_EQUAL) << where;
        EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY), ES_MULTILINE | ES_READONLY) << where;
        break;
    case TControlKind::Preview:
        EXPECT_EQ(kind, L"TesuliPreviewPanel") << where;
        break;
    case TControlKind::ProgramIcon:
        EXPECT_EQ(style & SS_TYPEMASK, SS_ICON) << where;
        EXPECT_NE(SendMessageW(control, STM_GETICON, 0, 0), 0) << where;
        break;
    case TControlKind::ScoreList:
        EXPECT_EQ(kind, WC_LISTVIEWW) << where;
        EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT) << where;
        break;
    case TControlKind::KanaChart:
        EXPECT_EQ(kind, L"TesuliKanaChart") << where;
        break;
    case TControlKind::CheckBox:
        EXPECT_EQ(kind, WC_BUTTONW) << where;
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX) << where;
        break;
    case TControlKind::CommandList:
        EXPECT_EQ(kind, WC_LISTVIEWW) << where;
        EXPECT_EQ(style & (LVS_TYPEMASK | LVS_NOCOLUMNHEADER), LVS_REPORT | LVS_NOCOLUMNHEADER) << where;
        break;
    }
    const bool tabStop = row.Kind != TControlKind::RadioGroup && (style & WS_TABSTOP);
    EXPECT_EQ(tabStop, row.TabStop && row.Kind != TControlKind::RadioGroup) << where;
}

// The pixels of a control's client area as they show on the screen, or of a memory picture.
std::vector<COLORREF> Pixels(HDC dc, const RECT& area)
{
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

// A row's control at the row's place scaled to the DPI; a label only grows to the right.
void ExpectPlaced(const TScreenDialog& dialog, const TScreen& screen, const TControl& row, UINT dpi)
{
    const std::string where = screen.Name + "." + row.Name + " at " + std::to_string(dpi) + " DPI";
    const TDesignRect rect = screen.PlaceInDialog(row);
    RECT place = PlaceIn(dialog.Handle(), dialog.Control(row.Name));
    if (row.Kind == TControlKind::CommandList) {
        // Inside its frame: see HelpShowsItsTextAndCommands.
        const int inset = GetSystemMetricsForDpi(SM_CXEDGE, dpi) + Scaled(5, dpi);
        InflateRect(&place, inset, inset);
    }
    EXPECT_EQ(place.left, Scaled(rect.Left, dpi)) << where;
    EXPECT_EQ(place.top, Scaled(rect.Top, dpi)) << where;
    EXPECT_EQ(place.bottom - place.top, Scaled(rect.Height, dpi)) << where;
    if (row.Kind == TControlKind::Label)
        EXPECT_GE(place.right - place.left, Scaled(rect.Width, dpi)) << where;
    else
        EXPECT_EQ(place.right - place.left, Scaled(rect.Width, dpi)) << where;
}

class DialogsTest : public testing::Test, protected TTestForm {
protected:
    // A fresh store with the defaults.
    DialogsTest()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tesuli");
        Form.FormCreate();
    }
    ~DialogsTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tesuli"); }

    UINT Dpi = GetDpiForWindow(Form.Handle());

    // A key pressed where the focus is, through the message loop as the player's would be.
    static void PressKey(UINT key)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        PumpPendingMessages();
    }

    static void Click(HWND control)
    {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        PumpPendingMessages();
    }
};

// Each row becomes a control of its kind, named as the row, at the row's place scaled to the DPI,
// showing the row's caption; a label only grows to the right. Radio items and preview pictures
// are named as app/Screen.h says.
TEST_F(DialogsTest, EachRowBecomesItsControlAtItsPlace)
{
    for (const TScreen& screen : AllScreens()) {
        TRecordingLogic logic(screen);
        TScreenDialog dialog(Form.Handle(), logic);
        EXPECT_EQ(Utf8(ControlText(dialog.Handle())), screen.Caption);
        RECT client;
        GetClientRect(dialog.Handle(), &client);
        EXPECT_EQ(client.right, Scaled(screen.ClientWidth, Dpi)) << screen.Name;
        EXPECT_EQ(client.bottom, Scaled(screen.ClientHeight, Dpi)) << screen.Name;
        for (const TControl& row : screen.Controls) {
            const std::string where = screen.Name + "." + row.Name;
            const HWND control = dialog.Control(row.Name);
            ExpectKind(row, control, where);
            ExpectPlaced(dialog, screen, row, Dpi);
            if (row.Kind != TControlKind::Memo) {
                EXPECT_EQ(Utf8(ControlText(control)), row.Caption) << where;
            }
            for (size_t item = 0; item < row.Items.size(); ++item) {
                const HWND radio = dialog.Control(RadioItemName(row.ItemPrefix, row.Items[item]));
                EXPECT_EQ(Utf8(ControlText(radio)), row.Items[item]) << where;
                EXPECT_EQ(GetWindowLongW(radio, GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON) << where;
                EXPECT_EQ((GetWindowLongW(radio, GWL_STYLE) & WS_TABSTOP) != 0, item == 0 && row.TabStop) << where;
            }
            if (row.Kind == TControlKind::Preview) {
                EXPECT_TRUE(IsChild(control, dialog.Control(PreviewImageName(row.Name)))) << where;
            }
        }
    }
}

// Every control lies inside its dialog, and every caption fits its control in the font the system
// gives for "MS Sans Serif": nothing is cut off. The game's own dialogs, with their texts loaded,
// the manual in a folder as deep as a player may install to.
TEST_F(DialogsTest, NothingIsCutOff)
{
    static_cast<TNameDialog&>(Form.MidEnd().Dialog(TDialogId::Name)).Won = {"0:12:34", 0, "Babel"};
    for (const TDialogId id : {TDialogId::About, TDialogId::Help, TDialogId::Options, TDialogId::Name, TDialogId::Scores,
                               TDialogId::Progress}) {
        TScreenDialog& dialog = Form.DialogWindow(id);
        dialog.ShowDialog();
        if (id == TDialogId::About)
            dialog.SetText("UrlLabel", "Manual: C:\\" + std::string(200, 'x') + "\\docs\\manual.html");
        RECT client;
        GetClientRect(dialog.Handle(), &client);
        for (const auto& [name, control] : dialog.NamedControls()) {
            const RECT place = PlaceIn(dialog.Handle(), control);
            EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right && place.bottom <= client.bottom)
                << dialog.Name() << '.' << name;
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            const bool label = ClassOf(control) == WC_STATICW && (style & (SS_TYPEMASK | SS_ELLIPSISMASK)) == SS_LEFT;
            if (label || ClassOf(control) == WC_BUTTONW) {
                EXPECT_LE(NeededWidth(control), place.right - place.left)
                    << dialog.Name() << '.' << name << " cuts off \"" << Utf8(ControlText(control)) << '"';
            }
        }
        dialog.Hide();
    }
}

// A dialog opens with the focus on its first-focus row; Enter clicks the default row from there,
// Escape and closing the window the cancel row; each button, radio item and preview picture is a
// click of its row.
TEST_F(DialogsTest, KeysFocusAndClicksReachTheLogic)
{
    for (const TScreen& screen : AllScreens()) {
        TRecordingLogic logic(screen);
        TScreenDialog dialog(Form.Handle(), logic);
        std::vector<std::string> expected;
        const TControl* defaultRow = nullptr;
        const TControl* cancelRow = nullptr;
        for (const TControl& row : screen.Controls) {
            if (row.IsDefault)
                defaultRow = &row;
            if (row.IsCancel)
                cancelRow = &row;
        }
        ASSERT_TRUE(defaultRow && cancelRow) << screen.Name;

        dialog.ShowDialog();
        for (const TControl& row : screen.Controls)
            if (row.FirstFocus) {
                EXPECT_EQ(GetFocus(), dialog.Control(row.Name)) << screen.Name << "." << row.Name;
            }
        PressKey(VK_RETURN);
        expected.push_back(defaultRow->Name);
        PressKey(VK_ESCAPE);
        expected.push_back(cancelRow->Name);
        SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
        expected.push_back(cancelRow->Name);

        for (const TControl& row : screen.Controls) {
            if (row.Kind == TControlKind::Button) {
                Click(dialog.Control(row.Name));
                expected.push_back(row.Name);
            } else if (row.Kind == TControlKind::Preview) {
                Click(dialog.Control(PreviewImageName(row.Name)));
                expected.push_back(row.Name);
            } else if (row.Kind == TControlKind::CheckBox) {
                Click(dialog.Control(row.Name));
                expected.push_back(row.Name + ":1");
                EXPECT_EQ(dialog.ItemIndex(row.Name), 1);
                dialog.SetItemIndex(row.Name, 0);
                EXPECT_EQ(SendMessageW(dialog.Control(row.Name), BM_GETCHECK, 0, 0), BST_UNCHECKED);
            }
            for (size_t item = 0; item < row.Items.size(); ++item) {
                Click(dialog.Control(RadioItemName(row.ItemPrefix, row.Items[item])));
                expected.push_back(row.Name + ":" + std::to_string(item));
            }
        }
        EXPECT_EQ(logic.Clicks, expected) << screen.Name;
        EXPECT_TRUE(dialog.Visible()) << "only the logic hides a dialog";
    }
}

// The previews are reached with Tab; an arrow key chooses the next of the group that way in its
// grid and takes the keyboard there, round from the last to the first, and the space bar chooses
// the one it is on.
TEST_F(DialogsTest, ArrowKeysStepThroughAPreviewGroup)
{
    TRecordingLogic logic(OptionsScreen());
    TScreenDialog dialog(Form.Handle(), logic);
    dialog.ShowDialog();
    const std::string first = BackgroundPreviewName(0);
    EXPECT_TRUE(GetWindowLongW(dialog.Control(first), GWL_STYLE) & WS_TABSTOP);
    SetFocus(dialog.Control(first));
    PressKey(VK_DOWN);
    EXPECT_EQ(GetFocus(), dialog.Control(BackgroundPreviewName(1)));
    PressKey(VK_RIGHT);
    EXPECT_EQ(GetFocus(), dialog.Control(BackgroundPreviewName(4)));
    PressKey(VK_UP);
    PressKey(VK_LEFT);
    EXPECT_EQ(GetFocus(), dialog.Control(first));
    PressKey(VK_SPACE);
    EXPECT_EQ(logic.Clicks, (std::vector<std::string>{BackgroundPreviewName(1), BackgroundPreviewName(4),
                                                      BackgroundPreviewName(3), first, first}));
}

// Tab goes from each tab stop to the next in the rows' order, and from the last round to the
// first; a radio group takes it on the item that holds the group's tab stop.
TEST_F(DialogsTest, TabGoesThroughTheTabStopsInTheRowsOrder)
{
    for (const TScreen& screen : AllScreens()) {
        TRecordingLogic logic(screen);
        TScreenDialog dialog(Form.Handle(), logic);
        dialog.ShowDialog();
        std::vector<HWND> stops;
        for (const TControl& row : screen.Controls)
            if (row.TabStop)
                stops.push_back(row.Kind == TControlKind::RadioGroup ? TabbedItem(dialog, row) : dialog.Control(row.Name));
        ASSERT_GE(stops.size(), 1u) << screen.Name;
        for (size_t i = 0; i < stops.size(); ++i) {
            SetFocus(stops[i]);
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), stops[(i + 1) % stops.size()]) << screen.Name << ", Tab from stop " << i;
        }
    }
}

// While a dialog is open its focus stays where the player left it, also when the main window was
// active meanwhile; a dialog hidden and shown again starts from its first-focus row.
TEST_F(DialogsTest, AnOpenDialogKeepsItsFocusAndAHiddenOneStartsAfresh)
{
    Form.Show(SW_SHOW);
    TScreenDialog& options = Form.DialogWindow(TDialogId::Options);
    Form.ShowDialog(TDialogId::Options);
    PumpPendingMessages();
    const HWND first = GetFocus();
    ASSERT_TRUE(IsChild(options.Handle(), first));
    const HWND other = options.Control(first == options.Control("CancelBitBtn") ? "AcceptBitBtn" : "CancelBitBtn");
    SetFocus(other);
    SetActiveWindow(Form.Handle());
    PumpPendingMessages();
    ASSERT_EQ(GetActiveWindow(), Form.Handle());
    Form.ShowDialog(TDialogId::Options);
    PumpPendingMessages();
    EXPECT_EQ(GetActiveWindow(), options.Handle());
    EXPECT_EQ(GetFocus(), other);

    options.Hide();
    Form.ShowDialog(TDialogId::Options);
    PumpPendingMessages();
    EXPECT_EQ(GetFocus(), first);
}

// An open dialog moved to a screen of another DPI lays every row out anew at that DPI, and again
// on its way back.
TEST_F(DialogsTest, ADpiChangeLaysAnOpenDialogOutAtTheNewDpi)
{
    TScreenDialog& options = Form.DialogWindow(TDialogId::Options);
    Form.ShowDialog(TDialogId::Options);
    const TScreen& screen = OptionsScreen();
    for (const UINT dpi : {Dpi == 96 ? 192u : 96u, Dpi}) {
        RECT suggested{20, 30, 20, 30};
        SendMessageW(options.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT client, frame;
        GetClientRect(options.Handle(), &client);
        GetWindowRect(options.Handle(), &frame);
        // A change sent by hand leaves the frame's caption at the system's DPI: the client height
        // is checked by the rows in it.
        EXPECT_EQ(client.right, Scaled(screen.ClientWidth, dpi)) << dpi;
        EXPECT_EQ(frame.left, 20) << "where the system suggests";
        EXPECT_EQ(frame.top, 30);
        for (const TControl& row : screen.Controls)
            ExpectPlaced(options, screen, row, dpi);
    }
}

// The dialog manager tabs to an item with the tab stop: it is the chosen one, however it was chosen.
TEST_F(DialogsTest, TabIntoARadioGroupLandsOnItsChosenItem)
{
    TRecordingLogic logic(OptionsScreen());
    TScreenDialog dialog(Form.Handle(), logic);
    const auto tabStops = [&dialog] {
        std::string marked;
        for (const char* item : {"short", "medium", "long"})
            marked += (GetWindowLongW(dialog.Control(RadioItemName("Hint", item)), GWL_STYLE) & WS_TABSTOP) ? "T" : "-";
        return marked;
    };
    dialog.SetItemIndex("HintRadioGroup", 1);
    EXPECT_EQ(tabStops(), "-T-");
    dialog.ShowDialog();
    Click(dialog.Control(RadioItemName("Hint", "long")));
    EXPECT_EQ(tabStops(), "--T");
}

// What the logic asks of the view reaches the controls, and what the player typed comes back as
// UTF-8. A label set to a longer text grows to show it whole.
TEST_F(DialogsTest, TheViewSetsAndReadsItsControls)
{
    TRecordingLogic options(OptionsScreen());
    TScreenDialog optionsDialog(Form.Handle(), options);
    TDialogView& view = optionsDialog;
    view.SetItemIndex("MapRadioGroup", 3);
    EXPECT_EQ(view.ItemIndex("MapRadioGroup"), 3);
    EXPECT_EQ(SendMessageW(optionsDialog.Control("MapTowers"), BM_GETCHECK, 0, 0), BST_CHECKED);
    view.SetItemIndex("MapRadioGroup", 99);
    EXPECT_EQ(view.ItemIndex("MapRadioGroup"), -1);
    EXPECT_THROW(view.SetItemIndex("NoSuchGroup", 0), std::logic_error);
    EXPECT_THROW(view.SetChosen("MapRadioGroup", true), std::logic_error);

    TRecordingLogic name(NameScreen());
    TScreenDialog nameDialog(Form.Handle(), name);
    SetWindowTextW(nameDialog.Control("NameEdit"), L"Anna \u3055\u304f\u3089");
    EXPECT_EQ(nameDialog.Text("NameEdit"), "Anna \u3055\u304f\u3089");
    const std::string longText = "Score: 0:12:34 on the map of the Towers, with three hints taken";
    nameDialog.SetText("CongratsLabel", longText);
    const HWND label = nameDialog.Control("CongratsLabel");
    EXPECT_EQ(Utf8(ControlText(label)), longText);
    EXPECT_LE(NeededWidth(label), PlaceIn(nameDialog.Handle(), label).right - PlaceIn(nameDialog.Handle(), label).left);

    std::vector<std::tuple<TMessageKind, std::wstring, std::string>> reports;
    SetMessageBoxHook([&](TMessageKind kind, const std::wstring& title, const std::string& text) {
        reports.emplace_back(kind, title, text);
    });
    nameDialog.ShowMessage(Inform(TMessageKind::Error, EmptyNameText));
    nameDialog.ShowMessage(Inform(TMessageKind::Information, "Saved"));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], std::make_tuple(TMessageKind::Error, std::wstring(L"Error"), std::string(EmptyNameText)));
    EXPECT_EQ(std::get<1>(reports[1]), L"Information");
}

// The scores list shows the rows as given, in the columns' alignments. The columns keep their
// widths, a long name cut only where the list shows it; the date's widens as far as the date needs.
TEST_F(DialogsTest, ScoreListShowsItsRowsInItsColumns)
{
    TRecordingLogic logic(ScoresScreen());
    TScreenDialog dialog(Form.Handle(), logic);
    const HWND list = dialog.Control("ScoresListView");
    const TScoreRow row{"Sunday, 7 December 2026 15:04:05", Utf8(std::wstring(60, L'\u3042')), "0:12:34", "3",
                        "Flat Square"};
    dialog.SetRows("ScoresListView", {row, row});
    dialog.SetRows("ScoresListView", {row});
    ASSERT_EQ(ListView_GetItemCount(list), 1) << "rows are replaced, not added";
    for (int column = 0; column < ScoreColumnCount; ++column) {
        wchar_t text[128] = L"";
        ListView_GetItemText(list, 0, column, text, 128);
        EXPECT_EQ(Utf8(text), row[static_cast<size_t>(column)]);
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH;
        ListView_GetColumn(list, column, &info);
        const TScoreColumn& designed = ScoreColumns[static_cast<size_t>(column)];
        if (column == 0) {
            EXPECT_GE(info.cx, ListView_GetStringWidth(list, text));
            EXPECT_LT(info.cx, ListView_GetStringWidth(list, text) + Scaled(20, Dpi)) << "more than the date needs";
        } else {
            EXPECT_EQ(info.cx, Scaled(designed.Width, Dpi)) << column;
        }
        const int alignments[] = {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, alignments[static_cast<int>(designed.Alignment)]) << column;
    }
}

// The help text stays in the dialog's font (its kana aside) on a white box, its lines that end in a space run on into
// the next and wrapped at its width, with a scroll bar
// where it runs past its height; the command list shows every command's caption with that
// command's picture, all in view, a white margin of 5 between the items and its sunken frame.
TEST_F(DialogsTest, HelpShowsItsTextAndCommands)
{
    TScreenDialog& help = Form.DialogWindow(TDialogId::Help);
    help.ShowDialog();
    const HWND memo = help.Control("HelpMemo");
    const LONG style = GetWindowLongW(memo, GWL_STYLE);
    EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL)) << "lines wrap at the box's width";
    LOGFONTW dialogFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(help.Control("CloseBtn"), WM_GETFONT, 0, 0)), sizeof dialogFont,
               &dialogFont);
    CHARFORMAT2W plain{};
    plain.cbSize = sizeof plain;
    SendMessageW(memo, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&plain));
    EXPECT_EQ(std::wstring(plain.szFaceName), dialogFont.lfFaceName);
    const LRESULT lines = SendMessageW(memo, EM_GETLINECOUNT, 0, 0);
    EXPECT_EQ(ControlText(memo).find(L" \r"), std::wstring::npos) << "a line ending in a space goes on in the next";
    LRESULT breaks = 0;
    for (const std::string_view line : HelpLines)
        breaks += line.empty() || line.back() != ' ';
    EXPECT_GE(lines, breaks);
    RECT area{};
    SendMessageW(memo, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const auto lineTop = [&](LRESULT line) {
        POINTL at{};
        SendMessageW(memo, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), SendMessageW(memo, EM_LINEINDEX, line, 0));
        return at.y;
    };
    const bool overflows = lineTop(lines - 1) + (lineTop(1) - lineTop(0)) > area.bottom;
    EXPECT_EQ((style & WS_VSCROLL) != 0, overflows);
    if (style & WS_VSCROLL) {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(memo, SB_VERT, &bar));
        EXPECT_GT(bar.nMax + 1, static_cast<int>(bar.nPage));
        SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
        SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
        EXPECT_GT(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        EXPECT_GT(GetScrollPos(memo, SB_VERT), 0) << "the thumb follows the text";
    }
    // White as a text box: its ground, where the text leaves it, in the window colour.
    RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const HDC memoDc = GetDC(memo);
    const std::vector<COLORREF> shown = Pixels(memoDc, area);
    ReleaseDC(memo, memoDc);
    EXPECT_GT(std::count(shown.begin(), shown.end(), GetSysColor(COLOR_WINDOW)), static_cast<long>(shown.size() / 2));

    const HWND list = help.Control("MenuListView");
    const TDesignRect designed = HelpScreen().PlaceInDialog(HelpScreen().Control("MenuListView"));
    const RECT place = PlaceIn(help.Handle(), list);
    const int inset = GetSystemMetricsForDpi(SM_CXEDGE, Dpi) + Scaled(5, Dpi);
    EXPECT_EQ(place.left, Scaled(designed.Left, Dpi) + inset);
    EXPECT_EQ(place.bottom, Scaled(designed.Top, Dpi) + Scaled(designed.Height, Dpi) - inset);
    bool framed = false;
    for (HWND child = GetWindow(help.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT frame = PlaceIn(help.Handle(), child);
        InflateRect(&frame, -inset, -inset);
        framed = framed || ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_WHITERECT && EqualRect(&frame, &place));
    }
    EXPECT_TRUE(framed) << "no white frame around the list";
    ASSERT_EQ(ListView_GetItemCount(list), static_cast<int>(HelpCommands.size()));
    for (int index = 0; index < static_cast<int>(HelpCommands.size()); ++index) {
        wchar_t caption[128] = L"";
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = caption;
        item.cchTextMax = 128;
        ASSERT_TRUE(ListView_GetItem(list, &item));
        EXPECT_EQ(Utf8(caption), HelpCommands[static_cast<size_t>(index)].Name);
        wchar_t description[128] = L"";
        ListView_GetItemText(list, index, 1, description, 128);
        EXPECT_EQ(Utf8(description), HelpCommands[static_cast<size_t>(index)].Description);
        EXPECT_GT(ListView_GetColumnWidth(list, 0), ListView_GetStringWidth(list, caption)) << "the name shows whole";
        EXPECT_EQ(item.iImage, static_cast<int>(HelpCommands[static_cast<size_t>(index)].Command));
        RECT shown{}, inside{};
        ListView_GetItemRect(list, index, &shown, LVIR_BOUNDS);
        GetClientRect(list, &inside);
        EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= inside.right && shown.bottom <= inside.bottom)
            << "command " << index << " is out of view";
    }
    EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(list, LVSIL_SMALL)), CommandCount);
}

// A preview shows its face as the core draws it for the DPI, or its texture cell at the artwork's
// scale, pixel for pixel, and another picture once told; buttons carry their glyph at the DPI's size.
TEST_F(DialogsTest, PreviewsAndButtonsShowTheirPictures)
{
    TRecordingLogic logic(OptionsScreen());
    TScreenDialog dialog(Form.Handle(), logic);
    dialog.ShowDialog();
    const auto expectShows = [&](const std::string& preview, const TSheetCell& cell) {
        const HWND picture = dialog.Control(PreviewImageName(preview));
        RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const int scale = ArtworkScale(Dpi);
        const bool face = cell.Sheet == TSheet::TileFace;
        if (!face && Scaled(cell.Cell.Width, Dpi) != cell.Cell.Width * scale)
            return;  // a texture is stretched between the artwork's two sizes
        const TPixelImage drawn = MakeFace(cell.Face, DeviceScale(Dpi));
        const TDib& sheet = ImageForm->BackgroundImage.Image(scale);
        const HDC dc = GetDC(picture);
        int differences = 0;
        const int width = face ? drawn.Width : cell.Cell.Width * scale;
        const int height = face ? drawn.Height : cell.Cell.Height * scale;
        for (int y = 0; y < height; y += 3)
            for (int x = 0; x < width; x += 3) {
                const uint32_t want = (face ? drawn.At(x, y)
                                            : sheet.Pixel(cell.Cell.Left * scale + x, cell.Cell.Top * scale + y)) &
                                      0xffffff;
                const COLORREF got = GetPixel(dc, x, y);
                differences += RGB(want >> 16, want >> 8 & 0xff, want & 0xff) != got;
            }
        ReleaseDC(picture, dc);
        EXPECT_EQ(differences, 0) << preview;
    };
    for (const TControl& row : OptionsScreen().Controls)
        if (row.Kind == TControlKind::Preview)
            expectShows(row.Name, row.Picture);
    const TSheetCell other{TSheet::TileFace, {0, 0, 40, 56}, {70, TScript::Katakana, TFaceShows::Reading, 1, true}};
    dialog.SetPicture(FacePreviewName(0), other);
    expectShows(FacePreviewName(0), other);

    BUTTON_IMAGELIST glyph{};
    ASSERT_TRUE(SendMessageW(dialog.Control("AcceptBitBtn"), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)));
    int width = 0, height = 0;
    ImageList_GetIconSize(glyph.himl, &width, &height);
    EXPECT_EQ(width, Scaled(16, Dpi));
}

// The kana chart paints each cell's ground in its colour and its kana's picture where the look puts
// it, at the DPI's scale.
TEST_F(DialogsTest, KanaChartPaintsItsCells)
{
    TRecordingLogic logic(ProgressScreen());
    TScreenDialog dialog(Form.Handle(), logic);
    dialog.ShowDialog();
    TChartCellLook look;
    look.Cell = {10, 10, 50, 70};
    look.Colour = 0x30a050;
    look.Picture = {TSheet::TileFace, {0, 0, 40, 56}, {1, TScript::Hiragana, TFaceShows::Kana, 0, false}};
    look.PictureAt = {15, 12, 40, 56};
    dialog.SetChart("KanaChart", {look});
    const HWND chart = dialog.Control("KanaChart");
    RedrawWindow(chart, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const HDC dc = GetDC(chart);
    EXPECT_EQ(GetPixel(dc, Scaled(12, Dpi), Scaled(75, Dpi)), RGB(0x30, 0xa0, 0x50));
    const TPixelImage face = MakeFace(look.Picture.Face, DeviceScale(Dpi));
    for (const auto& [x, y] : {std::pair{20, 28}, std::pair{3, 3}, std::pair{8, 40}}) {
        const uint32_t want = face.At(Scaled(x, Dpi), Scaled(y, Dpi)) & 0xffffff;
        EXPECT_EQ(GetPixel(dc, Scaled(15, Dpi) + Scaled(x, Dpi), Scaled(12, Dpi) + Scaled(y, Dpi)),
                  RGB(want >> 16, want >> 8 & 0xff, want & 0xff));
    }
    ReleaseDC(chart, dc);
}

// Kana in a dialog's label come from the tiles' own kana face, which the program brings along: they
// show on a Windows without a Japanese font. The face has every kana of the game.
TEST_F(DialogsTest, KanaInALabelAreDrawnInTheTilesKanaFace)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, KanaFontFor(Dpi));
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(screen, LF_FACESIZE, face);
    EXPECT_EQ(std::wstring(face), L"Tesuli Kana") << "the program's own face, no stand-in";
    for (const TCatalogueKana& kana : KanaCatalogue)
        for (const std::string_view text : {kana.Hiragana, kana.Katakana}) {
            const std::wstring wide = Wide(std::string(text));
            std::vector<WORD> glyphs(wide.size());
            GetGlyphIndicesW(screen, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS);
            EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), WORD{0xffff}), 0) << text;
        }
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);

    TRecordingLogic logic(ProgressScreen());
    TScreenDialog dialog(Form.Handle(), logic);
    dialog.ShowDialog();
    dialog.SetText("SlowestLabel", "Slowest: ゐ ぱ きゃ");
    const HWND label = dialog.Control("SlowestLabel");
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT area;
    GetClientRect(label, &area);
    const HDC dc = GetDC(label);
    const auto drawn = [&](bool withKanaFace) {
        BITMAPINFO format{};
        format.bmiHeader = {sizeof format.bmiHeader, area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const HDC memory = CreateCompatibleDC(dc);
        const HBITMAP picture = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ old = SelectObject(memory, picture);
        const auto ground = reinterpret_cast<HBRUSH>(SendMessageW(
            dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(label)));
        FillRect(memory, &area, ground);
        SetBkMode(memory, TRANSPARENT);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
        DrawMixedText(memory, 0, 0, ControlText(label), font, withKanaFace ? KanaFontFor(Dpi) : font);
        const std::vector<COLORREF> pixels = Pixels(memory, area);
        SelectObject(memory, old);
        DeleteObject(picture);
        DeleteDC(memory);
        return pixels;
    };
    const std::vector<COLORREF> shown = Pixels(dc, area), inKanaFace = drawn(true), inDialogFont = drawn(false);
    ReleaseDC(label, dc);
    EXPECT_EQ(shown, inKanaFace);
    EXPECT_NE(shown, inDialogFont);
}

// Each character of a rich edit box whose face is not the kana face's as the character is kana or
// not, as "position: character"; the box's selection is used and left at its end.
std::vector<std::string> MisfacedCharacters(HWND box)
{
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    std::wstring text(static_cast<size_t>(SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0)) + 1,
                      L'\0');
    GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    text.resize(static_cast<size_t>(
        SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()))));
    std::vector<std::string> wrong;
    for (LONG at = 0; at < static_cast<LONG>(text.size()); ++at) {
        if (text[static_cast<size_t>(at)] == L'\r' || text[static_cast<size_t>(at)] == L' ')
            continue;
        CHARRANGE one{at, at + 1};
        SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        if ((std::wstring(format.szFaceName) == L"Tesuli Kana") != IsKana(text[static_cast<size_t>(at)]))
            wrong.push_back(std::to_string(at) + ": " + Utf8(text.substr(static_cast<size_t>(at), 1)));
    }
    return wrong;
}

// Help's kana and those of a name, typed or set, are in the kana face and the rest in the dialog's
// font, through a change of DPI too; typing keeps the caret where the player put it.
TEST_F(DialogsTest, KanaInHelpAndInANameAreInTheTilesKanaFace)
{
    TScreenDialog& help = Form.DialogWindow(TDialogId::Help);
    help.ShowDialog();
    const HWND memo = help.Control("HelpMemo");
    ASSERT_NE(ControlText(memo).find(L'\u304c'), std::wstring::npos) << "Help shows kana";
    EXPECT_EQ(MisfacedCharacters(memo), std::vector<std::string>{});
    help.Hide();

    static_cast<TNameDialog&>(Form.MidEnd().Dialog(TDialogId::Name)).Won = {"0:12:34", 0, "Babel"};
    TScreenDialog& name = Form.DialogWindow(TDialogId::Name);
    name.ShowDialog();
    const HWND box = name.Control("NameEdit");
    ASSERT_EQ(GetFocus(), box);
    SetWindowTextW(box, L"");
    const auto type = [](std::wstring_view keys) {
        for (const wchar_t key : keys)
            PostMessageW(GetFocus(), WM_CHAR, key, 1);
        PumpPendingMessages();
    };
    type(L"Anna \u3055\u304f\u3089");
    EXPECT_EQ(name.Text("NameEdit"), "Anna \u3055\u304f\u3089");
    CHARRANGE caret{};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, 8);
    EXPECT_EQ(caret.cpMax, 8);
    CHARRANGE afterAnna{4, 4};
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&afterAnna));
    type(L"\u30e6x");
    EXPECT_EQ(name.Text("NameEdit"), "Anna\u30e6x \u3055\u304f\u3089");
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, 6) << "the caret stays after what was typed";
    EXPECT_EQ(caret.cpMax, 6);
    EXPECT_EQ(MisfacedCharacters(box), std::vector<std::string>{});
    for (const char* before : {"Anna\u30e6 \u3055\u304f\u3089", "Anna \u3055\u304f\u3089", "Anna \u3055\u304f"}) {
        SendMessageW(box, EM_UNDO, 0, 0);
        EXPECT_EQ(name.Text("NameEdit"), before) << "undo takes back what was typed, not the kana's face";
    }
    EXPECT_EQ(MisfacedCharacters(box), std::vector<std::string>{});

    name.SetText("NameEdit", "\u3086\u304d Yuki");
    EXPECT_EQ(MisfacedCharacters(box), std::vector<std::string>{});
    RECT suggested{20, 30, 20, 30};
    const UINT otherDpi = Dpi == 96 ? 192u : 96u;
    SendMessageW(name.Handle(), WM_DPICHANGED, MAKEWPARAM(otherDpi, otherDpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(MisfacedCharacters(box), std::vector<std::string>{}) << "at " << otherDpi << " DPI";
    SendMessageW(name.Handle(), WM_DPICHANGED, MAKEWPARAM(Dpi, Dpi), reinterpret_cast<LPARAM>(&suggested));
    name.Hide();
}

// A dialog larger than the screen's work area opens within it, title bar included, and each control
// the keyboard goes to is scrolled into sight, the farthest too.
TEST_F(DialogsTest, ADialogLargerThanTheScreenOpensWithinItAndScrollsToEachControl)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Form.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = MulDiv(work.right - work.left, 96, static_cast<int>(Dpi)) + 400;
    const int height = MulDiv(work.bottom - work.top, 96, static_cast<int>(Dpi)) + 300;
    TScreen large{"LargeForm", "Larger than the screen", width, height};
    const auto button = [](std::string name, int left, int top) {
        TControl row{TControlKind::Button, std::move(name), {}, {left, top, 75, 25}, "Go"};
        row.Glyph = TButtonGlyph::Tick;
        row.TabStop = true;
        return row;
    };
    large.Controls = {button("NearButton", 8, 8), button("MiddleButton", width / 2, height / 2),
                      button("FarButton", width - 83, height - 33), button("LowButton", 8, height - 33)};
    TRecordingLogic logic(large);
    TScreenDialog dialog(Form.Handle(), logic);
    dialog.ShowDialog();
    RECT frame, inside, client;
    GetWindowRect(dialog.Handle(), &frame);
    EXPECT_TRUE(IntersectRect(&inside, &frame, &work) && EqualRect(&inside, &frame));
    GetClientRect(dialog.Handle(), &client);
    EXPECT_LT(client.right, Scaled(width, Dpi));
    EXPECT_LT(client.bottom, Scaled(height, Dpi));
    for (const TControl& row : large.Controls) {
        const HWND control = dialog.Control(row.Name);
        SetFocus(control);
        SendMessageW(dialog.Handle(), KeyboardMovedMessage, 0, 0);
        const RECT place = PlaceIn(dialog.Handle(), control);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right && place.bottom <= client.bottom)
            << row.Name;
    }
}

// Showing an open dialog only brings it to the front. The first showing centres the dialog, later
// ones find it where it was left.
TEST_F(DialogsTest, ADialogIsCentredFirstAndKeepsItsPlace)
{
    TScreenDialog& options = Form.DialogWindow(TDialogId::Options);
    Form.ShowDialog(TDialogId::Options);
    RECT frame, work;
    GetWindowRect(options.Handle(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 2);

    SetWindowPos(options.Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    options.Hide();
    Form.ShowDialog(TDialogId::Options);
    GetWindowRect(options.Handle(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 20);
}

}  // namespace

