#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/MessageTexts.h"
#include "app/ProgressScreen.h"
#include "app/Screen.h"
#include "app/ScoresExport.h"
#include "app/ScoresList.h"

// What a dialog built from its screen offers the dialog's logic; controls are named as in the
// screen's rows. Each front end has one implementation for all dialogs.
class TDialogView {
public:
    virtual ~TDialogView() = default;

    virtual int ItemIndex(std::string_view radioGroup) const = 0;  // -1 when none is checked
    virtual void SetItemIndex(std::string_view radioGroup, int index) = 0;  // out of range: none
    virtual void SetChosen(std::string_view preview, bool chosen) = 0;
    virtual void SetPicture(std::string_view preview, const TSheetCell& picture) = 0;
    virtual std::string Text(std::string_view control) const = 0;  // UTF-8
    virtual void SetText(std::string_view control, const std::string& text) = 0;
    virtual void SetRows(std::string_view scoreList, const std::vector<TScoreRow>& rows) = 0;
    virtual void SetChart(std::string_view kanaChart, const std::vector<TChartCellLook>& cells) = 0;
    virtual void SetFocus(std::string_view control) = 0;
    virtual void Hide() = 0;

    // A message or a question over the dialog; request.Close runs with the answer once it is closed.
    virtual void ShowMessage(TMessageRequest request) = 0;
    // The platform's save-file dialog with these filters, offering the file proposed (its folder
    // and name). Nothing when the player cancels; the name as typed (possibly empty) and the
    // filter chosen otherwise. It does not ask about a file that exists: the logic does.
    struct TSaveChoice {
        std::string FileName;
        size_t Filter = 0;
    };
    virtual std::optional<TSaveChoice> AskSaveFileName(std::span<const TExportFilter> filters,
                                                       const std::filesystem::path& proposed) = 0;
    // Opens the page in the player's browser, which runs on its own. failed runs, at once or once
    // the launcher has ended, when no browser could be started.
    virtual void OpenUrl(std::string_view url, std::function<void()> failed) = 0;
    // The folder the running program was started from.
    virtual std::filesystem::path ProgramFolder() const = 0;
    // The player's documents folder.
    virtual std::filesystem::path DocumentsFolder() const = 0;
};

// A dialog's logic: its screen, what showing it loads, and what a click on one of its controls does.
class TDialogLogic {
public:
    virtual ~TDialogLogic() = default;

    virtual const TScreen& Screen() const = 0;
    // The width a front end has for the dialog's client area, in design pixels, before it builds
    // the screen: a logic with a layout for narrow screens takes it where the designed one is wider.
    virtual void FitTo(int /*width*/) {}
    // Runs each time the hidden dialog is shown, before it becomes visible. An error raised here is
    // shown once the dialog is up, which still opens with what was loaded.
    virtual void FormShow(TDialogView&) {}
    // The open dialog shows what it reads of the game anew, as the game goes on under it.
    virtual void Refresh(TDialogView&) {}
    // A click of a button or preview, or of a radio group's item (item is then its index; -1
    // otherwise). Enter is a click of the default button, Escape one of the cancel button.
    virtual void Click(TDialogView& view, std::string_view control, int item) = 0;
};
