#pragma once

#include <QImage>
#include <QSize>

#include "app/BoardGeometry.h"
#include "faces/BoardPicture.h"
#include "model/TilePlacement.h"

class TImageForm;

// The board picture that all board drawing goes into: the core's picture at the screen's device
// pixels, shown through a QImage that stands on the core's own pixels. Every coordinate given to
// it is in logical (design) pixels all the same.
class TBoardImage : public TBoardPicture {
public:
    explicit TBoardImage(qreal devicePixelRatio, QSize logicalSize = QSize(BoardWidth, BoardHeight));
    TBoardImage(qreal devicePixelRatio, QSize logicalSize, const TImageForm& sheets);
    // The whole area a window shows the board in, the board fitted and centred in it.
    explicit TBoardImage(const TBoardGeometry& geometry);

    // Opaque RGB32 over the core's pixels; its devicePixelRatio makes it show at the logical size.
    // It stands on this picture's pixels: copy it to keep it past a Resize or this picture's end.
    QImage Image() const;
};
