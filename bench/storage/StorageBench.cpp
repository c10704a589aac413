// The store as the player meets it: appending to a full table (the shift of 30 records and the new
// 31st, committed to disk), reading all 31 records back for the scores dialog, and reading one
// setting, as the options dialog does four times when it is shown. Then how long the window stands
// still when another program holds the store locked.
#include "storage/RegistryUnit.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

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
        Options.InitDefaults();
        for (int i = 0; i < 31; ++i)
            Options.AddScore("Player " + std::to_string(i), "0:12:34", i, "Flat Square");
    }
    ~TBenchStore() { std::filesystem::remove_all(Folder); }

    std::filesystem::path Folder;
    TRegOptions Options;
};

// Another program's exclusive lock on the store, taken by a connection of its own.
class TForeignLock {
public:
    explicit TForeignLock(const std::filesystem::path& folder)
    {
        sqlite3_open((folder / "tesuli" / "registry.sqlite3").c_str(), &Db);
        sqlite3_exec(Db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~TForeignLock() { sqlite3_close_v2(Db); }
    TForeignLock(const TForeignLock&) = delete;
    TForeignLock& operator=(const TForeignLock&) = delete;

private:
    sqlite3* Db = nullptr;
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

void ReadOneSetting(benchmark::State& state)
{
    TBenchStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Options.ReadMapId());
}
BENCHMARK(ReadOneSetting)->Unit(benchmark::kMicrosecond);

// The options dialog's four reads, which it abandons at the first that fails.
void ShowOptionsWhileLocked(benchmark::State& state)
{
    TBenchStore store;
    TForeignLock lock(store.Folder);
    for (auto _ : state) {
        try {
            store.Options.ReadFace();
            store.Options.ReadBackground();
            store.Options.ReadMapId();
            store.Options.ReadHintSpeed();
        } catch (const ERegistryError&) {
        }
    }
}
BENCHMARK(ShowOptionsWhileLocked)->Iterations(1)->Unit(benchmark::kMillisecond);

void AcceptWinWhileLocked(benchmark::State& state)
{
    TBenchStore store;
    TForeignLock lock(store.Folder);
    for (auto _ : state) {
        try {
            store.Options.AddScore("さくら", "1:02:03", 0, "Flat Square");
        } catch (const ERegistryError&) {
        }
    }
}
BENCHMARK(AcceptWinWhileLocked)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
