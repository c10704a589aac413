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

#include <functional>
#include <initializer_list>

#include "model/TilePlacement.h"
#include "qt/common/Application.h"
#include "qt/common/Artwork.h"
#include "qt/window/BoardView.h"
#include "qt/window/FlatToolBarStyle.h"
#include "qt/window/MainUnit.h"

namespace {

constexpr int CoolBarHeight = 29;
constexpr int StatusBarHeight = 19;
constexpr int ClientHeight = CoolBarHeight + BoardHeight + StatusBarHeight;  // 546
constexpr QSize ButtonSize(23, 22);
constexpr QSize SpacerSize(20, 22);

QAction* MakeAction(QObject* owner, const char* caption, const char* hint, TCommandIcon icon)
{
    auto* action = new QAction(CommandIcon(icon), QString::fromLatin1(caption), owner);
    action->setToolTip(QString::fromLatin1(hint));
    return action;
}

// A band of the cool bar: a raised strip with a grip at its left, holding a flat tool bar whose
// buttons stand apart by empty gaps.
QWidget* MakeBand(QWidget* coolBar, QStyle* flat, QToolBar*& bar, int bandWidth, QSize barSize,
                  std::initializer_list<QAction*> buttons)
{
    auto* band = new QFrame(coolBar);
    band->setFrameStyle(QFrame::Panel | QFrame::Raised);
    band->setFixedSize(bandWidth, CoolBarHeight);
    auto* grip = new QFrame(band);
    grip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    grip->setGeometry(4, 3, 3, CoolBarHeight - 6);
    bar = new QToolBar(band);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setStyle(flat);
    bar->setGeometry(bandWidth - barSize.width() - 2, (CoolBarHeight - barSize.height()) / 2, barSize.width(),
                     barSize.height());
    for (QAction* action : buttons) {
        if (action != *buttons.begin()) {
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
    NewGameAction = MakeAction(this, "New Game", "New Game", TCommandIcon::NewGame);
    HintAction = MakeAction(this, "Hint", "Hint", TCommandIcon::Hint);
    ShuffleAction = MakeAction(this, "Shuffle", "Shuffle", TCommandIcon::Shuffle);
    ExitAction = MakeAction(this, "Exit", "Exit", TCommandIcon::Exit);
    UndoAction = MakeAction(this, "Undo", "Undo", TCommandIcon::Undo);
    PropertiesAction = MakeAction(this, "Options", "Options", TCommandIcon::Options);
    AboutAction = MakeAction(this, "About", "About Tesuli", TCommandIcon::About);
    HelpAction = MakeAction(this, "Help", "Help", TCommandIcon::Help);
    ScoresAction = MakeAction(this, "View Scores", "Scores", TCommandIcon::Scores);
    UndoAction->setEnabled(false);

    const auto bind = [this](QAction* action, std::function<void()> handler) {
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { RunGuarded(handler); });
    };
    bind(NewGameAction, [this] { NewGameActionExecute(); });
    bind(HintAction, [this] { GameModel.HintActionExecute(); });
    bind(ShuffleAction, [this] { GameModel.ShuffleActionExecute(); });
    bind(ExitAction, [this] { ExitActionExecute(); });
    bind(UndoAction, [this] { GameModel.UndoActionExecute(); });
    bind(PropertiesAction, [this] { PropertiesActionExecute(); });
    bind(AboutAction, [this] { AboutActionExecute(); });
    bind(HelpAction, [this] { HelpActionExecute(); });
    bind(ScoresAction, [this] { ScoresActionExecute(); });
}

void TMainForm::CreateMainMenu()
{
    Game = menuBar()->addMenu(QStringLiteral("Game"));
    Game->addAction(NewGameAction);
    Game->addAction(ScoresAction);
    Game->addSeparator();
    Game->addAction(HintAction);
    Game->addAction(ShuffleAction);
    Game->addSeparator();
    Game->addAction(ExitAction);

    EditMenu = menuBar()->addMenu(QStringLiteral("Edit"));
    EditMenu->addAction(UndoAction);
    EditMenu->addSeparator();
    EditMenu->addAction(PropertiesAction);

    HelpMenu = menuBar()->addMenu(QStringLiteral("Help"));
    HelpMenu->addAction(HelpAction);
    HelpMenu->addSeparator();
    HelpMenu->addAction(AboutAction);
}

void TMainForm::CreateCoolBar(QWidget* client)
{
    TopCoolBar = new QWidget(client);
    TopCoolBar->setFixedSize(BoardWidth, CoolBarHeight);
    auto* bands = new QHBoxLayout(TopCoolBar);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    // Owned by the window, so that it outlives the bars.
    auto* flat = new TFlatToolBarStyle(this);
    bands->addWidget(MakeBand(TopCoolBar, flat, MainToolBar, 165, QSize(152, 25), {NewGameAction, ScoresAction, PropertiesAction}));
    bands->addWidget(MakeBand(TopCoolBar, flat, GameToolBar, 349, QSize(336, 25), {HintAction, ShuffleAction, UndoAction}));
    bands->addWidget(MakeBand(TopCoolBar, flat, HelpToolBar, 83, QSize(70, 24), {HelpAction, AboutAction}));
    bands->addStretch();
}

void TMainForm::CreateStatusBar(QWidget* client)
{
    struct TPanel {
        int Width;
        Qt::Alignment Alignment;
    };
    constexpr TPanel panels[] = {{150, Qt::AlignHCenter}, {150, Qt::AlignHCenter}, {150, Qt::AlignHCenter}, {50, Qt::AlignLeft}};

    // A plain strip rather than the toolkit's status bar, whose own margins would squeeze the panels.
    MainStatusBar = new QWidget(client);
    MainStatusBar->setFixedSize(BoardWidth, StatusBarHeight);
    auto* row = new QHBoxLayout(MainStatusBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        QLabel* panel = StatusPanels[i] = new QLabel(MainStatusBar);
        panel->setFixedWidth(panels[i].Width);
        panel->setAlignment(panels[i].Alignment | Qt::AlignVCenter);
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
    BackgroundImage = new TBoardView(client, [this](int32_t px, int32_t py) {
        RunGuarded([&] { GameModel.BackgroundImageMouseDown(px, py); });
    });
    CreateStatusBar(client);
    column->addWidget(TopCoolBar);
    column->addWidget(BackgroundImage);
    column->addWidget(MainStatusBar);
    setCentralWidget(client);
}

void TMainForm::PlaceWindow()
{
    // The menu bar lies outside the client area.
    setFixedSize(BoardWidth, menuBar()->sizeHint().height() + ClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()).topLeft());
}
