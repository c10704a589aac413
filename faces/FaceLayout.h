#pragma once

#include <cstdint>

#include "model/FacePicture.h"

// Where a face's ink goes, in design pixels of the 40 x 56 cell; a face at scale s multiplies them.
namespace face_layout {

// The kana stands in the character box above its reading, or in the alone box without it; a
// reading alone has the alone box. Ink is cut at the inner plate.
struct TBox {
    double Left, Top, Width, Height;
    double CentreX() const { return Left + Width / 2; }
    double CentreY() const { return Top + Height / 2; }
};
inline constexpr TBox CharacterBox{6, 5, 31, 30};
inline constexpr TBox AloneBox{6, 4, 31, 45};
inline constexpr TBox InnerPlate{6, 3, 31, 47};
// The small reading under a kana: centred on this column, on this baseline, at this size.
inline constexpr double ReadingCentre = 21.5;
inline constexpr double ReadingBaseline = 46;
inline constexpr double ReadingPixelsPerEm = 11;

// The strokes are thickened by this pen width to read well at 30 pixels; artwork 1 adds a white
// edge as wide again on each side and a grey shadow moved right and down.
inline constexpr double Emboldening = 0.9;
inline constexpr double EdgeWidth = 1;
inline constexpr double ShadowOffset = 1;

struct TArtworkInk {
    double Growth;  // how far the ink reaches out of the outline on every side
    double Shadow;  // how much further the shadow reaches down and right
    // Half a pixel on each side is kept for moving the ink to whole pixels, and as much again for
    // the antialiased fringe of its outline.
    double Room() const { return 2 * Growth + Shadow + 2; }
};
TArtworkInk ArtworkInk(uint8_t artwork);

// The size of every kana of a script and group in a box: the largest at which the tallest and the
// widest of the designed 48, and of the kana's own group, fit; katakana no larger than hiragana,
// so that both scripts on one board look alike.
double KanaPixelsPerEm(TKanaId kana, TScript script, bool withReading, uint8_t artwork);

// The readings standing alone share one size and baseline: the largest at which the widest word,
// and the reach of all of them above and below the baseline, fit the alone box.
struct TWordSetting {
    double PixelsPerEm;
    double Baseline;
};
TWordSetting AloneReadingSetting(TKanaId kana, uint8_t artwork);

}  // namespace face_layout
