#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/FacePicture.h"

// Where a tile's face is drawn.
class TTileTarget {
public:
    virtual ~TTileTarget() = default;
    // Draws the 40 x 56 face with its top-left corner at (left, top), in design pixels.
    virtual void DrawFace(const TFacePicture& face, int32_t left, int32_t top) = 0;
    // The faces a whole board is about to draw, so that a target can make them all at once.
    virtual void PrepareFaces(std::span<const TFacePicture>) {}
};

// The settings that choose a tile's picture: the artwork and the learning modes.
struct TTileLook {
    uint8_t FaceStyle = 0;
    uint8_t Kana = 0;
    uint8_t Readings = 0;
};

class TTileClass {
public:
    TTileClass() = default;
    explicit TTileClass(uint8_t number);

    uint8_t Number = 0;
    uint8_t Face = 0;
    uint8_t RightLink = 0;
    uint8_t LeftLink = 0;
    uint8_t X = 0;
    uint8_t Y = 0;
    uint8_t Layer = 0;
    bool Uncovered = false;
    bool Present = true;
    bool Selected = false;
    bool Hinted = false;

    // This tile's face, standing for the catalogue kana `kana` (plain, or highlighted while
    // selected or hinted), in the given look.
    TFacePicture Picture(const TTileLook& look, TKanaId kana) const;
};

constexpr int TileCount = 192;
constexpr int FaceCount = 48;

// Indexed by tile number 1..192; slot 0 stands for "no tile" and is never used.
using TTileArray = std::array<TTileClass, TileCount + 1>;
