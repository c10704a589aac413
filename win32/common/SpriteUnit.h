#pragma once

#include <array>
#include <memory>
#include <string>

#include "faces/PixelImage.h"
#include "model/BoardRaster.h"
#include "win32/common/Dib.h"

// One sprite sheet, drawn at two sizes: scale 1, and scale 2 where each pixel of the sheet's grid
// is 2 x 2 pixels.
class TSpriteSheet {
public:
    // The built-in pictures <name>.png and <name>@2x.png; throws when one is missing.
    explicit TSpriteSheet(const std::string& name);

    // A rectangle of the sheet's grid is found in it at scale times its coordinates. Each size is
    // decoded when first asked for.
    const TDib& Image(int scale) const;

private:
    std::array<std::string, 2> Names;
    mutable std::array<std::unique_ptr<TDib>, 2> Images;
};

// Holds the background textures for the whole run.
class TImageForm {
public:
    TImageForm();

    TSpriteSheet BackgroundImage;  // the six 32 x 32 background textures side by side

    // The textures at scale 1 or 2, as the core's board picture takes them.
    TPixelImage Textures(int scale) const;
};

extern TImageForm* ImageForm;

// Copies a tile face as the core draws it for the DPI's device pixels into the rectangle at (left, top).
void DrawTileFace(HDC dc, const TFacePicture& face, UINT dpi, int left, int top);
