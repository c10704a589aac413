#pragma once

#include "app/DialogView.h"

// The help dialog: the help text, the list of commands, Close.
class THelpDialog final : public TDialogLogic {
public:
    const TScreen& Screen() const override;
    void Click(TDialogView& view, std::string_view control, int item) override;
};

// The about dialog: who made the game, its version, Close and a visit to its website.
class TAboutDialog final : public TDialogLogic {
public:
    const TScreen& Screen() const override;
    void Click(TDialogView& view, std::string_view control, int item) override;
};
