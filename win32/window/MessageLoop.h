#pragma once

#include <windows.h>

// The main window's command keys: the loop turns them into its commands while it or one of its
// children has the keyboard.
void SetMainAccelerators(HWND window, HACCEL table);

// Handles every pending message and returns at once, never waiting. False once the program is
// ending: the quit message stays queued so that the main loop sees it too.
bool PumpPendingMessages();

// The program's event loop, until the quit message; returns its exit code.
int RunMessageLoop();
