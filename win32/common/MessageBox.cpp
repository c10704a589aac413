#include "win32/common/MessageBox.h"

#include "storage/WindowsText.h"

namespace {

TMessageBoxHook& Hook()
{
    static TMessageBoxHook hook;
    return hook;
}

}  // namespace

void ShowMessageBox(HWND owner, TMessageKind kind, const std::wstring& title, const std::string& text)
{
    if (Hook()) {
        Hook()(kind, title, text);
        return;
    }
    const UINT icon = kind == TMessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(owner, Wide(text).c_str(), title.c_str(), MB_OK | icon | MB_TOPMOST);
}

void ShowInformation(HWND owner, const std::string& text)
{
    ShowMessageBox(owner, TMessageKind::Information, L"Information", text);
}

void ShowError(HWND owner, const std::string& text)
{
    ShowMessageBox(owner, TMessageKind::Error, L"Error", text);
}

void SetMessageBoxHook(TMessageBoxHook hook)
{
    Hook() = std::move(hook);
}
