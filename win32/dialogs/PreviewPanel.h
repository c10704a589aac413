#pragma once

#include <windows.h>

#include <string>

#include "app/Screen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// A framed preview of one choice: a panel with a raised inner bevel and a border of 3 around a
// picture of a sprite sheet's cell. The chosen one is in highlight colour with a lowered outer
// bevel. Only the picture takes clicks; the dialog gets them as clicks of the panel's identifier.
// The panel takes the keyboard: the space bar is a click, an arrow key comes to the dialog as a
// command of the panel's identifier with PreviewStep plus the TArrow.
class TPreviewPanel final : public TControlPart {
public:
    static constexpr WORD PreviewStep = 0x7001;
    static constexpr WORD PreviewStepEnd = PreviewStep + 4;

    // The panel is named as given, its picture after it (PreviewImageName).
    TPreviewPanel(TTesuliDialog& dialog, const std::string& name, TPlace place, int id, const TSheetCell& picture,
                  bool tabStop);
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
    void Notify(WORD code) const;

    TTesuliDialog& Dialog;
    TSheetCell Shown;
    int Id;
    bool Chosen = false;
    HWND Panel = nullptr;
    HWND Picture = nullptr;
};
