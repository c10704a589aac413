#pragma once

#include <windows.h>

#include "win32/common/ErrorGuard.h"

// A window whose messages go to a C++ object: Owner::HandleMessage(HWND, UINT, WPARAM, LPARAM)
// answers them, inside the general error handler. The object is passed as the creation parameter.
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    RunGuarded([&] { result = owner->HandleMessage(window, message, wParam, lParam); });
    return result;
}

// Registers the class once per run.
template <typename Owner>
void RegisterOwnedClass(const wchar_t* name, UINT style, HICON icon, HBRUSH background)
{
    static const ATOM atom = [&] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = style;
        windowClass.lpfnWndProc = OwnedWindowProc<Owner>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = icon;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = name;
        return RegisterClassExW(&windowClass);
    }();
    (void)atom;
}
