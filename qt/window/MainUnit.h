#pragma once

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <string>

#include "app/MainWindowLayout.h"
#include "app/MidEnd.h"
#include "model/RandomSource.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class TBoardView;
class TGameDialog;

// The main window: shows the board, the commands and the status, hands the player's commands and
// presses to the session and carries out what the session asks of a window.
class TMainForm : public QMainWindow, public TFrontEnd {
    Q_OBJECT

public:
    TMainForm();
    ~TMainForm() override;

    // True once the window has been closed: the program is ending.
    bool Quitting() const { return IsQuitting; }
    // The dialog, made when first asked for.
    TGameDialog* Dialog(TDialogId dialog);

    QWidget* TopCoolBar = nullptr;
    std::array<QToolBar*, Bands.size()> ToolBars{};
    TBoardView* BackgroundImage = nullptr;
    QWidget* MainStatusBar = nullptr;
    std::array<QLabel*, StatusPanelLayouts.size()> StatusPanels{};
    std::array<QMenu*, Menus.size()> MenuTitles{};
    std::array<QAction*, CommandCount> Actions{};
    QTimer GameTimer;
    QTimer BlinkTimer;  // one shot
    // The deal's draws, for the session, which owns the game and the store's handle.
    TClockRandom Random;
    TMidEnd MidEnd{*this, Random};

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Letters and the keys that edit a reading go to the session; the commands' keys are
    // shortcuts and never come here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the window, in MainWindowBuild.cpp.
    void CreateActions();
    void CreateMainMenu();
    void CreateClientArea();
    void CreateCoolBar(QWidget* client);
    void CreateStatusBar(QWidget* client);
    void PlaceWindow();

    // What the session asks of the window.
    TBoardRaster& BoardPicture() override;
    void BoardChanged() override;
    void ShowMessage(TMessageRequest request) override;
    void StartClock() override;
    void StopClock() override;
    void SetCommandEnabled(TCommandId command, bool enabled) override;
    void SetStatusText(int panel, const std::string& text) override;
    void StartBlinkTimer(uint32_t milliseconds) override;
    void ShowDialog(TDialogId dialog) override;
    void RefreshDialog(TDialogId dialog) override;
    void CloseMainWindow() override;

    std::array<TGameDialog*, DialogCount> Dialogs{};
    bool Shown = false;
    bool IsQuitting = false;
};

extern TMainForm* MainForm;
