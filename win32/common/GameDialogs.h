#pragma once

#include <windows.h>

#include <functional>

// The game's own modeless dialogs. Each registers its window once it exists, so that the message
// loop gives it keyboard navigation and the main window knows when one of them takes the focus.
void RegisterGameDialog(HWND dialog);
bool IsGameDialog(HWND window);
// True when the message was meant for one of the dialogs and has been handled, or dropped by the
// dialog's key guard; a dialog that handled it is then sent KeyboardMovedMessage, to bring the
// control the keyboard went to into sight.
bool RouteToGameDialog(MSG& message);
inline constexpr UINT KeyboardMovedMessage = WM_APP + 1;
// Keys for the dialog, or any of its controls, that come while this answers true are dropped
// before they reach it.
using TKeyGuard = std::function<bool()>;
void SetKeyGuard(HWND dialog, TKeyGuard guard);
