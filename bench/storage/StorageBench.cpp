// The store as the player meets it: appending to a full table (the shift of 30 records and the new
// 31st, committed to disk), reading all 31 records back for the scores dialog, and reading one
// setting, as the options dialog does four times when it is shown; a table of many values read one
// record at a time against all at once. Then how long the window stands
// still when another program holds the store locked.
#include "storage/RegistryUnit.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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

// A table of n values, as another program or an older copy may leave it.
void FillTable(int n)
{
    const auto store = OpenUserStore();
    store->OpenKey("Software\\tesuli\\/scores/");
    for (int k = 32; k <= n; ++k)
        store->WriteString(std::to_string(k), "\xC2\xA0" "07.12.2026 18:33:48" "\xC2\xA0\xC2\xAA\xC2\xA0" "Anna" "\xC2\xA0");
}

// The list read a record at a time, each in an access of its own, against all in one access; the
// two alternate in one run, for tables of 31 and of many values.
void ReadScoresOneByOne(benchmark::State& state)
{
    TBenchStore store;
    FillTable(static_cast<int>(state.range(0)));
    std::string record;
    for (auto _ : state) {
        int k = 1;
        while (k <= 255 && store.Options.ReadScore(static_cast<uint8_t>(k), record))
            ++k;
        if (k != state.range(0) + 1)
            state.SkipWithError("the table does not hold its records");
    }
}
BENCHMARK(ReadScoresOneByOne)->Arg(31)->Arg(250)->Unit(benchmark::kMillisecond);

void ReadScoresInOneAccess(benchmark::State& state)
{
    TBenchStore store;
    FillTable(static_cast<int>(state.range(0)));
    for (auto _ : state)
        if (store.Options.ReadScores().size() != static_cast<size_t>(state.range(0)))
            state.SkipWithError("the table does not hold its records");
}
BENCHMARK(ReadScoresInOneAccess)->Arg(31)->Arg(250)->Arg(300)->Unit(benchmark::kMillisecond);

void ReadOneSetting(benchmark::State& state)
{
    TBenchStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Options.Read(Setting("mapId")));
}
BENCHMARK(ReadOneSetting)->Unit(benchmark::kMicrosecond);

// A game's end: 96 pairs' times of 48 kana and their 48 reviews, in one update that also checks
// every value of the progress key; and every memory read back, as a review deal and the Progress
// window do.
std::vector<TKanaReview> GameReviews(std::vector<TRecognitionSample>& samples)
{
    std::vector<TKanaReview> reviews;
    for (TKanaId kana = 0; kana < 48; ++kana) {
        samples.push_back({kana, TScript::Hiragana, false, 25});
        samples.push_back({kana, TScript::Hiragana, false, 40});
        reviews.push_back({{kana, TScript::Hiragana}, TReviewKind::Matching, TGrade::Good});
    }
    return reviews;
}

void EndAGameWithItsReviews(benchmark::State& state)
{
    TBenchStore store;
    std::vector<TRecognitionSample> samples;
    const std::vector<TKanaReview> reviews = GameReviews(samples);
    int32_t day = 20000;
    for (auto _ : state)
        store.Options.AddProgress(samples, {}, reviews, ++day);
}
BENCHMARK(EndAGameWithItsReviews)->Unit(benchmark::kMillisecond);

void ReadEveryMemory(benchmark::State& state)
{
    TBenchStore store;
    std::vector<TRecognitionSample> samples;
    store.Options.AddProgress(samples, {}, GameReviews(samples), 20000);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Options.ReadMemories());
}
BENCHMARK(ReadEveryMemory)->Unit(benchmark::kMillisecond);

// The options dialog's four reads, which it abandons at the first that fails.
void ShowOptionsWhileLocked(benchmark::State& state)
{
    TBenchStore store;
    TForeignLock lock(store.Folder);
    for (auto _ : state) {
        try {
            store.Options.Read(Setting("face"));
            store.Options.Read(Setting("bgd"));
            store.Options.Read(Setting("mapId"));
            store.Options.Read(Setting("hintSpeed"));
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
