#include "qt/testing/TestReadout.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>

#include <ranges>
#include <utility>

#include "model/TilePlacement.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"

namespace {
void WriteRect(QTextStream& out, const QString& name, const QWidget* widget, const QRect& local)
{
    const QPoint origin = widget->mapToGlobal(local.topLeft());
    out << "widget " << name << ' ' << origin.x() << ' ' << origin.y() << ' ' << local.width() << ' '
        << local.height() << '\n';
}

void WriteTiles(QTextStream& out, TMainForm& form)
{
    // The centre of a tile's hit zone, where a player would press it.
    constexpr int HitCentreX = 21;
    constexpr int HitCentreY = 25;
    for (int n = 1; n <= TileCount; ++n) {
        const auto number = static_cast<uint8_t>(n);
        if (!form.GameModel.IsFree(number))
            continue;
        const TTileClass& tile = form.GameModel.Tiles[number];
        const TTileOrigin origin = TileOrigin(tile);
        const QPoint centre = form.BackgroundImage->mapToGlobal(QPoint(origin.Left + HitCentreX, origin.Top + HitCentreY));
        out << "tile " << n << ' ' << tile.Face << ' ' << centre.x() << ' ' << centre.y() << '\n';
    }
}

void WriteCommands(QTextStream& out, TMainForm& form)
{
    const std::pair<QAction*, const char*> actions[] = {
        {form.NewGameAction, "NewGameAction"}, {form.HintAction, "HintAction"},
        {form.ShuffleAction, "ShuffleAction"}, {form.ExitAction, "ExitAction"},
        {form.UndoAction, "UndoAction"},       {form.PropertiesAction, "PropertiesAction"},
        {form.AboutAction, "AboutAction"},     {form.HelpAction, "HelpAction"},
        {form.ScoresAction, "ScoresAction"}};
    const std::pair<QMenu*, const char*> menus[] = {
        {form.Game, "Game"}, {form.EditMenu, "EditMenu"}, {form.HelpMenu, "HelpMenu"}};
    for (const auto& [action, name] : actions) {
        for (QToolBar* bar : {form.MainToolBar, form.GameToolBar, form.HelpToolBar})
            if (QWidget* button = bar->widgetForAction(action); button && button->isVisible())
                WriteRect(out, QStringLiteral("MainForm.Tool.%1").arg(name), button, button->rect());
        for (QMenu* menu : menus | std::views::keys)
            if (menu->isVisible() && menu->actions().contains(action))
                WriteRect(out, QStringLiteral("MainForm.Menu.%1").arg(name), menu, menu->actionGeometry(action));
    }
    for (const auto& [menu, name] : menus)
        WriteRect(out, QStringLiteral("MainForm.%1").arg(name), form.menuBar(),
                  form.menuBar()->actionGeometry(menu->menuAction()));
}

void WriteControls(QTextStream& out)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->objectName().isEmpty())
            continue;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
                WriteRect(out, window->objectName() + '.' + child->objectName(), child, child->rect());
        }
    }
}

void WriteReadout(const QString& path, TMainForm& form)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QTextStream out(&file);
    for (int panel = 0; panel < 3; ++panel)
        out << "status " << panel << ' ' << form.StatusPanels[static_cast<size_t>(panel)]->text() << '\n';
    WriteTiles(out, form);
    WriteCommands(out, form);
    WriteControls(out);
    out << "end\n";
    out.flush();
    file.commit();
}
}

void StartTestReadout(TMainForm& mainForm)
{
    const QString path = qEnvironmentVariable("TESULI_TEST_READOUT");
    if (path.isEmpty())
        return;
    auto* timer = new QTimer(&mainForm);
    QObject::connect(timer, &QTimer::timeout, &mainForm, [path, &mainForm] { WriteReadout(path, mainForm); });
    timer->start(100);
}
