// What the dialogs do with their controls, against a private store and a view of plain values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

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
                                 &ProgressScreen()}) {
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
    EXPECT_EQ((TSettings{Options.ReadFace(), Options.ReadBackground(), Options.ReadMapId(), Options.ReadHintSpeed()}),
              (TSettings{0, 5, 4, 2}));
    EXPECT_EQ(listener.Notices, std::vector<TOptionsNotice>{TOptionsNotice::AcceptedOtherMap});
}

TEST_F(TDialogLogicTest, OptionsLearningModesAreStoredAndTheFacePreviewsShowThemAtOnce)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    dialog.FormShow(View);
    EXPECT_EQ(View.Pictures.at("TileFacePanel2").Cell, (TDesignRect{0, 0, 40, 56})) << "today's first tile";
    // Where the modes mix, the other looks of the kana stand beside it, a reading alone once.
    constexpr TFacePicture katakana{0, TScript::Katakana, TFaceShows::KanaWithReading, 1, false},
        reading{0, TScript::Hiragana, TFaceShows::Reading, 1, false},
        katakanaAlone{0, TScript::Katakana, TFaceShows::Kana, 1, false};
    const std::tuple<uint8_t, uint8_t, std::vector<TFacePicture>> mixes[] = {
        {2, 0, {katakana}}, {0, 2, {reading}}, {2, 2, {reading, katakanaAlone}}};
    for (const auto& [kana, readings, partners] : mixes) {
        dialog.Click(View, "KanaRadioGroup", kana);
        dialog.Click(View, "ReadingsRadioGroup", readings);
        EXPECT_EQ(View.Pictures.at("TileFacePanel2").Partners, partners);
        EXPECT_EQ(View.Pictures.at("TileFacePanel2").Cell.Width, 40 + PartnerStep * static_cast<int>(partners.size()));
    }
    dialog.Click(View, "KanaRadioGroup", 1);
    dialog.Click(View, "ReadingsRadioGroup", 1);
    for (const uint8_t artwork : {0, 1})
        EXPECT_EQ(View.Pictures.at(FacePreviewName(artwork)).Face, (TFacePicture{0, TScript::Katakana, TFaceShows::Kana, artwork, false}));
    // Another set changes the tiles: Accept asks first, and No stores nothing and keeps the dialog open.
    dialog.Click(View, "KanaSetRadioGroup", 2);
    dialog.Click(View, "PracticeCheckBox", 1);
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_EQ(View.Questions, std::vector<std::string>{std::string(KanaSetQuestion)});
    EXPECT_FALSE(View.Hidden);
    EXPECT_EQ(Options.ReadKana(), 0);
    View.ConfirmAnswer = true;
    dialog.Click(View, "AcceptBitBtn", -1);
    EXPECT_EQ(Options.ReadKana(), 1);
    EXPECT_EQ(Options.ReadReadings(), 1);
    EXPECT_EQ(std::pair(Options.ReadKanaSet(), Options.ReadPractice()), std::pair(uint8_t{2}, uint8_t{1}));
    EXPECT_EQ(listener.Notices, std::vector<TOptionsNotice>{TOptionsNotice::AcceptedSameMap});
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
    EXPECT_EQ(Options.ReadFace(), DefaultFace);
    TFakeDialogView reopened;
    dialog.FormShow(reopened);
    EXPECT_TRUE(reopened.Chosen.at("TileFacePanel2"));
}

TEST_F(TDialogLogicTest, OptionsThatCannotBeReadStillShowWhatWasReadThenRaise)
{
    TListener listener;
    TOptionsDialog dialog(Options, listener);
    Options.WriteFace(0);
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
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: " + NotARecord("1") + "\nInvalid data type for '3'"});
    Dialog.FormShow(View);
    EXPECT_EQ(View.Messages.size(), 1u);
}

// A line ending in a blank runs on into the next, so that the box wraps the paragraph.
TEST(HelpText, ALineEndingInABlankRunsOnIntoTheNext)
{
    const std::string text = HelpText();
    EXPECT_NE(text.find(std::string(HelpLines[2]) + std::string(HelpLines[3])), std::string::npos);
    EXPECT_NE(text.find(std::string(HelpLines[4]) + "\n\n"), std::string::npos);
}

TEST_F(TDialogLogicTest, AboutVisitsThePageEachTimeAndStaysOpenAndCloseHides)
{
    TAboutDialog about;
    View.Folder = std::filesystem::path(testing::TempDir()) / "no-manual-here" / "bin";
    const std::filesystem::path manual = View.Folder / "manual.html";
    about.FormShow(View);
    EXPECT_EQ(View.Texts.at("UrlLabel"), "Manual: " + manual.string());
    about.Click(View, "VisitMeBitBtn", -1);
    about.Click(View, "VisitMeBitBtn", -1);
    EXPECT_EQ(View.OpenedUrls, std::vector<std::string>(2, FileUrl(manual)));
    View.BrowserStarts = false;
    about.Click(View, "VisitMeBitBtn", -1);
    EXPECT_EQ(View.Messages, std::vector<std::string>{"Error: " + NoBrowserText(manual)});
    EXPECT_FALSE(View.Hidden);
    about.Click(View, "CloseOK", -1);
    EXPECT_TRUE(View.Hidden);
}

// Beside the program (Windows, a build) before the installed data folder (bin/../share/tesuli); its
// address escapes what an address cannot hold.
TEST(Manual, LiesBesideTheProgramOrInTheInstalledDataFolderAndItsAddressIsEscaped)
{
    const std::filesystem::path root = std::filesystem::path(testing::TempDir()) / "tesuli-manual";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root / "share" / "tesuli");
    std::ofstream(root / "share" / "tesuli" / "manual.html") << "<html></html>";
    EXPECT_EQ(ManualPath(root / "bin"), root / "share" / "tesuli" / "manual.html");
    std::ofstream(root / "bin" / "manual.html") << "<html></html>";
    EXPECT_EQ(ManualPath(root / "bin"), root / "bin" / "manual.html");
    std::filesystem::remove_all(root);

#ifdef _WIN32
    const char* file = "C:\\Users\\\u306F\u306A\\My Games\\a#b%c.html";
    const char* url = "file:///C:/Users/%E3%81%AF%E3%81%AA/My%20Games/a%23b%25c.html";
#else
    const char* file = "/home/\u306F\u306A/My Games/a#b%c.html";
    const char* url = "file:///home/%E3%81%AF%E3%81%AA/My%20Games/a%23b%25c.html";
#endif
    EXPECT_EQ(FileUrl(std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(file)))), url);
}

}  // namespace
