#pragma once

#include <array>
#include <memory>
#include <string>

#include "model/BoardRaster.h"
#include "win32/common/Dib.h"

// One sprite sheet, drawn at two sizes: scale 1, and scale 2 for 192 DPI and up, where each
// pixel of the sheet's grid is 2 x 2 pixels.
class TSpriteSheet {
public:
    // The built-in pictures <name>.png and <name>@2x.png; throws when one is missing.
    explicit TSpriteSheet(const std::string& name);

    // A rectangle of the sheet's grid is found in it at scale times its coordinates. Each size is
    // decoded when first asked for: most screens never need the double-size one.
    const TDib& Image(int scale) const;
    // The same picture holding at least the rows of the sheet's grid above `bottom` (exclusive):
    // the first board needs only the top of a face sheet, most games never its lower blocks.
    const TDib& Rows(int scale, int bottom) const;

private:
    std::array<std::string, 2> Names;
    mutable std::array<std::unique_ptr<TDib>, 2> Images;
    mutable std::array<bool, 2> Whole{};
};

// Holds the sprite sheets for the whole run.
class TImageForm {
public:
    TImageForm();

    TSpriteSheet FaceImage;        // face style 0: 960 x 1120, five blocks of 24 x 4 cells of 40 x 56
    TSpriteSheet BackgroundImage;  // the six 32 x 32 background textures side by side
    TSpriteSheet FaceImage_2;      // face style 1, laid out as FaceImage

    const TSpriteSheet& Sheet(TSheet sheet) const;
};

extern TImageForm* ImageForm;
