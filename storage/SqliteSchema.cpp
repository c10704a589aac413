#ifndef _WIN32

#include "storage/SqliteSchema.h"

#include "storage/SqliteStatement.h"

#include <array>
#include <string>
#include <vector>

namespace {

// "Tesu"
constexpr int64_t ApplicationId = 0x54657375;
constexpr int64_t SchemaVersion = 1;

// Names compare without regard to case, as in the registry.
constexpr const char* KeysTable = "CREATE TABLE keys(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE COLLATE NOCASE)";
constexpr const char* ValsTable =
    "CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE, value, UNIQUE(key, name))";

// type, name, table and the statement that made it; empty for the indexes of UNIQUE.
using TSchemaEntry = std::array<std::string, 4>;

std::vector<TSchemaEntry> OurSchema()
{
    return {{"table", "keys", "keys", KeysTable},
            {"index", "sqlite_autoindex_keys_1", "keys", ""},
            {"index", "sqlite_autoindex_vals_1", "vals", ""},
            {"table", "vals", "vals", ValsTable}};
}

std::optional<int64_t> Number(sqlite3* db, const char* pragma)
{
    TStatement read(db, pragma);
    if (read.Step() != SQLITE_ROW)
        return std::nullopt;
    return read.Integer(0);
}

std::optional<std::vector<TSchemaEntry>> Schema(sqlite3* db)
{
    TStatement list(db, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name");
    std::vector<TSchemaEntry> entries;
    int step;
    while ((step = list.Step()) == SQLITE_ROW)
        entries.push_back({list.Text(0), list.Text(1), list.Text(2), list.Text(3)});
    if (step != SQLITE_DONE)
        return std::nullopt;
    return entries;
}

} // namespace

std::optional<TStoreFileKind> StoreFileKind(sqlite3* db)
{
    const std::optional<int64_t> id = Number(db, "PRAGMA application_id");
    const std::optional<int64_t> version = Number(db, "PRAGMA user_version");
    const std::optional<std::vector<TSchemaEntry>> schema = Schema(db);
    if (!id || !version || !schema)
        return std::nullopt;
    if (*id == ApplicationId)
        return *version == SchemaVersion ? TStoreFileKind::Ours : TStoreFileKind::Other;
    if (*id != 0)
        return TStoreFileKind::Other;
    if (*version == 0 && schema->empty())
        return TStoreFileKind::Empty;
    if (*version == SchemaVersion && *schema == OurSchema())
        return TStoreFileKind::Unmarked;
    return TStoreFileKind::Other;
}

bool CreateStoreSchema(sqlite3* db)
{
    const std::string version = "PRAGMA user_version = " + std::to_string(SchemaVersion);
    return Execute(db, KeysTable) && Execute(db, ValsTable) && Execute(db, version.c_str()) && MarkStoreFile(db);
}

bool MarkStoreFile(sqlite3* db)
{
    static const std::string mark = "PRAGMA application_id = " + std::to_string(ApplicationId);
    return Execute(db, mark.c_str());
}

#endif
