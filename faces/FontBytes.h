#pragma once

#include <cstddef>

// The font subsets of assets/fonts, compiled in at build time: Klee One SemiBold's kana and DejaVu
// Sans' letters of the readings.
extern const unsigned char KanaFontBytes[];
extern const std::size_t KanaFontBytesSize;
extern const unsigned char ReadingFontBytes[];
extern const std::size_t ReadingFontBytesSize;
