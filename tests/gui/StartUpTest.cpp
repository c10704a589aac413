// Start-up with whatever the store holds, the general error handler, Exit.
#include <QAction>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <vector>
#include <stdexcept>

#include "tests/support/GuiFixture.h"
#include "app/DialogScreens.h"
#include "app/MessageTexts.h"
#include "qt/common/Application.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"

namespace {

using TFirstRun = TGuiTest;

// What the settings are is the start-up flow's business; the window waits for the first press.
TEST_F(TFirstRun, ShowsAFullBoardQuietlyWithTheClockStopped)
{
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Game().PresentCount(), 192);
    EXPECT_EQ(PanelText(0), "Tiles left:  192/192");
    EXPECT_FALSE(MainForm->GameTimer.isActive());
}

// The dialogs are made after the first frame, once: a later repaint makes no second set.
TEST_F(TFirstRun, MakesEachDialogOnce)
{
    const QList<TGameDialog*> dialogs = MainForm->findChildren<TGameDialog*>();
    EXPECT_EQ(dialogs.size(), DialogCount);
    MainForm->BackgroundImage->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(MainForm->findChildren<TGameDialog*>(), dialogs);
}

// Task switchers and launchers may ask the window for the large sizes; they come with the dialogs.
TEST_F(TFirstRun, GivesTheWindowTheLargeIconSizesAfterTheFirstFrame)
{
    const QList<QSize> sizes = MainForm->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(128, 128)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

class TDamagedStore : public TGuiTest {
    void PrepareStore() override
    {
        std::filesystem::create_directories(StoreFolder());
        std::ofstream(StoreFolder() / "registry.sqlite3", std::ios::binary) << std::string(4096, 'x');
    }
};

// Which settings a store that cannot be read leaves in force is the start-up flow's business; the
// window shows its error and the board.
TEST_F(TDamagedStore, IsReportedAndTheGameStarts)
{
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_EQ(PanelText(0), "Tiles left:  192/192");
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

// A logic whose show handler fails.
class TFailingLogic : public TDialogLogic {
public:
    const TScreen& Screen() const override { return AboutScreen(); }
    void FormShow(TDialogView&) override { throw std::runtime_error("Invalid data type for '1'"); }
    void Click(TDialogView&, std::string_view, int) override {}
};

TEST_F(TErrorHandler, FailingShowHandlerStillOpensTheDialogAndRaises)
{
    TFailingLogic logic;
    TGameDialog dialog(MainForm, logic);
    EXPECT_THROW(dialog.ShowDialog(), std::runtime_error);
    EXPECT_TRUE(dialog.isVisible());
}

// Not every error is a standard one; none may reach the toolkit's frames.
TEST_F(TErrorHandler, ANonStandardErrorIsShownToo)
{
    class TThrowingInt : public QObject {
    public:
        bool event(QEvent*) override { throw 42; }
    } thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_EQ(Messages[0].Text, QString::fromUtf8(UnknownErrorText));
}

using TExit = TGuiTest;

TEST_F(TExit, EndsALongHintBlinkAtOnce)
{
    Game().HintSpeed = 2;
    CommandAction(TCommandId::Hint)->trigger();
    EXPECT_TRUE(MainForm->BlinkTimer.isActive());
    CommandAction(TCommandId::Exit)->trigger();
    EXPECT_TRUE(MainForm->Quitting());
    EXPECT_FALSE(MainForm->BlinkTimer.isActive());
    EXPECT_FALSE(MainForm->isVisible());
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_FALSE(Game().Tiles[n].Hinted);
}

}  // namespace
