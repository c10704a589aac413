#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include "model/Game.h"
#include "model/GameEffects.h"
#include "model/MapUnit.h"
#include "tests/support/KeepOnly.h"
#include "tests/support/ReportRecorder.h"

// The folder of the user's store, private to the test run.
std::filesystem::path StoreFolder();

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
