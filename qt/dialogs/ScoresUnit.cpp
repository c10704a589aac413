#include "qt/dialogs/ScoresUnit.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <exception>
#include <string>
#include <utility>

#include "app/ScoresExport.h"
#include "app/ScoresList.h"
#include "qt/common/Application.h"
#include "qt/common/Artwork.h"
#include "qt/common/MessageBox.h"

TScoresForm* ScoresForm = nullptr;

namespace {

Qt::Alignment AlignmentOf(TColumnAlignment alignment)
{
    switch (alignment) {
    case TColumnAlignment::Left: return Qt::AlignLeft;
    case TColumnAlignment::Center: return Qt::AlignHCenter;
    case TColumnAlignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// Qt reads a filter's patterns from its last parentheses and, with its details hidden, shows what
// stands before them: so the captions show as they are and the patterns are the export's own.
QString QtFilter(const TExportFilter& filter)
{
    return QString::fromUtf8(filter.Caption) + QStringLiteral(" (") + QString::fromUtf8(filter.Pattern) + QLatin1Char(')');
}

QString QtFilters()
{
    QStringList filters;
    for (const TExportFilter& filter : ExportFilters)
        filters << QtFilter(filter);
    return filters.join(QStringLiteral(";;"));
}

const TExportFilter& ChosenFilter(const QString& selectedFilter)
{
    for (const TExportFilter& filter : ExportFilters)
        if (QtFilter(filter) == selectedFilter)
            return filter;
    return ExportFilters.front();
}

std::optional<QString> RunSaveFileDialog(QWidget* parent, const QString& filters, QString* selectedFilter)
{
    // An existing file is replaced without a question.
    const QString name =
        QFileDialog::getSaveFileName(parent, QString(), QString(), filters, selectedFilter,
                                     QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

}  // namespace

TScoresForm::TScoresForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("Tesuli Scores"), QSize(497, 535)), ExportDialog(RunSaveFileDialog)
{
    setObjectName(QStringLiteral("ScoresForm"));
    setWindowIcon(ProgramIcon());

    Bevel1 = MakeBevel(this, QRect(0, 0, 497, 497));
    ScoresListView = new QTreeWidget(this);
    ScoresListView->setObjectName(QStringLiteral("ScoresListView"));
    ScoresListView->setGeometry(8, 8, 481, 481);
    ScoresListView->setRootIsDecorated(false);
    ScoresListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ScoresListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ScoresListView->setFocusPolicy(Qt::ClickFocus);
    ScoresListView->setColumnCount(ScoreColumnCount);
    QTreeWidgetItem* header = ScoresListView->headerItem();
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const TScoreColumn& shown = ScoreColumns[static_cast<size_t>(column)];
        header->setText(column, QString::fromLatin1(shown.Caption));
        header->setTextAlignment(column, AlignmentOf(shown.Alignment) | Qt::AlignVCenter);
        ScoresListView->setColumnWidth(column, shown.Width);
    }
    ScoresListView->header()->setStretchLastSection(false);
    ScoresListView->header()->setSectionsMovable(false);

    AcceptBitBtn = MakeGlyphButton(this, QStringLiteral("Close"), TButtonGlyph::Tick, QRect(336, 504, 75, 25));
    ExportBitBtn = MakeGlyphButton(this, QStringLiteral("Export"), TButtonGlyph::Save, QRect(64, 504, 75, 25));
    AcceptBitBtn->setObjectName(QStringLiteral("AcceptBitBtn"));
    ExportBitBtn->setObjectName(QStringLiteral("ExportBitBtn"));
    AcceptBitBtn->setDefault(true);
    setTabOrder(AcceptBitBtn, ExportBitBtn);

    connect(AcceptBitBtn, &QPushButton::clicked, this, [this] { AcceptBitBtnClick(); });
    connect(ExportBitBtn, &QPushButton::clicked, this, [this] { RunGuarded([this] { ExportBitBtnClick(); }); });
}

void TScoresForm::FormShow()
{
    ScoresListView->clear();
    TRegOptions options;
    TScoreList list = ReadScoreRows(options);
    Rows = std::move(list.Rows);
    for (const TScoreRow& row : Rows) {
        auto* item = new QTreeWidgetItem(ScoresListView);
        for (int column = 0; column < ScoreColumnCount; ++column) {
            const size_t at = static_cast<size_t>(column);
            item->setText(column, QString::fromStdString(row[at]));
            item->setTextAlignment(column, AlignmentOf(ScoreColumns[at].Alignment) | Qt::AlignVCenter);
        }
    }
    AcceptBitBtn->setFocus();
    if (list.Failure)
        std::rethrow_exception(list.Failure);
}

void TScoresForm::AcceptBitBtnClick()
{
    hide();
}

void TScoresForm::reject()
{
    AcceptBitBtnClick();
}

void TScoresForm::ExportBitBtnClick()
{
    QString filter;
    const std::optional<QString> chosen = ExportDialog(this, QtFilters(), &filter);
    if (!chosen)
        return;
    if (chosen->isEmpty()) {
        ShowError(this, QString::fromUtf8(EmptyFileNameText));
        return;
    }
    const std::string fileName = WithDefaultExtension(chosen->toStdString(), ChosenFilter(filter));
    SaveExportFile(fileName, ExportText(Rows));
    ShowInformation(this, QString::fromStdString(ExportSavedText(fileName)));
}
