#include "win32/window/MessageLoop.h"

#include <windows.h>

#include "win32/common/GameDialogs.h"

namespace {

void Dispatch(MSG& message)
{
    if (RouteToGameDialog(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

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
