#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/DialogView.h"

// The scores dialog: the table of the recent wins, Close, and Export of what is listed.
class TScoresDialog final : public TDialogLogic {
public:
    explicit TScoresDialog(TRegOptions& options) : Options(options) {}

    const TScreen& Screen() const override;
    void FormShow(TDialogView& view) override;
    void Click(TDialogView& view, std::string_view control, int item) override;

private:
    TRegOptions& Options;
    std::vector<TScoreRow> Rows;  // as listed
    std::set<std::string> Reported;  // the damaged values the player has been told of

    void Export(TDialogView& view) const;
};
