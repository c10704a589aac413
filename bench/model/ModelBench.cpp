#include <array>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/PairsTaken.h"
#include "model/Game.h"
#include "model/Recognition.h"
#include "tests/support/SeededRandom.h"
#include "tests/support/SilentEffects.h"

namespace {

// A freshly dealt full board on the given map.
struct TBench {
    explicit TBench(uint8_t map, uint32_t seed = 1) : Random(seed)
    {
        Game.MapNumber = map;
        Game.CreateTiles();
        Game.StartNewGame();
    }

    TSilentEffects Effects;
    TSeededRandom Random;
    TGame Game{Effects, Random};
};

void CoverageAndLinks(benchmark::State& state)
{
    TBench bench(static_cast<uint8_t>(state.range(0)));
    for (auto _ : state) {
        bench.Game.UpdateCoverage();
        bench.Game.UpdateLinks();
        benchmark::DoNotOptimize(bench.Game.Tiles);
    }
}
BENCHMARK(CoverageAndLinks)->DenseRange(1, 7);

void FindFreePair(benchmark::State& state)
{
    TBench bench(static_cast<uint8_t>(state.range(0)));
    for (auto _ : state) {
        uint8_t first = 0;
        uint8_t second = 0;
        benchmark::DoNotOptimize(bench.Game.FindFreePair(first, second));
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(FindFreePair)->DenseRange(1, 7);

// The longest search: 48 free tiles of 48 different faces, so no pair.
void FindFreePairWithoutPair(benchmark::State& state)
{
    TBench bench(1);
    for (int n = 1; n <= TileCount; ++n) {
        TTileClass& tile = bench.Game.Tiles[n];
        tile.Present = n % 4 == 1;
        tile.Uncovered = true;
        tile.LeftLink = 0;
        tile.RightLink = 0;
    }
    for (auto _ : state) {
        uint8_t first = 0;
        uint8_t second = 0;
        benchmark::DoNotOptimize(bench.Game.FindFreePair(first, second));
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(FindFreePairWithoutPair);

void DealTiles(benchmark::State& state)
{
    TBench bench(static_cast<uint8_t>(state.range(0)));
    for (auto _ : state) {
        bench.Game.DealTiles();
        benchmark::DoNotOptimize(bench.Game.Tiles);
    }
}
BENCHMARK(DealTiles)->DenseRange(1, 7);

// New game, then random free pairs taken (shuffling at dead ends) until the board is empty or
// one stack is left.
void WholeGame(benchmark::State& state)
{
    TBench bench(static_cast<uint8_t>(state.range(0)));
    std::mt19937 player(7);
    int64_t won = 0;
    for (auto _ : state) {
        TGame& game = bench.Game;
        game.StartNewGame();
        while (game.PresentCount() > 0) {
            std::array<std::vector<uint8_t>, FaceCount> freeByFace;
            std::vector<int> matchable;
            for (int n = 1; n <= TileCount; ++n)
                if (game.IsFree(static_cast<uint8_t>(n)))
                    freeByFace[game.Tiles[n].Face].push_back(static_cast<uint8_t>(n));
            for (int face = 0; face < FaceCount; ++face)
                if (freeByFace[face].size() >= 2)
                    matchable.push_back(face);
            if (matchable.empty()) {
                if (game.CheckLost())
                    break;
                game.ShuffleActionExecute();
                continue;
            }
            const auto pick = [&player](size_t size) { return std::uniform_int_distribution<size_t>(0, size - 1)(player); };
            std::vector<uint8_t>& tiles = freeByFace[matchable[pick(matchable.size())]];
            std::swap(tiles[0], tiles[pick(tiles.size())]);
            game.ClickTile(tiles[0]);
            game.ClickTile(tiles[1 + pick(tiles.size() - 1)]);
        }
        won += game.PresentCount() == 0 ? 1 : 0;
    }
    state.counters["won"] = benchmark::Counter(static_cast<double>(won), benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeGame)->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

// One move, a pair taken with two presses, with the recognition times measured (1) or not (0).
// The same game is replayed move by move and its board put back when it is over.
void Move(benchmark::State& state)
{
    TBench bench(1);
    TGame& game = bench.Game;
    TRecognition recognition;
    if (state.range(0) != 0)
        game.Recognition = &recognition;
    const TTileArray dealt = game.Tiles;
    const auto pairs = PairsTaken(game);
    size_t next = 0;
    for (auto _ : state) {
        if (next == pairs.size()) {
            game.Tiles = dealt;
            game.UndoCount = 0;
            if (game.Recognition != nullptr) {
                recognition.ForgetSamples();
                recognition.Restart(game);
            }
            next = 0;
        }
        game.ClickTile(pairs[next].first);
        game.ClickTile(pairs[next].second);
        ++next;
    }
}
// Alternated, so that a change in the machine's load falls on both alike.
BENCHMARK(Move)->ArgName("measuring")->Arg(0)->Arg(1)->Arg(0)->Arg(1)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
