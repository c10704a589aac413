#pragma once

#include "app/OptionsFlow.h"
#include "qt/dialogs/DialogBase.h"

#include <array>
#include <cstdint>

class QFrame;
class QGroupBox;
class QPushButton;
class TPreviewPanel;
class TRadioGroup;

// Lets the player choose the tile artwork, the background, the map and the hint length; the choices
// are stored and handed to the main window only when the player accepts them.
class TOptionsForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    // The choices, what Cancel returns to, and whom Accept and Cancel tell.
    TOptionsFlow Flow;

    QWidget* ClientArea;
    QFrame* CentralBevel;
    QGroupBox* FaceGroupBox;
    std::array<TPreviewPanel*, 2> TileFacePanel;  // face style 0 and 1
    QGroupBox* BackgroundGroupBox;
    std::array<TPreviewPanel*, 6> BgdPanel;  // background index 0 to 5
    QPushButton* AcceptBitBtn;
    QPushButton* CancelBitBtn;
    TRadioGroup* MapRadioGroup;
    TRadioGroup* HintRadioGroup;

    void HighlightFace();
    void HighlightBackground();
    void TileFaceImageClick(uint8_t faceStyle);
    void BgdImageClick(uint8_t backgroundIndex);
    void MapRadioGroupClick();
    void HintRadioGroupClick();
    void AcceptBitBtnClick();
    void CancelBitBtnClick();

    // Escape, like the Cancel button.
    void reject() override;

protected:
    void FormShow() override;

private:
    void ShowSettings();
};

extern TOptionsForm* OptionsForm;
