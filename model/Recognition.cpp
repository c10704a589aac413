#include "model/Recognition.h"

#include <algorithm>

#include "model/Game.h"
#include "model/LearningModes.h"

TMixUp MixUpOf(TSeenKana a, TSeenKana b)
{
    return a < b ? TMixUp{a, b} : TMixUp{b, a};
}

TRecognition::TRecognition(const TMonotonicClock& clock) : Running(clock)
{
    FreeSince.fill(Stopped);
    Taken.reserve(2 * TileCount);  // a game without undo never needs more
}

void TRecognition::SetModes(const TGame& game)
{
    if (game.Kana == Kana && game.Readings == Readings)
        return;
    Kana = game.Kana;
    Readings = game.Readings;
    Restart(game);
}

void TRecognition::ForgetSamples()
{
    Taken.clear();
    Mixed.clear();
}

void TRecognition::ForgetScript(TScript script)
{
    std::erase_if(Taken, [script](const TRecognitionSample& sample) { return sample.Script == script; });
    std::erase_if(Mixed, [script](const TMixUp& mixUp) { return mixUp.First.Script == script || mixUp.Second.Script == script; });
}

void TRecognition::Restart(const TGame& game)
{
    FreeSince.fill(Stopped);
    Hinted.fill(false);
    LastMove = Running.Tenths();
    Follow(game);
}

void TRecognition::PairTaken(const TGame& game, uint8_t first, uint8_t second, bool typed)
{
    const uint8_t face = game.Tiles[first].Face;
    const auto firstScript = SeenScript(first, Kana, Readings);
    const auto secondScript = SeenScript(second, Kana, Readings);
    const bool recalled = typed && Readings == ReadingsSetting::KanaOnly;
    if (firstScript)
        Record(game, face, *firstScript, recalled);
    if (secondScript && secondScript != firstScript)
        Record(game, face, *secondScript, recalled);
    Hinted[face] = false;
    FreeSince[face] = Stopped;  // another free pair of the face is a new find
    LastMove = Running.Tenths();
    Follow(game);
}

void TRecognition::PairPutBack(const TGame& game, uint8_t first)
{
    FreeSince[game.Tiles[first].Face] = Stopped;
    LastMove = Running.Tenths();
    Follow(game);
}

void TRecognition::MixedUp(const TGame& game, uint8_t selected, uint8_t pressed)
{
    const auto selectedScript = SeenScript(selected, Kana, Readings);
    const auto pressedScript = SeenScript(pressed, Kana, Readings);
    if (selectedScript && pressedScript)
        Mixed.push_back(MixUpOf({game.FaceKanaIds[game.Tiles[selected].Face], *selectedScript},
                                {game.FaceKanaIds[game.Tiles[pressed].Face], *pressedScript}));
}

void TRecognition::Record(const TGame& game, uint8_t face, TScript script, bool recalled)
{
    TRecognitionSample sample{game.FaceKanaIds[face], script, Hinted[face], 0};
    if (!sample.Hinted) {
        if (FreeSince[face] == Stopped)
            return;
        sample.Tenths = static_cast<int32_t>(Running.Tenths() - std::max(FreeSince[face], LastMove));
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
    const int64_t now = Running.Tenths();
    for (int face = 0; face < FaceCount; ++face) {
        if (freeTiles[face] < 2)
            FreeSince[face] = Stopped;
        else if (FreeSince[face] == Stopped)
            FreeSince[face] = now;
    }
}
