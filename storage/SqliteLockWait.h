#pragma once
#ifndef _WIN32

#include <chrono>
#include <optional>

struct sqlite3;

// How one access waits for locks that another connection holds on the store: once, for the
// whole access, up to its limit. After that every statement that meets a lock fails at once, so
// that an access of many statements cannot keep the window waiting many times over.
class TLockWait {
public:
    explicit TLockWait(std::chrono::milliseconds limit)
        : Limit(limit)
    {
    }
    TLockWait(const TLockWait&) = delete;
    TLockWait& operator=(const TLockWait&) = delete;

    // Lets db's statements wait on behalf of this access, until Uninstall.
    void Install(sqlite3* db);
    static void Uninstall(sqlite3* db);

    // True once the access has given up waiting: what it then could not read is unknown, not absent.
    bool GaveUp() const { return GaveUpWaiting; }

private:
    static int OnBusy(void* wait, int attempts);

    const std::chrono::milliseconds Limit;
    std::optional<std::chrono::steady_clock::time_point> Until;
    bool GaveUpWaiting = false;
};

#endif
