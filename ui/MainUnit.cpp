#include "ui/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

#include "dialogs/AboutUnit.h"
#include "dialogs/HelpUnit.h"
#include "dialogs/NameUnit.h"
#include "dialogs/OptionsUnit.h"
#include "dialogs/ScoresUnit.h"
#include "storage/RegistryUnit.h"
#include "ui/Application.h"
#include "ui/BoardImage.h"
#include "ui/BoardView.h"
#include "ui/MessageBox.h"

TMainForm* MainForm = nullptr;

namespace {

struct TSettings {
    uint8_t FaceStyle = 1;
    uint8_t MapNumber = 1;
    uint8_t BackgroundIndex = 1;
    uint8_t HintSpeed = 1;
};

TSettings ReadSettings()
{
    TRegOptions options;
    if (options.InitDefaults())
        return {};
    TSettings settings;
    settings.FaceStyle = options.ReadFace();
    settings.MapNumber = static_cast<uint8_t>(options.ReadMapId() + 1);
    settings.BackgroundIndex = options.ReadBackground();
    settings.HintSpeed = options.ReadHintSpeed();
    return settings;
}

}  // namespace

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
    // A damaged or unreadable store must not keep the game from starting: report it, play with the defaults.
    TSettings settings;
    try {
        settings = ReadSettings();
    } catch (const std::exception& error) {
        ShowApplicationError(error);
    }
    GameModel.FaceStyle = settings.FaceStyle;
    GameModel.MapNumber = settings.MapNumber;
    GameModel.BackgroundIndex = settings.BackgroundIndex;
    GameModel.HintSpeed = settings.HintSpeed;
    GameModel.UndoCount = 0;
    GameModel.CreateTiles();
}

void TMainForm::FormShow()
{
    GameModel.FormShow();
}

void TMainForm::FormDeactivate()
{
    StopClock();
}

int TMainForm::WMOptionsChanged(int, int lParam)
{
    GameModel.FaceStyle = OptionsForm->FaceStyle;
    GameModel.BackgroundIndex = OptionsForm->BackgroundIndex;
    GameModel.HintSpeed = OptionsForm->HintSpeed;
    if (lParam == OptionsNotice::OtherMap) {
        GameModel.MapNumber = static_cast<uint8_t>(OptionsForm->MapId + 1);
        GameModel.StartNewGame();
        OptionsForm->hide();
    }
    GameModel.DrawBackground();
    GameModel.DrawBoard();
    return 1;
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
    NameForm->ScoreTime = QString::fromStdString(scoreTime);
    NameForm->ScoreHints = scoreHints;
    NameForm->ScoreMap = QString::fromStdString(scoreMap);
    NameForm->ShowDialog();
}
