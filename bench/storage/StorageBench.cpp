// The score table as the player meets it: appending to a full table (the shift of 30 records and
// the new 31st, committed to disk) and reading all 31 records back for the scores dialog.
#include "storage/RegistryUnit.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#error "bench_storage measures the SQLite store"
#endif

namespace {

// A private store on the disk of the current folder, never the player's own.
class TBenchStore {
public:
    TBenchStore()
        : Folder(std::filesystem::current_path() / ".bench-storage")
    {
        std::filesystem::remove_all(Folder);
        setenv("XDG_CONFIG_HOME", Folder.c_str(), 1);
        for (int i = 0; i < 31; ++i)
            Options.AddScore("Player " + std::to_string(i), "0:12:34", i, "Flat Square");
    }
    ~TBenchStore() { std::filesystem::remove_all(Folder); }

    std::filesystem::path Folder;
    TRegOptions Options;
};

void AppendToFullTable(benchmark::State& state)
{
    TBenchStore store;
    int32_t hints = 0;
    for (auto _ : state)
        store.Options.AddScore("さくら", "1:02:03", ++hints, "Flat Square");
}
BENCHMARK(AppendToFullTable)->Unit(benchmark::kMillisecond);

void ReadAllScores(benchmark::State& state)
{
    TBenchStore store;
    std::string record;
    for (auto _ : state) {
        uint8_t k = 1;
        while (store.Options.ReadScore(k, record))
            ++k;
        if (k != 32)
            state.SkipWithError("the table does not hold 31 records");
    }
}
BENCHMARK(ReadAllScores)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
