#pragma once

#include <windows.h>

#include "tests/support/SeededRandom.h"
#include "win32/window/MainUnit.h"

// A main window for one test, dealing from a fixed seed. Its end ends the program, so the quit it
// leaves behind is taken away before the next test's pump could see it.
class TTestForm {
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
};
