// What the dialogs do with their controls, against a private store and a view of plain values.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <vector>

#include "app/DialogScreens.h"
#include "app/InfoDialogs.h"
#include "app/NameDialog.h"
#include "app/OptionsDialog.h"
#include "app/InfoTexts.h"
#include "app/Manual.h"
#include "app/ProgressScreen.h"
#include "app/ScoresDialog.h"
#include "model/LearningModes.h"
#include "tests/app/FakeDialogView.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TestStore.h"

namespace {

class TListener final : public TOptionsListener {
public:
    std::vector<TOptionsNotice> Notices;
    void OptionsChanged(TOptionsNotice notice, const TSettings&) override { Notices.push_back(notice); }
};

class TDialogLogicTest : public testing::Test {
protected:
    TTestStore Store;
    TRegOptions Options = Store.Options();
    TFakeDialogView View;

    void SetUp() override { Options.InitDefaults(); }
};

// Every control a logic names must be in its screen: a misspelt name would leave a control dead.
TEST(DialogScreens, EveryNameIsUniqueAndEveryParentAGroupBoxOfTheSameScreen)
{
    for (const TScreen* screen : {&OptionsScreen(), &NameScreen(), &ScoresScreen(), &HelpScreen(), &AboutScreen(),
                                 &ProgressScreen(), &ProgressScreen(TProgressLayout::Narrow)}) {
        std::set<std::string> names;
        int defaults = 0;
        for (const TControl& control : screen->Controls) {
            EXPECT_TRUE(names.insert(control.Name).second) << screen->Name << " repeats " << control.Name;
            defaults += control.IsDefault;
            if (!control.Parent.empty()) {
                EXPECT_EQ(screen->Control(control.Parent).Kind, TControlKind::GroupBox) << control.Name;
            }
            const TDesignRect place = screen->PlaceInDialog(control);
            EXPECT_LE(place.Left + place.Width, screen->ClientWidth) << screen->Name << "." << control.Name;
            EXPECT_LE(place.Top + place.Height, screen->ClientHeight) << screen->Name << "." << control.Name;
        }
        EXPECT_EQ(defaults, 1) << screen->Name << " has one default button";
    }
    EXPECT_EQ(OptionsScreen().PlaceInDialog(OptionsScreen().Control("BgdPanel6")), (TDesignRect{243, 147, 42, 42}));
    const TDesignRect facePreview = OptionsScreen().Control("TileFacePanel2").Rect;
    EXPECT_LT(facePreview.Left + 2 * PartnerStep + facePreview.Width, OptionsScreen().Control("FaceGroupBox").Rect.Width)
        << "room for three tiles";
    EXPECT_EQ(RadioItemName("Map", "flat square"), "MapFlatSquare");
    EXPECT_EQ(PreviewImageName("TileFacePanel2"), "TileFaceImage2");
}

TEST_F(TDialogLogicTest, OptionsPreviewsAndGroupsChooseAndOnlyTheChosenPreviewsShowIt)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    dialog.FormShow(View);
    EXPECT_EQ(View.ChosenPreviews(), (std::vector<std::string>{"BgdPanel2", "TileFacePanel2"})) << "the defaults";
    EXPECT_EQ(View.ItemIndex("MapRadioGroup"), 0);
    EXPECT_EQ(View.ItemIndex("HintRadioGroup"), 1);

    dialog.Click(View, "TileFacePanel1", -1);
    dialog.Click(View, "BgdPanel6", -1);
    dialog.Click(View, "MapRadioGroup", 4);
    dialog.Click(View, "HintRadioGroup", 2);
    EXPECT_EQ(View.ChosenPreviews(), (std::vector<std::string>{"BgdPanel6", "TileFacePanel1"}));
    EXPECT_TRUE(listener.Notices.empty()) << "nothing is told before Accept";

    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_TRUE(View.Hidden);
    TSettings stored;
    Options.ReadSettings(stored);
    EXPECT_EQ(stored, (TSettings{0, 5, 4, 2}));
    EXPECT_EQ(listener.Notices, std::vector<TOptionsNotice>{TOptionsNotice::AcceptedOtherMap});
}

TEST_F(TDialogLogicTest, OptionsLearningModesAreStoredAndTheFacePreviewsShowThemAtOnce)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    dialog.FormShow(View);
    EXPECT_EQ(View.Pictures.at("TileFacePanel2").Face,
              (TFacePicture{0, TScript::Hiragana, TFaceShows::KanaWithReading, 1, false}))
        << "today's first tile";
    dialog.Click(View, "KanaRadioGroup", 1);
    dialog.Click(View, "ReadingsRadioGroup", 1);
    for (const uint8_t artwork : {0, 1}) {
        const TSheetCell& picture = View.Pictures.at(artwork == 0 ? "TileFacePanel1" : "TileFacePanel2");
        EXPECT_EQ(picture.Sheet, TSheet::TileFace);
        EXPECT_EQ(picture.Cell, (TDesignRect{0, 0, 40, 56}));
        EXPECT_EQ(picture.Face, (TFacePicture{0, TScript::Katakana, TFaceShows::Kana, artwork, false}));
        EXPECT_TRUE(picture.Partners.empty()) << "nothing mixes";
    }
    // Where the modes mix, the other looks of the kana stand beside it, a reading alone once.
    constexpr TFacePicture katakana{0, TScript::Katakana, TFaceShows::KanaWithReading, 1, false},
        reading{0, TScript::Hiragana, TFaceShows::Reading, 1, false},
        katakanaAlone{0, TScript::Katakana, TFaceShows::Kana, 1, false};
    const struct {
        uint8_t Kana, Readings;
        std::vector<TFacePicture> Partners;
    } mixes[] = {{2, 0, {katakana}}, {0, 2, {reading}}, {2, 2, {reading, katakanaAlone}}};
    for (const auto& mix : mixes) {
        dialog.Click(View, "KanaRadioGroup", mix.Kana);
        dialog.Click(View, "ReadingsRadioGroup", mix.Readings);
        const TSheetCell& picture = View.Pictures.at("TileFacePanel2");
        EXPECT_EQ(picture.Face.Script, TScript::Hiragana);
        EXPECT_EQ(picture.Partners, mix.Partners);
        EXPECT_EQ(picture.Cell.Width, 40 + PartnerStep * static_cast<int>(mix.Partners.size()));
    }
    dialog.Click(View, "KanaRadioGroup", 1);
    dialog.Click(View, "ReadingsRadioGroup", 1);
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_EQ(Options.Read(Setting("kana")), 1);
    EXPECT_EQ(Options.Read(Setting("readings")), 1);
    EXPECT_EQ(listener.Notices, std::vector<TOptionsNotice>{TOptionsNotice::AcceptedSameMap});
}

// Another set changes the tiles: Accept asks first, and No stores nothing and keeps the dialog
// open. Practice alone asks nothing.
TEST_F(TDialogLogicTest, OptionsAskBeforeAnotherKanaSetAndPracticeIsAChecked)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    dialog.FormShow(View);
    EXPECT_EQ(View.ItemIndex("KanaSetRadioGroup"), 0);
    EXPECT_EQ(View.ItemIndex("PracticeCheckBox"), 0);
    dialog.Click(View, "PracticeCheckBox", 1);
    EXPECT_EQ(View.ItemIndex("PracticeCheckBox"), 1);
    dialog.Click(View, "KanaSetRadioGroup", 2);
    View.ConfirmAnswer = false;
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_EQ(View.Questions, std::vector<std::string>{std::string(KanaSetQuestion)});
    EXPECT_FALSE(View.Hidden);
    EXPECT_TRUE(listener.Notices.empty());
    EXPECT_EQ(std::make_pair(Options.Read(Setting("kanaset")), Options.Read(Setting("practice"))),
              std::make_pair(uint8_t{0}, uint8_t{0}));

    View.ConfirmAnswer = true;
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_TRUE(View.Hidden);
    EXPECT_EQ(std::make_pair(Options.Read(Setting("kanaset")), Options.Read(Setting("practice"))),
              std::make_pair(uint8_t{2}, uint8_t{1}));
    EXPECT_EQ(listener.Notices, std::vector<TOptionsNotice>{TOptionsNotice::AcceptedSameMap});

    TFakeDialogView reopened;
    dialog.FormShow(reopened);
    dialog.Click(reopened, "PracticeCheckBox", 0);
    dialog.Click(reopened, "AcceptBitBtn", -1);
    EXPECT_TRUE(reopened.Questions.empty()) << "the set did not change";
    EXPECT_EQ(Options.Read(Setting("practice")), 0);
}

TEST_F(TDialogLogicTest, OptionsCancelShowsTheStoredChoicesAgainAtTheNextShowing)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    dialog.FormShow(View);
    dialog.Click(View, "TileFacePanel1", -1);
    dialog.Click(View, "CancelBitBtn", -1);
    EXPECT_TRUE(View.Hidden);
    EXPECT_EQ(listener.Notices, std::vector<TOptionsNotice>{TOptionsNotice::Cancelled});
    EXPECT_EQ(Options.Read(Setting("face")), Setting("face").Default);
    TFakeDialogView reopened;
    dialog.FormShow(reopened);
    EXPECT_TRUE(reopened.Chosen.at("TileFacePanel2"));
}

TEST_F(TDialogLogicTest, OptionsThatCannotBeReadStillShowWhatWasReadThenRaise)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    Options.Write(Setting("face"), 0);
    {
        const auto store = Store.Open();
        store->OpenKey(SettingsKey);
        store->WriteString("mapId", "7");
    }
    EXPECT_THROW(dialog.FormShow(View), ERegistryError);
    EXPECT_TRUE(View.Chosen.at("TileFacePanel1")) << "the face was read before the map failed";
}

TEST_F(TDialogLogicTest, WinNeedsANameThenStoresItAndCloses)
{
    TNameDialog dialog(Options);
    dialog.Won = {"0:03:07", 2, "Babel"};
    dialog.FormShow(View);
    EXPECT_EQ(View.Texts.at("CongratsLabel"), "Score: 0:03:07");
    EXPECT_EQ(View.Focus, "NameEdit");

    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: Please enter your name first."});
    EXPECT_FALSE(View.Hidden);
    EXPECT_TRUE(ReadTable(Options).empty());

    View.Texts["NameEdit"] = "さくら";
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_TRUE(View.Hidden);
    ASSERT_EQ(ReadTable(Options).size(), 1u);
    EXPECT_NE(ReadTable(Options)[0].find("さくら"), std::string::npos);
}

// One key does not throw a win away: Cancel (Escape too) asks first, and No keeps the dialog open
// in the name box.
TEST_F(TDialogLogicTest, CancelOnAWinAsksBeforeTheWinIsDropped)
{
    TNameDialog dialog(Options);
    dialog.Won = {"0:03:07", 2, "Babel"};
    dialog.FormShow(View);
    View.Focus.clear();
    dialog.Click(View, "CancelBitBtn", -1);
    EXPECT_EQ(View.Questions, std::vector<std::string>{DropWinQuestion(dialog.Won)});
    EXPECT_NE(View.Questions[0].find("0:03:07"), std::string::npos);
    EXPECT_FALSE(View.Hidden);
    EXPECT_EQ(View.Focus, "NameEdit");
    View.Texts["NameEdit"] = "Anna";
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_EQ(ReadTable(Options).size(), 1u) << "the win kept after No is still stored";

    TFakeDialogView next;
    dialog.FormShow(next);
    next.ConfirmAnswer = true;
    dialog.Click(next, "CancelBitBtn", -1);
    EXPECT_TRUE(next.Hidden);
    EXPECT_EQ(ReadTable(Options).size(), 1u);
}

// Nothing a question guards happens before its box is closed, however long it stays open; Yes does
// it once, No never.
TEST_F(TDialogLogicTest, AQuestionsEffectWaitsForItsAnswerAndRunsOnce)
{
    TListener listener;
    TOptionsDialog options(Options, listener);
    TNameDialog name(Options);
    name.Won = {"0:03:07", 2, "Babel"};
    TScoresDialog scores(Options);
    const std::filesystem::path file = std::filesystem::path(testing::TempDir()) / "tesuli-held-export.csv";
    struct TCase {
        const char* Name;
        std::function<void(TFakeDialogView&)> Ask;
        std::function<int(const TFakeDialogView&)> Done;  // how often the guarded effect ran
    };
    const TCase cases[] = {
        {"another kana set",
         [&](TFakeDialogView& view) {
             options.FormShow(view);
             options.Click(view, "KanaSetRadioGroup", 1);
             options.Click(view, "AcceptBitBtn", -1);
         },
         [&](const TFakeDialogView&) { return static_cast<int>(listener.Notices.size()); }},
        {"dropping a win",
         [&](TFakeDialogView& view) {
             name.FormShow(view);
             name.Click(view, "CancelBitBtn", -1);
         },
         [&](const TFakeDialogView& view) { return view.Hidden ? 1 : 0; }},
        {"replacing a file",
         [&](TFakeDialogView& view) {
             std::ofstream(file) << "other data";
             scores.FormShow(view);
             view.SaveAnswer = TDialogView::TSaveChoice{file.string(), 0};
             scores.Click(view, "ExportBitBtn", -1);
         },
         [&](const TFakeDialogView& view) { return static_cast<int>(view.Messages.size()); }},
    };
    for (const TCase& test : cases)
        for (const TMessageAnswer answer : {TMessageAnswer::No, TMessageAnswer::Yes}) {
            SCOPED_TRACE(std::string(test.Name) + (answer == TMessageAnswer::Yes ? ", yes" : ", no"));
            listener.Notices.clear();
            Options.InitDefaults();
            TFakeDialogView view;
            view.HoldBoxes = true;
            test.Ask(view);
            ASSERT_EQ(view.Open.size(), 1u);
            EXPECT_EQ(view.Questions.size(), 1u);
            EXPECT_TRUE(view.Open[0].HasYesNo());
            EXPECT_EQ(view.Open[0].DefaultAnswer(), TMessageAnswer::No);
            EXPECT_EQ(test.Done(view), 0) << "before the answer";
            view.CloseBox(answer);
            EXPECT_EQ(test.Done(view), answer == TMessageAnswer::Yes ? 1 : 0);
            EXPECT_EQ(view.Questions.size(), 1u) << "asked once";
        }
    std::filesystem::remove(file);
}

// Keys that come while the player is still typing readings stay out of the win dialog.
TEST(TypingSettle, KeysSoonAfterTheLastPlayedOneAreSwallowed)
{
    TFakeClock clock;
    clock.Now = 5000;
    TTypingSettle settle(clock);
    EXPECT_FALSE(settle.Swallows()) << "nothing typed yet";
    settle.Played();
    EXPECT_TRUE(settle.Swallows());
    clock.Now += TypingSettleMs - 1;
    EXPECT_TRUE(settle.Swallows());
    clock.Now += 1;
    EXPECT_FALSE(settle.Swallows());
    settle.Played();
    EXPECT_TRUE(settle.Swallows()) << "each key played starts the wait again";
}

class TScoresDialogTest : public TDialogLogicTest {
protected:
    TScoresDialog Dialog{Options};
    std::filesystem::path Folder = std::filesystem::path(testing::TempDir()) / "tesuli-scores-dialog";

    void SetUp() override
    {
        TDialogLogicTest::SetUp();
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        Options.AddScore("Anna", "0:01:00", 0, "Babel");
        Dialog.FormShow(View);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
};

TEST_F(TScoresDialogTest, ExportOfANameWithoutExtensionTakesTheChosenFiltersAndSaysSo)
{
    ASSERT_EQ(View.Rows.size(), 1u);
    const std::string typed = (Folder / "wins").string();
    View.SaveAnswer = TDialogView::TSaveChoice{typed, 1};
    Dialog.Click(View, "ExportBitBtn", -1);
    EXPECT_TRUE(std::filesystem::exists(typed + ".txt"));
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Information: " + ExportSavedText(typed + ".txt")});
    EXPECT_FALSE(View.Hidden) << "the list stays open after an export";
}

// The save dialog offers a name in the documents folder; a file that exists is replaced only when
// the player says Yes.
TEST_F(TScoresDialogTest, ExportOntoAFileThatExistsAsksFirst)
{
    struct TCase {
        bool Exists;
        bool Yes;
        bool Asked;
        bool Written;
    };
    const TCase cases[] = {{false, false, false, true}, {true, false, true, false}, {true, true, true, true}};
    const std::filesystem::path file = Folder / "wins.csv";
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.Exists ? "exists" : "new") + (test.Yes ? " yes" : " no"));
        std::filesystem::remove(file);
        if (test.Exists)
            std::ofstream(file) << "other data";
        TFakeDialogView view;
        view.ConfirmAnswer = test.Yes;
        view.SaveAnswer = TDialogView::TSaveChoice{file.string(), 0};
        Dialog.Click(view, "ExportBitBtn", -1);
        EXPECT_EQ(view.Proposed, view.Documents / "tesuli-scores.csv");
        EXPECT_EQ(view.Questions, test.Asked ? std::vector<std::string>{ReplaceFileQuestion(file.string())}
                                             : std::vector<std::string>{});
        std::ifstream in(file, std::ios::binary);
        const std::string held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(held == "other data", !test.Written);
        EXPECT_EQ(view.Messages.size(), test.Written ? 1u : 0u) << "saved is said only when saved";
    }
    // Without an extension the name is the one written: it is that name that is asked about.
    std::ofstream(Folder / "wins.txt") << "other data";
    TFakeDialogView typed;
    typed.SaveAnswer = TDialogView::TSaveChoice{(Folder / "wins").string(), 1};
    Dialog.Click(typed, "ExportBitBtn", -1);
    EXPECT_EQ(typed.Questions, std::vector<std::string>{ReplaceFileQuestion((Folder / "wins.txt").string())});
}

TEST_F(TScoresDialogTest, ExportCancelledDoesNothingAndAnEmptyNameIsRefused)
{
    Dialog.Click(View, "ExportBitBtn", -1);
    EXPECT_TRUE(View.Messages.empty());
    View.SaveAnswer = TDialogView::TSaveChoice{"", 0};
    Dialog.Click(View, "ExportBitBtn", -1);
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: Please specify the file name."});
}

TEST_F(TScoresDialogTest, AnExportThatCannotBeWrittenRaisesAndIsNeverReportedAsSaved)
{
    View.SaveAnswer = TDialogView::TSaveChoice{(Folder / "no-such-folder" / "wins.csv").string(), 0};
    EXPECT_THROW(Dialog.Click(View, "ExportBitBtn", -1), std::runtime_error);
    EXPECT_TRUE(View.Messages.empty());
}

TEST_F(TScoresDialogTest, EachDamagedValueIsToldOnceNamingItOverTheOtherRows)
{
    Options.AddScore("Ben", "0:01:00", 0, "Babel");
    {
        const auto store = Store.Open();
        store->OpenKey(ScoresKey);
        store->WriteString("1", "damaged");
        store->WriteInteger("3", 7);
    }
    Dialog.FormShow(View);
    EXPECT_EQ(View.Rows.size(), 1u);
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: " + NotARecord("1") + "\nInvalid data type for '3'"});
    Dialog.FormShow(View);
    EXPECT_EQ(View.Messages.size(), 1u);
}

TEST(HelpText, ALineEndingInASpaceRunsOnIntoTheNextAndOtherLinesEndTheirParagraph)
{
    const std::string text = HelpText();
    std::vector<std::string_view> lines(HelpLines.begin(), HelpLines.end());
    lines.insert(lines.end(), TypingHelpLines.begin(), TypingHelpLines.end());
    size_t paragraphEnds = 2;  // the blank line and the keys' line after them
    for (size_t line = 0; line + 1 < lines.size(); ++line) {
        paragraphEnds += !lines[line].ends_with(' ');
        EXPECT_NE(text.find(lines[line]), std::string::npos) << line;
    }
    EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), paragraphEnds);
    EXPECT_NE(text.find("\n\nKeys: New Game F2 or Ctrl+N, "), std::string::npos);
    EXPECT_EQ(text.find(" \n"), std::string::npos);
}

// The manual opens each time and the dialog stays; a browser that cannot be started is said so,
// with the manual's path, and a manual that is nowhere is said so, with where it was looked for.
TEST_F(TDialogLogicTest, AboutNamesTheManualAndOpensItOrSaysWhyNot)
{
    const std::filesystem::path root = std::filesystem::path(testing::TempDir()) / "tesuli-about";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "bin");
    TAboutDialog about;
    View.Folder = root / "bin";
    about.FormShow(View);
    EXPECT_EQ(View.Texts.at("UrlLabel"), AboutTexts::Availability(""));
    about.Click(View, "VisitMeBitBtn", -1);
    EXPECT_TRUE(View.OpenedUrls.empty()) << "no browser for a file that is not there";
    const std::string notFound = ManualNotFoundText(View.Folder);
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: " + notFound});
    for (const std::filesystem::path& place : ManualPlaces(View.Folder))
        EXPECT_NE(notFound.find(place.string()), std::string::npos) << place;

    const std::filesystem::path manual = root / "bin" / "manual.html";
    std::ofstream(manual) << "<html></html>";
    View.Messages.clear();
    about.FormShow(View);
    EXPECT_EQ(View.Texts.at("UrlLabel"), "Manual: " + manual.string());
    about.Click(View, "VisitMeBitBtn", -1);
    about.Click(View, "VisitMeBitBtn", -1);
    EXPECT_EQ(View.OpenedUrls, std::vector<std::string>(2, FileUrl(manual)));
    EXPECT_TRUE(View.Messages.empty());
    View.BrowserStarts = false;
    about.Click(View, "VisitMeBitBtn", -1);
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: " + NoBrowserText(manual)});
    EXPECT_NE(View.Messages[0].find(manual.string()), std::string::npos);
    EXPECT_FALSE(View.Hidden);
    about.Click(View, "CloseOK", -1);
    EXPECT_TRUE(View.Hidden);
    std::filesystem::remove_all(root);
}

// Beside the program (Windows, a build) before the installed data folder (bin/../share/tesuli).
TEST(Manual, LiesBesideTheProgramOrInTheInstalledDataFolder)
{
    const std::filesystem::path root = std::filesystem::path(testing::TempDir()) / "tesuli-manual";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "bin");
    const std::array<std::filesystem::path, 2> places{root / "bin" / "manual.html", root / "share" / "tesuli" / "manual.html"};
    EXPECT_EQ(ManualPlaces(root / "bin"), places);
    EXPECT_EQ(FindManual(root / "bin"), std::nullopt) << "neither";
    std::filesystem::create_directories(places[1]);
    EXPECT_EQ(FindManual(root / "bin"), std::nullopt) << "a folder of that name is no manual";
    std::filesystem::remove(places[1]);
    std::ofstream(places[1]) << "<html></html>";
    EXPECT_EQ(FindManual(root / "bin"), places[1]);
    std::ofstream(places[0]) << "<html></html>";
    EXPECT_EQ(FindManual(root / "bin"), places[0]);
    std::filesystem::remove_all(root);
}

TEST(Manual, ItsAddressEscapesWhatAnAddressCannotHold)
{
#ifdef _WIN32
    const std::pair<const char*, const char*> files[] = {
        {"C:\\Program Files\\Tesuli\\manual.html", "file:///C:/Program%20Files/Tesuli/manual.html"},
        {"C:\\Users\\\u306F\u306A\\a#b%c.html", "file:///C:/Users/%E3%81%AF%E3%81%AA/a%23b%25c.html"},
    };
#else
    const std::pair<const char*, const char*> files[] = {
        {"/usr/share/tesuli/manual.html", "file:///usr/share/tesuli/manual.html"},
        {"/home/anna/My Games/manual.html", "file:///home/anna/My%20Games/manual.html"},
        {"/home/\u306F\u306A/a#b%c.html", "file:///home/%E3%81%AF%E3%81%AA/a%23b%25c.html"},
    };
#endif
    for (const auto& [file, url] : files)
        EXPECT_EQ(FileUrl(std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(file)))), url) << file;
}

}  // namespace
