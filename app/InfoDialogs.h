#pragma once

#include "app/DialogView.h"

// The help dialog: the help text, the list of commands, Close.
class THelpDialog final : public TDialogLogic {
public:
    const TScreen& Screen() const override;
    void Click(TDialogView& view, std::string_view control, int item) override;
};

// The about dialog: who made the game, its version, where its manual lies, Close and the manual
// opened in the player's browser.
class TAboutDialog final : public TDialogLogic {
public:
    const TScreen& Screen() const override;
    void FormShow(TDialogView& view) override;
    void Click(TDialogView& view, std::string_view control, int item) override;
};
