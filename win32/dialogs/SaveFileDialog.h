#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <span>

#include "app/DialogView.h"

// The common save dialog with these filters, opening in the proposed file's folder with its name
// filled in; nothing when the player cancels it. It asks nothing about a file that exists: the
// export does, of the name it writes.
std::optional<TDialogView::TSaveChoice> AskSaveFileName(HWND owner, std::span<const TExportFilter> filters,
                                                        const std::filesystem::path& proposed);
