#ifndef _WIN32

#include "ChildProcess.h"
#include "tests/support/TestStore.h"

#include "storage/ScoreRecordSplit.h"
#include "storage/SqliteStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <latch>
#include <thread>

namespace {

using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SqliteStore : public ::testing::Test {
protected:
    fs::path File() const { return fs::path(Place.Place) / "tesuli" / "registry.sqlite3"; }

    TStoreFactory Factory(int busyTimeoutMs, bool readOnly = false) const
    {
        const TSqliteStoreOptions options{File(), busyTimeoutMs, readOnly};
        return [options] { return std::make_unique<TSqliteStore>(options); };
    }

    // Settings and two records, as a player would have them.
    void MakeUsedStore()
    {
        TRegOptions options = Place.Options();
        options.InitDefaults();
        options.Write(Setting("mapId"), 4);
        options.AddScore("Anna", "0:12:34", 3, "Babel");
        options.AddScore("Ben", "0:20:00", 0, "Babel");
    }

    // Runs the statements on a new file at the store's place, as another program would.
    void MakeFile(const char* sql)
    {
        fs::remove(File());
        fs::create_directories(File().parent_path());
        sqlite3* db = nullptr;
        sqlite3_open(File().c_str(), &db);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
    }

    // The application id, bytes 68 to 71 of the file's header.
    std::string Mark() const { return Contents(File()).substr(68, 4); }

    // Every read falls back or reads nothing, every write is refused, and the file stays as it was.
    void ExpectRefusedAndUnchanged(int busyTimeoutMs = 100)
    {
        const std::string before = Contents(File());
        TRegOptions options(Factory(busyTimeoutMs), LocalTimeNow, {});
        EXPECT_EQ(options.Read(Setting("face")), 0);
        EXPECT_EQ(options.Read(Setting("mapId")), 0);
        EXPECT_EQ(options.Read(Setting("hintSpeed")), 1);
        std::string record;
        EXPECT_FALSE(options.ReadScore(1, record));
        EXPECT_EQ(ErrorOf([&] { options.Write(Setting("face"), 0); }), "Failed to set data for 'face'");
        EXPECT_EQ(ErrorOf([&] { options.InitDefaults(); }), "Failed to set data for 'face'");
        EXPECT_EQ(ErrorOf([&] { options.AddScore("Cleo", "0:01:00", 0, "Babel"); }), "Failed to set data for '1'");
        EXPECT_TRUE(Contents(File()) == before) << "the file was changed";
    }

    TTestStore Place;
};

TEST_F(SqliteStore, ValuesKeepTheirTypeAndTheirPlace)
{
    TSqliteStore store({File()});
    ASSERT_TRUE(store.OpenKey("Software\\tesuli\\/scores/"));
    ASSERT_TRUE(store.WriteString("b", "text"));
    ASSERT_TRUE(store.WriteInteger("a", 4000000000u));
    ASSERT_TRUE(store.WriteString("c", std::string("cut\0here", 8)));
    ASSERT_TRUE(store.WriteInteger("B", 7));
    EXPECT_EQ(store.ValueNames(), (Texts{"b", "a", "c"}));

    uint32_t number = 0;
    std::string text;
    EXPECT_EQ(store.ReadInteger("a", number), TValueRead::Ok);
    EXPECT_EQ(number, 4000000000u);
    EXPECT_EQ(store.ReadInteger("b", number), TValueRead::Ok);
    EXPECT_EQ(number, 7u);
    EXPECT_EQ(store.ReadString("a", text), TValueRead::WrongType);
    EXPECT_EQ(store.ReadString("c", text), TValueRead::Ok);
    EXPECT_EQ(text, "cut");
    EXPECT_EQ(store.ReadString("d", text), TValueRead::Missing);

    // The path's keys exist one by one; "/scores/" is one name, slashes and all.
    EXPECT_TRUE(store.KeyExists("Software"));
    EXPECT_TRUE(store.KeyExists("software\\TESULI\\"));
    EXPECT_FALSE(store.KeyExists("Software\\tesuli\\scores"));
    store.CloseKey();
    EXPECT_TRUE(store.ValueNames().empty());
    EXPECT_FALSE(store.WriteInteger("a", 1));
}

TEST_F(SqliteStore, TheFileFollowsXdgConfigHome)
{
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(UserStoreFile(), File());
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(UserStoreFile(), fs::path("/home/player/.config/tesuli/registry.sqlite3"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserStoreFile(), fs::path("/home/player/.config/tesuli/registry.sqlite3"));
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", Place.Place.c_str(), 1);
}

TEST_F(SqliteStore, TheDefaultObjectUsesTheUserStoreAndTheInstalledFormats)
{
    const TLocaleFormats before = InstalledLocaleFormats();
    EXPECT_EQ(before, TLocaleFormats{});
    TLocaleFormats marked;
    marked.ShortDate = "'installed'";
    InstallLocaleFormats(marked);
    TRegOptions options;
    InstallLocaleFormats(before);

    EXPECT_TRUE(options.InitDefaults());
    EXPECT_TRUE(fs::is_regular_file(File()));
    options.AddScore("Anna", "0:12:34", 3, "Babel");
    std::string record;
    ASSERT_TRUE(Place.Options().ReadScore(1, record));
    EXPECT_EQ(SplitScoreRecord(record).at(0).substr(0, 9), "installed");
}

// The start opens the store ahead on another thread while the game may already open it, and
// another copy of the game may start at the same moment: on a first run all of them make the file
// at once, and each access has the one usable store.
TEST_F(SqliteStore, AStoreMadeByManyAccessesAtOnceIsMadeOnce)
{
    constexpr int Accesses = 4;
    for (int run = 0; run < 10; ++run) {
        fs::remove_all(File().parent_path());
        std::latch start(Accesses);
        std::vector<std::jthread> ahead;
        for (int access = 1; access < Accesses; ++access)
            ahead.emplace_back([&start] {
                start.arrive_and_wait();
                PrepareUserStore();
            });
        start.arrive_and_wait();
        TRegOptions options;
        ASSERT_TRUE(options.InitDefaults()) << "run " << run;
        ahead.clear();
        options.Write(Setting("mapId"), 4);
        EXPECT_EQ(Place.Options().Read(Setting("mapId")), 4);
    }
}

TEST_F(SqliteStore, ADamagedFileIsLeftAlone)
{
    MakeUsedStore();
    std::string bytes = Contents(File());
    ASSERT_GT(bytes.size(), 3 * 4096u);
    for (std::size_t i = 4096; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(0x5A);
    // Put in place of the store, as a copy from a backup would be: the file the game has open was
    // checked when it was opened, and is not checked again.
    fs::remove(File());
    std::ofstream(File(), std::ios::binary) << bytes;
    ExpectRefusedAndUnchanged();
}

TEST_F(SqliteStore, AnotherProgramsDatabaseIsLeftAlone)
{
    const char* const foreign[] = {
        "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine');",
        "PRAGMA application_id = 1234;",
        // the game's tables, but not as the game makes them
        "CREATE TABLE keys(id INTEGER PRIMARY KEY, path TEXT); CREATE TABLE vals(key, name, value);"
        " PRAGMA user_version = 1;",
        // the game's own mark on a store a later version of it laid out anew
        "CREATE TABLE keys(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE COLLATE NOCASE);"
        " CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE, value, UNIQUE(key, name));"
        " PRAGMA user_version = 2; PRAGMA application_id = 1415934837;",
    };
    for (const char* sql : foreign) {
        SCOPED_TRACE(sql);
        MakeFile(sql);
        ExpectRefusedAndUnchanged();
    }
}

// The store as the game wrote it before it marked its files.
TEST_F(SqliteStore, AnUnmarkedStoreOfTheGameIsTakenAndMarkedByItsNextChange)
{
    MakeFile("CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE COLLATE NOCASE);"
             "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE,"
             " value, UNIQUE(key, name));"
             "PRAGMA user_version = 1;"
             "INSERT INTO keys(path) VALUES('Software'), ('Software\\tesuli');"
             "INSERT INTO vals SELECT id, 'mapId', 4 FROM keys WHERE path = 'Software\\tesuli';");
    TRegOptions options = Place.Options();
    EXPECT_EQ(options.Read(Setting("mapId")), 4);
    EXPECT_EQ(Mark(), std::string(4, '\0'));
    options.Write(Setting("hintSpeed"), 2);
    EXPECT_EQ(options.Read(Setting("hintSpeed")), 2);
    const std::string marked = Mark();
    EXPECT_NE(marked, std::string(4, '\0'));

    // A new store carries the same mark from the start.
    fs::remove(File());
    EXPECT_TRUE(options.InitDefaults());
    EXPECT_EQ(Mark(), marked);
}

TEST_F(SqliteStore, AFileThatIsNoDatabaseIsLeftAlone)
{
    fs::create_directories(File().parent_path());
    std::ofstream(File(), std::ios::binary) << std::string(5000, 'x');
    ExpectRefusedAndUnchanged();
}

TEST_F(SqliteStore, AReadOnlyStoreReadsButRefusesChanges)
{
    MakeUsedStore();
    const std::string before = Contents(File());
    TRegOptions options(Factory(100, true), LocalTimeNow, {});
    EXPECT_FALSE(options.InitDefaults());
    EXPECT_EQ(options.Read(Setting("mapId")), 4);
    EXPECT_EQ(ReadTable(options).size(), 2u);
    EXPECT_EQ(ErrorOf([&] { options.Write(Setting("mapId"), 1); }), "Failed to set data for 'mapId'");
    EXPECT_EQ(ErrorOf([&] { options.AddScore("Cleo", "0:01:00", 0, "Babel"); }), "Failed to set data for '3'");
    EXPECT_EQ(Contents(File()), before);
}

TEST_F(SqliteStore, AFolderThatCannotBeMadeIsNoStore)
{
    Place.MakeUnopenable();
    const fs::path blocker = fs::path(Place.Place) / "tesuli";
    TRegOptions options = Place.Options();
    EXPECT_EQ(options.Read(Setting("hintSpeed")), 1);
    EXPECT_EQ(ErrorOf([&] { options.AddScore("Cleo", "0:01:00", 0, "Babel"); }), "Failed to set data for '1'");
    EXPECT_TRUE(fs::is_regular_file(blocker));
    EXPECT_EQ(fs::file_size(blocker), 0u);
}

// Another connection's lock: EXCLUSIVE keeps every other access out, IMMEDIATE only the writers.
class HeldLock {
public:
    explicit HeldLock(const fs::path& file, const char* begin = "BEGIN EXCLUSIVE")
    {
        sqlite3_open(file.c_str(), &Db);
        Locked = sqlite3_exec(Db, begin, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~HeldLock() { Release(); }
    void Release()
    {
        if (Db) {
            sqlite3_exec(Db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(Db);
        }
        Db = nullptr;
    }
    bool Locked = false;

private:
    sqlite3* Db = nullptr;
};

// True once another process holds the file locked against readers.
bool LockedByAnother(const fs::path& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const int read = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return read == SQLITE_BUSY;
}

// The stored settings came back as the defaults when the lock cleared before the first write.
TEST_F(SqliteStore, AStoreLockedAtStartUpKeepsItsSettings)
{
    MakeUsedStore();
    TChildProcess holder({"lock"});
    ASSERT_TRUE(holder.Started());
    for (int wait = 0; wait < 1000 && !LockedByAnother(File()); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(LockedByAnother(File()));

    TRegOptions locked(Factory(100), LocalTimeNow, {});
    EXPECT_EQ(ErrorOf([&] { locked.Read(Setting("face")); }), "Failed to get data for 'face'");
    std::string record;
    EXPECT_EQ(ErrorOf([&] { locked.ReadScore(1, record); }), "Failed to get data for '1'");
    // The lock clears as soon as a second access begins.
    int accesses = 0;
    TRegOptions clearing(
        [&] {
            if (++accesses == 2) {
                holder.Kill();
                holder.Wait();
            }
            return Factory(100)();
        },
        LocalTimeNow, {});
    EXPECT_FALSE(clearing.InitDefaults());

    holder.Kill();
    holder.Wait();
    TRegOptions options = Place.Options();
    EXPECT_EQ(options.Read(Setting("mapId")), 4);
    EXPECT_EQ(ReadTable(options).size(), 2u);
}

// Another copy of the game in the middle of an append, which it ends just after ours gave up.
class TEndingLockStore : public TSqliteStore {
public:
    TEndingLockStore(const TSqliteStoreOptions& options, HeldLock& lock)
        : TSqliteStore(options), Lock(lock)
    {
    }
    bool BeginUpdate() override
    {
        const bool updating = TSqliteStore::BeginUpdate();
        Lock.Release();
        return updating;
    }

private:
    HeldLock& Lock;
};

TEST_F(SqliteStore, AnAppendWithoutTheLockWritesNothing)
{
    Place.Options().InitDefaults();
    const std::string before = Contents(File());
    HeldLock lock(File(), "BEGIN IMMEDIATE");
    ASSERT_TRUE(lock.Locked);
    const TSqliteStoreOptions options{File(), 100};
    TRegOptions appending([&] { return std::make_unique<TEndingLockStore>(options, lock); }, LocalTimeNow, {});
    EXPECT_EQ(ErrorOf([&] { appending.AddScore("Cleo", "0:01:00", 0, "Babel"); }), "Failed to set data for '1'");
    EXPECT_FALSE(Place.Open()->KeyExists(ScoresKey));
    EXPECT_TRUE(Contents(File()) == before) << "the file was changed";
}

TEST_F(SqliteStore, AShortLockIsWaitedFor)
{
    MakeUsedStore();
    HeldLock lock(File());
    ASSERT_TRUE(lock.Locked);
    std::thread release([&lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        lock.Release();
    });
    TRegOptions options(Factory(5000), LocalTimeNow, {});
    options.AddScore("Cleo", "0:01:00", 0, "Babel");
    release.join();
    EXPECT_EQ(ReadTable(options).size(), 3u);
}

} // namespace

#else

#include <gtest/gtest.h>

TEST(SqliteStore, DamagedReadOnlyAndLockedFiles)
{
    GTEST_SKIP() << "the store is the registry here";
}

#endif
