#pragma once

#include <QFont>

// The font with the tiles' own kana font behind it: kana in a window's text take the board's
// look on any system, and no whole system font of tens of thousands of glyphs is mapped for a
// handful of them. The font's own family, as the system stands it in, stays first.
QFont WithTilesKana(const QFont& font);
// The tiles' kana font alone, at the font's size.
QFont TilesKanaFont(const QFont& font);
