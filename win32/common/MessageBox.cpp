#include "win32/common/MessageBox.h"

#include "win32/common/WideText.h"

void ShowMessageBox(HWND owner, TMessageKind kind, const std::wstring& title, const std::string& text)
{
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
