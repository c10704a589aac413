#include "win32/window/MessageLoop.h"

#include <windows.h>

#include "win32/common/GameDialogs.h"

namespace {

HWND AcceleratedWindow = nullptr;
HACCEL Accelerators = nullptr;

bool TranslateCommandKey(MSG& message)
{
    if (!Accelerators || (message.hwnd != AcceleratedWindow && !IsChild(AcceleratedWindow, message.hwnd)))
        return false;
    return TranslateAcceleratorW(AcceleratedWindow, Accelerators, &message) != 0;
}

void Dispatch(MSG& message)
{
    if (RouteToGameDialog(message) || TranslateCommandKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void SetMainAccelerators(HWND window, HACCEL table)
{
    AcceleratedWindow = window;
    Accelerators = table;
}

bool PumpPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Dispatch(message);
    }
    return true;
}

int RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
    return static_cast<int>(message.wParam);
}
