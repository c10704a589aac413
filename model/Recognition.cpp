#include "model/Recognition.h"

#include "model/Game.h"
#include "model/LearningModes.h"

TRecognition::TRecognition()
{
    FreeSince.fill(Stopped);
    Taken.reserve(2 * TileCount);  // a game without undo never needs more
}

void TRecognition::SetKana(const TGame& game, uint8_t kana)
{
    if (kana == Kana)
        return;
    Kana = kana;
    Restart(game);
}

void TRecognition::Restart(const TGame& game)
{
    FreeSince.fill(Stopped);
    Hinted.fill(false);
    Follow(game);
}

void TRecognition::PairTaken(const TGame& game, uint8_t first, uint8_t second, bool typed)
{
    const uint8_t face = game.Tiles[first].Face;
    const TScript firstScript = ScriptOfTile(first, Kana);
    const TScript secondScript = ScriptOfTile(second, Kana);
    const bool recalled = typed && game.Readings == ReadingsSetting::KanaOnly;
    Record(face, firstScript, recalled);
    if (secondScript != firstScript)
        Record(face, secondScript, recalled);
    Hinted[face] = false;
    FreeSince[face] = Stopped;  // another free pair of the face is a new find
    Follow(game);
}

void TRecognition::PairPutBack(const TGame& game, uint8_t first)
{
    FreeSince[game.Tiles[first].Face] = Stopped;
    Follow(game);
}

void TRecognition::Record(uint8_t face, TScript script, bool recalled)
{
    TRecognitionSample sample{face, script, Hinted[face], 0};
    if (!sample.Hinted) {
        if (FreeSince[face] == Stopped)
            return;
        sample.Seconds = static_cast<int32_t>(Now - FreeSince[face]);
    }
    Taken.push_back(sample);
    if (recalled) {
        sample.Typed = true;
        Taken.push_back(sample);
    }
}

void TRecognition::Follow(const TGame& game)
{
    std::array<uint8_t, FaceCount> freeTiles{};
    for (int n = 1; n <= TileCount; ++n)
        if (game.IsFree(static_cast<uint8_t>(n)))
            ++freeTiles[game.Tiles[n].Face];
    for (int face = 0; face < FaceCount; ++face) {
        if (freeTiles[face] < 2)
            FreeSince[face] = Stopped;
        else if (FreeSince[face] == Stopped)
            FreeSince[face] = Now;
    }
}
