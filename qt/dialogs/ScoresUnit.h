#pragma once

#include "qt/dialogs/DialogBase.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "app/ScoresList.h"

class QFrame;
class QPushButton;
class QTreeWidget;

// The save-file dialog of the export: the file name chosen, or nothing when the player cancels.
// selectedFilter names the filter in use when the dialog closed.
using TExportDialog = std::function<std::optional<QString>(QWidget* parent, const QString& filters, QString* selectedFilter)>;

// Lists the stored wins, oldest first, and exports the list as comma-separated text.
class TScoresForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit TScoresForm(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QTreeWidget* ScoresListView;
    QPushButton* AcceptBitBtn;
    QPushButton* ExportBitBtn;
    // The platform's save-file dialog; tests put their own answer here.
    TExportDialog ExportDialog;

    void AcceptBitBtnClick();
    void ExportBitBtnClick();

    // Escape, like the Close button.
    void reject() override;

protected:
    void FormShow() override;

private:
    // What the list shows; the export writes these.
    std::vector<TScoreRow> Rows;
};

extern TScoresForm* ScoresForm;
