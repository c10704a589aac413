#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

#include "faces/PixelImage.h"
#include "model/BoardRaster.h"

// One built-in picture, drawn at two sizes: scale 1 for ordinary screens, scale 2 for screens with
// a device pixel ratio from 1.5 up, where each logical pixel of the sheet is 2 x 2 device pixels.
class TSpriteSheet {
public:
    // Names the built-in pictures :/<name>.png and :/<name>@2x.png; throws when one is missing.
    explicit TSpriteSheet(const QString& name);

    // Opaque RGB32, with devicePixelRatio equal to the sheet's scale (1 or 2); a rectangle of the
    // logical sheet is found in it at that scale times its coordinates. Each size is decoded when
    // first asked for; throws when the picture proves damaged.
    const QImage& Image(qreal ratio) const;
    // A copy of a rectangle of the logical sheet at the scale that serves the ratio.
    QImage Copy(const QRect& logical, qreal ratio) const;
    // The whole sheet at scale 1 or 2, as the core's board picture takes it.
    TPixelImage Pixels(int scale) const;

    static int ScaleFor(qreal ratio) { return ratio >= 1.5 ? 2 : 1; }

private:
    std::array<QString, 2> Paths;
    mutable std::array<QImage, 2> Images;
};

// Holds the built-in background textures for the whole run; never shown.
class TImageForm : public QWidget {
    Q_OBJECT
public:
    explicit TImageForm(QWidget* parent = nullptr);

    TSpriteSheet BackgroundImage;  // the six 32 x 32 background textures side by side
};

extern TImageForm* ImageForm;

// A tile face as the core draws it for the ratio's device pixels, shown at its logical size.
QImage TileFaceImage(const TFacePicture& face, qreal ratio);
