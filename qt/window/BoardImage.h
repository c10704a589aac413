#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <cstdint>
#include <optional>

#include "model/BoardRaster.h"
#include "model/TilePlacement.h"

class TImageForm;

// The off-screen board picture that all board drawing goes into. It is drawn from the
// double-size sheets on screens with a device pixel ratio of 2 or more, so that it stays sharp
// there; every coordinate given to it is in logical pixels all the same. Tiles draw themselves
// into it (TTileClass::Draw). It may reach room.width() pixels beyond the board's left and right
// edges and room.height() beyond its top and bottom, where the background goes on.
class TBoardImage : public TBoardRaster {
public:
    explicit TBoardImage(qreal devicePixelRatio, QSize logicalSize = QSize(BoardWidth, BoardHeight),
                         QSize room = QSize(0, 0));
    TBoardImage(qreal devicePixelRatio, QSize logicalSize, QSize room, const TImageForm& sheets);

    // Opaque RGB32; its devicePixelRatio (1 or 2) makes it show at the logical size. Taking it
    // finishes the drawing done so far.
    const QImage& Image() const;
    int Scale() const;

protected:
    void CopyRect(TSheet sheet, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height, int32_t left,
                  int32_t top) override;

private:
    QPainter& Painter();

    const TImageForm& Sheets;
    int ScaleFactor;
    QSize Room;
    QImage Picture;
    // One painter serves all the copies of a repaint (a painter per copy would cost more than
    // the copy); it is ended whenever the picture is handed out, so that no copy of the picture
    // shares pixels with a painter still at work.
    mutable std::optional<QPainter> OpenPainter;
};
