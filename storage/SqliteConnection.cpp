#ifndef _WIN32

#include "storage/SqliteConnection.h"

#include "storage/SqliteSchema.h"
#include "storage/SqliteStatement.h"

#include <sys/stat.h>

#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

namespace {

// Idle connections kept: more than the game ever has open at once. Older ones are closed.
constexpr std::size_t PoolSize = 4;

std::optional<TFileIdentity> IdentityOf(const std::filesystem::path& file)
{
    struct stat status {};
    if (stat(file.c_str(), &status) != 0)
        return std::nullopt;
    return TFileIdentity{status.st_dev, status.st_ino};
}

// A damaged file is left alone rather than written into: a write into its healthy pages could
// make the damage worse. It is checked when a connection opens it, so once while it stays open.
bool PassesCheck(sqlite3* db)
{
    TStatement check(db, "PRAGMA quick_check");
    return check.Step() == SQLITE_ROW && check.Text(0) == "ok" && check.Step() == SQLITE_DONE;
}

template <typename Read>
std::optional<TStoreFileKind> InTransaction(sqlite3* db, const char* begin, Read read)
{
    if (!Execute(db, begin))
        return std::nullopt;
    const std::optional<TStoreFileKind> kind = read();
    if (kind && Execute(db, "COMMIT"))
        return kind;
    Execute(db, "ROLLBACK");
    return std::nullopt;
}

// The game writes only into a store it made: a new file becomes one, a store of today's game
// made before the marking is taken as it is (and marked with its next change), and anything else
// is not the game's to use.
bool HoldsOurStore(sqlite3* db, bool readOnly)
{
    std::optional<TStoreFileKind> kind = InTransaction(db, "BEGIN", [db] { return StoreFileKind(db); });
    if (kind == TStoreFileKind::Empty && !readOnly) {
        // Looked at again under the write lock: another copy of the game may be making it too.
        kind = InTransaction(db, "BEGIN IMMEDIATE", [db]() -> std::optional<TStoreFileKind> {
            const std::optional<TStoreFileKind> found = StoreFileKind(db);
            if (found != TStoreFileKind::Empty)
                return found;
            return CreateStoreSchema(db) ? std::optional(TStoreFileKind::Ours) : std::nullopt;
        });
    }
    return kind == TStoreFileKind::Ours || kind == TStoreFileKind::Unmarked;
}

std::unique_ptr<TSqliteConnection> OpenConnection(const TSqliteStoreOptions& options, TLockWait& wait)
{
    // An empty name would give a private temporary database that silently forgets everything.
    if (options.File.empty())
        return nullptr;
    int flags = SQLITE_OPEN_READONLY;
    if (!options.ReadOnly) {
        std::error_code error;
        std::filesystem::create_directories(options.File.parent_path(), error);
        if (error)
            return nullptr;
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(options.File.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    const std::optional<TFileIdentity> identity = IdentityOf(options.File);
    if (!identity) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    auto connection = std::make_unique<TSqliteConnection>(db, options, *identity);
    wait.Install(db);
    if (!PassesCheck(db) || !HoldsOurStore(db, options.ReadOnly))
        return nullptr;
    return connection;
}

std::mutex PoolLock;

std::vector<std::unique_ptr<TSqliteConnection>>& Pool()
{
    static std::vector<std::unique_ptr<TSqliteConnection>> pool;
    return pool;
}

} // namespace

TSqliteConnection::~TSqliteConnection()
{
    sqlite3_close_v2(Db);
}

std::unique_ptr<TSqliteConnection> TakeConnection(const TSqliteStoreOptions& options, TLockWait& wait)
{
    std::unique_ptr<TSqliteConnection> kept;
    {
        const std::lock_guard lock(PoolLock);
        auto& pool = Pool();
        for (auto at = pool.begin(); at != pool.end(); ++at) {
            if ((*at)->File == options.File && (*at)->ReadOnly == options.ReadOnly) {
                kept = std::move(*at);
                pool.erase(at);
                break;
            }
        }
    }
    // A file removed or replaced since is another store: its connection is closed here.
    if (kept && IdentityOf(options.File) == kept->Identity) {
        wait.Install(kept->Db);
        return kept;
    }
    return OpenConnection(options, wait);
}

void GiveBackConnection(std::unique_ptr<TSqliteConnection> connection)
{
    if (!connection || !sqlite3_get_autocommit(connection->Db))
        return;
    TLockWait::Uninstall(connection->Db);
    const std::lock_guard lock(PoolLock);
    auto& pool = Pool();
    pool.insert(pool.begin(), std::move(connection));
    if (pool.size() > PoolSize)
        pool.pop_back();
}

#endif
