#pragma once

#include <vector>

#include "app/ScoresList.h"
#include "win32/dialogs/DialogBase.h"

// Lists the stored scores, oldest first, and exports what it lists.
class TScoresForm : public TTesuliDialog {
public:
    explicit TScoresForm(HWND owner);

    HWND ScoresListView;
    HWND AcceptBitBtn;
    HWND ExportBitBtn;

    void AcceptBitBtnClick();
    void ExportBitBtnClick();

protected:
    void FormShow() override;
    void Command(int id, int code) override;
    void DpiChanged() override;

private:
    void SetColumnWidths();

    // What the list shows, as read on showing.
    std::vector<TScoreRow> Rows;
};

extern TScoresForm* ScoresForm;
