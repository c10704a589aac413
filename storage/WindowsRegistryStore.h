#pragma once
#ifdef _WIN32

#include "storage/KeyValueStore.h"

#include <windows.h>

#include <string>
#include <vector>

// The store as the registry under HKEY_CURRENT_USER, below baseKey when one is given.
// The registry has no transactions: an update holds a mutex shared by every copy of the game, so
// that appends do not overlap, and puts back the values it changed when it is not committed.
// A copy killed in the middle of an update can still leave it half done.
class TWindowsRegistryStore : public TKeyValueStore {
public:
    explicit TWindowsRegistryStore(std::string baseKey = "");
    ~TWindowsRegistryStore() override;
    TWindowsRegistryStore(const TWindowsRegistryStore&) = delete;
    TWindowsRegistryStore& operator=(const TWindowsRegistryStore&) = delete;

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
    bool Busy() const override { return GaveUpWaiting; }

private:
    // A value as it was before the update first wrote it.
    struct TSavedValue {
        std::wstring KeyPath;
        std::wstring Name;
        bool Existed = false;
        DWORD Type = REG_NONE;
        std::vector<BYTE> Data;
    };

    std::wstring FullPath(const std::string& path) const;
    bool Write(const std::string& name, DWORD type, const BYTE* data, DWORD size);
    void EndUpdate();

    std::string BaseKey;
    HKEY Current = nullptr;
    std::wstring CurrentPath;
    HANDLE UpdateMutex = nullptr;
    bool Updating = false;
    bool GaveUpWaiting = false;
    std::vector<TSavedValue> Saved;
};

#endif
