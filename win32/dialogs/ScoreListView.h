#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/ScoresList.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// The scores table: a report list with the columns of app/ScoresList.h, a row selected whole; a name
// in kana shows in the tiles' kana face.
class TScoreListView final : public TControlPart {
public:
    TScoreListView(TTesuliDialog& dialog, const std::string& name, TPlace place, bool tabStop);

    void SetRows(const std::vector<TScoreRow>& rows);
    void DpiChanged() override;
    LRESULT Notify(const NMHDR& header) override;

private:
    void SetColumnWidths();
    LRESULT DrawCell(NMLVCUSTOMDRAW& draw) const;

    HWND List;
    std::vector<TScoreRow> Rows;  // as shown
};
