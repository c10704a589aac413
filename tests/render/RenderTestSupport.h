#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

#include "model/TileUnit.h"
#include "tests/support/ExpectedBoard.h"

// Colours as 0xRRGGBB, compared without the alpha byte.
inline uint32_t Rgb(QRgb pixel) { return pixel & 0xffffffu; }

// The picture ExpectedBoardPixels states (tests/support/ExpectedBoard.h, where InDrawingOrder also
// is), from the textures the program holds and the faces the core draws.
QImage ExpectedBoard(std::vector<TTileClass> tiles, const TTileLook& look, int texture, double scale);

// The index of the first pixel whose colour differs from expected, or -1 when none does.
int FirstDifference(const QImage& actual, const QImage& expected);
