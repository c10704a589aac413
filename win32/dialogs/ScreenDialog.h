#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/DialogView.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// Every dialog of the game: its controls built from its logic's screen, one builder per kind of
// control, and each click, Enter and Escape handed to the logic.
class TScreenDialog final : public TTesuliDialog, public TDialogView {
public:
    TScreenDialog(HWND owner, TDialogLogic& logic);

    // The control of that row's name (a radio group's frame, a preview's panel); raises for a name
    // the dialog does not have.
    HWND Control(std::string_view name) const;

    int ItemIndex(std::string_view radioGroup) const override;
    void SetItemIndex(std::string_view radioGroup, int index) override;
    void SetChosen(std::string_view preview, bool chosen) override;
    void SetPicture(std::string_view preview, const TSheetCell& picture) override;
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetRows(std::string_view scoreList, const std::vector<TScoreRow>& rows) override;
    void SetChart(std::string_view kanaChart, const std::vector<TChartCellLook>& cells) override;
    void SetFocus(std::string_view control) override;
    void Hide() override { TTesuliDialog::Hide(); }
    void ShowMessage(TMessageKind kind, const std::string& text) override;
    bool Confirm(const std::string& question) override;
    std::optional<TSaveChoice> AskSaveFileName(std::span<const TExportFilter> filters,
                                               const std::filesystem::path& proposed) override;
    void OpenUrl(std::string_view url, std::function<void()> failed) override;
    std::filesystem::path ProgramFolder() const override;
    std::filesystem::path DocumentsFolder() const override;

protected:
    void FormShow() override;
    void Refresh() override;
    void Command(int id, int code) override;
    LRESULT Notify(const NMHDR& header) override;
    void DpiChanged() override;
    std::optional<RECT> BoardToKeepInSight() const override;

private:
    struct TBuilt {
        const TControl* Row;
        int Id;
        std::unique_ptr<TControlPart> Part;
    };

    // In ScreenDialogBuild.cpp: the control of each row, in the rows' order, which is the tab order.
    void Build(const TScreen& screen);
    TBuilt Make(const TScreen& screen, const TControl& row, int id);

    const TBuilt& Find(std::string_view name) const;
    template <typename Part>
    Part& PartOf(std::string_view name) const;
    void ClickOn(const TBuilt& control, int item);
    // An arrow key on the preview of that identifier: the keyboard and the choice go step previews on.
    void StepPreview(int id, TArrow arrow);

    TDialogLogic& Logic;
    std::vector<TBuilt> Controls;
};
