#pragma once
#ifndef _WIN32

#include "storage/KeyValueStore.h"
#include "storage/SqliteConnection.h"
#include "storage/SqliteLockWait.h"

#include <filesystem>
#include <optional>

// $XDG_CONFIG_HOME/tesuli/registry.sqlite3 (~/.config when unset); empty when there is no home.
std::filesystem::path UserStoreFile();

// The store as one SQLite file: keys by path, values typed as integer or text, in creation order.
// A file that cannot be opened, is not a database, fails its check or is not the game's leaves
// the access unusable: every open fails and every write is refused. Such a file is never changed.
class TSqliteStore : public TKeyValueStore {
public:
    explicit TSqliteStore(const TSqliteStoreOptions& options);
    ~TSqliteStore() override;
    TSqliteStore(const TSqliteStore&) = delete;
    TSqliteStore& operator=(const TSqliteStore&) = delete;

    bool OpenKey(const std::string& path) override;
    bool KeyExists(const std::string& path) override;
    std::vector<std::string> ValueNames() override;
    TValueRead ReadInteger(const std::string& name, uint32_t& value) override;
    bool WriteInteger(const std::string& name, uint32_t value) override;
    TValueRead ReadString(const std::string& name, std::string& value) override;
    bool WriteString(const std::string& name, const std::string& value) override;
    void CloseKey() override;
    bool BeginUpdate() override;
    bool CommitUpdate() override;
    void CancelUpdate() override;
    bool Busy() const override { return Wait.GaveUp(); }

private:
    sqlite3* Db() const { return Connection ? Connection->Db : nullptr; }
    std::optional<int64_t> FindKey(const std::string& path);
    std::optional<int64_t> CreateKey(const std::string& path);
    template <typename Take> TValueRead ReadValue(const std::string& name, Take take);
    template <typename Bind> bool WriteValue(const std::string& name, Bind bind);
    template <typename Change> bool Changing(Change change);
    sqlite3* Reading();
    void EndReading();

    TLockWait Wait;
    std::unique_ptr<TSqliteConnection> Connection;
    std::optional<int64_t> CurrentKey;
    bool Updating = false;
    bool InReadTransaction = false;
};

#endif
