#include "DialogTestSupport.h"

#include "app/DialogScreens.h"
#include "model/MapUnit.h"
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

// What the options' Accept does to the main window's widgets: the board repainted at once, the
// timer started for another map's new game and left stopped when the game goes on. What the game
// takes from the choices is tested without widgets.
struct TAccepted {
    const char* Name;
    int Background;
    int MapId;  // 1, the map seeded, for the same map
    bool ClockRunning;
};

class OptionsMainWindowTest : public TGuiTest, public testing::WithParamInterface<TAccepted> {
protected:
    void PrepareStore() override { SeedSettings({0, 0, 1, 0}); }
};

TEST_P(OptionsMainWindowTest, TheBoardIsRepaintedAndTheClockFollowsTheGame)
{
    ASSERT_NE(TextureCorner(0), TextureCorner(GetParam().Background)) << "the corner must tell the textures apart";
    ASSERT_EQ(BoardCorner(), TextureCorner(0));
    MainForm->GameTimer.stop();
    CommandAction(TCommandId::Options)->trigger();
    ShowAndActivate(TDialogId::Options);
    ClickPreview(BackgroundPreviewName(static_cast<uint8_t>(GetParam().Background)));
    ClickItem("MapRadioGroup", GetParam().MapId);
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Options, "AcceptBitBtn"), Qt::LeftButton);

    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
    EXPECT_EQ(MainForm->MidEnd.Game().MapNumber, GetParam().MapId + 1);
    EXPECT_EQ(BoardCorner(), TextureCorner(GetParam().Background));
    EXPECT_EQ(MainForm->GameTimer.isActive(), GetParam().ClockRunning);
}

INSTANTIATE_TEST_SUITE_P(Accepted, OptionsMainWindowTest,
                         testing::Values(TAccepted{"AnotherMap", 3, 3, true}, TAccepted{"SameMap", 4, 1, false}),
                         [](const testing::TestParamInfo<TAccepted>& info) { return info.param.Name; });

}  // namespace
