#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/BoardGeometry.h"
#include "app/MidEnd.h"
#include "faces/BoardPicture.h"
#include "model/RandomSource.h"

class TWebDialog;

// The page's main window: the board canvas, the bars and the keys, which the page's script builds
// from the core's tables. It hands the player's acts to the session and passes what the session
// asks of a window on to the page.
class TWebForm final : public TFrontEnd {
public:
    TWebForm(TPixelImage textures, TPixelImage doubleTextures);
    ~TWebForm() override;

    // The board's area in CSS pixels and the device pixel ratio; the picture is made anew for a
    // new device size and the board drawn again into it.
    void Resize(double cssWidth, double cssHeight, double ratio);
    // A press or tap at a point of the board's area, in CSS pixels.
    void Press(double cssX, double cssY);
    // A board point in CSS pixels of the area.
    std::array<double, 2> ToCss(int32_t x, int32_t y) const;
    const TPixelImage& Shown() const { return Picture.Pixels(); }
    TWebDialog& Dialog(TDialogId dialog);

    TClockRandom Random;
    TMidEnd MidEnd{*this, Random};

private:
    TBoardRaster& BoardPicture() override { return Picture; }
    void BoardChanged() override;
    void ShowMessage(TMessageRequest request) override;
    void StartClock() override;
    void StopClock() override;
    void SetCommandEnabled(TCommandId command, bool enabled) override;
    void SetStatusText(int panel, const std::string& text) override;
    void StartBlinkTimer(uint32_t milliseconds) override;
    void ShowDialog(TDialogId dialog) override;
    void RefreshDialog(TDialogId dialog) override;
    void CloseMainWindow() override;

    TBoardPicture Picture;
    // The picture in the canvas's byte order (R, G, B, A), handed to the page as it is.
    std::vector<uint8_t> CanvasBytes;
    TBoardGeometry Fit{TDeviceSize{1, 1}};
    double Ratio = 1;
    std::array<std::unique_ptr<TWebDialog>, DialogCount> Dialogs;
};
