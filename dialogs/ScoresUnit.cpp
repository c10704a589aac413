#include "dialogs/ScoresUnit.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/CommaText.h"
#include "dialogs/ScoreRecordSplit.h"
#include "storage/RegistryUnit.h"
#include "ui/Application.h"
#include "ui/Artwork.h"
#include "ui/MessageBox.h"

TScoresForm* ScoresForm = nullptr;

namespace {

constexpr int ColumnCount = 5;

struct TColumn {
    const char* Caption;
    int Width;
    Qt::Alignment Alignment;
};

constexpr TColumn Columns[ColumnCount] = {
    {"date", 130, Qt::AlignLeft},
    {"player", 130, Qt::AlignLeft},
    {"score", 60, Qt::AlignHCenter},
    {"hints", 40, Qt::AlignRight},
    {"map", 116, Qt::AlignHCenter},
};

const QString ExportFilters =
    QStringLiteral("Excel Comma Separated (*.csv);;Text Document (*.txt);;All (*.*)");

std::optional<QString> RunSaveFileDialog(QWidget* parent, const QString& filters, QString* selectedFilter)
{
    // An existing file is replaced without a question.
    const QString name =
        QFileDialog::getSaveFileName(parent, QString(), QString(), filters, selectedFilter, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void SaveExportFile(const QString& fileName, const std::string& text)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(
            QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(fileName), file.errorString()).toStdString());
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !file.flush())
        throw std::runtime_error(
            QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(fileName), file.errorString()).toStdString());
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
    ScoresListView->setColumnCount(ColumnCount);
    QTreeWidgetItem* header = ScoresListView->headerItem();
    for (int column = 0; column < ColumnCount; ++column) {
        header->setText(column, QString::fromLatin1(Columns[column].Caption));
        header->setTextAlignment(column, Columns[column].Alignment | Qt::AlignVCenter);
        ScoresListView->setColumnWidth(column, Columns[column].Width);
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
    std::string record;
    for (uint8_t k = 1; options.ReadScore(k, record); ++k) {
        // A record changed outside the game may hold fewer fields: their columns stay empty.
        const std::vector<std::string> fields = SplitScoreRecord(record);
        auto* item = new QTreeWidgetItem(ScoresListView);
        for (int column = 0; column < ColumnCount && column < static_cast<int>(fields.size()); ++column)
            item->setText(column, QString::fromStdString(fields[static_cast<size_t>(column)]));
        for (int column = 0; column < ColumnCount; ++column)
            item->setTextAlignment(column, Columns[column].Alignment | Qt::AlignVCenter);
    }
    AcceptBitBtn->setFocus();
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
    const std::optional<QString> chosen = ExportDialog(this, ExportFilters, &filter);
    if (!chosen)
        return;
    if (chosen->isEmpty()) {
        ShowError(this, QStringLiteral("Please specify the file name."));
        return;
    }
    const QString fileName = WithDefaultExtension(*chosen, filter);
    std::string text;
    for (int row = 0; row < ScoresListView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = ScoresListView->topLevelItem(row);
        std::vector<std::string> fields;
        for (int column = 1; column < ColumnCount; ++column)
            fields.push_back(item->text(column).toStdString());
        text += ExportLine(item->text(0).toStdString(), fields);
    }
    SaveExportFile(fileName, text);
    ShowInformation(this, QStringLiteral("The file: ") + fileName + QLatin1Char('\n') + QStringLiteral("has been saved."));
}

QString WithDefaultExtension(const QString& fileName, const QString& selectedFilter)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(selectedFilter);
    return fileName + QLatin1Char('.') + (match.hasMatch() ? match.captured(1) : QStringLiteral("csv"));
}
