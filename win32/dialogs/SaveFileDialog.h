#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "app/DialogView.h"

// The common save dialog with these filters; nothing when the player cancels it. An existing file is
// replaced without a question.
std::optional<TDialogView::TSaveChoice> AskSaveFileName(HWND owner, std::span<const TExportFilter> filters);
