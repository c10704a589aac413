#include "qt/window/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

#include "qt/common/Application.h"
#include "qt/common/MessageBox.h"
#include "qt/dialogs/GameDialog.h"
#include "qt/window/BoardView.h"
#include "qt/window/CommandKeys.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QString::fromUtf8(MainFormCaption));
    MidEnd.FormCreate([](const std::exception& error) { ShowApplicationError(error.what()); });
    // The settings are known: the first board's faces are made on other cores while the window is
    // built, at the scale it opens at where it fits the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    TFacesAhead faces(MidEnd.Game().FacesOfNextDeal(), screen ? screen->devicePixelRatio() : 1.0);
    CreateActions();
    CreateMainMenu();
    CreateClientArea();
    BackgroundImage->ExpectFaces(std::move(faces));
    PlaceWindow();

    GameTimer.setInterval(1000);
    connect(&GameTimer, &QTimer::timeout, this, [this] { RunGuarded([this] { MidEnd.Tick(); }); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { IsQuitting = true; });
}

TMainForm::~TMainForm() = default;

TGameDialog* TMainForm::Dialog(TDialogId dialog)
{
    TGameDialog*& made = Dialogs.at(static_cast<size_t>(dialog));
    if (!made) {
        made = new TGameDialog(this, MidEnd.Dialog(dialog));
        if (dialog == TDialogId::Name)
            made->SetKeyGuard([this] { return MidEnd.TypingSettle().Swallows(); });
    }
    return made;
}

bool TMainForm::event(QEvent* event)
{
    // Only one of the game's own dialogs taking the focus counts: not a message box, and not
    // another application.
    if (event->type() == QEvent::WindowDeactivate && qobject_cast<TGameDialog*>(QApplication::activeWindow()))
        MidEnd.DialogActivated();
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!Shown) {
        Shown = true;
        // The keyboard plays too: the new window asks for it.
        activateWindow();
        RunGuarded([this] { MidEnd.FormShow(); });
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A hint blink in progress sees this at its next pass and stops, so the program ends at once.
    IsQuitting = true;
    GameTimer.stop();
    RunGuarded([this] { MidEnd.FormClose(); });
    QMainWindow::closeEvent(event);
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    const std::optional<TTypedKey> typed = TypedKey(*event);
    if (!typed) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    MidEnd.TypingSettle().Played();
    RunGuarded([&] {
        if (typed->Key)
            MidEnd.TypeKey(*typed->Key);
        else
            MidEnd.TypeLetter(typed->Letter);
    });
}

TBoardRaster& TMainForm::BoardPicture()
{
    return BackgroundImage->Picture();
}

void TMainForm::BoardChanged()
{
    BackgroundImage->update();
}

void TMainForm::ShowMessage(TMessageKind kind, const std::string& text)
{
    ::ShowMessage(this, kind, text);
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

void TMainForm::SetCommandEnabled(TCommandId command, bool enabled)
{
    Actions.at(static_cast<size_t>(command))->setEnabled(enabled);
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

void TMainForm::ShowDialog(TDialogId dialog)
{
    Dialog(dialog)->ShowDialog();
}

void TMainForm::RefreshDialog(TDialogId dialog)
{
    if (TGameDialog* made = Dialogs.at(static_cast<size_t>(dialog)))
        made->RefreshIfOpen();
}

void TMainForm::CloseMainWindow()
{
    close();
}
