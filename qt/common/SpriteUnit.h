#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <memory>

#include "model/BoardRaster.h"

class TPngRowReader;

// One sprite sheet, drawn at two sizes: scale 1 for ordinary screens, scale 2 for screens with
// a device pixel ratio of 2, where each logical pixel of the sheet is 2 x 2 device pixels.
class TSpriteSheet {
public:
    // Names the built-in pictures :/<name>.png and :/<name>@2x.png; throws when one is missing.
    explicit TSpriteSheet(const QString& name);
    ~TSpriteSheet();

    // Opaque RGB32, with devicePixelRatio equal to the scale; a rectangle of the logical sheet is
    // found in it at scale times its coordinates. Scales above 2 get the double-size sheet.
    // Each size is decoded when first asked for: most screens never need the double-size one.
    const QImage& Image(int scale) const;
    // The same picture, decoded from the top at least down to the logical row `bottom`
    // (exclusive) and no further: the first board, whose tiles show no highlight, needs only
    // the top two rows of a face sheet's first block. Throws when the picture proves damaged.
    const QImage& Rows(int scale, int bottom) const;
    // A copy of a rectangle of the logical sheet at the given scale. Rows not yet decoded are
    // decoded for it and not kept: an artwork the board does not show takes no memory.
    QImage Copy(const QRect& logical, int scale) const;

private:
    static size_t Index(int scale) { return scale >= 2 ? 1 : 0; }

    std::array<QString, 2> Paths;
    mutable std::array<std::unique_ptr<TPngRowReader>, 2> Sheets;
};

// Holds the sprite sheets for the whole run; never shown.
class TImageForm : public QWidget {
    Q_OBJECT
public:
    explicit TImageForm(QWidget* parent = nullptr);

    TSpriteSheet FaceImage;        // face style 0: 960 x 1120, five blocks of 24 x 4 cells of 40 x 56
    TSpriteSheet BackgroundImage;  // the six 32 x 32 background textures side by side
    TSpriteSheet FaceImage_2;      // face style 1, laid out as FaceImage

    const TSpriteSheet& Sheet(TSheet sheet) const;
};

extern TImageForm* ImageForm;
