// Start-up with whatever the store holds, the options notification, the general error handler, Exit.
#include <QAction>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <tuple>
#include <vector>
#include <stdexcept>

#include "GuiFixture.h"
#include "qt/dialogs/DialogBase.h"
#include "qt/dialogs/OptionsUnit.h"
#include "storage/RegistryUnit.h"
#include "qt/common/Application.h"
#include "qt/dialogs/AboutUnit.h"
#include "qt/dialogs/HelpUnit.h"
#include "qt/dialogs/NameUnit.h"
#include "qt/dialogs/ScoresUnit.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"

namespace {

using TFirstRun = TGuiTest;

TEST_F(TFirstRun, StartsWithTheDefaultsAndStoresThem)
{
    EXPECT_EQ(Game().FaceStyle, 1);
    EXPECT_EQ(Game().MapNumber, 1);
    EXPECT_EQ(Game().BackgroundIndex, 1);
    EXPECT_EQ(Game().HintSpeed, 1);
    TRegOptions options;
    EXPECT_FALSE(options.InitDefaults());
    EXPECT_EQ(options.ReadFace(), 1);
    EXPECT_EQ(options.ReadBackground(), 1);
    EXPECT_EQ(options.ReadMapId(), 0);
    EXPECT_EQ(options.ReadHintSpeed(), 1);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Game().PresentCount(), 192);
    EXPECT_FALSE(MainForm->GameTimer.isActive());
}

// The dialogs are made after the first frame, once: a later repaint makes no second set.
TEST_F(TFirstRun, MakesEachDialogOnce)
{
    const std::vector<QObject*> dialogs{AboutForm, HelpForm, OptionsForm, NameForm, ScoresForm};
    MainForm->BackgroundImage->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(MainForm->findChildren<TTesuliDialog*>().size(), dialogs.size());
    EXPECT_EQ(dialogs, (std::vector<QObject*>{AboutForm, HelpForm, OptionsForm, NameForm, ScoresForm}));
}

class TStoredSettings : public TGuiTest {
    void PrepareStore() override
    {
        TRegOptions options;
        options.InitDefaults();
        options.WriteFace(0);
        options.WriteMapId(6);
        options.WriteBackground(5);
        options.WriteHintSpeed(2);
    }
};

TEST_F(TStoredSettings, AreTakenAtStart)
{
    EXPECT_EQ(Game().FaceStyle, 0);
    EXPECT_EQ(Game().MapNumber, 7);
    EXPECT_EQ(Game().BackgroundIndex, 5);
    EXPECT_EQ(Game().HintSpeed, 2);
}

class TDamagedStore : public TGuiTest {
    void PrepareStore() override
    {
        std::filesystem::create_directories(StoreFolder());
        std::ofstream(StoreFolder() / "registry.sqlite3", std::ios::binary) << std::string(4096, 'x');
    }
};

TEST_F(TDamagedStore, IsReportedAndTheGameStartsWithTheDefaults)
{
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_EQ(Game().FaceStyle, 1);
    EXPECT_EQ(Game().MapNumber, 1);
    EXPECT_EQ(Game().BackgroundIndex, 1);
    EXPECT_EQ(Game().HintSpeed, 1);
    EXPECT_EQ(Game().PresentCount(), 192);
    EXPECT_EQ(PanelText(0), "Tiles left:  192/192");
}

using TOptionsChanged = TGuiTest;

TEST_F(TOptionsChanged, SameMapKeepsTheGameGoing)
{
    KeepOnly({{1, {0, 0, 0}}, {2, {8, 0, 0}}, {5, {16, 0, 0}}, {6, {24, 0, 0}}});
    Game().ClickTile(1);
    Game().ClickTile(2);
    Game().ElapsedSeconds = 77;
    EXPECT_EQ(MainForm->WMOptionsChanged(1, 3, {.FaceStyle = 0, .BackgroundIndex = 4, .MapId = 3, .HintSpeed = 2}), 1);
    EXPECT_EQ(Game().FaceStyle, 0);
    EXPECT_EQ(Game().BackgroundIndex, 4);
    EXPECT_EQ(Game().HintSpeed, 2);
    EXPECT_EQ(Game().MapNumber, 1);
    EXPECT_EQ(Game().UndoCount, 1);
    EXPECT_EQ(Game().ElapsedSeconds, 77);
    EXPECT_EQ(Game().PresentCount(), 2);
}

TEST_F(TOptionsChanged, AnotherMapStartsANewGame)
{
    Game().ElapsedSeconds = 77;
    const TSettings choices{.FaceStyle = Game().FaceStyle, .BackgroundIndex = Game().BackgroundIndex, .MapId = 3,
                            .HintSpeed = Game().HintSpeed};
    EXPECT_EQ(MainForm->WMOptionsChanged(1, 4, choices), 1);
    EXPECT_EQ(Game().MapNumber, 4);
    EXPECT_EQ(Game().ElapsedSeconds, 0);
    EXPECT_EQ(Game().PresentCount(), 192);
    EXPECT_TRUE(MainForm->GameTimer.isActive());
    std::vector<std::tuple<int, int, int>> onBoard;
    std::vector<std::tuple<int, int, int>> onMap;
    for (int n = 1; n <= TileCount; ++n) {
        const TTileClass& tile = Game().Tiles[n];
        onBoard.emplace_back(tile.X, tile.Y, tile.Layer);
        const TBoardPosition position = MapPositions(4, n);
        onMap.emplace_back(position.X, position.Y, position.Layer);
    }
    std::sort(onBoard.begin(), onBoard.end());
    std::sort(onMap.begin(), onMap.end());
    EXPECT_EQ(onBoard, onMap);
}

class TThrowingObject : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("Failed to get data for 'face'"); }
};

using TErrorHandler = TGuiTest;

TEST_F(TErrorHandler, ShowsTheTextAndTheLoopGoesOn)
{
    TThrowingObject thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_EQ(Messages[0].Text, "Failed to get data for 'face'");
}

class TFailingDialog : public TTesuliDialog {
public:
    TFailingDialog() : TTesuliDialog(MainForm, QStringLiteral("Failing"), QSize(100, 60)) {}

protected:
    void FormShow() override { throw std::runtime_error("Invalid data type for '1'"); }
};

TEST_F(TErrorHandler, FailingShowHandlerStillOpensTheDialogAndRaises)
{
    TFailingDialog dialog;
    EXPECT_THROW(dialog.ShowDialog(), std::runtime_error);
    EXPECT_TRUE(dialog.isVisible());
}

using TExit = TGuiTest;

TEST_F(TExit, EndsALongHintBlinkAtOnce)
{
    Game().HintSpeed = 2;
    QTimer::singleShot(50, MainForm, [] { MainForm->ExitAction->trigger(); });
    MainForm->HintAction->trigger();
    EXPECT_TRUE(MainForm->Quitting());
    EXPECT_FALSE(MainForm->isVisible());
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_FALSE(Game().Tiles[n].Hinted);
}

}  // namespace
