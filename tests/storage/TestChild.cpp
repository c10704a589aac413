// A second copy of the game, or another program, at the test store named by the environment:
// "append <prefix> <count>" appends that many records, "loop <prefix>" appends until it is killed,
// and "lock" holds the store file's exclusive lock until it is killed. Player names are
// "<prefix>-<n>", n counting from 0.
#include "tests/support/TestStore.h"

#include <cstdlib>
#include <iostream>
#include <string>

#ifndef _WIN32
#include "storage/SqliteStore.h"

#include <sqlite3.h>
#include <unistd.h>

namespace {

int HoldLock()
{
    sqlite3* db = nullptr;
    sqlite3_open(UserStoreFile().c_str(), &db);
    sqlite3_busy_timeout(db, 10000);
    if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return 1;
    for (;;)
        pause();
}

} // namespace
#endif

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
#ifndef _WIN32
    if (mode == "lock")
        return HoldLock();
#endif
    if (argc < 3)
        return 2;
    const std::string prefix = argv[2];
    const long count = mode == "append" && argc > 3 ? std::atol(argv[3]) : -1;
    TRegOptions options(TTestStore::TestStore(), LocalTimeNow, {});
    try {
        for (long n = 0; count < 0 || n < count; ++n)
            options.AddScore(prefix + "-" + std::to_string(n), "0:00:01", static_cast<int32_t>(n), "Babel");
    } catch (const ERegistryError& error) {
        std::cerr << prefix << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
