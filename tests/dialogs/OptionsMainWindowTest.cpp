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

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

TGame& Game()
{
    return MainForm->MidEnd.Game();
}

struct TGameInProgress {
    uint8_t PresentCount;
    uint8_t UndoCount;
    int32_t ElapsedSeconds;
    int32_t HintCount;
    bool operator==(const TGameInProgress&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TGameInProgress& game)
{
    return out << int(game.PresentCount) << " tiles, " << int(game.UndoCount) << " undo, " << game.ElapsedSeconds
               << " s, " << game.HintCount << " hints";
}

TGameInProgress GameInProgress()
{
    return {Game().PresentCount(), Game().UndoCount, Game().ElapsedSeconds, Game().HintCount};
}

using TPosition = std::tuple<int, int, int>;

std::vector<TPosition> SortedPositions(const std::vector<TPosition>& positions)
{
    std::vector<TPosition> sorted = positions;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

std::vector<TPosition> TilePositions()
{
    std::vector<TPosition> positions;
    for (int n = 1; n <= TileCount; ++n)
        positions.emplace_back(Game().Tiles[n].X, Game().Tiles[n].Y, Game().Tiles[n].Layer);
    return SortedPositions(positions);
}

std::vector<TPosition> MapLayout(uint8_t mapNumber)
{
    std::vector<TPosition> positions;
    for (int entry = 1; entry <= TileCount; ++entry) {
        const TBoardPosition position = MapPositions(mapNumber, entry);
        positions.emplace_back(position.X, position.Y, position.Layer);
    }
    return SortedPositions(positions);
}

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
    void SetUp() override
    {
        TGuiTest::SetUp();
        ASSERT_EQ(Game().MapNumber, 2);
        Game().StartNewGame();
        uint8_t first = 0;
        uint8_t second = 0;
        ASSERT_TRUE(Game().FindFreePair(first, second));
        Game().ClickTile(first);
        Game().ClickTile(second);
        Game().ElapsedSeconds = 500;
        Game().HintCount = 3;
        MainForm->GameTimer.stop();
        Messages.clear();  // a dead end after the pair asks with a message box
        Before = GameInProgress();
        ASSERT_EQ(Before, (TGameInProgress{190, 1, 500, 3}));
    }

    static void OpenOptions()
    {
        CommandAction(TCommandId::Options)->trigger();
        ShowAndActivate(TDialogId::Options);
    }

    TGameInProgress Before{};
};

TEST_F(OptionsMainWindowTest, AcceptedWithAnotherMapStartsANewGameThereWithTheClockRunning)
{
    OpenOptions();
    ClickPreview(FacePreviewName(1));
    ClickPreview(BackgroundPreviewName(3));
    ClickItem("MapRadioGroup", 3);
    ClickItem("HintRadioGroup", 2);
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Options, "AcceptBitBtn"), Qt::LeftButton);

    EXPECT_EQ(StoredSettings(), (TStoredSettings{1, 3, 3, 2}));
    EXPECT_EQ(Game().FaceStyle, 1);
    EXPECT_EQ(Game().BackgroundIndex, 3);
    EXPECT_EQ(Game().HintSpeed, 2);
    EXPECT_EQ(Game().MapNumber, 4);
    EXPECT_EQ(TilePositions(), MapLayout(4)) << "the new game stands on Towers";
    EXPECT_EQ(GameInProgress(), (TGameInProgress{192, 0, 0, 0}));
    EXPECT_TRUE(MainForm->GameTimer.isActive());
    EXPECT_EQ(BoardCorner(), TextureCorner(3));
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
}

TEST_F(OptionsMainWindowTest, AcceptedWithOnlyANewBackgroundRepaintsAndTheGameGoesOn)
{
    ASSERT_NE(TextureCorner(0), TextureCorner(4)) << "the corner must tell the textures apart";
    ASSERT_EQ(BoardCorner(), TextureCorner(0));
    OpenOptions();
    ClickPreview(BackgroundPreviewName(4));
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Options, "AcceptBitBtn"), Qt::LeftButton);

    EXPECT_EQ(StoredSettings(), (TStoredSettings{0, 4, 1, 0}));
    EXPECT_EQ(Game().BackgroundIndex, 4);
    EXPECT_EQ(BoardCorner(), TextureCorner(4));
    EXPECT_EQ(Game().MapNumber, 2);
    EXPECT_EQ(GameInProgress(), Before);
    EXPECT_FALSE(MainForm->GameTimer.isActive()) << "the clock waits for the next press on the board";
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
}

}  // namespace
