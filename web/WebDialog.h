#pragma once

#include <functional>

#include "app/DialogShowing.h"
#include "app/DialogView.h"
#include "app/MidEnd.h"

// Every dialog of the game as a page modal that the page's script builds from the screen's rows,
// one builder per kind of control; its controls carry the rows' names, and clicks, Enter and
// Escape come back to the dialog's logic.
class TWebDialog final : public TDialogShowing, public TDialogView {
public:
    // activated runs when the dialog comes up: the game's clock waits for the next press.
    TWebDialog(TDialogId id, TDialogLogic& logic, std::function<void()> activated);

    void Click(std::string_view control, int item);
    // Another tab changed the store: an open dialog loads again what it shows.
    void Reload();
    // The game went on under the open dialog: it shows what it reads of the game anew.
    void RefreshIfOpen();
    // An arrow key on a preview goes on through the picture grid of its group.
    void StepPreview(std::string_view preview, TArrow arrow);
    // The screen's rows as JSON for the page's builders.
    std::string ScreenJson() const;
    TDialogLogic& Logic() { return DialogLogic; }

    int ItemIndex(std::string_view radioGroup) const override;
    void SetItemIndex(std::string_view radioGroup, int index) override;
    void SetChosen(std::string_view preview, bool chosen) override;
    void SetPicture(std::string_view preview, const TSheetCell& picture) override;
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetRows(std::string_view scoreList, const std::vector<TScoreRow>& rows) override;
    void SetChart(std::string_view kanaChart, const std::vector<TChartCellLook>& cells) override;
    void SetFocus(std::string_view control) override;
    void Hide() override;
    void ShowMessage(TMessageRequest request) override;
    std::optional<TSaveChoice> AskSaveFileName(std::span<const TExportFilter> filters,
                                               const std::filesystem::path& proposed) override;
    void OpenUrl(std::string_view url, std::function<void()> failed) override;
    std::filesystem::path ProgramFolder() const override;
    std::filesystem::path DocumentsFolder() const override;

protected:
    bool IsOpen() const override;
    void CentreOnScreen() override {}
    void Appear() override;
    void BringToFront() override;
    void FormShow() override;

private:
    // A file the logic saved goes to the player as a download.
    void HandOverSaved();

    int Id;
    TDialogLogic& DialogLogic;
    std::function<void()> Activated;
    const TScreen* Built = nullptr;  // the screen the page built last
};

// The picture of a preview's or chart cell's faces at the device ratio, as the page draws it:
// JSON of its size and the address of its RGBA pixels, kept until the next call.
std::string FacePictureJson(const TSheetCell& cell, double ratio);
