#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <Qt>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "app/MidEnd.h"
#include "model/Game.h"
#include "model/GameEffects.h"
#include "model/MapUnit.h"
#include "qt/dialogs/GameDialog.h"
#include "tests/support/KeepOnly.h"
#include "tests/support/ReportRecorder.h"

class QAction;
class QWidget;

// The folder of the user's store, private to the test run.
std::filesystem::path StoreFolder();

// The main window's command and one of its dialogs, as the running program has them.
QAction* CommandAction(TCommandId command);
TGameDialog* GameDialog(TDialogId dialog);
// A dialog's control of that row, of the widget class the builder makes for its kind.
template <typename Widget>
Widget* DialogControl(TDialogId dialog, std::string_view name)
{
    auto* control = qobject_cast<Widget*>(GameDialog(dialog)->Control(name));
    if (!control)
        throw std::logic_error(std::string(name) + " is not of the class asked for");
    return control;
}

// Shows a dialog the way the main window's commands do and waits until it is active.
void ShowAndActivate(QWidget* dialog);
void ShowAndActivate(TDialogId dialog);
// A key press where the player's keyboard sends it: to the dialog's focused control.
void PressKey(QWidget* dialog, Qt::Key key);
// Text as an input method commits it: kana are typed so, and QTest's keys know only ASCII.
void TypeText(QWidget* box, const QString& text);
// Left clicks on the options dialog's choices, where the player makes them.
void ClickPreview(std::string_view panel);
void ClickItem(std::string_view radioGroup, int item);

// A fresh run of the program for each test: an empty store, the seven forms, the main window shown.
// Message boxes are recorded and dismissed at once instead of waiting for a click.
class TGuiTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs before the forms are created, with the store already emptied.
    virtual void PrepareStore() {}

    TGame& Game();
    // A point of tile n's face plate as drawn on the board; one the hit test gives to tile n when
    // the tile is free.
    QPoint TilePoint(uint8_t n);
    void PressTile(uint8_t n, Qt::MouseButton button = Qt::LeftButton);
    // A press on the board's corner, where no tile lies.
    void PressEmptyBoard();
    // Leaves only these tiles on the board, at these positions, and repaints.
    void KeepOnly(std::initializer_list<TPlacedTile> tiles);
    // Two stacks whose tops show different faces: no pair is free.
    void KeepTwoUnmatchedStacks();
    // Exports what the scores dialog lists, the save dialog answering with file.
    void Export(const std::filesystem::path& file);
    // Texts of the messages shown since the last call.
    std::vector<QString> TakeMessages();
    QString PanelText(int panel);

    TReportRecorder Recorder;
    std::vector<TReport>& Messages = Recorder.Reports;
};
