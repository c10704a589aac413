#pragma once

#include "storage/DateText.h"
#include "storage/KeyValueStore.h"
#include "storage/RegistryUnit.h"

#include <string>
#include <vector>

// Points the store at a private place for the life of a test: a temporary XDG_CONFIG_HOME, or on
// Windows a temporary registry key. Child processes started meanwhile inherit the place.
class TTestStore {
public:
    TTestStore();
    ~TTestStore();
    TTestStore(const TTestStore&) = delete;
    TTestStore& operator=(const TTestStore&) = delete;

    // A raw access, to arrange and inspect what the game would find.
    std::unique_ptr<TKeyValueStore> Open() const { return TestStore()(); }
    // From now on the settings key can be neither opened nor created.
    void MakeUnopenable();
    // A value as another program may leave it, without data: no value at all (NULL in SQLite,
    // REG_NONE on Windows), or binary data of no bytes.
    enum class TNoData { Null, EmptyBinary };
    void ArrangeValueWithoutData(const std::string& key, const std::string& name, TNoData kind) const;
    // A TRegOptions on this store, at 06.12.2026 14:03:59 by default, on a 24-hour dd.MM.yyyy locale.
    TRegOptions Options(TLocalTime now = PinnedTime()) const;

    static TStoreFactory TestStore();
    static TLocalTime PinnedTime();
    static TLocaleFormats GermanFormats();

    std::string Place;
};

inline const std::string SettingsKey = "Software\\tesuli\\";
inline const std::string ScoresKey = "Software\\tesuli\\/scores/";

// The text of the ERegistryError that call raises, or "" when it raises none.
template <typename Call> std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const ERegistryError& error) {
        return error.what();
    }
    return "";
}

// Every record of the table, oldest first, read the way the scores dialog reads them.
std::vector<std::string> ReadTable(TRegOptions& options);
