#pragma once

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <string>

#include "app/MainWindowLayout.h"
#include "app/OptionsFlow.h"
#include "model/Game.h"
#include "model/GameEffects.h"
#include "model/RandomSource.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class TBoardView;

// The main window: owns the game, shows the board, and carries out what the rules ask of a window.
class TMainForm : public QMainWindow, public TGameEffects, public TOptionsListener {
    Q_OBJECT

public:
    TMainForm();
    ~TMainForm() override;

    // The options dialog's notification: its choices take effect, lParam OptionsNotice::OtherMap
    // meaning another map. wParam (accepted or cancelled) is not looked at. Answers 1.
    int WMOptionsChanged(int wParam, int lParam, const TSettings& choices) override;

    // True once the window has been closed: the program is ending.
    bool Quitting() const { return IsQuitting; }

    QWidget* TopCoolBar = nullptr;
    QToolBar* MainToolBar = nullptr;
    QToolBar* GameToolBar = nullptr;
    QToolBar* HelpToolBar = nullptr;
    TBoardView* BackgroundImage = nullptr;
    QWidget* MainStatusBar = nullptr;
    std::array<QLabel*, 4> StatusPanels{};

    QMenu* Game = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* HelpMenu = nullptr;

    QAction* NewGameAction = nullptr;
    QAction* HintAction = nullptr;
    QAction* ShuffleAction = nullptr;
    QAction* ExitAction = nullptr;
    QAction* UndoAction = nullptr;
    QAction* PropertiesAction = nullptr;
    QAction* AboutAction = nullptr;
    QAction* HelpAction = nullptr;
    QAction* ScoresAction = nullptr;

    QTimer GameTimer;

    TClockRandom Random;
    TGame GameModel{*this, Random};

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDeactivate();

    void NewGameActionExecute();
    void ExitActionExecute();
    void PropertiesActionExecute();
    void AboutActionExecute();
    void HelpActionExecute();
    void ScoresActionExecute();

    // Building the window, in MainWindowBuild.cpp.
    QAction*& Action(TCommandId command);
    void CreateActions();
    void CreateMainMenu();
    void CreateClientArea();
    void CreateCoolBar(QWidget* client);
    void CreateStatusBar(QWidget* client);
    void PlaceWindow();

    // What the rules do to the window.
    void CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top) override;
    void DrawBackground() override;
    void BoardChanged() override;
    void ShowMessage(TMessageKind kind, const std::string& text) override;
    void StartClock() override;
    void StopClock() override;
    void SetCommandEnabled(TCommand command, bool enabled) override;
    void SetStatusText(int panel, const std::string& text) override;
    bool PumpEvents() override;
    void ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap) override;

    bool Shown = false;
    bool IsQuitting = false;
};

extern TMainForm* MainForm;
