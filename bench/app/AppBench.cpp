#include <string_view>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/MidEnd.h"
#include "bench/PairsTaken.h"
#include "model/Recognition.h"
#include "model/TilePlacement.h"
#include "tests/support/SeededRandom.h"
#include "tests/support/SilentEffects.h"
#include "tests/support/TestStore.h"

namespace {

// A main window that shows nothing.
class TSilentFrontEnd final : public TFrontEnd {
public:
    TBoardRaster& BoardPicture() override { return Silent.BoardPicture(); }
    void BoardChanged() override {}
    void ShowMessage(TMessageRequest) override {}
    void StartClock() override {}
    void StopClock() override {}
    void SetCommandEnabled(TCommandId, bool) override {}
    void SetStatusText(int, const std::string&) override {}
    void StartBlinkTimer(uint32_t) override {}
    void ShowDialog(TDialogId) override {}
    void RefreshDialog(TDialogId) override {}
    void CloseMainWindow() override {}

private:
    TSilentEffects Silent;
};

// One pair taken as the player does it, through the session: typed (1), its reading and a blank,
// or pressed (0), two presses on the tiles' middles. The same game is replayed pair by pair.
void TakePair(benchmark::State& state)
{
    const TTestStore store;
    TSilentFrontEnd front;
    TSeededRandom random;
    TMidEnd session(front, random, store.Options());
    session.FormCreate([](const std::exception&) {});
    session.FormShow();
    TGame& game = session.Game();
    const TTileArray dealt = game.Tiles;
    // The last pair would win the game, which stores the times. The first free pair is also the
    // one its reading takes.
    auto pairs = PairsTaken(game);
    pairs.pop_back();
    const bool typed = state.range(0) != 0;
    size_t next = 0;
    for (auto _ : state) {
        if (next == pairs.size()) {
            game.Tiles = dealt;
            game.UndoCount = 0;
            game.Recognition->ForgetSamples();
            game.Recognition->Restart(game);
            next = 0;
        }
        const auto [first, second] = pairs[next++];
        if (typed) {
            for (const char letter : KanaCatalogue[game.FaceKanaIds[game.Tiles[first].Face]].Reading)
                session.TypeLetter(letter);
            session.TypeKey(TTypingKey::Space);
        } else {
            for (const uint8_t n : {first, second}) {
                const TTileOrigin origin = TileOrigin(game.Tiles[n]);
                session.BoardPress(origin.Left + TileWidth / 2, origin.Top + TileHeight / 2);
            }
        }
        if (game.Tiles[first].Present || game.Tiles[second].Present) {
            state.SkipWithError("the pair was not taken");
            break;
        }
    }
}
// Alternated, so that a change in the machine's load falls on both alike.
BENCHMARK(TakePair)->ArgName("typed")->Arg(0)->Arg(1)->Arg(0)->Arg(1)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
