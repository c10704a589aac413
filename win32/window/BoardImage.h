#pragma once

#include <memory>

#include "app/BoardGeometry.h"
#include "faces/BoardPicture.h"
#include "win32/common/Dib.h"

class TImageForm;

// The board picture that all board drawing goes into: the core's picture of the board's 605 x 498
// grid at the window's device pixels, shown through a DIB section. Every coordinate given to it
// is in grid pixels all the same.
class TBoardImage : public TBoardPicture {
public:
    TBoardImage(double scale, const TImageForm& sheets);
    // The whole area a window shows the board in, the board fitted and centred in it.
    TBoardImage(const TBoardGeometry& geometry, const TImageForm& sheets);

    // The core's pixels as they are now, in a DIB to BitBlt from; copied only after drawing, so
    // that a window uncovered repaints from the DIB as it stands.
    const TDib& Picture() const;

    void DrawBackground(uint8_t index) override;
    void DrawFace(const TFacePicture& face, int32_t left, int32_t top) override;

private:
    mutable std::unique_ptr<TDib> Shown;
    mutable bool Drawn = true;  // since the DIB was last copied
};
