#pragma once

#include <cstdint>

#include "faces/FaceCache.h"
#include "faces/PixelImage.h"
#include "model/BoardRaster.h"

// The board's picture in device pixels, which the core draws and a front end only copies to the
// screen. Its API in three steps:
// - Resize(device width, device height, scale) makes it (or remakes it) that many device pixels,
//   black, showing the design board at that scale; a new scale drops the faces kept for the old.
//   The caller picks both: the designed 605 x 498 board times the screen's ratio, or whatever size
//   and scale a resized window fits; it maps presses back to design pixels itself (the rules hit
//   tiles in design pixels, TGame::TileAtPoint).
// - The rules draw into it in design pixels (TBoardRaster): the background texture over all of it,
//   then each tile at device left/top = round(design left/top * scale).
// - Pixels() hands out the picture.
class TBoardPicture : public TBoardRaster {
public:
    // The background sheets as the front end decoded them: six textures side by side, each 32 x 32,
    // and the same drawn at twice the size, which serves from scale 1.5 up.
    TBoardPicture(TPixelImage textures, TPixelImage doubleTextures);

    void Resize(int32_t width, int32_t height, double scale);
    const TPixelImage& Pixels() const { return Picture; }
    double Scale() const { return Faces.Scale(); }
    TFaceCache& FaceStore() { return Faces; }

    void DrawBackground(uint8_t index) override;
    void DrawFace(const TFacePicture& face, int32_t left, int32_t top) override;

private:
    void Copy(const TPixelImage& source, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height,
              int32_t left, int32_t top);

    TPixelImage Textures;
    TPixelImage DoubleTextures;
    TFaceCache Faces;
    TPixelImage Picture;
};
