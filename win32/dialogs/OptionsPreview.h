#pragma once

#include <windows.h>

#include <string>

#include "win32/dialogs/DialogBase.h"

class TSpriteSheet;

// A framed preview of one choice: a panel with a raised inner bevel and a border of 3 around a
// picture copied from a sprite sheet. The chosen one is in highlight colour with a lowered outer
// bevel. Only the picture takes clicks; the dialog gets them as clicks of the panel's identifier.
class TPreviewPanel {
public:
    // cell is the sheet's rectangle at scale 1; the panel's name is role + "Panel" + number and
    // its picture's role + "Image" + number (TileFacePanel1, TileFaceImage1 ...).
    TPreviewPanel(TTesuliDialog& dialog, const std::string& role, int number, TPlace place, int id,
                  const TSpriteSheet& sheet, RECT cell);
    ~TPreviewPanel();
    TPreviewPanel(const TPreviewPanel&) = delete;
    TPreviewPanel& operator=(const TPreviewPanel&) = delete;

    void SetChosen(bool chosen);

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();
    void DrawPicture(const DRAWITEMSTRUCT& item) const;
    void PlacePicture();

    const TSpriteSheet& Sheet;
    RECT Cell;
    int Id;
    bool Chosen = false;
    HWND Panel = nullptr;
    HWND Picture = nullptr;
};
