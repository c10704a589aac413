#pragma once

#include "app/DialogView.h"
#include "app/OptionsFlow.h"

// Asked on Accept when the kana set changed; No leaves the dialog open with the choices as they are.
inline constexpr std::string_view KanaSetQuestion = "Another kana set changes the tiles: a new game starts.\nStart it now?";

// The options dialog: previews of the two artworks and six backgrounds to choose by a click, the map
// and the hint length, the learning modes, the kana set and practice, Accept and Cancel.
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
