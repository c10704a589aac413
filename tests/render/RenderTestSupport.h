#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

#include "model/TileUnit.h"
#include "tests/support/ExpectedBoard.h"

// Colours as 0xRRGGBB, compared without the alpha byte.
inline uint32_t Rgb(QRgb pixel) { return pixel & 0xffffffu; }

// The colours each face is drawn in come from the artwork's own table, the one the sheets were drawn from.
uint32_t PastelPlate(int face);
uint32_t BrightCharacter(int face);

// A face sheet (style 0 or 1) at a scale, as the program holds it.
const QImage& FaceSheet(int style, int scale);

// The device pixels of the logical rectangle rect of the cell (column, row) of a sheet at scale.
QRect CellPixels(int column, int row, const QRect& rect, int scale);

// The colours present in a device rectangle that differ from expected, or "" when all match.
std::string Mismatches(const QImage& image, const QRect& pixels, uint32_t expected);

// The picture ExpectedBoardPixels states (tests/support/ExpectedBoard.h, where InDrawingOrder also
// is), from the sheets the program holds.
QImage ExpectedBoard(std::vector<TTileClass> tiles, const TTileLook& look, int texture, int scale);

// The index of the first pixel whose colour differs from expected, or -1 when none does.
int FirstDifference(const QImage& actual, const QImage& expected);
