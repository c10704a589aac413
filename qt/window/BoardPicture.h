#pragma once

#include <QImage>

#include <memory>

#include "app/BoardGeometry.h"

class TBoardImage;
class TBoardRaster;

// The board as the window shows it: the whole area between the tool bar and the status bar in
// device pixels, the board fitted into it by its geometry and the background going on around it.
// It is made anew whenever that area changes size; the game draws into Raster() on the board's
// own grid, and Image() is what the screen copies.
class TBoardPicture {
public:
    explicit TBoardPicture(const TBoardGeometry& geometry);
    ~TBoardPicture();
    TBoardPicture(const TBoardPicture&) = delete;
    TBoardPicture& operator=(const TBoardPicture&) = delete;

    const TBoardGeometry& Geometry() const { return Fit; }
    TBoardRaster& Raster();
    // Opaque RGB32 of exactly the area's device pixels, to be shown one to one with the screen's
    // (its own pixel ratio left aside).
    const QImage& Image();

private:
    TBoardGeometry Fit;
    // Temporary until the faces are drawn at the device's own scale: the board is drawn from the
    // nearer sheet size (1 or 2) and scaled to the area with smooth filtering.
    std::unique_ptr<TBoardImage> Drawn;
    // Made only when it differs from the drawn board.
    QImage Shown;
    bool Stale = true;
};
