#include "tests/support/TestStore.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include "storage/WindowsRegistryStore.h"

#include <windows.h>
#elif defined(__EMSCRIPTEN__)
#include "storage/BrowserStore.h"

#include <emscripten.h>
#else
#include "storage/SqliteStore.h"

#include <sqlite3.h>
#include <unistd.h>
#endif

#ifdef __EMSCRIPTEN__
EM_JS(void, RefuseStorage, (const char* prefix), { globalThis.tesuliRefusedPrefix = prefix ? UTF8ToString(prefix) : null; });
#endif

namespace {

#ifdef _WIN32
constexpr const char* PlaceVariable = "TESULI_TEST_REGISTRY_KEY";
#elif defined(__EMSCRIPTEN__)
// The prefix of the test's items in the page's storage.
constexpr const char* PlaceVariable = "TESULI_TEST_STORAGE_PREFIX";
#else
constexpr const char* PlaceVariable = "XDG_CONFIG_HOME";
#endif

void SetEnvironment(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

std::string NewPlace()
{
    static std::atomic<int> serial{0};
#ifdef _WIN32
    return "Software\\tesuli-tests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++);
#elif defined(__EMSCRIPTEN__)
    return "tesuli-test-" + std::to_string(serial++) + ":";
#else
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tesuli-storage-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
#endif
}

} // namespace

TTestStore::TTestStore()
    : Place(NewPlace())
{
    SetEnvironment(PlaceVariable, Place);
}

TTestStore::~TTestStore()
{
#ifdef _WIN32
    RegDeleteTreeA(HKEY_CURRENT_USER, Place.c_str());
#elif defined(__EMSCRIPTEN__)
    RefuseStorage(nullptr);
    for (const std::string& item : BrowserStorage::Names(Place))
        BrowserStorage::Remove(item);
#else
    std::error_code ignored;
    std::filesystem::remove_all(Place, ignored);
#endif
}

TStoreFactory TTestStore::TestStore()
{
#ifdef _WIN32
    const std::string base = std::getenv(PlaceVariable);
    return [base] { return std::make_unique<TWindowsRegistryStore>(base); };
#elif defined(__EMSCRIPTEN__)
    const std::string prefix = std::getenv(PlaceVariable);
    return [prefix] { return std::make_unique<TBrowserStore>(prefix); };
#else
    return OpenUserStore;
#endif
}

void TTestStore::MakeUnopenable()
{
#ifdef _WIN32
    // No lasting key may be created below a volatile one.
    RegDeleteTreeA(HKEY_CURRENT_USER, Place.c_str());
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, Place.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegCloseKey(key);
#elif defined(__EMSCRIPTEN__)
    // The browser refuses every item of the test's (tests/support/node-storage.js).
    RefuseStorage(Place.c_str());
#else
    // Root is not stopped by permissions; a file where the store's folder belongs stops everyone.
    std::filesystem::remove_all(std::filesystem::path(Place) / "tesuli");
    std::FILE* file = std::fopen((std::filesystem::path(Place) / "tesuli").string().c_str(), "w");
    std::fclose(file);
#endif
}

void TTestStore::ArrangeValueWithoutData(const std::string& key, const std::string& name, TNoData kind) const
{
    {
        // The value gets its key and its place in the order.
        const auto store = Open();
        store->OpenKey(key);
        store->WriteString(name, "");
    }
#ifdef _WIN32
    HKEY opened = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, (Place + "\\" + key).c_str(), 0, KEY_SET_VALUE, &opened);
    RegSetValueExA(opened, name.c_str(), 0, kind == TNoData::Null ? REG_NONE : REG_BINARY, nullptr, 0);
    RegCloseKey(opened);
#elif defined(__EMSCRIPTEN__)
    BrowserStorage::Set(TBrowserStore::ItemName(Place, key, name), kind == TNoData::Null ? "" : "b");
#else
    const std::string sql = std::string("UPDATE vals SET value = ") + (kind == TNoData::Null ? "NULL" : "X''") +
                            " WHERE name = '" + name + "'";
    sqlite3* db = nullptr;
    sqlite3_open(UserStoreFile().c_str(), &db);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
#endif
}

TRegOptions TTestStore::Options(TLocalTime now) const
{
    return TRegOptions(TestStore(), [now] { return now; }, GermanFormats());
}

TLocalTime TTestStore::PinnedTime()
{
    return {2026, 12, 6, 0, 14, 3, 59};
}

TLocaleFormats TTestStore::GermanFormats()
{
    TLocaleFormats formats;
    formats.ShortDate = "dd.MM.yyyy";
    formats.DateSeparator = ".";
    formats.TimeSeparator = ":";
    formats.HourLeadingZero = true;
    formats.TwelveHour = false;
    return formats;
}

std::vector<std::string> ReadTable(TRegOptions& options)
{
    std::vector<std::string> records;
    std::string record;
    for (uint8_t k = 1; options.ReadScore(k, record); ++k)
        records.push_back(record);
    return records;
}
