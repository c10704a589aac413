#pragma once

#include <QImage>

#include "tools/artgen/Fonts.h"

namespace artwork {

// A face sheet: 24 x 20 cells in five blocks of four rows (FaceTable.h's Blocks), each with faces
// 0-47 plain in its rows 0-1 and highlighted in its rows 2-3, drawn at scale times the base size of
// 960 x 1120. Style 0 is the pastel artwork, 1 the maroon one.
QImage DrawFaceSheet(int style, int scale, const TArtFonts& fonts);

}  // namespace artwork
