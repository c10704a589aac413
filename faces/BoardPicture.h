#pragma once

#include <cstdint>

#include "faces/FaceCache.h"
#include "faces/PixelImage.h"
#include "model/BoardRaster.h"

// The board's picture in device pixels, which the core draws and a front end only copies to the
// screen. Its API in three steps:
// - Resize(device width, device height, scale, origin) makes it (or remakes it) that many device
//   pixels, black, showing the design board at that scale with its origin at that device point; a
//   new scale drops the faces kept for the old. The caller picks them: the designed 605 x 498 board
//   times the screen's ratio, or the area of a resized window with the board fitted and centred in
//   it; it maps presses back to design pixels itself (the rules hit tiles in design pixels,
//   TGame::TileAtPoint).
// - The rules draw into it in design pixels (TBoardRaster): the background texture over all of it on
//   a grid that starts at the origin, then each tile at device left/top = origin + round(design
//   left/top * scale).
// - Pixels() hands out the picture.
class TBoardPicture : public TBoardRaster {
public:
    // The background sheets as the front end decoded them: six textures side by side, each 32 x 32,
    // and the same drawn at twice the size, which serves from scale 1.5 up.
    TBoardPicture(TPixelImage textures, TPixelImage doubleTextures);

    void Resize(int32_t width, int32_t height, double scale, int32_t originX = 0, int32_t originY = 0);
    const TPixelImage& Pixels() const { return Picture; }
    double Scale() const { return Faces.Scale(); }
    TFaceCache& FaceStore() { return Faces; }
    // Faces made elsewhere at this picture's scale, kept instead of its own.
    void TakeFaces(TFaceCache faces);

    void DrawBackground(uint8_t index) override;
    void DrawFace(const TFacePicture& face, int32_t left, int32_t top) override;
    void PrepareFaces(std::span<const TFacePicture> faces) override { Faces.Prepare(faces, SideBySide); }
    // How a new board's faces are made side by side; without it, one by one.
    void SetSideBySide(TSideBySide sideBySide) { SideBySide = std::move(sideBySide); }

private:
    void Copy(const TPixelImage& source, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height,
              int32_t left, int32_t top);

    TPixelImage Textures;
    TPixelImage DoubleTextures;
    TFaceCache Faces;
    TSideBySide SideBySide;
    TPixelImage Picture;
    int32_t OriginX = 0;
    int32_t OriginY = 0;
};
