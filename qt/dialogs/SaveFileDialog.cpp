#include "qt/dialogs/SaveFileDialog.h"

#include <QFileDialog>
#include <QStringList>

#include <algorithm>

namespace {

TSaveFileDialog& Replacement()
{
    static TSaveFileDialog dialog;
    return dialog;
}

// Qt reads a filter's patterns from its last parentheses and, with its details hidden, shows what
// stands before them: so the captions show as they are and the patterns are the export's own.
QString QtFilter(const TExportFilter& filter)
{
    return QString::fromUtf8(filter.Caption) + QStringLiteral(" (") + QString::fromUtf8(filter.Pattern) + QLatin1Char(')');
}

std::optional<QString> RunSaveFileDialog(QWidget* parent, const QString& filters, QString* selectedFilter,
                                         const QString& proposed)
{
    const QString name =
        QFileDialog::getSaveFileName(parent, QString(), proposed, filters, selectedFilter,
                                     QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

}  // namespace

std::optional<TDialogView::TSaveChoice> AskSaveFileName(QWidget* parent, std::span<const TExportFilter> filters,
                                                        const QString& proposed)
{
    QStringList qtFilters;
    for (const TExportFilter& filter : filters)
        qtFilters << QtFilter(filter);
    QString selected;
    const TSaveFileDialog& dialog = Replacement() ? Replacement() : RunSaveFileDialog;
    const std::optional<QString> name = dialog(parent, qtFilters.join(QStringLiteral(";;")), &selected, proposed);
    if (!name)
        return std::nullopt;
    const auto chosen = static_cast<size_t>(std::max<qsizetype>(0, qtFilters.indexOf(selected)));
    return TDialogView::TSaveChoice{name->toStdString(), chosen};
}

void SetSaveFileDialog(TSaveFileDialog dialog)
{
    Replacement() = std::move(dialog);
}
