#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/GameEffects.h"
#include "model/KanaCatalogue.h"
#include "model/KanaSets.h"
#include "model/RandomSource.h"
#include "model/ReviewDeal.h"
#include "model/TileUnit.h"

constexpr int MaxUndoPairs = 96;

constexpr std::array<TKanaId, FaceCount> DesignedFaceKana()
{
    std::array<TKanaId, FaceCount> ids{};
    for (int face = 0; face < FaceCount; ++face)
        ids[size_t(face)] = static_cast<TKanaId>(face);
    return ids;
}

class TRecognition;

// The board, its tiles and the state of one game: everything the main window owns that is not a widget.
class TGame {
public:
    TGame(TGameEffects& effects, TRandomSource& random);

    // Settings in force.
    uint8_t FaceStyle = 0;
    uint8_t MapNumber = 0;
    uint8_t BackgroundIndex = 0;
    uint8_t HintSpeed = 0;
    uint8_t Kana = 0;      // learning modes (model/LearningModes.h): they change the pictures only
    uint8_t Readings = 0;
    uint8_t KanaSet = 0;  // which kana a new game deals from (model/KanaSets.h)
    bool Practice = false;  // a new game of a larger set is a review deal
    // What the review deal knows of the player's memory; set before a new game, empty for none.
    TReviewPlan Review;

    TTileArray Tiles;
    uint8_t SelectedTile = 0;
    uint8_t UndoCount = 0;
    std::array<std::pair<uint8_t, uint8_t>, MaxUndoPairs + 1> UndoPairs{};  // entries 1..96
    int32_t ElapsedSeconds = 0;
    int32_t HintCount = 0;
    TRecognition* Recognition = nullptr;  // told of every change to the free pairs when set
    // Which catalogue kana each face stands for in this game; the designed game's faces are the
    // catalogue's first 48 in order. Tiles of one face always match, whatever kana it shows.
    std::array<TKanaId, FaceCount> FaceKanaIds = DesignedFaceKana();

    // Board.
    void CreateTiles();
    void LoadMapPositions();
    void UpdateCoverage();
    void ClearLinks();
    void UpdateLinks();
    void ClearSelection();
    bool IsFree(uint8_t n) const;
    uint8_t PresentCount() const;
    bool FindFreePair(uint8_t& first, uint8_t& second) const;
    bool CheckLost();

    // Deal.
    void DealTiles();

    // Drawing and hit test (the pixels themselves are the window's).
    void DrawBackground();
    void DrawBoard();
    // The plain faces the next deal is sure to draw, so that they can be made ahead: every copy of
    // each designed kana where the kana set is the basic one, none where the kana are drawn at random.
    std::vector<TFacePicture> FacesOfNextDeal() const;
    uint8_t TileAtPoint(int32_t px, int32_t py) const;

    // Play.
    void BackgroundImageMouseDown(int32_t px, int32_t py);
    void ClickTile(uint8_t c);
    // Every press on a tile, whatever made it (a click, a typed reading, a tap): the clocks start
    // as for the designed press, then the press is played.
    void PressTile(uint8_t c, bool typed);
    void UndoActionExecute();
    // The pair of the face a typed reading takes: the selected tile when it is a free tile of the
    // face, then the face's free tiles in the order the hint searches them. False when fewer than
    // two are free.
    bool FreePairOfFace(uint8_t face, uint8_t& first, uint8_t& second) const;
    // Takes that pair as two presses would, after a press on the board's clock; another tile
    // selected is let go first.
    void TakeTypedPair(uint8_t first, uint8_t second);

    // Clock, hints, status line. The game clock runs from StartClock to StopClock.
    void StartClock();
    void StopClock();
    std::string TickClock();
    void GameTimerTimer();
    void UpdateStatus();
    void HintActionExecute();

    // Game lifecycle.
    void FormShow();  // the first showing: first deal and paint
    void StartNewGame();
    void ShuffleActionExecute();

private:
    TGameEffects& Effects;
    TRandomSource& Random;

    void ChooseKana();  // for a new game: what each face stands for
    void MixPositions();  // until a pair is free
    void Press(uint8_t c, bool typed);
    void RemovePair(uint8_t selected, uint8_t chosen, bool typed);
    void WinGame();
    void Blink(uint8_t first, uint8_t second, uint32_t passes);
    bool PumpPasses(uint32_t passes);  // false as soon as the program is quitting
};

inline bool TGame::IsFree(uint8_t n) const
{
    if (n < 1 || n > TileCount)
        return false;
    const TTileClass& tile = Tiles[n];
    return tile.Present && tile.Uncovered && (tile.LeftLink == 0 || tile.RightLink == 0);
}

// Hours without leading zeros, then two-digit minutes and seconds: 1:02:05.
std::string TimeString(int32_t seconds);
