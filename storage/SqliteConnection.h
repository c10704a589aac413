#pragma once
#ifndef _WIN32

#include "storage/KeyValueStore.h"
#include "storage/SqliteLockWait.h"

#include <sys/types.h>

#include <filesystem>
#include <memory>

struct sqlite3;

struct TSqliteStoreOptions {
    std::filesystem::path File;
    // The most one access waits, in all, for another connection's lock.
    int LockWaitMs = StoreLockWaitMs;
    bool ReadOnly = false;
};

struct TFileIdentity {
    dev_t Device = 0;
    ino_t Inode = 0;
    bool operator==(const TFileIdentity&) const = default;
};

// An open connection to a store file that has passed the file check and holds a store the game
// may use. Opening and checking cost more than most accesses, so a connection is kept for the
// next access of the process, which gets it as long as the file at the path is still the one it
// has open (a file held open keeps its inode number; a replaced file gets another).
class TSqliteConnection {
public:
    TSqliteConnection(sqlite3* db, const TSqliteStoreOptions& options, TFileIdentity identity)
        : Db(db), File(options.File), ReadOnly(options.ReadOnly), Identity(identity)
    {
    }
    ~TSqliteConnection();
    TSqliteConnection(const TSqliteConnection&) = delete;
    TSqliteConnection& operator=(const TSqliteConnection&) = delete;

    sqlite3* const Db;
    const std::filesystem::path File;
    const bool ReadOnly;
    const TFileIdentity Identity;
};

// A connection for one access, waiting for locks as wait allows: the one kept from an earlier
// access, or a new one. Nothing when the file cannot be used now: it cannot be opened, is
// damaged, is not the game's, or stayed locked past the wait.
std::unique_ptr<TSqliteConnection> TakeConnection(const TSqliteStoreOptions& options, TLockWait& wait);

// Keeps the connection for the next access; one still inside a transaction is closed instead.
void GiveBackConnection(std::unique_ptr<TSqliteConnection> connection);

#endif
