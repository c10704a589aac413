// An empty main window with a menu, a tool bar and a status bar: what any Qt program of this
// shape costs to start, to measure the game's start-up against.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "qt/testing/StartupReport.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("New Game"));
    window.addToolBar(QStringLiteral("Game"))->addAction(QStringLiteral("New Game"));
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
    auto* client = new QWidget(&window);
    client->setFixedSize(605, 498);
    window.setCentralWidget(client);
    ReportStartupWhenAsked(client);
    window.show();
    return QApplication::exec();
}
