#include "win32/window/BoardImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/TilePlacement.h"
#include "win32/common/SpriteUnit.h"

TBoardImage::TBoardImage(double scale, const TImageForm& sheets)
    : TBoardPicture(sheets.Textures(1), sheets.Textures(2))
{
    Resize(static_cast<int32_t>(std::lround(BoardWidth * scale)), static_cast<int32_t>(std::lround(BoardHeight * scale)),
           scale);
}

TBoardImage::TBoardImage(const TBoardGeometry& geometry, const TImageForm& sheets)
    : TBoardPicture(sheets.Textures(1), sheets.Textures(2))
{
    const TDeviceRect board = geometry.Board();
    Resize(std::max(geometry.Area().Width, 1), std::max(geometry.Area().Height, 1), std::max(geometry.Scale(), 0.01),
           board.Left, board.Top);
}

const TDib& TBoardImage::Picture() const
{
    const TPixelImage& pixels = Pixels();
    if (!Shown || Shown->Width() != pixels.Width || Shown->Height() != pixels.Height) {
        Shown = std::make_unique<TDib>(pixels.Width, pixels.Height);
        Drawn = true;
    }
    if (Drawn) {
        GdiFlush();
        std::memcpy(Shown->Pixels(), pixels.Pixels.data(), pixels.Pixels.size() * sizeof(uint32_t));
        Drawn = false;
    }
    return *Shown;
}

void TBoardImage::DrawBackground(uint8_t index)
{
    Drawn = true;
    TBoardPicture::DrawBackground(index);
}

void TBoardImage::DrawFace(const TFacePicture& face, int32_t left, int32_t top)
{
    Drawn = true;
    TBoardPicture::DrawFace(face, left, top);
}
