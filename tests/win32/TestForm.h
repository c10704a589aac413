#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/SeededRandom.h"
#include "win32/common/MessageBox.h"
#include "win32/window/MainUnit.h"

// A main window for one test, dealing from a fixed seed. A report fails the test instead of waiting
// for a player. The window's end ends the program, so the quit it leaves behind is taken away
// before the next test's pump could see it.
class TTestForm {
    struct TNoReports {
        TNoReports()
        {
            SetMessageBoxHook([](TMessageKind, const std::wstring&, const std::string& text) {
                ADD_FAILURE() << "reported: " << text;
            });
        }
        ~TNoReports() { SetMessageBoxHook({}); }
    } NoReports;

    struct TQuitDrain {
        ~TQuitDrain()
        {
            MSG message;
            while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
            }
        }
    } Drain;  // declared first, so that it ends after the window

public:
    TSeededRandom Random{7};
    TMainForm Form{Random};
    TGame& Game = Form.MidEnd().Game();
};
