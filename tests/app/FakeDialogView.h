#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/DialogView.h"

// A dialog's controls as plain values: what the logic set is kept, and what a test answers for the
// save dialog is given back.
class TFakeDialogView final : public TDialogView {
public:
    std::map<std::string, int, std::less<>> ItemIndexes;
    std::map<std::string, bool, std::less<>> Chosen;
    std::map<std::string, TSheetCell, std::less<>> Pictures;
    std::map<std::string, std::string, std::less<>> Texts;
    std::vector<TScoreRow> Rows;
    std::string Focus;
    bool Hidden = false;
    std::vector<std::string> Messages;  // "Error: ..." / "Information: ..."
    std::optional<TSaveChoice> SaveAnswer;
    std::filesystem::path Proposed;  // by the last save dialog
    std::filesystem::path Documents = "/home/anna/Documents";
    std::vector<std::string> OpenedUrls;
    bool BrowserStarts = true;
    std::filesystem::path Folder = "/opt/tesuli/bin";
    std::vector<TChartCellLook> Chart;
    bool ConfirmAnswer = false;
    std::vector<std::string> Questions;

    int ItemIndex(std::string_view group) const override
    {
        const auto found = ItemIndexes.find(group);
        return found == ItemIndexes.end() ? -1 : found->second;
    }
    void SetItemIndex(std::string_view group, int index) override { ItemIndexes[std::string(group)] = index; }
    void SetChosen(std::string_view preview, bool chosen) override { Chosen[std::string(preview)] = chosen; }
    void SetPicture(std::string_view preview, const TSheetCell& picture) override
    {
        Pictures[std::string(preview)] = picture;
    }
    std::string Text(std::string_view control) const override
    {
        const auto found = Texts.find(control);
        return found == Texts.end() ? std::string() : found->second;
    }
    void SetText(std::string_view control, const std::string& text) override { Texts[std::string(control)] = text; }
    void SetRows(std::string_view, const std::vector<TScoreRow>& rows) override { Rows = rows; }
    void SetChart(std::string_view, const std::vector<TChartCellLook>& cells) override { Chart = cells; }
    void SetFocus(std::string_view control) override { Focus = control; }
    void Hide() override { Hidden = true; }
    void ShowMessage(TMessageKind kind, const std::string& text) override
    {
        Messages.push_back(std::string(kind == TMessageKind::Error ? "Error: " : "Information: ") + text);
    }
    bool Confirm(const std::string& question) override
    {
        Questions.push_back(question);
        return ConfirmAnswer;
    }
    std::optional<TSaveChoice> AskSaveFileName(std::span<const TExportFilter>, const std::filesystem::path& proposed) override
    {
        Proposed = proposed;
        return SaveAnswer;
    }
    void OpenUrl(std::string_view url, std::function<void()> failed) override
    {
        OpenedUrls.emplace_back(url);
        if (!BrowserStarts)
            failed();
    }
    std::filesystem::path ProgramFolder() const override { return Folder; }
    std::filesystem::path DocumentsFolder() const override { return Documents; }

    // The names of the previews the logic shows as chosen.
    std::vector<std::string> ChosenPreviews() const
    {
        std::vector<std::string> names;
        for (const auto& [name, chosen] : Chosen)
            if (chosen)
                names.push_back(name);
        return names;
    }
};
