#include "DialogTestSupport.h"

#include "qt/dialogs/OptionsPreview.h"
#include "qt/dialogs/OptionsRadioGroup.h"
#include "qt/dialogs/OptionsUnit.h"
#include "qt/common/SpriteUnit.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The looks and checks the dialog shows, -1 where it shows no choice.
struct TShownChoices {
    int Face;
    int Background;
    int MapId;
    int HintSpeed;
    bool operator==(const TShownChoices&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TShownChoices& shown)
{
    return out << "face " << shown.Face << ", bgd " << shown.Background << ", map " << shown.MapId << ", hint "
               << shown.HintSpeed;
}

template <size_t N> int ChosenPanel(const std::array<TPreviewPanel*, N>& panels)
{
    int chosen = -1;
    for (size_t i = 0; i < N; ++i) {
        if (panels[i]->Chosen()) {
            EXPECT_EQ(chosen, -1) << "two panels chosen";
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}

TShownChoices Shown()
{
    return {ChosenPanel(OptionsForm->TileFacePanel), ChosenPanel(OptionsForm->BgdPanel),
            OptionsForm->MapRadioGroup->ItemIndex(), OptionsForm->HintRadioGroup->ItemIndex()};
}

void Choose(int face, int background, int mapId, int hintSpeed)
{
    ClickPreview(OptionsForm->TileFacePanel[face]);
    ClickPreview(OptionsForm->BgdPanel[background]);
    ClickItem(OptionsForm->MapRadioGroup, mapId);
    ClickItem(OptionsForm->HintRadioGroup, hintSpeed);
}

QImage Pixels(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

class OptionsFormTest : public TGuiTest {
protected:
    void PrepareStore() override { SeedSettings({0, 0, 0, 0}); }
};

TEST_F(OptionsFormTest, ShowingLoadsTheStoredSettingsIntoFieldsLooksAndGroups)
{
    SeedSettings({1, 4, 5, 2});
    ShowAndActivate(OptionsForm);
    EXPECT_EQ(Shown(), (TShownChoices{1, 4, 5, 2}));
    EXPECT_EQ(OptionsForm->Flow.Choices.FaceStyle, 1);
    EXPECT_EQ(OptionsForm->Flow.Choices.BackgroundIndex, 4);
    EXPECT_EQ(OptionsForm->Flow.Choices.MapId, 5);
    EXPECT_EQ(OptionsForm->Flow.Choices.HintSpeed, 2);
    EXPECT_EQ(OptionsForm->MapRadioGroup->Item(5)->text(), QStringLiteral("Castle"));
}

TEST_F(OptionsFormTest, AcceptStoresEveryChoiceAndHidesTheDialog)
{
    ShowAndActivate(OptionsForm);
    Choose(1, 3, 3, 2);
    EXPECT_EQ(Shown(), (TShownChoices{1, 3, 3, 2}));
    EXPECT_EQ(StoredSettings(), (TStoredSettings{0, 0, 0, 0})) << "choosing stores nothing";
    QTest::mouseClick(OptionsForm->AcceptBitBtn, Qt::LeftButton);
    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 3, 3, 2}));
    EXPECT_FALSE(OptionsForm->isVisible());
}

TEST_F(OptionsFormTest, CancelStoresNothingAndTheNextShowDisplaysTheStoredValues)
{
    SeedSettings({1, 2, 4, 1});
    ShowAndActivate(OptionsForm);
    Choose(0, 5, 0, 0);
    QTest::mouseClick(OptionsForm->CancelBitBtn, Qt::LeftButton);
    EXPECT_FALSE(OptionsForm->isVisible());
    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 2, 4, 1}));
    EXPECT_EQ(OptionsForm->Flow.Choices.FaceStyle, 1) << "the choices go back to those read at show time";
    EXPECT_EQ(OptionsForm->Flow.Choices.BackgroundIndex, 2);
    EXPECT_EQ(OptionsForm->Flow.Choices.MapId, 4);
    EXPECT_EQ(OptionsForm->Flow.Choices.HintSpeed, 1);
    ShowAndActivate(OptionsForm);
    EXPECT_EQ(Shown(), (TShownChoices{1, 2, 4, 1}));
}

TEST_F(OptionsFormTest, EnterAcceptsAndEscapeCancels)
{
    ShowAndActivate(OptionsForm);
    Choose(1, 1, 1, 1);
    PressKey(OptionsForm, Qt::Key_Return);
    EXPECT_FALSE(OptionsForm->isVisible());
    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 1, 1, 1}));

    ShowAndActivate(OptionsForm);
    Choose(0, 4, 6, 0);
    PressKey(OptionsForm, Qt::Key_Escape);
    EXPECT_FALSE(OptionsForm->isVisible());
    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 1, 1, 1}));
    EXPECT_EQ(OptionsForm->Flow.Choices.MapId, 1);
}

TEST_F(OptionsFormTest, ValuesOutsideTheItemsShowNoChoiceAndAreWrittenBackUntouched)
{
    SeedSettings({2, 6, 9, 7});
    ShowAndActivate(OptionsForm);
    EXPECT_EQ(Shown(), (TShownChoices{-1, -1, -1, -1}));
    QTest::mouseClick(OptionsForm->AcceptBitBtn, Qt::LeftButton);
    EXPECT_EQ(StoredSettings(), (TStoredSettings{2, 6, 9, 7}));

    // Out of range after a show with every item checked: the checks are cleared, not kept.
    SeedSettings({1, 1, 1, 1});
    ShowAndActivate(OptionsForm);
    QTest::mouseClick(OptionsForm->CancelBitBtn, Qt::LeftButton);
    SeedSettings({255, 200, 7, 3});
    ShowAndActivate(OptionsForm);
    EXPECT_EQ(Shown(), (TShownChoices{-1, -1, -1, -1}));
    ClickItem(OptionsForm->HintRadioGroup, 0);
    QTest::mouseClick(OptionsForm->AcceptBitBtn, Qt::LeftButton);
    EXPECT_EQ(StoredSettings(), (TStoredSettings{255, 200, 7, 0}));
}

TEST_F(OptionsFormTest, ShowingTheOpenDialogKeepsTheChoicesInProgress)
{
    ShowAndActivate(OptionsForm);
    Choose(1, 5, 2, 2);
    SeedSettings({0, 1, 0, 1});
    ShowAndActivate(OptionsForm);
    EXPECT_EQ(Shown(), (TShownChoices{1, 5, 2, 2}));
    EXPECT_EQ(OptionsForm->Flow.Choices.BackgroundIndex, 5);
    QTest::mouseClick(OptionsForm->CancelBitBtn, Qt::LeftButton);
    EXPECT_EQ(OptionsForm->Flow.Choices.BackgroundIndex, 0) << "Cancel returns to the values read when the dialog opened";
}

TEST_F(OptionsFormTest, OnlyThePicturesTakeClicks)
{
    ShowAndActivate(OptionsForm);
    QTest::mouseClick(OptionsForm->TileFacePanel[1], Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(OptionsForm->BgdPanel[4], Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseClick(OptionsForm->BgdPanel[5]->Image(), Qt::RightButton);
    EXPECT_EQ(Shown(), (TShownChoices{0, 0, 0, 0}));
    EXPECT_EQ(OptionsForm->Flow.Choices.FaceStyle, 0);
    EXPECT_EQ(OptionsForm->Flow.Choices.BackgroundIndex, 0);
}

TEST_F(OptionsFormTest, ChosenPanelIsSunkenInTheHighlightColourTheOthersRaisedInTheDialogColour)
{
    ShowAndActivate(OptionsForm);
    ClickPreview(OptionsForm->BgdPanel[2]);
    for (size_t i = 0; i < OptionsForm->BgdPanel.size(); ++i) {
        const TPreviewPanel* panel = OptionsForm->BgdPanel[i];
        const bool chosen = i == 2;
        SCOPED_TRACE(i);
        EXPECT_EQ(panel->frameShadow(), chosen ? QFrame::Sunken : QFrame::Raised);
        EXPECT_EQ(panel->palette().color(QPalette::Window),
                  OptionsForm->palette().color(chosen ? QPalette::Light : QPalette::Button));
    }
}

TEST_F(OptionsFormTest, PreviewsAreTheFirstFaceCellAndTheSixTextures)
{
    const QImage faceSheets[] = {ImageForm->FaceImage.Image(1), ImageForm->FaceImage_2.Image(1)};
    for (int style = 0; style < 2; ++style)
        EXPECT_EQ(Pixels(OptionsForm->TileFacePanel[style]->Image()->pixmap()),
                  faceSheets[style].copy(0, 0, 40, 56).convertToFormat(QImage::Format_RGB32))
            << "face style " << style;
    const QImage& textures = ImageForm->BackgroundImage.Image(1);
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(Pixels(OptionsForm->BgdPanel[index]->Image()->pixmap()),
                  textures.copy(32 * index, 0, 32, 32).convertToFormat(QImage::Format_RGB32))
            << "background " << index;
}

TEST_F(OptionsFormTest, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    ShowAndActivate(OptionsForm);
    Choose(1, 2, 3, 0);
    MakeStoreUnusable();
    QTest::mouseClick(OptionsForm->AcceptBitBtn, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[0].Title, QStringLiteral("Tesuli"));
    EXPECT_EQ(Messages[0].Text, QStringLiteral("Failed to set data for 'face'"));
    EXPECT_TRUE(OptionsForm->isVisible());
    EXPECT_EQ(Shown(), (TShownChoices{1, 2, 3, 0})) << "the choices are still there to try again";
}

TEST_F(OptionsFormTest, AFailedReadIsReportedAndTheDialogOpensWithWhatWasRead)
{
    SeedSettings({1, 3, 2, 2});
    ShowAndActivate(OptionsForm);
    QTest::mouseClick(OptionsForm->CancelBitBtn, Qt::LeftButton);
    SeedSettings({0, 1, 5, 0});
    StoreSettingAsText("mapId");
    ShowAndActivate(OptionsForm);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, QStringLiteral("Tesuli"));
    EXPECT_EQ(Messages[0].Text, QStringLiteral("Invalid data type for 'mapId'"));
    EXPECT_TRUE(OptionsForm->isVisible());
    EXPECT_EQ(Shown(), (TShownChoices{0, 1, 2, 2})) << "face and background were read; the rest kept";
}

}  // namespace
