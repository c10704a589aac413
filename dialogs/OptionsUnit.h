#pragma once

#include "dialogs/DialogBase.h"

#include <array>
#include <cstdint>

class QFrame;
class QGroupBox;
class QPushButton;
class TPreviewPanel;
class TRadioGroup;

// What the main window is told: wParam says accepted or cancelled, lParam whether the map changed.
namespace OptionsNotice {
constexpr int Accepted = 1;
constexpr int Cancelled = 2;
constexpr int CancelledChange = 2;
constexpr int SameMap = 3;
constexpr int OtherMap = 4;
}  // namespace OptionsNotice

// Lets the player choose the tile artwork, the background, the map and the hint length; the choices
// are stored and handed to the main window only when the player accepts them.
class TOptionsForm : public TTesuliDialog {
    Q_OBJECT

    // The settings as read when the dialog was last shown; Cancel returns to them.
    uint8_t SavedFaceStyle = 0;
    uint8_t SavedBackgroundIndex = 0;
    uint8_t SavedMapId = 0;
    uint8_t SavedHintSpeed = 0;

public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    // The dialog's current choices; the main window copies them when told the options changed.
    uint8_t FaceStyle = 0;
    uint8_t BackgroundIndex = 0;
    uint8_t MapId = 0;
    uint8_t HintSpeed = 0;

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
    void LoadSettings();
    void ShowSettings();
};

extern TOptionsForm* OptionsForm;
