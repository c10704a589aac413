// The main window's frame: sizes and places, commands, menus, tool bars and status bar.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "tests/support/GuiFixture.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"

namespace {

using TMainWindow = TGuiTest;

QRect InWindow(const QWidget* widget)
{
    return QRect(widget->mapTo(MainForm, QPoint(0, 0)), widget->size());
}

TEST_F(TMainWindow, ClientAreaAddsUpBelowTheMenu)
{
    const int menuHeight = MainForm->menuBar()->height();
    EXPECT_EQ(MainForm->windowTitle(), "Tesuli");
    EXPECT_EQ(MainForm->size(), QSize(605, menuHeight + 546));
    EXPECT_EQ(MainForm->minimumSize(), MainForm->maximumSize());
    EXPECT_FALSE(MainForm->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(MainForm->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(InWindow(MainForm->TopCoolBar), QRect(0, menuHeight, 605, 29));
    EXPECT_EQ(InWindow(MainForm->BackgroundImage), QRect(0, menuHeight + 29, 605, 498));
    EXPECT_EQ(InWindow(MainForm->MainStatusBar), QRect(0, menuHeight + 527, 605, 19));
}

TEST_F(TMainWindow, CommandsAtStart)
{
    struct TExpected {
        QAction* Action;
        const char* Caption;
        const char* Hint;
        bool Enabled;
    };
    const TExpected expected[] = {
        {MainForm->NewGameAction, "New Game", "New Game", true},
        {MainForm->HintAction, "Hint", "Hint", true},
        {MainForm->ShuffleAction, "Shuffle", "Shuffle", true},
        {MainForm->ExitAction, "Exit", "Exit", true},
        {MainForm->UndoAction, "Undo", "Undo", false},
        {MainForm->PropertiesAction, "Options", "Options", true},
        {MainForm->AboutAction, "About", "About Tesuli", true},
        {MainForm->HelpAction, "Help", "Help", true},
        {MainForm->ScoresAction, "View Scores", "Scores", true},
    };
    for (const TExpected& command : expected) {
        SCOPED_TRACE(command.Caption);
        EXPECT_EQ(command.Action->text(), command.Caption);
        EXPECT_EQ(command.Action->toolTip(), command.Hint);
        EXPECT_EQ(command.Action->isEnabled(), command.Enabled);
        EXPECT_TRUE(command.Action->shortcut().isEmpty());
        EXPECT_FALSE(command.Action->icon().isNull());
    }
}

TEST_F(TMainWindow, MenusInOrderWithSeparators)
{
    const auto captions = [](const QMenu* menu) {
        QStringList items;
        for (const QAction* action : menu->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return items.join(QLatin1Char('|'));
    };
    const QList<QAction*> menus = MainForm->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "Game");
    EXPECT_EQ(menus[1]->text(), "Edit");
    EXPECT_EQ(menus[2]->text(), "Help");
    EXPECT_EQ(captions(MainForm->Game), "New Game|View Scores|-|Hint|Shuffle|-|Exit");
    EXPECT_EQ(captions(MainForm->EditMenu), "Undo|-|Options");
    EXPECT_EQ(captions(MainForm->HelpMenu), "Help|-|About");
}

TEST_F(TMainWindow, ToolButtonsSitWhereTheBandsPutThem)
{
    struct TBar {
        QToolBar* Bar;
        std::vector<QAction*> Buttons;
        int BandLeft;
    };
    const TBar bars[] = {
        {MainForm->MainToolBar, {MainForm->NewGameAction, MainForm->ScoresAction, MainForm->PropertiesAction}, 0},
        {MainForm->GameToolBar, {MainForm->HintAction, MainForm->ShuffleAction, MainForm->UndoAction}, 165},
        {MainForm->HelpToolBar, {MainForm->HelpAction, MainForm->AboutAction}, 165 + 349},
    };
    for (const TBar& bar : bars) {
        const QRect first = InWindow(bar.Bar->widgetForAction(bar.Buttons[0]));
        EXPECT_GE(first.left(), bar.BandLeft);
        EXPECT_LT(first.left(), bar.BandLeft + 16);
        for (size_t i = 0; i < bar.Buttons.size(); ++i) {
            const auto* button = qobject_cast<QToolButton*>(bar.Bar->widgetForAction(bar.Buttons[i]));
            ASSERT_NE(button, nullptr);
            const QRect place = InWindow(button);
            EXPECT_EQ(place.size(), QSize(23, 22));
            EXPECT_EQ(place.left() - first.left(), static_cast<int>(i) * 43);
            EXPECT_TRUE(InWindow(MainForm->TopCoolBar).contains(place));
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            EXPECT_TRUE(button->autoRaise());
        }
    }
}

TEST_F(TMainWindow, StatusPanelsAtStart)
{
    const int widths[] = {150, 150, 150, 50};
    int left = MainForm->StatusPanels[0]->x();
    for (int panel = 0; panel < 4; ++panel) {
        const QLabel* label = MainForm->StatusPanels[static_cast<size_t>(panel)];
        EXPECT_EQ(label->width(), widths[panel]);
        EXPECT_EQ(label->x(), left);
        left += widths[panel];
        EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
    }
    EXPECT_EQ(MainForm->StatusPanels[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(MainForm->StatusPanels[3]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(PanelText(0), "Tiles left:  192/192");
    EXPECT_EQ(PanelText(1), "Hints:  0");
    EXPECT_EQ(PanelText(2), "");
    EXPECT_EQ(PanelText(3), "");
}

}  // namespace
