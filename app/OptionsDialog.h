#pragma once

#include "app/DialogView.h"
#include "app/OptionsFlow.h"

// The options dialog: previews of the two artworks and six backgrounds to choose by a click, the map
// and the hint length, Accept and Cancel.
class TOptionsDialog final : public TDialogLogic {
public:
    TOptionsDialog(TRegOptions& options, TOptionsListener& listener);

    TOptionsFlow Flow;

    const TScreen& Screen() const override;
    void FormShow(TDialogView& view) override;
    void Click(TDialogView& view, std::string_view control, int item) override;

private:
    TRegOptions& Options;

    void ShowChoices(TDialogView& view) const;
};
