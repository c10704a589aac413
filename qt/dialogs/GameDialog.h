#pragma once

#include <QDialog>
#include <QScrollArea>

#include <functional>
#include <string_view>

#include "app/DialogPlacement.h"
#include "app/DialogShowing.h"
#include "app/DialogView.h"

// Every dialog of the game, built from its logic's screen: modeless, on top, a title bar without
// close or system buttons, a fixed client size, placed on the screen the first time (app/
// DialogPlacement.h) and where it was left later; its content scrolls where the screen cuts it.
// Its controls carry the rows' names; clicks, Enter and Escape go to the logic.
class TGameDialog : public QDialog, public TDialogShowing, public TDialogView {
    Q_OBJECT

public:
    TGameDialog(QWidget* parent, TDialogLogic& logic);

    // The control of that row; raises for a name the screen does not have.
    QWidget* Control(std::string_view name) const;
    // What a click of the control does, an error shown and gone.
    void Click(std::string_view control, int item);
    // An arrow key on a preview: the keyboard goes to the next preview that way in its group, which
    // is chosen.
    void StepPreview(std::string_view preview, TArrow arrow);

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
    void ShowMessage(TMessageKind kind, const std::string& text) override;
    bool Confirm(const std::string& question) override;
    std::optional<TSaveChoice> AskSaveFileName(std::span<const TExportFilter> filters,
                                               const std::filesystem::path& proposed) override;
    void OpenUrl(std::string_view url, std::function<void()> failed) override;
    std::filesystem::path ProgramFolder() const override;
    std::filesystem::path DocumentsFolder() const override;

    // Keys that come while this answers true are dropped before any control sees them.
    using TKeyGuard = std::function<bool()>;
    void SetKeyGuard(TKeyGuard guard);

    // Escape: a click of the cancel row.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormShow() override;
    void Refresh() override;
    bool IsOpen() const override;
    void CentreOnScreen() override;
    void Appear() override;
    void BringToFront() override;

private:
    TDialogLogic& Logic;
    // The controls stand on it at their designed places; it scrolls where the screen is smaller.
    QScrollArea* Scroller;
    QWidget* Content;
    TFrameExtents PlacedFrame{};
    bool FirstShown = false;

    TFrameExtents Frame() const;
    TKeyGuard KeyGuard;

    void FitToLabels();
};
