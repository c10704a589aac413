#include "app/ScoresDialog.h"

#include "app/DialogScreens.h"

const TScreen& TScoresDialog::Screen() const
{
    return ScoresScreen();
}

void TScoresDialog::FormShow(TDialogView& view)
{
    TScoreList list = ReadScoreRows(Options);
    Rows = std::move(list.Rows);
    view.SetRows("ScoresListView", Rows);
    view.SetFocus("AcceptBitBtn");
    // Each damaged value is told once, not at every showing; the rows listed are what an export writes.
    std::string told;
    for (const std::string& damaged : list.Damaged)
        if (Reported.insert(damaged).second)
            told += (told.empty() ? "" : "\n") + damaged;
    if (!told.empty())
        view.ShowMessage(TMessageKind::Error, told);
    if (list.Failure)
        std::rethrow_exception(list.Failure);
}

void TScoresDialog::Click(TDialogView& view, std::string_view control, int)
{
    if (control == "AcceptBitBtn")
        view.Hide();
    else if (control == "ExportBitBtn")
        Export(view);
}

void TScoresDialog::Export(TDialogView& view) const
{
    const std::optional<TDialogView::TSaveChoice> chosen =
        view.AskSaveFileName(ExportFilters, view.DocumentsFolder() / ExportProposedName);
    if (!chosen)
        return;
    if (chosen->FileName.empty()) {
        view.ShowMessage(TMessageKind::Error, EmptyFileNameText);
        return;
    }
    const size_t filter = chosen->Filter < ExportFilters.size() ? chosen->Filter : 0;
    const std::string fileName = WithDefaultExtension(chosen->FileName, ExportFilters[filter]);
    if (FileExists(fileName) && !view.Confirm(ReplaceFileQuestion(fileName)))
        return;
    SaveExportFile(fileName, ExportFileText(Rows));
    view.ShowMessage(TMessageKind::Information, ExportSavedText(fileName));
}
