#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "faces/FaceCache.h"
#include "faces/FaceMaker.h"

// A board's faces prepared through sideBySide: each distinct picture made once, the same pixels as
// one made alone, and kept, so that preparing again or drawing the tiles makes none.
inline void ExpectBoardsFacesPreparedOnceEach(const TSideBySide& sideBySide)
{
    std::vector<TFacePicture> board;
    for (TKanaId kana = 0; kana < 48; ++kana)
        for (const bool lit : {false, false, true})
            board.push_back({kana, kana % 2 ? TScript::Katakana : TScript::Hiragana, TFaceShows::KanaWithReading, 1, lit});
    TFaceCache cache(1.5);
    cache.Face(board[0]);
    cache.Prepare(board, sideBySide);
    EXPECT_EQ(cache.Count(), 96u);
    const TPixelImage* kept = &cache.Face(board[140]);
    cache.Prepare(board, sideBySide);
    EXPECT_EQ(&cache.Face(board[140]), kept);
    EXPECT_EQ(cache.Count(), 96u);
    for (const size_t n : {0u, 1u, 2u, 77u, 143u})
        EXPECT_EQ(cache.Face(board[n]).Pixels, MakeFace(board[n], 1.5).Pixels) << n;
}
