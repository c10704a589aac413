#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

// One sprite sheet, drawn at two sizes: scale 1 for ordinary screens, scale 2 for screens with
// a device pixel ratio of 2, where each logical pixel of the sheet is 2 x 2 device pixels.
class TSpriteSheet {
public:
    // Names the built-in pictures :/<name>.png and :/<name>@2x.png; throws when one is missing.
    explicit TSpriteSheet(const QString& name);

    // Opaque RGB32, with devicePixelRatio equal to the scale; a rectangle of the logical sheet is
    // found in it at scale times its coordinates. Scales above 2 get the double-size sheet.
    // Each size is decoded when first asked for: most screens never need the double-size one.
    const QImage& Image(int scale) const;

private:
    std::array<QString, 2> Paths;
    mutable std::array<QImage, 2> Images;
};

// Holds the sprite sheets for the whole run; never shown.
class TImageForm : public QWidget {
    Q_OBJECT
public:
    explicit TImageForm(QWidget* parent = nullptr);

    TSpriteSheet FaceImage;        // face style 0: 960 x 224, 24 x 4 cells of 40 x 56
    TSpriteSheet BackgroundImage;  // the six 32 x 32 background textures side by side
    TSpriteSheet FaceImage_2;      // face style 1, laid out as FaceImage
};

extern TImageForm* ImageForm;
