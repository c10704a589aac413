#pragma once

#include <vector>

#include "tools/artgen/CommandIcons.h"

namespace artwork {

// The button glyph pairs, 32 x 16 at scale times that size: the normal glyph on the left, its
// greyed (disabled) look on the right. Named Glyph<Name>.
std::vector<TNamedPicture> DrawButtonGlyphs(int scale);

}  // namespace artwork
