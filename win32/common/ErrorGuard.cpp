#include "win32/common/ErrorGuard.h"

#include <windows.h>

#include "win32/common/MessageBox.h"

void ShowApplicationError(const char* text)
{
    ShowMessageBox(GetActiveWindow(), TMessageKind::Error, L"Tesuli", text);
}
