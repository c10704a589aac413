#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app/InfoTexts.h"
#include "app/ScoresList.h"
#include "tests/win32/TestForm.h"
#include "win32/common/Dpi.h"
#include "storage/WindowsText.h"
#include "win32/dialogs/AboutUnit.h"
#include "win32/dialogs/HelpUnit.h"
#include "win32/dialogs/NameUnit.h"
#include "win32/dialogs/OptionsUnit.h"
#include "win32/dialogs/ScoresUnit.h"
#include "win32/window/MainUnit.h"
#include "win32/window/MessageLoop.h"

namespace {

// The five dialogs over a main window, on a store emptied for each test.
class DialogsTest : public testing::Test {
protected:
    DialogsTest()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tesuli");
        Form.FormCreate();
        Options.Flow.Listener = &Form;
    }
    ~DialogsTest() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tesuli");
    }

    HWND Control(const TTesuliDialog& dialog, const std::string& name)
    {
        for (const auto& [named, control] : dialog.NamedControls())
            if (named == name)
                return control;
        ADD_FAILURE() << "no control " << name << " in " << dialog.Name();
        return nullptr;
    }

    // A key pressed while the dialog has the focus, through the message loop as the player's would.
    void PressKey(const TTesuliDialog& dialog, UINT key)
    {
        SetFocus(GetNextDlgTabItem(dialog.Handle(), nullptr, FALSE));
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        PumpPendingMessages();
    }

    void Click(HWND control)
    {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        PumpPendingMessages();
    }

    TTestForm Main;
    TMainForm& Form = Main.Form;
    TAboutForm About{Form.Handle()};
    THelpForm Help{Form.Handle()};
    TOptionsForm Options{Form.Handle()};
    TNameForm Name{Form.Handle()};
    TScoresForm Scores{Form.Handle()};
};

// Answers each message box of this thread with OK, keeping its text.
class TMessageBoxAnswers {
public:
    TMessageBoxAnswers() { Timer = SetTimer(nullptr, 0, 50, Answer); }
    ~TMessageBoxAnswers() { KillTimer(nullptr, Timer); }
    static inline std::vector<std::string> Texts;

private:
    static void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        wchar_t text[512] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        Texts.push_back(Utf8(text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        wchar_t kind[16] = L"";
        GetClassNameW(window, kind, 16);
        if (std::wstring(kind) != L"#32770" || !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    UINT_PTR Timer;
};

// The width the control's text needs: a button's own measure takes its picture, circle or frame
// into account; a group box keeps room for its frame on both sides of the caption.
int NeededWidth(HWND control)
{
    wchar_t kind[32] = L"";
    GetClassNameW(control, kind, 32);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool button = std::wstring(kind) == WC_BUTTONW;
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

// Every control lies inside its dialog, and every caption fits its control in the font the system
// gives for "MS Sans Serif": nothing is cut off.
TEST_F(DialogsTest, NothingIsCutOff)
{
    for (TTesuliDialog* dialog : std::vector<TTesuliDialog*>{&About, &Help, &Options, &Name, &Scores}) {
        Name.Won = {"0:12:34", 0, "Babel"};
        dialog->ShowDialog();
        RECT client;
        GetClientRect(dialog->Handle(), &client);
        for (const auto& [name, control] : dialog->NamedControls()) {
            RECT place;
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, dialog->Handle(), reinterpret_cast<POINT*>(&place), 2);
            EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right && place.bottom <= client.bottom)
                << dialog->Name() << '.' << name;
            wchar_t kind[32] = L"";
            GetClassNameW(control, kind, 32);
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            const bool label = std::wstring(kind) == WC_STATICW && (style & SS_TYPEMASK) == SS_LEFT;
            if (label || std::wstring(kind) == WC_BUTTONW) {
                EXPECT_LE(NeededWidth(control), place.right - place.left)
                    << dialog->Name() << '.' << name << " cuts off \"" << Utf8(ControlText(control)) << '"';
            }
        }
        dialog->Hide();
    }
}

// The help text stays in the dialog's font on a white box, wrapped at its width, with a scroll bar
// where it runs past its height; the command list shows every command with its picture, a white
// margin of 5 between the items and its sunken edge.
TEST_F(DialogsTest, HelpShowsItsTextAndCommands)
{
    Help.ShowDialog();
    const auto fontOf = [](HWND control) { return SendMessageW(control, WM_GETFONT, 0, 0); };
    EXPECT_EQ(fontOf(Help.HelpMemo), fontOf(Help.CloseBtn));
    const LONG style = GetWindowLongW(Help.HelpMemo, GWL_STYLE);
    EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL)) << "lines wrap at the box's width";
    const LRESULT lines = SendMessageW(Help.HelpMemo, EM_GETLINECOUNT, 0, 0);
    EXPECT_GE(lines, static_cast<LRESULT>(HelpLines.size()));
    RECT area{};
    SendMessageW(Help.HelpMemo, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const HDC memoDc = GetDC(Help.HelpMemo);
    const HGDIOBJ previous = SelectObject(memoDc, reinterpret_cast<HFONT>(fontOf(Help.HelpMemo)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(memoDc, &metrics);
    SelectObject(memoDc, previous);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        Help.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memoDc), reinterpret_cast<LPARAM>(Help.HelpMemo)));
    ReleaseDC(Help.HelpMemo, memoDc);
    EXPECT_EQ((style & WS_VSCROLL) != 0, lines * metrics.tmHeight > area.bottom - area.top);
    LOGBRUSH colour{};
    ASSERT_TRUE(GetObjectW(brush, sizeof colour, &colour));
    EXPECT_EQ(colour.lbColor, GetSysColor(COLOR_WINDOW));

    RECT frame{}, list{};
    GetWindowRect(Help.MenuListFrame, &frame);
    GetWindowRect(Help.MenuListView, &list);
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, Help.Dpi());
    EXPECT_EQ(list.left - frame.left, edge + Scaled(5, Help.Dpi()));
    EXPECT_EQ(frame.bottom - list.bottom, edge + Scaled(5, Help.Dpi()));
    EXPECT_EQ(GetWindowLongW(Help.MenuListFrame, GWL_STYLE) & SS_TYPEMASK, SS_WHITERECT);
    ASSERT_EQ(ListView_GetItemCount(Help.MenuListView), static_cast<int>(HelpCommands.size()));
    for (int index = 0; index < static_cast<int>(HelpCommands.size()); ++index) {
        wchar_t caption[128] = L"";
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = caption;
        item.cchTextMax = 128;
        ASSERT_TRUE(ListView_GetItem(Help.MenuListView, &item));
        EXPECT_EQ(Utf8(caption), HelpCommands[static_cast<size_t>(index)].Caption);
        EXPECT_EQ(item.iImage, static_cast<int>(HelpCommands[static_cast<size_t>(index)].Icon));
        RECT shown{}, inside{};
        ListView_GetItemRect(Help.MenuListView, index, &shown, LVIR_BOUNDS);
        GetClientRect(Help.MenuListView, &inside);
        EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= inside.right && shown.bottom <= inside.bottom)
            << "command " << index << " is out of view";
    }
    EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(Help.MenuListView, LVSIL_SMALL)), 9);
    PressKey(Help, VK_ESCAPE);
    EXPECT_FALSE(Help.Visible());
}

// Showing an open dialog only brings it to the front: the choices in progress stay. The first
// showing centres the dialog, later ones find it where it was left.
TEST_F(DialogsTest, AnOpenDialogKeepsItsChoicesAndADialogItsPlace)
{
    Options.ShowDialog();
    RECT frame, work;
    GetWindowRect(Options.Handle(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 2);

    Click(Control(Options, "TileFaceImage1"));
    Click(Control(Options, "BgdImage6"));
    Options.ShowDialog();
    EXPECT_EQ(Options.Flow.Choices.FaceStyle, 0);
    EXPECT_EQ(Options.Flow.Choices.BackgroundIndex, 5);

    SetWindowPos(Options.Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PressKey(Options, VK_ESCAPE);
    ASSERT_FALSE(Options.Visible());
    Options.ShowDialog();
    GetWindowRect(Options.Handle(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 20);
    EXPECT_EQ(Options.Flow.Choices.FaceStyle, 1) << "a new showing reads the store again";
}

// Escape cancels: nothing stored, the main window keeps its settings. Enter accepts: the store
// holds the choices and the main window plays them, on a new game where the map changed.
TEST_F(DialogsTest, OptionsCancelAndAccept)
{
    Options.ShowDialog();
    Click(Control(Options, "TileFaceImage1"));
    Click(Control(Options, "MapTowers"));
    PressKey(Options, VK_ESCAPE);
    TRegOptions stored;
    EXPECT_EQ(stored.ReadFace(), 1);
    EXPECT_EQ(stored.ReadMapId(), 0);
    EXPECT_EQ(Form.GameModel.FaceStyle, 1);

    Options.ShowDialog();
    Click(Control(Options, "TileFaceImage1"));
    Click(Control(Options, "BgdImage4"));
    Click(Control(Options, "MapTowers"));
    Click(Control(Options, "HintLong"));
    PressKey(Options, VK_RETURN);
    EXPECT_FALSE(Options.Visible());
    EXPECT_EQ(stored.ReadFace(), 0);
    EXPECT_EQ(stored.ReadBackground(), 3);
    EXPECT_EQ(stored.ReadMapId(), 3);
    EXPECT_EQ(stored.ReadHintSpeed(), 2);
    EXPECT_EQ(Form.GameModel.FaceStyle, 0);
    EXPECT_EQ(Form.GameModel.MapNumber, 4);
}

// An empty name is refused with the error and the dialog stays; a name in kana is stored as typed,
// and the scores list shows the store as it was when the list was last opened. The columns keep
// their widths: a long name is cut only where the list shows it. A record that cannot be read is
// reported once the list is up with the records before it.
TEST_F(DialogsTest, WinAndScores)
{
    const TMessageBoxAnswers answers;
    TMessageBoxAnswers::Texts.clear();
    Name.Won = {"0:12:34", 3, "Flat Square"};
    Name.ShowDialog();
    EXPECT_EQ(ControlText(Name.CongratsLabel), L"Score: 0:12:34");
    SendMessageW(Name.AcceptBitBtn, BM_CLICK, 0, 0);
    EXPECT_EQ(TMessageBoxAnswers::Texts, std::vector<std::string>{EmptyNameText});
    EXPECT_TRUE(Name.Visible());

    Scores.ShowDialog();
    EXPECT_EQ(ListView_GetItemCount(Scores.ScoresListView), 0);
    SetWindowTextW(Name.NameEdit, L"Anna \u3055\u304f\u3089");
    PressKey(Name, VK_RETURN);
    EXPECT_FALSE(Name.Visible());
    Scores.ShowDialog();
    EXPECT_EQ(ListView_GetItemCount(Scores.ScoresListView), 0) << "an open list is only brought to the front";
    PressKey(Scores, VK_RETURN);
    Scores.ShowDialog();
    ASSERT_EQ(ListView_GetItemCount(Scores.ScoresListView), 1);
    wchar_t player[64] = L"";
    ListView_GetItemText(Scores.ScoresListView, 0, 1, player, 64);
    EXPECT_EQ(std::wstring(player), L"Anna \u3055\u304f\u3089");
    const std::wstring longName(60, L'\u3042');
    {
        TRegOptions stored;
        stored.AddScore(Utf8(longName), "10:12:34", 123, "Flat Square");
    }
    PressKey(Scores, VK_RETURN);
    Scores.ShowDialog();
    ASSERT_EQ(ListView_GetItemCount(Scores.ScoresListView), 2);
    wchar_t kept[128] = L"";
    ListView_GetItemText(Scores.ScoresListView, 1, 1, kept, 128);
    EXPECT_EQ(std::wstring(kept), longName) << "the list cuts the name only where it shows it";
    for (int column = 0; column < ScoreColumnCount; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH;
        ListView_GetColumn(Scores.ScoresListView, column, &info);
        wchar_t text[64] = L"";
        ListView_GetItemText(Scores.ScoresListView, 0, column, text, 64);
        // The column's own width; the date's widens just as far as the date needs.
        const int designed = Scaled(ScoreColumns[static_cast<size_t>(column)].Width, Scores.Dpi());
        if (column == 0) {
            EXPECT_GE(info.cx, ListView_GetStringWidth(Scores.ScoresListView, text));
            EXPECT_TRUE(info.cx == designed ||
                        info.cx < ListView_GetStringWidth(Scores.ScoresListView, text) + Scaled(20, Scores.Dpi()))
                << "the date column grew more than its text needs";
        } else {
            EXPECT_EQ(info.cx, designed) << column;
        }
        const int expected[] = {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, expected[static_cast<int>(ScoreColumns[static_cast<size_t>(column)].Alignment)])
            << column;
    }

    PressKey(Scores, VK_RETURN);
    HKEY scores = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\tesuli\\/scores/", 0, KEY_SET_VALUE, &scores),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(scores, L"2", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(scores);
    std::string failure;
    try {
        Scores.ShowDialog();
    } catch (const std::exception& error) {
        failure = error.what();
    }
    EXPECT_EQ(failure, "Invalid data type for '2'");
    EXPECT_TRUE(Scores.Visible());
    EXPECT_EQ(ListView_GetItemCount(Scores.ScoresListView), 1);
}

}  // namespace
