// Playing with the mouse on the board as drawn: presses of any button where the tiles are drawn, at
// either pixel density, and a whole game to the win dialog, the scores list and the export.
#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QtMath>
#include <QToolBar>
#include <QTreeWidget>

#include "tests/support/GuiFixture.h"
#include "model/TilePlacement.h"
#include "app/NameDialog.h"
#include "app/WinFlow.h"
#include "qt/window/BoardView.h"
#include "app/BoardGeometry.h"
#include "qt/window/MainUnit.h"

namespace {

using TPlay = TGuiTest;

// Tiles 1 to 4 show face 0, tiles 5 to 8 face 1, tiles 9 to 12 face 2.
constexpr TBoardPosition At(uint8_t x, uint8_t y, uint8_t layer = 0)
{
    return {x, y, layer};
}

// The last pair typed opens the win dialog: the keys still coming for the game stay out of the
// name (Escape too), those typed once the player has turned to it go in.
TEST_F(TPlay, KeysTypedAsTheWinDialogOpensStayOutOfTheName)
{
    KeepOnly({{1, At(0, 0)}, {2, At(8, 0)}});
    QTest::keyClick(MainForm, Qt::Key_A);
    TGameDialog* dialog = GameDialog(TDialogId::Name);
    ASSERT_TRUE(dialog->isVisible());
    auto* name = DialogControl<QLineEdit>(TDialogId::Name, "NameEdit");
    name->setText(QStringLiteral("Anna"));
    QTest::keyClick(name, Qt::Key_K);
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_EQ(name->text(), "Anna");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Recorder.Questions.empty()) << "an Escape for the game asks nothing";
    QTest::qWait(static_cast<int>(TypingSettleMs));
    QTest::keyClick(name, Qt::Key_B);
    EXPECT_EQ(name->text(), "Annab");
}

// Every button presses: the right and the middle one as well as the left.
TEST_F(TPlay, AnyButtonPressesTheTileDrawnThere)
{
    KeepOnly({{1, At(0, 0)}, {2, At(8, 0)}, {5, At(16, 0)}, {6, At(24, 0)}});
    PressTile(1, Qt::RightButton);
    EXPECT_EQ(Game().SelectedTile, 1);
    PressEmptyBoard();
    EXPECT_EQ(Game().SelectedTile, 1);
    PressTile(2, Qt::MiddleButton);
    EXPECT_FALSE(Game().Tiles[1].Present);
    EXPECT_FALSE(Game().Tiles[2].Present);
    EXPECT_EQ(PanelText(0), "Tiles left:  2/192");
    EXPECT_TRUE(TakeMessages().empty());
}

// Run also on a screen of pixel ratio 2: the picture then has the view's device pixels, and presses
// still find the tiles where they are drawn.
TEST_F(TPlay, BoardPictureFollowsThePixelDensity)
{
    const TBoardView& view = *MainForm->BackgroundImage;
    EXPECT_EQ(MainForm->BackgroundImage->Shown().size(), view.size() * view.devicePixelRatioF());
    KeepOnly({{1, At(0, 0)}, {2, At(26, 14)}});
    PressTile(2);
    EXPECT_EQ(Game().SelectedTile, 2);
}

// A resized window draws its board anew at the size that fits and centred; a press where a tile
// is drawn takes it, and the tile lights up there.
TEST_F(TPlay, PressesFindTheTilesWhereTheyAreDrawnAfterAResize)
{
    KeepOnly({{1, At(0, 0)}, {2, At(26, 14)}, {5, At(12, 6)}});
    MainForm->resize(1000, 560);
    QCoreApplication::processEvents();
    TBoardView& view = *MainForm->BackgroundImage;
    const qreal ratio = view.devicePixelRatioF();
    const TDeviceSize area{qRound(view.width() * ratio), qRound(view.height() * ratio)};
    const TBoardGeometry geometry(area);
    ASSERT_EQ(view.Geometry().Area(), area);
    const TTileOrigin origin = TileOrigin(Game().Tiles[5]);
    const TDevicePoint centre = geometry.ToDevice(origin.Left + 21, origin.Top + 25);
    const TDeviceRect plate = geometry.ToDevice(origin.Left + 6, origin.Top + 3, 31, 47);
    const QImage before = view.Shown().copy();  // the view's image stands on the live pixels
    const QPoint at(qFloor(centre.X / ratio), qFloor(centre.Y / ratio));
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(Game().SelectedTile, 5);
    // Most of the plate changes its colour; the kana and the reading on it do not.
    const QImage after = view.Shown();
    int changed = 0;
    for (int y = plate.Top; y < plate.Top + plate.Height; ++y)
        for (int x = plate.Left; x < plate.Left + plate.Width; ++x)
            changed += before.pixel(x, y) != after.pixel(x, y);
    EXPECT_GT(changed, plate.Width * plate.Height / 2);
}

TEST_F(TPlay, DoubleClickSelectsAndDeselects)
{
    KeepOnly({{1, At(0, 0)}, {2, At(8, 0)}});
    // The toolkit delivers the second press of a double click as the double click itself.
    PressTile(1);
    QTest::mouseDClick(MainForm->BackgroundImage, Qt::LeftButton, Qt::NoModifier, TilePoint(1));
    EXPECT_EQ(Game().SelectedTile, 0);
    EXPECT_FALSE(Game().Tiles[1].Selected);
}

TEST_F(TPlay, PressGoesToTheTopmostFreeTile)
{
    // Tile 9 lies on tile 1; tile 2 stands between tiles 5 and 6 and so is blocked.
    KeepOnly({{1, At(0, 0)}, {9, At(0, 0, 1)}, {10, At(20, 0)}, {5, At(6, 4)}, {2, At(8, 4)}, {6, At(10, 4)}});
    PressTile(2);
    EXPECT_EQ(Game().SelectedTile, 0);
    EXPECT_TRUE(MainForm->GameTimer.isActive());  // any press starts the clock
    const TTileOrigin under = TileOrigin(Game().Tiles[1]);
    QTest::mouseClick(MainForm->BackgroundImage, Qt::LeftButton, Qt::NoModifier,
                      MainForm->BackgroundImage->ToView(under.Left + 20, under.Top + 25));
    EXPECT_EQ(Game().SelectedTile, 9);  // the middle of tile 1 lies on tile 9's plate too
    PressTile(10);
    EXPECT_FALSE(Game().Tiles[9].Present);
    PressTile(1);
    EXPECT_EQ(Game().SelectedTile, 1);
}

// The whole board, pair by pair at the places drawn, shuffling at dead ends; then the name, the
// table and the export, in kana.
TEST_F(TPlay, GameWonToTheEndIsStoredListedAndExported)
{
    // Greedy play ends in a lost stack now and then; a new game starts over.
    for (int move = 0; move < 3000 && Game().PresentCount() > 0; ++move) {
        uint8_t first = 0;
        uint8_t second = 0;
        if (!Game().FindFreePair(first, second)) {
            CommandAction(TCommandId::Shuffle)->trigger();
        } else {
            PressTile(first);
            if (Game().PresentCount() == 2)
                Game().ElapsedSeconds = 3723;
            PressTile(second);
        }
        for (const QString& text : TakeMessages())
            if (text.startsWith("You have lost"))
                CommandAction(TCommandId::NewGame)->trigger();
    }
    ASSERT_EQ(Game().PresentCount(), 0);
    TGameDialog* name = GameDialog(TDialogId::Name);
    ASSERT_TRUE(name->isVisible());
    EXPECT_EQ(name->Text("CongratsLabel"), "Score: 1:02:04");
    EXPECT_FALSE(MainForm->GameTimer.isActive());
    EXPECT_FALSE(CommandAction(TCommandId::Shuffle)->isEnabled());
    EXPECT_FALSE(CommandAction(TCommandId::Hint)->isEnabled());
    EXPECT_TRUE(TakeMessages().empty());

    TypeText(DialogControl<QLineEdit>(TDialogId::Name, "NameEdit"), QStringLiteral("はなこ"));
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Name, "AcceptBitBtn"), Qt::LeftButton);
    EXPECT_FALSE(name->isVisible());
    EXPECT_TRUE(TakeMessages().empty());

    CommandAction(TCommandId::Scores)->trigger();
    ASSERT_TRUE(GameDialog(TDialogId::Scores)->isVisible());
    const auto* list = DialogControl<QTreeWidget>(TDialogId::Scores, "ScoresListView");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = list->topLevelItem(0);
    // The date in the locale's short form as Qt writes it, then the time of day.
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(QRegularExpression("^" + QRegularExpression::escape(today) + " \\d{1,2}:\\d\\d:\\d\\d$")
                    .match(row->text(0))
                    .hasMatch())
        << row->text(0).toStdString() << " on " << today.toStdString();
    EXPECT_EQ(row->text(1), "はなこ");
    EXPECT_EQ(row->text(2), "1:02:04");
    EXPECT_EQ(row->text(3), "0");
    EXPECT_EQ(row->text(4), "Babel");

    const std::filesystem::path file = StoreFolder().parent_path() / "won.csv";
    std::filesystem::remove(file);
    Export(file);
    QFile written(QString::fromStdString(file.string()));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()), row->text(0) + ",はなこ,1:02:04,0,Babel\r\n");
}

}  // namespace
