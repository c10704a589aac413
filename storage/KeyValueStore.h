#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class TValueRead { Ok, Missing, WrongType };

// The most one access waits, in all, for another copy of the game or another program to be done
// with the store: far longer than any append takes, and short enough that the window, which
// waits with it, never looks hung.
inline constexpr int StoreLockWaitMs = 1500;

// The per-user hierarchical key/value store, with the registry's operations. One object is one
// access: it is opened when created and closed when destroyed. Key paths are relative to the
// user's root and use the backslash as separator; every other character belongs to a key name.
class TKeyValueStore {
public:
    virtual ~TKeyValueStore() = default;

    // Opens the key at path, creating every missing key on the way; it becomes the current key.
    virtual bool OpenKey(const std::string& path) = 0;
    virtual bool KeyExists(const std::string& path) = 0;
    // The current key's value names in enumeration order; none when no key is open.
    virtual std::vector<std::string> ValueNames() = 0;
    virtual TValueRead ReadInteger(const std::string& name, uint32_t& value) = 0;
    virtual bool WriteInteger(const std::string& name, uint32_t value) = 0;
    // Text is UTF-8 and ends at its first NUL.
    virtual TValueRead ReadString(const std::string& name, std::string& value) = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
    virtual void CloseKey() = 0;

    // Groups the changes up to CommitUpdate so that other accesses see all of them or none.
    // False when the store is busy past its timeout or cannot be changed.
    virtual bool BeginUpdate() = 0;
    virtual bool CommitUpdate() = 0;
    // Undoes an update that was not committed; destroying the access does the same.
    virtual void CancelUpdate() = 0;

    // True once this access has given up waiting for another to release the store: what it could
    // not read then is unknown, not missing.
    virtual bool Busy() const = 0;
};

using TStoreFactory = std::function<std::unique_ptr<TKeyValueStore>()>;

// An access to the current user's store of this platform.
std::unique_ptr<TKeyValueStore> OpenUserStore();

// Opens the current user's store and leaves it open for the process's next access, which then
// skips the opening, the file's check and, on a first run, its making. Any thread may call it.
void PrepareUserStore();
