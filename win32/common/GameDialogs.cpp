#include "win32/common/GameDialogs.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<HWND>& Dialogs()
{
    static std::vector<HWND> dialogs;
    return dialogs;
}

std::vector<std::pair<HWND, TKeyGuard>>& Guards()
{
    static std::vector<std::pair<HWND, TKeyGuard>> guards;
    return guards;
}

bool IsKey(UINT message)
{
    return message == WM_KEYDOWN || message == WM_CHAR || message == WM_SYSKEYDOWN || message == WM_SYSCHAR;
}

bool Guarded(const MSG& message)
{
    if (!IsKey(message.message))
        return false;
    for (const auto& [dialog, guard] : Guards())
        if ((message.hwnd == dialog || IsChild(dialog, message.hwnd)) && guard())
            return true;
    return false;
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

void SetKeyGuard(HWND dialog, TKeyGuard guard)
{
    Guards().emplace_back(dialog, std::move(guard));
}

bool RouteToGameDialog(MSG& message)
{
    if (Guarded(message))
        return true;
    for (HWND dialog : Dialogs())
        if (IsWindowVisible(dialog) && IsDialogMessageW(dialog, &message)) {
            if (IsWindow(dialog))
                SendMessageW(dialog, KeyboardMovedMessage, 0, 0);
            return true;
        }
    return false;
}
