#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <vector>

#include "model/Kana.h"
#include "model/MonotonicClock.h"

class TGame;

// One pair taken: the tenths of a second of running game clock it lay free before the player took
// it, or a hint when a hint had shown that face. A pair counts for the script of each kana its
// tiles show: one sample, one for each script, or none when both tiles show only the reading. Kana
// is the catalogue kana the face stood for in that game.
struct TRecognitionSample {
    TKanaId Kana = 0;
    TScript Script = TScript::Hiragana;
    bool Hinted = false;
    int32_t Tenths = 0;  // 0 for a hint
    // Recall: a pair taken by typing its reading in the kana-only mode, where no tile of the board
    // shows a reading. It comes beside the pair's ordinary sample.
    bool Typed = false;

    bool operator==(const TRecognitionSample&) const = default;
};

// A kana as a tile showed it, by catalogue id.
struct TSeenKana {
    TKanaId Kana = 0;
    TScript Script = TScript::Hiragana;

    auto operator<=>(const TSeenKana&) const = default;
};

// A press on a tile of another kana while one was selected: the two kana taken for each other,
// the lesser first, so that either order of the presses is the same mix-up.
struct TMixUp {
    TSeenKana First;
    TSeenKana Second;

    auto operator<=>(const TMixUp&) const = default;
};
TMixUp MixUpOf(TSeenKana a, TSeenKana b);

// How long the player takes to find each face's pair. Each face has its own clock, started when two
// of its tiles are first free at once or, when that was earlier, at the player's latest move (a
// pair taken or put back): time spent on other pairs while this one lay free is scan order, not
// recognition. It reads a monotonic clock that runs only while the game clock runs: paused time
// and the hint's penalty stay out. The game tells it what
// happens on the board once it is attached to TGame::Recognition.
class TRecognition {
public:
    explicit TRecognition(const TMonotonicClock& clock = SteadyClock());

    // The learning modes in force. Tiles that change what they show start afresh.
    void SetModes(const TGame& game);

    // What was collected since the last ForgetSamples, in the order it happened.
    const std::vector<TRecognitionSample>& Samples() const { return Taken; }
    const std::vector<TMixUp>& MixUps() const { return Mixed; }
    void ForgetSamples();
    // Forgets what was collected of the script's kana, and every mix-up with one of them.
    void ForgetScript(TScript script);

    // From the game.
    void ClockStarted() { Running.Start(); }
    void ClockStopped() { Running.Stop(); }
    void Restart(const TGame& game);  // a new deal or a shuffle: every clock starts afresh
    // typed: taken by its typed reading.
    void PairTaken(const TGame& game, uint8_t first, uint8_t second, bool typed = false);
    void PairPutBack(const TGame& game, uint8_t first);
    void PairHinted(uint8_t face) { Hinted[face] = true; }
    void MixedUp(const TGame& game, uint8_t selected, uint8_t pressed);

private:
    static constexpr int64_t Stopped = -1;

    uint8_t Kana = 0;
    uint8_t Readings = 0;
    TStopwatch Running;
    std::array<int64_t, FaceCount> FreeSince;  // tenths of running clock
    int64_t LastMove = 0;
    std::array<bool, FaceCount> Hinted{};
    std::vector<TRecognitionSample> Taken;
    std::vector<TMixUp> Mixed;

    // Starts the clock of each face that now has two free tiles and stops the others.
    void Follow(const TGame& game);
    void Record(const TGame& game, uint8_t face, TScript script, bool recalled);
};
