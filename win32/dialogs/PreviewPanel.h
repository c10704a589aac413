#pragma once

#include <windows.h>

#include <string>

#include "app/Screen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// A framed preview of one choice: a panel with a raised inner bevel and a border of 3 around a
// picture of a sprite sheet's cell. The chosen one is in highlight colour with a lowered outer
// bevel. Only the picture takes clicks; the dialog gets them as clicks of the panel's identifier.
class TPreviewPanel final : public TControlPart {
public:
    // The panel is named as given, its picture after it (PreviewImageName).
    TPreviewPanel(TTesuliDialog& dialog, const std::string& name, TPlace place, int id, const TSheetCell& picture);
    ~TPreviewPanel() override;
    TPreviewPanel(const TPreviewPanel&) = delete;
    TPreviewPanel& operator=(const TPreviewPanel&) = delete;

    void SetChosen(bool chosen);
    void SetPicture(const TSheetCell& picture);

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();
    void DrawPicture(const DRAWITEMSTRUCT& item) const;
    void PlacePicture();

    TSheetCell Shown;
    int Id;
    bool Chosen = false;
    HWND Panel = nullptr;
    HWND Picture = nullptr;
};
