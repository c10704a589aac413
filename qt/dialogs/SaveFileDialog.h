#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <span>

#include "app/DialogView.h"

class QWidget;

// The platform's save-file dialog with the export's filters, offering the file proposed: the name
// typed and the filter in use, nothing when the player cancels. It asks nothing about a file that
// exists: the export does, of the name it writes.
std::optional<TDialogView::TSaveChoice> AskSaveFileName(QWidget* parent, std::span<const TExportFilter> filters,
                                                        const QString& proposed);

// Stands in for the toolkit's dialog (tests answer this way); an empty one restores it. It answers
// the name chosen, or nothing, and names the filter in use in selectedFilter.
using TSaveFileDialog = std::function<std::optional<QString>(QWidget* parent, const QString& filters,
                                                             QString* selectedFilter, const QString& proposed)>;
void SetSaveFileDialog(TSaveFileDialog dialog);
