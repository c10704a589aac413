#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "app/OptionsFlow.h"
#include "win32/dialogs/DialogBase.h"
#include "win32/dialogs/OptionsPreview.h"
#include "win32/dialogs/OptionsRadioGroup.h"

// Lets the player choose the tile artwork, the background, the map and the hint length; the choices
// are stored and handed to the main window only when the player accepts them.
class TOptionsForm : public TTesuliDialog {
public:
    // Copies its previews from the sprite sheets, which must exist.
    explicit TOptionsForm(HWND owner);

    // The choices, what Cancel returns to, and whom Accept and Cancel tell.
    TOptionsFlow Flow;

    std::array<std::unique_ptr<TPreviewPanel>, 2> TileFacePanel;  // face style 0 and 1
    std::array<std::unique_ptr<TPreviewPanel>, 6> BgdPanel;       // background index 0 to 5
    HWND AcceptBitBtn;
    HWND CancelBitBtn;
    std::unique_ptr<TRadioGroup> MapRadioGroup;
    std::unique_ptr<TRadioGroup> HintRadioGroup;

    void HighlightFace();
    void HighlightBackground();
    void AcceptBitBtnClick();
    void CancelBitBtnClick();

protected:
    void FormShow() override;
    void Command(int id, int code) override;
};

extern TOptionsForm* OptionsForm;
