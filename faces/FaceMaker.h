#pragma once

#include <cstdint>

#include "faces/PixelImage.h"
#include "model/FacePicture.h"

// A face cell's size in device pixels at a scale: the 40 x 56 design cell times the scale, rounded.
int32_t FaceWidth(double scale);
int32_t FaceHeight(double scale);

// Draws one tile face for exactly the device pixels it is shown at: the frame evaluated at each
// pixel's centre, the kana or reading rasterised from the built-in fonts at that size. Never a
// picture resampled. A kana id beyond the catalogue draws the plate alone; scale must be positive.
TPixelImage MakeFace(const TFacePicture& face, double scale);
