#pragma once

#include <optional>

#include "app/BoardGeometry.h"

// What the window system puts around a dialog's client area (title bar and borders), in device pixels.
struct TFrameExtents {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

struct TDialogPlace {
    TDeviceRect Client{};  // the client area on the screen
    bool Cut = false;      // smaller than designed, so that its content scrolls
    bool operator==(const TDialogPlace&) const = default;
};

// Where a dialog opens: wholly within the screen's available area, title bar and frame included;
// at its designed client size where that fits, otherwise as much of it as fits. It stands centred
// on the area; where a board is given, where it covers least of it, of equal places the one
// nearest the board's middle.
TDialogPlace PlaceDialog(TDeviceSize designed, TFrameExtents frame, TDeviceRect available,
                         std::optional<TDeviceRect> board = std::nullopt);
