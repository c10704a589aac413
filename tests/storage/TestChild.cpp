// Appends to the score table of the test store named by the environment, as a second copy of
// the game would: "append <prefix> <count>" appends that many records, "loop <prefix>" appends
// until it is killed. Player names are "<prefix>-<n>", n counting from 0.
#include "TestStore.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const std::string mode = argv[1];
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
