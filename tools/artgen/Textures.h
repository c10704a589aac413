#pragma once

#include <QImage>

namespace artwork {

// The six background textures of 32 x 32 side by side (192 x 32), drawn at scale times that size.
QImage DrawBackgroundSheet(int scale);

}  // namespace artwork
