#include "win32/common/GameDialogs.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<HWND>& Dialogs()
{
    static std::vector<HWND> dialogs;
    return dialogs;
}

}  // namespace

void RegisterGameDialog(HWND dialog)
{
    Dialogs().push_back(dialog);
}

bool IsGameDialog(HWND window)
{
    return window && std::ranges::find(Dialogs(), window) != Dialogs().end();
}

bool RouteToGameDialog(MSG& message)
{
    for (HWND dialog : Dialogs())
        if (IsWindowVisible(dialog) && IsDialogMessageW(dialog, &message)) {
            if (IsWindow(dialog))
                SendMessageW(dialog, KeyboardMovedMessage, 0, 0);
            return true;
        }
    return false;
}
