#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "tools/artgen/Fonts.h"

namespace artwork {

struct TNamedPicture {
    QString Name;
    QImage Picture;
};

// The 16 x 16 command icons at scale times that size, named Icon<Command>.
std::vector<TNamedPicture> DrawCommandIcons(int scale, const TArtFonts& fonts);

}  // namespace artwork
