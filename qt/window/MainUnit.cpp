#include "qt/window/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

#include "qt/dialogs/AboutUnit.h"
#include "qt/dialogs/HelpUnit.h"
#include "qt/dialogs/NameUnit.h"
#include "qt/dialogs/OptionsUnit.h"
#include "qt/dialogs/ScoresUnit.h"
#include "app/MainFlow.h"
#include "qt/common/Application.h"
#include "qt/window/BoardImage.h"
#include "qt/window/BoardView.h"
#include "qt/common/MessageBox.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Tesuli"));
    CreateActions();
    CreateMainMenu();
    CreateClientArea();
    PlaceWindow();

    GameTimer.setInterval(1000);
    connect(&GameTimer, &QTimer::timeout, this, [this] { RunGuarded([this] { GameModel.GameTimerTimer(); }); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { IsQuitting = true; });

    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    TRegOptions options;
    CreateGame(GameModel, options, ShowApplicationError);
}

void TMainForm::FormShow()
{
    GameModel.FormShow();
}

void TMainForm::FormDeactivate()
{
    StopClock();
}

int TMainForm::WMOptionsChanged(int, int lParam, const TSettings& choices)
{
    return ApplyOptions(GameModel, lParam, choices);
}

void TMainForm::NewGameActionExecute()
{
    GameModel.StartNewGame();
}

void TMainForm::ExitActionExecute()
{
    close();
}

void TMainForm::PropertiesActionExecute()
{
    OptionsForm->ShowDialog();
}

void TMainForm::AboutActionExecute()
{
    AboutForm->ShowDialog();
}

void TMainForm::HelpActionExecute()
{
    HelpForm->ShowDialog();
}

void TMainForm::ScoresActionExecute()
{
    ScoresForm->ShowDialog();
}

bool TMainForm::event(QEvent* event)
{
    // Only one of the game's own dialogs taking the focus stops the clock: not a message box, and
    // not another application.
    if (event->type() == QEvent::WindowDeactivate && qobject_cast<TTesuliDialog*>(QApplication::activeWindow()))
        FormDeactivate();
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!Shown) {
        Shown = true;
        RunGuarded([this] { FormShow(); });
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A hint blink in progress sees this at its next pass and stops, so the program ends at once.
    IsQuitting = true;
    GameTimer.stop();
    QMainWindow::closeEvent(event);
}

void TMainForm::CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top)
{
    BackgroundImage->Picture().CopyFaceCell(faceStyle, sourceLeft, sourceTop, left, top);
}

void TMainForm::DrawBackground()
{
    BackgroundImage->Picture().DrawBackground(GameModel.BackgroundIndex);
}

void TMainForm::BoardChanged()
{
    BackgroundImage->update();
}

void TMainForm::ShowMessage(TMessageKind kind, const std::string& text)
{
    const QString message = QString::fromStdString(text);
    if (kind == TMessageKind::Error)
        ShowError(this, message);
    else
        ShowInformation(this, message);
}

void TMainForm::StartClock()
{
    if (!GameTimer.isActive())
        GameTimer.start();
}

void TMainForm::StopClock()
{
    GameTimer.stop();
}

void TMainForm::SetCommandEnabled(TCommand command, bool enabled)
{
    switch (command) {
    case TCommand::Undo:
        UndoAction->setEnabled(enabled);
        break;
    case TCommand::Shuffle:
        ShuffleAction->setEnabled(enabled);
        break;
    case TCommand::Hint:
        HintAction->setEnabled(enabled);
        break;
    }
}

void TMainForm::SetStatusText(int panel, const std::string& text)
{
    StatusPanels.at(static_cast<size_t>(panel))->setText(QString::fromStdString(text));
}

bool TMainForm::PumpEvents()
{
    QCoreApplication::processEvents();
    return !IsQuitting;
}

void TMainForm::ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap)
{
    NameForm->Won = {scoreTime, scoreHints, scoreMap};
    NameForm->ShowDialog();
}
