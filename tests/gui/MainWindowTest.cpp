// The main window as built from its layout tables: sizes and places, commands, menus, tool bars and
// status bar.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QTest>
#include <QToolButton>

#include <algorithm>

#include "app/MainWindowLayout.h"
#include "model/TilePlacement.h"
#include "qt/window/BoardView.h"
#include "app/BoardGeometry.h"
#include "qt/common/MessageBox.h"
#include "qt/window/MainUnit.h"
#include "tests/support/GuiFixture.h"

namespace {

using TMainWindow = TGuiTest;

QRect InWindow(const QWidget* widget)
{
    return QRect(widget->mapTo(MainForm, QPoint(0, 0)), widget->size());
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text);
}

TEST_F(TMainWindow, ClientAreaAddsUpBelowTheMenu)
{
    const int menuHeight = MainForm->menuBar()->height();
    EXPECT_EQ(MainForm->windowTitle(), Text(MainFormCaption));
    EXPECT_EQ(MainForm->size(), QSize(BoardWidth, menuHeight + MainClientHeight));
    EXPECT_TRUE(MainForm->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(MainForm->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(InWindow(MainForm->TopCoolBar), QRect(0, menuHeight, BoardWidth, CoolBarHeight));
    EXPECT_EQ(InWindow(MainForm->BackgroundImage), QRect(0, menuHeight + CoolBarHeight, BoardWidth, BoardHeight));
    EXPECT_EQ(InWindow(MainForm->MainStatusBar),
              QRect(0, menuHeight + CoolBarHeight + BoardHeight, BoardWidth, StatusBarHeight));
}

// Run also on a 1280 x 1024 screen at pixel ratio 2, where the designed window is too high: the
// whole window stays on the screen with its menu bar, bars and the whole board, drawn smaller.
TEST_F(TMainWindow, FitsTheScreensAvailableArea)
{
    const QRect available = MainForm->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(MainForm->frameGeometry())) << available.height();
    const int menuHeight = MainForm->menuBar()->height();
    const int boardHeight = MainForm->height() - menuHeight - CoolBarHeight - StatusBarHeight;
    EXPECT_EQ(InWindow(MainForm->MainStatusBar).bottom(), MainForm->height() - 1);
    EXPECT_EQ(InWindow(MainForm->BackgroundImage).height(), boardHeight);
    const qreal ratio = MainForm->devicePixelRatioF();
    const TBoardGeometry geometry = MainForm->BackgroundImage->Geometry();
    EXPECT_DOUBLE_EQ(geometry.Scale(), std::min(ratio, boardHeight * ratio / BoardHeight));
    EXPECT_EQ(MainForm->BackgroundImage->Shown().size(), MainForm->BackgroundImage->size() * ratio);
    // The bars keep their designed widths; the window goes no narrower than they are.
    EXPECT_EQ(MainForm->width(), BoardWidth);
    EXPECT_EQ(MainForm->minimumWidth(), BoardWidth);
    EXPECT_LT(MainForm->minimumHeight(), MainForm->height());
}

TEST_F(TMainWindow, CommandsShowTheirLooksAndTheSessionsStates)
{
    for (size_t index = 0; index < CommandLooks.size(); ++index) {
        const auto command = static_cast<TCommandId>(index);
        const TCommandLook& look = CommandLooks[index];
        SCOPED_TRACE(look.ActionName);
        const QAction* action = CommandAction(command);
        EXPECT_EQ(action->text(), Text(MenuCaption(look.Caption, look.AccessKey)));
        EXPECT_EQ(action->toolTip(), Text(TooltipText(command, TPlatform::Linux)));
        EXPECT_EQ(action->isEnabled(), MainForm->MidEnd.IsEnabled(command));
        QStringList keys;
        for (const TShortcut& key : ShortcutsOf(command, TPlatform::Linux))
            keys.push_back(Text(ShortcutText(key)));
        QStringList bound;
        for (const QKeySequence& sequence : action->shortcuts())
            bound.push_back(sequence.toString(QKeySequence::PortableText));
        EXPECT_EQ(bound, keys);
        EXPECT_FALSE(action->icon().isNull());
    }
}

TEST_F(TMainWindow, MenusHoldTheTablesItemsWithTheirSeparators)
{
    const QList<QAction*> titles = MainForm->menuBar()->actions();
    ASSERT_EQ(titles.size(), static_cast<qsizetype>(Menus.size()));
    for (size_t m = 0; m < Menus.size(); ++m) {
        SCOPED_TRACE(Menus[m].Name);
        EXPECT_EQ(titles[static_cast<qsizetype>(m)]->text(), Text(MenuCaption(Menus[m].Caption, Menus[m].AccessKey)));
        std::vector<const QAction*> expected;
        for (const TMenuItem& item : Menus[m].Items) {
            if (item.SeparatorBefore)
                expected.push_back(nullptr);
            expected.push_back(CommandAction(item.Command));
        }
        const QList<QAction*> shown = MainForm->MenuTitles[m]->actions();
        ASSERT_EQ(shown.size(), static_cast<qsizetype>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            const QAction* action = shown[static_cast<qsizetype>(i)];
            if (expected[i])
                EXPECT_EQ(action, expected[i]);
            else
                EXPECT_TRUE(action->isSeparator());
        }
    }
}

TEST_F(TMainWindow, ToolButtonsSitWhereTheBandsPutThem)
{
    int bandLeft = 0;
    for (size_t b = 0; b < Bands.size(); ++b) {
        const TBandLayout& band = Bands[b];
        const QToolBar* bar = MainForm->ToolBars[b];
        const QRect first = InWindow(bar->widgetForAction(CommandAction(band.Buttons[0])));
        EXPECT_GE(first.left(), bandLeft);
        EXPECT_LT(first.left(), bandLeft + 16);
        for (size_t i = 0; i < band.Buttons.size(); ++i) {
            const auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(CommandAction(band.Buttons[i])));
            ASSERT_NE(button, nullptr);
            const QRect place = InWindow(button);
            EXPECT_EQ(place.size(), QSize(ToolButtonWidth, ToolButtonHeight));
            EXPECT_EQ(place.left() - first.left(), static_cast<int>(i) * (ToolButtonWidth + ToolGapWidth));
            EXPECT_TRUE(InWindow(MainForm->TopCoolBar).contains(place));
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            EXPECT_TRUE(button->autoRaise());
        }
        bandLeft += band.Width;
    }
}

TEST_F(TMainWindow, StatusPanelsStandSideBySideAndShowTheirTextsWhole)
{
    int left = MainForm->StatusPanels[0]->x();
    for (size_t panel = 0; panel < StatusPanelLayouts.size(); ++panel) {
        const QLabel* label = MainForm->StatusPanels[panel];
        EXPECT_EQ(label->width(), StatusPanelLayouts[panel].Width);
        EXPECT_EQ(label->x(), left);
        left += StatusPanelLayouts[panel].Width;
        EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                  StatusPanelLayouts[panel].Centred ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    EXPECT_EQ(PanelText(0), "Tiles left:  192/192");
}

// What the session greys goes grey in the menu and on the tool bar alike.
TEST_F(TMainWindow, StateChangesReachMenuAndToolBar)
{
    KeepOnly({{1, {0, 0, 0}}, {2, {8, 0, 0}}, {5, {16, 0, 0}}, {6, {24, 0, 0}}});
    const QAction* undo = CommandAction(TCommandId::Undo);
    const auto shownEverywhere = [&] {
        const bool inToolBar = MainForm->ToolBars[1]->widgetForAction(CommandAction(TCommandId::Undo))->isEnabled();
        const bool inMenu = MainForm->MenuTitles[1]->actions().at(0)->isEnabled();
        EXPECT_EQ(inToolBar, inMenu);
        return inToolBar && inMenu;
    };
    EXPECT_FALSE(shownEverywhere());
    PressTile(1);
    PressTile(2);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(shownEverywhere());
    QTest::mouseClick(MainForm->ToolBars[1]->widgetForAction(CommandAction(TCommandId::Undo)), Qt::LeftButton);
    EXPECT_TRUE(Game().Tiles[1].Present);
    EXPECT_FALSE(shownEverywhere());
}

// The keys reach the window as the player types them: a command's key runs it, letters go to the
// reading in the typing panel, and a letter with Ctrl is a command's, not the reading's.
TEST_F(TMainWindow, CommandKeysRunTheirCommandsAndLettersSpellAReading)
{
    KeepOnly({{1, {0, 0, 0}}, {2, {8, 0, 0}}, {5, {16, 0, 0}}, {6, {24, 0, 0}}});
    QApplication::setActiveWindow(MainForm);
    QTest::keyClicks(MainForm, "kx");
    EXPECT_EQ(PanelText(TypingPanel), "kx: no reading");
    Game().HintSpeed = 0;
    QTest::keyClick(MainForm, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Game().HintCount, 1);
    EXPECT_EQ(PanelText(TypingPanel), "") << "what was said of the board before the hint goes";
    QTest::keyClicks(MainForm, "i");
    QTest::keyClick(MainForm, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Game().PresentCount(), 4) << "i taken and given back";
}

// A question box that closes leaving no window active (as without a window manager) does not
// leave the keyboard nowhere: the dialog that closes after it hands it to the main window.
TEST_F(TMainWindow, TheKeyboardComesBackToTheMainWindowAfterADialogsQuestion)
{
    ShowAndActivate(TDialogId::Options);
    ClickItem("KanaSetRadioGroup", 2);
    int asked = 0;
    SetQuestionHook([&](const QString&, const QString&) {
        ++asked;
        QApplication::setActiveWindow(nullptr);
        return true;
    });
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Options, "AcceptBitBtn"), Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(GameDialog(TDialogId::Options)->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == MainForm; }));
    QTest::keyClick(MainForm, Qt::Key_K);
    EXPECT_EQ(PanelText(TypingPanel), "k") << "typing goes on";
}

}  // namespace
