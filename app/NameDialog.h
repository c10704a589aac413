#pragma once

#include "app/DialogView.h"
#include "app/WinFlow.h"

// The win dialog: the time of the won game, a box for the player's name, Accept and Cancel.
class TNameDialog final : public TDialogLogic {
public:
    explicit TNameDialog(TRegOptions& options) : Options(options) {}

    TWonGame Won;

    const TScreen& Screen() const override;
    void FormShow(TDialogView& view) override;
    void Click(TDialogView& view, std::string_view control, int item) override;

private:
    TRegOptions& Options;
};
