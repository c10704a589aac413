#pragma once

#include "faces/PixelImage.h"
#include "model/FacePicture.h"

// Faces for the dialogs' previews and charts, kept for the run per scale they were asked at, so
// that a repaint copies pixels and a dialog on another screen gets faces of its own density.
const TPixelImage& SharedFace(const TFacePicture& face, double scale);
