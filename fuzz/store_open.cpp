// Whatever bytes stand in the store's file, the settings and the score table must answer with
// values or the store's errors, never crash.
#include "storage/RegistryUnit.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
std::filesystem::path StoreFile()
{
    static const std::filesystem::path file = [] {
        char pattern[] = "/tmp/tesuli-fuzz-XXXXXX";
        const std::filesystem::path home = mkdtemp(pattern);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        std::filesystem::create_directories(home / "tesuli");
        return home / "tesuli" / "registry.sqlite3";
    }();
    return file;
}

template <typename Call>
void Tolerate(Call call)
{
    try {
        call();
    } catch (const ERegistryError&) {
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto file = StoreFile();
    std::filesystem::remove(file);
    std::filesystem::remove(file.string() + "-journal");
    std::filesystem::remove(file.string() + "-wal");
    std::filesystem::remove(file.string() + "-shm");
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TRegOptions options;
    Tolerate([&] { options.InitDefaults(); });
    Tolerate([&] { options.Read(Setting("face")); });
    Tolerate([&] { options.Read(Setting("hintSpeed")); });
    Tolerate([&] { options.Write(Setting("mapId"), 3); });
    Tolerate([&] { options.AddScore("さくら", "0:01:02", 1, "Babel"); });
    std::string record;
    for (uint8_t k = 1; k < 40; ++k) {
        bool more = false;
        Tolerate([&] { more = options.ReadScore(k, record); });
        if (!more)
            break;
    }
    return 0;
}
