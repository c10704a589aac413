#include "DialogTestSupport.h"

#include "app/DialogScreens.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "qt/common/SpriteUnit.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The board's bottom right corner, which no map covers with tiles, shows the background texture.
QRgb BoardCorner()
{
    const QImage board = MainForm->BackgroundImage->Shown();
    return board.pixel(board.width() - 1, board.height() - 1);
}

QRgb TextureCorner(int index)
{
    const QImage& textures = ImageForm->BackgroundImage.Image(1);
    return textures.pixel(32 * index + (BoardWidth - 1) % 32, (BoardHeight - 1) % 32);
}

class OptionsMainWindowTest : public TGuiTest {
protected:
    void PrepareStore() override { SeedSettings({0, 0, 1, 0}); }
};

// What the game takes from the choices, a new game and its clock among them, is tested without
// widgets; the window repaints the board at once, and the clock waits.
TEST_F(OptionsMainWindowTest, AcceptedWithOnlyANewBackgroundRepaintsAndTheGameGoesOn)
{
    ASSERT_NE(TextureCorner(0), TextureCorner(4)) << "the corner must tell the textures apart";
    ASSERT_EQ(BoardCorner(), TextureCorner(0));
    CommandAction(TCommandId::Options)->trigger();
    ShowAndActivate(TDialogId::Options);
    ClickPreview(BackgroundPreviewName(4));
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Options, "AcceptBitBtn"), Qt::LeftButton);

    EXPECT_EQ(BoardCorner(), TextureCorner(4));
    EXPECT_FALSE(MainForm->GameTimer.isActive()) << "the clock waits for the next press on the board";
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
}

}  // namespace
