#include "win32/common/ErrorGuard.h"

#include <windows.h>

#include "win32/common/MessageBox.h"

void ShowApplicationError(const std::string& text)
{
    ShowMessageBox(GetActiveWindow(), TMessageKind::Error, ApplicationErrorTitle, text);
}
