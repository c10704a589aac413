#pragma once
#ifndef _WIN32

#include <optional>

struct sqlite3;

// What a file at the store's path holds, as far as the game may change it.
enum class TStoreFileKind {
    Ours,     // made by the game and marked as its own
    Unmarked, // made by the game before it marked its stores: exactly its two tables, version 1
    Empty,    // a new file, or a database with nothing in it
    Other,    // another program's, or a later version's: never changed
};

// Reads what the file holds; nothing when it cannot be read. Run it inside a transaction, so
// that another copy of the game cannot create the store half-way through the reading.
std::optional<TStoreFileKind> StoreFileKind(sqlite3* db);

// Makes an empty file the game's store, marked; inside the caller's write transaction.
bool CreateStoreSchema(sqlite3* db);

// Marks the file as the game's own; inside the caller's write transaction.
bool MarkStoreFile(sqlite3* db);

#endif
