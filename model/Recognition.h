#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/Kana.h"

class TGame;

// One pair taken: the seconds of game clock it lay free before the player took it, or a hint when
// a hint had shown that face. A pair of both scripts gives one of each.
struct TRecognitionSample {
    uint8_t Face = 0;
    TScript Script = TScript::Hiragana;
    bool Hinted = false;
    int32_t Seconds = 0;  // 0 for a hint
    // Recall: a pair of tiles that showed the kana alone, taken by typing its reading. It comes
    // beside the pair's ordinary sample.
    bool Typed = false;

    bool operator==(const TRecognitionSample&) const = default;
};

// How long each face lies free as a pair before the player takes it. Each face has its own clock,
// started when two of its tiles are first free at once and advanced only by the game clock's
// ticks, so that it stands still whenever the game clock does. The game tells it what happens
// on the board once it is attached to TGame::Recognition.
class TRecognition {
public:
    TRecognition();

    // The kana setting in force (see ScriptOfTile). Tiles that change their script start afresh.
    void SetKana(const TGame& game, uint8_t kana);

    // The samples taken since the last ForgetSamples, in the order the pairs were taken.
    const std::vector<TRecognitionSample>& Samples() const { return Taken; }
    void ForgetSamples() { Taken.clear(); }

    // From the game.
    void Tick() { ++Now; }
    void Restart(const TGame& game);  // a new deal or a shuffle: every clock starts afresh
    // typed: taken by its typed reading.
    void PairTaken(const TGame& game, uint8_t first, uint8_t second, bool typed = false);
    void PairPutBack(const TGame& game, uint8_t first);
    void PairHinted(uint8_t face) { Hinted[face] = true; }

private:
    static constexpr uint32_t Stopped = UINT32_MAX;

    uint8_t Kana = 0;
    uint32_t Now = 0;  // game clock ticks
    std::array<uint32_t, FaceCount> FreeSince;
    std::array<bool, FaceCount> Hinted{};
    std::vector<TRecognitionSample> Taken;

    // Starts the clock of each face that now has two free tiles and stops the others.
    void Follow(const TGame& game);
    void Record(uint8_t face, TScript script, bool recalled);
};
