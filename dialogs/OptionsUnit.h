#pragma once

#include "dialogs/DialogBase.h"

#include <cstdint>

// Lets the player choose the tile artwork, the background, the map and the hint length; the choices
// are stored and handed to the main window only when the player accepts them.
class TOptionsForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    // The dialog's current choices; the main window copies them when told the options changed.
    uint8_t FaceStyle = 0;
    uint8_t BackgroundIndex = 0;
    uint8_t MapId = 0;
    uint8_t HintSpeed = 0;
};

extern TOptionsForm* OptionsForm;
