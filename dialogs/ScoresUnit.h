#pragma once

#include "dialogs/DialogBase.h"

#include <QString>

#include <functional>
#include <optional>

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
};

extern TScoresForm* ScoresForm;

// The name the export writes to: a name typed without an extension gets that of the chosen filter,
// or ".csv" when the filter names none.
QString WithDefaultExtension(const QString& fileName, const QString& selectedFilter);
