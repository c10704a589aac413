#include "win32/ErrorGuard.h"

#include <windows.h>

#include "win32/MessageBox.h"

void ShowApplicationError(const char* text)
{
    ShowMessageBox(GetActiveWindow(), TMessageKind::Error, L"Tesuli", text);
}
