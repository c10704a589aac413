#ifndef _WIN32

#include "storage/SqliteStore.h"

#include "storage/SqliteSchema.h"
#include "storage/SqliteStatement.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int64_t RootKey = 0;

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

void PrepareUserStore()
{
    // Its connection goes back to the pool as the access ends.
    TSqliteStore store(TSqliteStoreOptions{UserStoreFile()});
}

TSqliteStore::TSqliteStore(const TSqliteStoreOptions& options)
    : Wait(std::chrono::milliseconds(options.LockWaitMs)), Connection(TakeConnection(options, Wait))
{
}

TSqliteStore::~TSqliteStore()
{
    CancelUpdate();
    EndReading();
    GiveBackConnection(std::move(Connection));
}

// Reads outside a change share one read transaction until the access changes something or ends:
// one lock and one look at the file for all of them, and all of them see the same store.
sqlite3* TSqliteStore::Reading()
{
    if (Db() && sqlite3_get_autocommit(Db()))
        InReadTransaction = Execute(Db(), "BEGIN");
    return Db();
}

void TSqliteStore::EndReading()
{
    if (InReadTransaction)
        Execute(Db(), "COMMIT");
    InReadTransaction = false;
}

// Every change is a transaction of its own, unless it is part of an update, and marks the file as
// the game's: a store of today's game made before the marking becomes marked with its first change.
template <typename Change>
bool TSqliteStore::Changing(Change change)
{
    if (Updating)
        return change();
    EndReading();
    if (!Db() || !Execute(Db(), "BEGIN IMMEDIATE"))
        return false;
    if (MarkStoreFile(Db()) && change() && Execute(Db(), "COMMIT"))
        return true;
    Execute(Db(), "ROLLBACK");
    return false;
}

std::optional<int64_t> TSqliteStore::FindKey(const std::string& path)
{
    if (!Db())
        return std::nullopt;
    const std::vector<std::string> paths = KeyPaths(path);
    if (paths.empty())
        return RootKey;
    TStatement find(Reading(), "SELECT id FROM keys WHERE path = ?");
    if (find.Bind(1, paths.back()).Step() != SQLITE_ROW)
        return std::nullopt;
    return find.Integer(0);
}

std::optional<int64_t> TSqliteStore::CreateKey(const std::string& path)
{
    TStatement insert(Db(), "INSERT OR IGNORE INTO keys(path) VALUES(?)");
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
    if (CurrentKey || !Db())
        return CurrentKey.has_value();
    // The write lock is taken before looking again, so that two accesses creating the same key
    // wait for each other instead of failing.
    if (!Changing([&] { return (CurrentKey = CreateKey(path)).has_value(); }))
        CurrentKey.reset();
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
    TStatement list(Reading(), "SELECT name FROM vals WHERE key = ? ORDER BY rowid");
    list.Bind(1, *CurrentKey);
    while (list.Step() == SQLITE_ROW)
        names.push_back(list.Text(0));
    return names;
}

template <typename Take>
TValueRead TSqliteStore::ReadValue(const std::string& name, Take take)
{
    if (!CurrentKey)
        return TValueRead::Missing;
    TStatement read(Reading(), "SELECT value FROM vals WHERE key = ? AND name = ?");
    if (read.Bind(1, *CurrentKey).Bind(2, name).Step() != SQLITE_ROW)
        return TValueRead::Missing;
    return take(read);
}

TValueRead TSqliteStore::ReadInteger(const std::string& name, uint32_t& value)
{
    return ReadValue(name, [&value](TStatement& read) {
        if (read.Type(0) != SQLITE_INTEGER)
            return TValueRead::WrongType;
        value = static_cast<uint32_t>(read.Integer(0));
        return TValueRead::Ok;
    });
}

// As in the registry, a value without data reads as the empty text, whatever its type; a NULL,
// which another program may have put there, is no value at all.
TValueRead TSqliteStore::ReadString(const std::string& name, std::string& value)
{
    return ReadValue(name, [&value](TStatement& read) {
        const int type = read.Type(0);
        if (type == SQLITE_NULL)
            return TValueRead::Missing;
        if (type != SQLITE_TEXT && read.Bytes(0) != 0)
            return TValueRead::WrongType;
        value = read.Text(0);
        return TValueRead::Ok;
    });
}

// A rewritten value keeps its row and so its place in the enumeration order.
template <typename Bind>
bool TSqliteStore::WriteValue(const std::string& name, Bind bind)
{
    if (!CurrentKey)
        return false;
    return Changing([&] {
        TStatement write(Db(), "INSERT INTO vals(key, name, value) VALUES(?, ?, ?)"
                               " ON CONFLICT(key, name) DO UPDATE SET value = excluded.value");
        write.Bind(1, *CurrentKey).Bind(2, name);
        bind(write);
        return write.Step() == SQLITE_DONE;
    });
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
    EndReading();
    Updating = Db() && Execute(Db(), "BEGIN IMMEDIATE");
    if (Updating && !MarkStoreFile(Db()))
        CancelUpdate();
    return Updating;
}

bool TSqliteStore::CommitUpdate()
{
    if (!Updating)
        return false;
    Updating = false;
    if (Execute(Db(), "COMMIT"))
        return true;
    Execute(Db(), "ROLLBACK");
    return false;
}

void TSqliteStore::CancelUpdate()
{
    if (Updating)
        Execute(Db(), "ROLLBACK");
    Updating = false;
}

#endif
