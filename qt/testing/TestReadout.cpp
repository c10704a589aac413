#include "qt/testing/TestReadout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QTimer>
#include <QToolBar>

#include "app/Readout.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"

namespace {

QRect OnScreen(const QWidget* widget, const QRect& local)
{
    return {widget->mapToGlobal(local.topLeft()), local.size()};
}

void ReadCommands(TReadoutText& out, TMainForm& form)
{
    for (size_t index = 0; index < form.Actions.size(); ++index) {
        QAction* action = form.Actions[index];
        const auto command = static_cast<TCommandId>(index);
        for (QToolBar* bar : form.ToolBars) {
            QWidget* button = bar->widgetForAction(action);
            if (!button || !button->isVisible())
                continue;
            const QRect r = OnScreen(button, button->rect());
            out.ToolButton(command, r.x(), r.y(), r.width(), r.height());
        }
        for (QMenu* menu : form.MenuTitles) {
            if (!menu->isVisible() || !menu->actions().contains(action))
                continue;
            const QRect r = OnScreen(menu, menu->actionGeometry(action));
            out.MenuItem(command, r.x(), r.y(), r.width(), r.height());
        }
    }
    for (size_t menu = 0; menu < form.MenuTitles.size(); ++menu) {
        const QRect r = OnScreen(form.menuBar(), form.menuBar()->actionGeometry(form.MenuTitles[menu]->menuAction()));
        out.MenuTitle(menu, r.x(), r.y(), r.width(), r.height());
    }
}

void ReadControls(TReadoutText& out)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->objectName().isEmpty())
            continue;
        const std::string windowName = window->objectName().toStdString();
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
                continue;
            const QRect r = OnScreen(child, child->rect());
            const std::string name = child->objectName().toStdString();
            out.Widget(windowName, name, r.x(), r.y(), r.width(), r.height());
            if (const auto* edit = qobject_cast<QLineEdit*>(child))
                out.ControlText(windowName, name, edit->text().toStdString());
            else if (const auto* label = qobject_cast<QLabel*>(child); label && !label->text().isEmpty())
                out.ControlText(windowName, name, label->text().toStdString());
        }
    }
}

void WriteReadout(const QString& path, TMainForm& form)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    TReadoutText out;
    for (int panel = 0; panel < 3; ++panel)
        out.Status(panel, form.StatusPanels[static_cast<size_t>(panel)]->text().toStdString());
    const TBoardView* board = form.BackgroundImage;
    out.FreeTiles(form.MidEnd.Game(), [board](int32_t x, int32_t y) {
        const QPoint centre = board->mapToGlobal(board->ToView(x, y));
        return TReadoutText::TScreenPoint{centre.x(), centre.y()};
    });
    ReadCommands(out, form);
    ReadControls(out);
    const std::string text = out.Finish();
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.commit();
}

}  // namespace

void StartTestReadout(TMainForm& mainForm)
{
    const QString path = qEnvironmentVariable(ReadoutVariable);
    if (path.isEmpty())
        return;
    auto* timer = new QTimer(&mainForm);
    QObject::connect(timer, &QTimer::timeout, &mainForm, [path, &mainForm] { WriteReadout(path, mainForm); });
    timer->start(100);
}
