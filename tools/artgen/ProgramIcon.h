#pragma once

#include <QImage>

#include "tools/artgen/Fonts.h"

namespace artwork {

// The program's icon, a red す with a dark purple outline on a transparent square of side
// size device pixels (drawn for that size, not scaled from another).
QImage DrawProgramIcon(int size, const TArtFonts& fonts);

}  // namespace artwork
