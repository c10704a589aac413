// The main window's controls: commands, menu, cool bar with its three tool bars, status bar.
#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <vector>

#include "app/BoardGeometry.h"
#include "app/MainWindowLayout.h"
#include "model/TilePlacement.h"
#include "qt/common/Application.h"
#include "qt/common/Artwork.h"
#include "qt/window/BoardView.h"
#include "qt/window/CommandKeys.h"
#include "qt/window/FlatToolBarStyle.h"
#include "qt/window/MainUnit.h"

namespace {

constexpr QSize ButtonSize(ToolButtonWidth, ToolButtonHeight);
constexpr QSize SpacerSize(ToolGapWidth, ToolButtonHeight);

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* MakeAction(QObject* owner, TCommandId command)
{
    const TCommandLook& look = LookOf(command);
    auto* action = new QAction(CommandIcon(command), Text(MenuCaption(look.Caption, look.AccessKey)), owner);
    action->setToolTip(Text(TooltipText(command, TPlatform::Linux)));
    action->setShortcuts(CommandShortcuts(command));
    return action;
}

// A band of the cool bar: a raised strip with a grip at its left, holding a flat tool bar whose
// buttons stand apart by empty gaps.
QWidget* MakeBand(QWidget* coolBar, QStyle* flat, QToolBar*& bar, const TBandLayout& layout,
                  const std::vector<QAction*>& buttons)
{
    const int bandWidth = layout.Width;
    const QSize barSize(layout.BarWidth, layout.BarHeight);
    auto* band = new QFrame(coolBar);
    band->setFrameStyle(QFrame::Panel | QFrame::Raised);
    band->setFixedSize(bandWidth, CoolBarHeight);
    auto* grip = new QFrame(band);
    grip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    grip->setGeometry(4, 3, 3, CoolBarHeight - 6);
    bar = new QToolBar(band);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(ToolIconSide, ToolIconSide));
    bar->setStyle(flat);
    bar->setGeometry(bandWidth - barSize.width() - 2, (CoolBarHeight - barSize.height()) / 2, barSize.width(),
                     barSize.height());
    for (QAction* action : buttons) {
        if (action != buttons.front()) {
            auto* gap = new QWidget(bar);
            gap->setFixedSize(SpacerSize);
            bar->addWidget(gap);
        }
        bar->addAction(action);
        bar->widgetForAction(action)->setFixedSize(ButtonSize);
    }
    return band;
}

}  // namespace

void TMainForm::CreateActions()
{
    for (size_t index = 0; index < Actions.size(); ++index) {
        const auto command = static_cast<TCommandId>(index);
        QAction* action = Actions[index] = MakeAction(this, command);
        action->setEnabled(MidEnd.IsEnabled(command));
        connect(action, &QAction::triggered, this, [this, command] { RunGuarded([&] { MidEnd.RunCommand(command); }); });
    }
}

void TMainForm::CreateMainMenu()
{
    for (size_t m = 0; m < Menus.size(); ++m) {
        QMenu* menu = MenuTitles[m] = menuBar()->addMenu(Text(MenuCaption(Menus[m].Caption, Menus[m].AccessKey)));
        for (const TMenuItem& item : Menus[m].Items) {
            if (item.SeparatorBefore)
                menu->addSeparator();
            menu->addAction(Actions[static_cast<size_t>(item.Command)]);
        }
    }
}

void TMainForm::CreateCoolBar(QWidget* client)
{
    TopCoolBar = new QWidget(client);
    // The bands keep their widths at the left; a wider window only lengthens the strip.
    TopCoolBar->setFixedHeight(CoolBarHeight);
    auto* bands = new QHBoxLayout(TopCoolBar);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    // Owned by the window, so that it outlives the bars.
    auto* flat = new TFlatToolBarStyle(this);
    for (size_t b = 0; b < Bands.size(); ++b) {
        std::vector<QAction*> buttons;
        for (const TCommandId command : Bands[b].Buttons)
            buttons.push_back(Actions[static_cast<size_t>(command)]);
        bands->addWidget(MakeBand(TopCoolBar, flat, ToolBars[b], Bands[b], buttons));
    }
    bands->addStretch();
}

void TMainForm::CreateStatusBar(QWidget* client)
{
    // A plain strip rather than the toolkit's status bar, whose own margins would squeeze the panels.
    MainStatusBar = new QWidget(client);
    MainStatusBar->setFixedHeight(StatusBarHeight);
    auto* row = new QHBoxLayout(MainStatusBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        QLabel* panel = StatusPanels[i] = new QLabel(MainStatusBar);
        panel->setFixedWidth(StatusPanelLayouts[i].Width);
        panel->setAlignment((StatusPanelLayouts[i].Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        row->addWidget(panel);
    }
    row->addStretch();
}

void TMainForm::CreateClientArea()
{
    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    CreateCoolBar(client);
    BackgroundImage = new TBoardView(
        client, [this](int32_t px, int32_t py) { RunGuarded([&] { MidEnd.BoardPress(px, py); }); },
        [this] { RunGuarded([this] { MidEnd.Game().DrawBoard(); }); });
    BackgroundImage->setObjectName("BackgroundImage");
    CreateStatusBar(client);
    column->addWidget(TopCoolBar);
    column->addWidget(BackgroundImage);
    column->addWidget(MainStatusBar);
    setCentralWidget(client);
}

void TMainForm::PlaceWindow()
{
    // Qt sizes windows in logical pixels, so the designed sizes already stand for themselves times
    // the pixel ratio. The menu bar lies outside the client area; the title bar is not known
    // before the window manager frames the window, so the style's guess at it is kept free.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int bars = menuBar()->sizeHint().height() + CoolBarHeight + StatusBarHeight;
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, BoardWidth, bars + BoardHeight);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const TDeviceSize opening =
        OpeningBoardArea(1.0, {available.width(), available.height() - titleBar - bars});
    const TDeviceSize smallest = SmallestBoardArea(1.0, opening);
    setMinimumSize(smallest.Width, smallest.Height + bars);
    resize(opening.Width, opening.Height + bars);
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), available).topLeft());
}
