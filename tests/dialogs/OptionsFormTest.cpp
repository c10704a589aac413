// The options dialog's widgets: clicks on previews and items reach the choices, the looks follow
// them, keys, and the pictures of the previews.
#include "DialogTestSupport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/DialogScreens.h"
#include "faces/FaceMaker.h"
#include "qt/common/SpriteUnit.h"
#include "qt/dialogs/PreviewPanel.h"
#include "qt/window/MainUnit.h"

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

TPreviewPanel* Panel(const std::string& name)
{
    return DialogControl<TPreviewPanel>(TDialogId::Options, name);
}

int ChosenPanel(int count, std::string (*name)(uint8_t))
{
    int chosen = -1;
    for (int i = 0; i < count; ++i) {
        if (Panel(name(static_cast<uint8_t>(i)))->Chosen()) {
            EXPECT_EQ(chosen, -1) << "two panels chosen";
            chosen = i;
        }
    }
    return chosen;
}

int CheckedItem(std::string_view group)
{
    return GameDialog(TDialogId::Options)->Control(group)->findChild<QButtonGroup*>()->checkedId();
}

TShownChoices Shown()
{
    return {ChosenPanel(FacePreviewCount, FacePreviewName), ChosenPanel(BackgroundPreviewCount, BackgroundPreviewName),
            CheckedItem("MapRadioGroup"), CheckedItem("HintRadioGroup")};
}

void Choose(int face, int background, int mapId, int hintSpeed)
{
    ClickPreview(FacePreviewName(static_cast<uint8_t>(face)));
    ClickPreview(BackgroundPreviewName(static_cast<uint8_t>(background)));
    ClickItem("MapRadioGroup", mapId);
    ClickItem("HintRadioGroup", hintSpeed);
}

void Click(const char* button)
{
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Options, button), Qt::LeftButton);
}

QImage Pixels(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

class OptionsFormTest : public TGuiTest {
protected:
    void PrepareStore() override { SeedSettings({0, 0, 0, 0}); }
};

TEST_F(OptionsFormTest, ClicksChooseTheLooksFollowAndAcceptStoresThem)
{
    SeedSettings({1, 4, 5, 2});
    ShowAndActivate(TDialogId::Options);
    EXPECT_EQ(Shown(), (TShownChoices{1, 4, 5, 2}));
    Choose(0, 3, 3, 1);
    EXPECT_EQ(Shown(), (TShownChoices{0, 3, 3, 1}));
    Click("AcceptBitBtn");
    EXPECT_EQ(StoredSettings(), (TStoredSettings{0, 3, 3, 1}));
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
}

TEST_F(OptionsFormTest, EnterAcceptsAndEscapeCancels)
{
    ShowAndActivate(TDialogId::Options);
    Choose(1, 1, 1, 1);
    PressKey(GameDialog(TDialogId::Options), Qt::Key_Return);
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 1, 1, 1}));

    ShowAndActivate(TDialogId::Options);
    Choose(0, 4, 6, 0);
    PressKey(GameDialog(TDialogId::Options), Qt::Key_Escape);
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 1, 1, 1}));
    ShowAndActivate(TDialogId::Options);
    EXPECT_EQ(Shown(), (TShownChoices{1, 1, 1, 1}));
}

// An exclusive group of radio buttons refuses to uncheck its last checked one: the group is made
// to show none all the same.
TEST_F(OptionsFormTest, ValuesOutsideTheItemsClearTheChecksShownBefore)
{
    SeedSettings({1, 1, 1, 1});
    ShowAndActivate(TDialogId::Options);
    Click("CancelBitBtn");
    SeedSettings({255, 200, 7, 3});
    ShowAndActivate(TDialogId::Options);
    EXPECT_EQ(Shown(), (TShownChoices{-1, -1, -1, -1}));
    ClickItem("HintRadioGroup", 0);
    EXPECT_EQ(Shown(), (TShownChoices{-1, -1, -1, 0}));
}

// Every picture is reached with Tab and chosen with the space bar; Tab into a radio group lands on
// its checked item.
TEST_F(OptionsFormTest, TabReachesEveryPictureAndTheCheckedItemOfEachGroup)
{
    SeedSettings({0, 0, 2, 1});
    ShowAndActivate(TDialogId::Options);
    ASSERT_EQ(Shown(), (TShownChoices{0, 0, 2, 1}));
    QStringList visited;
    for (int press = 0; press < 20; ++press) {
        PressKey(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    const auto item = [](std::string_view group, int index) {
        const TControl& row = OptionsScreen().Control(group);
        return QString::fromStdString(RadioItemName(row.ItemPrefix, row.Items.at(static_cast<size_t>(index))));
    };
    const auto picture = [](const std::string& panel) { return QString::fromStdString(PreviewImageName(panel)); };
    for (const QString& stop : {picture(FacePreviewName(1)), picture(BackgroundPreviewName(5)), item("HintRadioGroup", 1),
                                item("MapRadioGroup", 2)})
        EXPECT_TRUE(visited.contains(stop)) << stop.toStdString() << " not in " << visited.join(' ').toStdString();
    EXPECT_FALSE(visited.contains(item("HintRadioGroup", 0)));

    auto* fifth = DialogControl<QWidget>(TDialogId::Options, PreviewImageName(BackgroundPreviewName(5)));
    fifth->setFocus();
    PressKey(fifth, Qt::Key_Space);
    EXPECT_EQ(Shown().Background, 5);
}

// The arrow keys go through the pictures as they stand: the textures in two columns of three.
TEST_F(OptionsFormTest, ArrowKeysMoveThroughThePicturesInTheGridsDirections)
{
    ShowAndActivate(TDialogId::Options);
    const struct {
        int From;
        Qt::Key Key;
        int To;
    } steps[] = {
        {0, Qt::Key_Right, 3}, {3, Qt::Key_Down, 4}, {4, Qt::Key_Left, 1},
        {1, Qt::Key_Up, 0},    {0, Qt::Key_Up, 2},   {5, Qt::Key_Right, 2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::to_string(step.From) + " " + std::to_string(step.Key));
        Panel(BackgroundPreviewName(static_cast<uint8_t>(step.From)))->Image()->setFocus();
        PressKey(QApplication::focusWidget(), step.Key);
        EXPECT_EQ(Shown().Background, step.To);
        EXPECT_EQ(QApplication::focusWidget(), Panel(BackgroundPreviewName(static_cast<uint8_t>(step.To)))->Image());
    }
}

TEST_F(OptionsFormTest, OnlyThePicturesTakeClicks)
{
    ShowAndActivate(TDialogId::Options);
    QTest::mouseClick(Panel(FacePreviewName(1)), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(Panel(BackgroundPreviewName(4)), Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseClick(Panel(BackgroundPreviewName(5))->Image(), Qt::RightButton);
    EXPECT_EQ(Shown(), (TShownChoices{0, 0, 0, 0}));
}

TEST_F(OptionsFormTest, ChosenPanelIsSunkenInTheHighlightColourTheOthersRaisedInTheDialogColour)
{
    ShowAndActivate(TDialogId::Options);
    ClickPreview(BackgroundPreviewName(2));
    for (uint8_t i = 0; i < BackgroundPreviewCount; ++i) {
        const TPreviewPanel* panel = Panel(BackgroundPreviewName(i));
        const bool chosen = i == 2;
        SCOPED_TRACE(i);
        EXPECT_EQ(panel->frameShadow(), chosen ? QFrame::Sunken : QFrame::Raised);
        EXPECT_EQ(panel->palette().color(QPalette::Window),
                  GameDialog(TDialogId::Options)->palette().color(chosen ? QPalette::Light : QPalette::Button));
    }
}

// Each preview shows its row's picture: a face as the core draws it at the screen's ratio, or a
// texture from the double-size sheet where pixels are dense.
TEST_F(OptionsFormTest, PreviewsShowTheirPictures)
{
    const qreal ratio = qApp->devicePixelRatio();
    const int scale = TSpriteSheet::ScaleFor(ratio);
    for (const TControl& row : OptionsScreen().Controls) {
        if (row.Kind != TControlKind::Preview)
            continue;
        SCOPED_TRACE(row.Name);
        const TDesignRect& cell = row.Picture.Cell;
        const TPixelImage face = MakeFace(row.Picture.Face, ratio);
        const QImage expected =
            row.Picture.Sheet == TSheet::TileFace
                ? QImage(reinterpret_cast<const uchar*>(face.Pixels.data()), face.Width, face.Height,
                         QImage::Format_RGB32)
                : ImageForm->BackgroundImage.Image(ratio).copy(cell.Left * scale, cell.Top * scale,
                                                               cell.Width * scale, cell.Height * scale);
        const TPreviewImage* image = Panel(row.Name)->Image();
        EXPECT_EQ(Pixels(image->pixmap()), expected.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(image->size(), QSize(cell.Width, cell.Height));
    }
}

// The store's error travels from the dialog's show handler through the command to the player.
TEST_F(OptionsFormTest, AFailedReadIsReportedAndTheDialogOpens)
{
    StoreSettingAsText("mapId");
    CommandAction(TCommandId::Options)->trigger();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, QStringLiteral("Tesuli"));
    EXPECT_EQ(Messages[0].Text, QStringLiteral("Invalid data type for 'mapId'"));
    EXPECT_TRUE(GameDialog(TDialogId::Options)->isVisible());
}

}  // namespace
