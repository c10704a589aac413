#ifndef _WIN32

#include "storage/SqliteLockWait.h"

#include <sqlite3.h>

#include <algorithm>
#include <thread>

namespace {

// Short naps: a copy of the game appending one score after another frees the lock only for a
// moment between two appends, and a waiter that looks too seldom could miss every such moment.
constexpr std::chrono::microseconds Nap{200};

} // namespace

void TLockWait::Install(sqlite3* db)
{
    sqlite3_busy_handler(db, &TLockWait::OnBusy, this);
}

void TLockWait::Uninstall(sqlite3* db)
{
    sqlite3_busy_handler(db, nullptr, nullptr);
}

int TLockWait::OnBusy(void* wait, int)
{
    auto& self = *static_cast<TLockWait*>(wait);
    const auto now = std::chrono::steady_clock::now();
    if (!self.Until)
        self.Until = now + self.Limit;
    if (now >= *self.Until) {
        self.GaveUpWaiting = true;
        return 0;
    }
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(*self.Until - now, Nap));
    return 1;
}

#endif
