#ifndef _WIN32

#include "storage/SqliteStore.h"

#include <sqlite3.h>

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr int64_t RootKey = 0;
constexpr int64_t SchemaVersion = 1;

class TStatement {
public:
    TStatement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &Handle, nullptr) != SQLITE_OK)
            Handle = nullptr;
    }
    ~TStatement() { sqlite3_finalize(Handle); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    TStatement& Bind(int index, int64_t value)
    {
        sqlite3_bind_int64(Handle, index, value);
        return *this;
    }
    // Binds the text up to its first NUL, as the registry stores it.
    TStatement& Bind(int index, const std::string& text)
    {
        sqlite3_bind_text(Handle, index, text.c_str(), -1, SQLITE_TRANSIENT);
        return *this;
    }
    int Step() { return Handle ? sqlite3_step(Handle) : SQLITE_ERROR; }
    void Reset() { sqlite3_reset(Handle); }
    int Type(int column) { return sqlite3_column_type(Handle, column); }
    int64_t Integer(int column) { return sqlite3_column_int64(Handle, column); }
    std::string Text(int column)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Handle, column));
        return text ? std::string(text) : std::string();
    }

private:
    sqlite3_stmt* Handle = nullptr;
};

// The path of every key from the top down to the one named, each written without empty names,
// so that "Software\\tesuli\\" and "Software\\tesuli" are one key.
std::vector<std::string> KeyPaths(const std::string& path)
{
    std::vector<std::string> paths;
    std::string current;
    std::string name;
    const auto addName = [&] {
        if (name.empty())
            return;
        current += (current.empty() ? "" : "\\") + name;
        paths.push_back(current);
        name.clear();
    };
    for (const char c : path) {
        if (c == '\\')
            addName();
        else
            name += c;
    }
    addName();
    return paths;
}

const char* HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir && *user->pw_dir ? user->pw_dir : nullptr;
}

} // namespace

std::filesystem::path UserStoreFile()
{
    std::filesystem::path config;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and is ignored.
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) {
        config = xdg;
    } else if (const char* home = HomeFolder()) {
        config = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return config / "tesuli" / "registry.sqlite3";
}

std::unique_ptr<TKeyValueStore> OpenUserStore()
{
    return std::make_unique<TSqliteStore>(TSqliteStoreOptions{UserStoreFile()});
}

TSqliteStore::TSqliteStore(const TSqliteStoreOptions& options)
{
    // An empty name would give a private temporary database that silently forgets everything.
    if (options.File.empty())
        return;
    int flags = SQLITE_OPEN_READONLY;
    if (!options.ReadOnly) {
        std::error_code error;
        std::filesystem::create_directories(options.File.parent_path(), error);
        if (error)
            return;
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    }
    if (sqlite3_open_v2(options.File.c_str(), &Db, flags, nullptr) != SQLITE_OK) {
        Disconnect();
        return;
    }
    sqlite3_busy_timeout(Db, options.BusyTimeoutMs);
    if (!PassesCheck() || !EnsureSchema())
        Disconnect();
}

TSqliteStore::~TSqliteStore()
{
    CancelUpdate();
    Disconnect();
}

void TSqliteStore::Disconnect()
{
    sqlite3_close_v2(Db);
    Db = nullptr;
}

bool TSqliteStore::Execute(const char* sql)
{
    return sqlite3_exec(Db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// A damaged file is left alone rather than written into: a write into its healthy pages
// could make the damage worse.
bool TSqliteStore::PassesCheck()
{
    TStatement check(Db, "PRAGMA quick_check");
    return check.Step() == SQLITE_ROW && check.Text(0) == "ok" && check.Step() == SQLITE_DONE;
}

// The schema is numbered in user_version; a file of another number is not ours to change.
bool TSqliteStore::EnsureSchema()
{
    {
        TStatement version(Db, "PRAGMA user_version");
        if (version.Step() != SQLITE_ROW)
            return false;
        if (version.Integer(0) != 0)
            return version.Integer(0) == SchemaVersion;
    } // its read lock ends here: holding it while waiting for the write lock could deadlock
    // Names compare without regard to case, as in the registry.
    if (Execute("BEGIN IMMEDIATE;"
                "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE COLLATE NOCASE);"
                "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE,"
                " value, UNIQUE(key, name));"
                "PRAGMA user_version = 1;"
                "COMMIT;"))
        return true;
    Execute("ROLLBACK");
    return false;
}

std::optional<int64_t> TSqliteStore::FindKey(const std::string& path)
{
    if (!Db)
        return std::nullopt;
    const std::vector<std::string> paths = KeyPaths(path);
    if (paths.empty())
        return RootKey;
    TStatement find(Db, "SELECT id FROM keys WHERE path = ?");
    if (find.Bind(1, paths.back()).Step() != SQLITE_ROW)
        return std::nullopt;
    return find.Integer(0);
}

std::optional<int64_t> TSqliteStore::CreateKey(const std::string& path)
{
    TStatement insert(Db, "INSERT OR IGNORE INTO keys(path) VALUES(?)");
    for (const std::string& key : KeyPaths(path)) {
        if (insert.Bind(1, key).Step() != SQLITE_DONE)
            return std::nullopt;
        insert.Reset();
    }
    return FindKey(path);
}

bool TSqliteStore::OpenKey(const std::string& path)
{
    CurrentKey = FindKey(path);
    if (CurrentKey || !Db)
        return CurrentKey.has_value();
    // The write lock is taken before looking again, so that two accesses creating the same key
    // wait for each other instead of failing.
    const bool ownUpdate = !Updating;
    if (ownUpdate && !Execute("BEGIN IMMEDIATE"))
        return false;
    CurrentKey = CreateKey(path);
    if (ownUpdate) {
        if (!CurrentKey || !Execute("COMMIT")) {
            Execute("ROLLBACK");
            CurrentKey.reset();
        }
    }
    return CurrentKey.has_value();
}

bool TSqliteStore::KeyExists(const std::string& path)
{
    return FindKey(path).has_value();
}

std::vector<std::string> TSqliteStore::ValueNames()
{
    std::vector<std::string> names;
    if (!CurrentKey)
        return names;
    TStatement list(Db, "SELECT name FROM vals WHERE key = ? ORDER BY rowid");
    list.Bind(1, *CurrentKey);
    while (list.Step() == SQLITE_ROW)
        names.push_back(list.Text(0));
    return names;
}

template <typename Take>
TValueRead TSqliteStore::ReadValue(const std::string& name, int type, Take take)
{
    if (!CurrentKey)
        return TValueRead::Missing;
    TStatement read(Db, "SELECT value FROM vals WHERE key = ? AND name = ?");
    if (read.Bind(1, *CurrentKey).Bind(2, name).Step() != SQLITE_ROW)
        return TValueRead::Missing;
    if (read.Type(0) != type)
        return TValueRead::WrongType;
    take(read);
    return TValueRead::Ok;
}

TValueRead TSqliteStore::ReadInteger(const std::string& name, uint32_t& value)
{
    return ReadValue(name, SQLITE_INTEGER,
                     [&value](TStatement& read) { value = static_cast<uint32_t>(read.Integer(0)); });
}

TValueRead TSqliteStore::ReadString(const std::string& name, std::string& value)
{
    return ReadValue(name, SQLITE_TEXT, [&value](TStatement& read) { value = read.Text(0); });
}

// A rewritten value keeps its row and so its place in the enumeration order.
template <typename Bind>
bool TSqliteStore::WriteValue(const std::string& name, Bind bind)
{
    if (!CurrentKey)
        return false;
    TStatement write(Db, "INSERT INTO vals(key, name, value) VALUES(?, ?, ?)"
                         " ON CONFLICT(key, name) DO UPDATE SET value = excluded.value");
    write.Bind(1, *CurrentKey).Bind(2, name);
    bind(write);
    return write.Step() == SQLITE_DONE;
}

bool TSqliteStore::WriteInteger(const std::string& name, uint32_t value)
{
    return WriteValue(name, [value](TStatement& write) { write.Bind(3, static_cast<int64_t>(value)); });
}

bool TSqliteStore::WriteString(const std::string& name, const std::string& value)
{
    return WriteValue(name, [&value](TStatement& write) { write.Bind(3, value); });
}

void TSqliteStore::CloseKey()
{
    CurrentKey.reset();
}

// IMMEDIATE takes the write lock at once, so that what the update reads cannot change under it.
bool TSqliteStore::BeginUpdate()
{
    Updating = Db && Execute("BEGIN IMMEDIATE");
    return Updating;
}

bool TSqliteStore::CommitUpdate()
{
    if (!Updating)
        return false;
    Updating = false;
    if (Execute("COMMIT"))
        return true;
    Execute("ROLLBACK");
    return false;
}

void TSqliteStore::CancelUpdate()
{
    if (Updating)
        Execute("ROLLBACK");
    Updating = false;
}

#endif
