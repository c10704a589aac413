#pragma once

#include "storage/DateText.h"
#include "model/MemoryTable.h"
#include "storage/KanaMemoryText.h"
#include "storage/KanaProgress.h"
#include "storage/KeyValueStore.h"
#include "storage/SettingsTable.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

// A failing read or write of the store; the text is shown to the player as it is.
class ERegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TClock = std::function<TLocalTime()>;

// The eight settings and the table of the 31 most recent wins. Nothing is cached: every call opens
// its own access to the store and releases it before it returns or raises.
class TRegOptions {
public:
    TRegOptions();
    TRegOptions(TStoreFactory store, TClock clock, TLocaleFormats formats);

    const std::string KeyPath;

    // True when the defaults had to be written (a first run or an incomplete key). A key with the
    // four or six settings of an earlier release keeps them and only gains the defaults of the
    // settings added since: false, for the settings are to be read.
    bool InitDefaults();

    // One setting by its row (SettingRows); a value the store holds out of range reads as the row
    // says. A failing read or write raises.
    uint8_t Read(const TSettingRow& row);
    void Write(const TSettingRow& row, uint8_t value);
    // Every setting, each into its field as it is read: what was read before a failure is kept.
    void ReadSettings(TSettings& settings);
    // Every setting; a refused write raises, leaving those before it written.
    void WriteSettings(const TSettings& settings);

    void AddScore(const std::string& player, const std::string& score, int32_t hints, const std::string& map);
    // Record k (1 = oldest); false and the empty text past the end of the table and for k = 0.
    bool ReadScore(uint8_t k, std::string& record);
    // Every record value, oldest first, read in one access however many there are; each says how
    // it read. A store that cannot be read raises.
    struct TStoredScore {
        std::string Name;
        TValueRead Read = TValueRead::Ok;
        std::string Record;
    };
    std::vector<TStoredScore> ReadScores();

    // Recognition times under the progress subkey, one value per script and catalogue kana, in tenths; where
    // only the earlier release's whole seconds are kept, those. A value the game did not write
    // reads as no data for its kana; a store that cannot be read raises.
    // typed: the times of pairs taken by typing the reading of tiles that showed the kana alone.
    TScriptProgress ReadProgress(TScript script, bool typed = false);
    // The latest mix-ups, oldest first.
    std::vector<TMixUp> ReadMixUps();
    // The memory of every kana in each script and kind of review (one value each under the
    // progress key); a kana without a value, or with one the game did not write, was never reviewed.
    TMemoryTable ReadMemories();
    // The games played on each day.
    TGameDays ReadGameDays();
    // Adds a game's samples and mix-ups to what is kept and its reviews on that day to the memories,
    // counting a game for the day when it has reviews, in one update that also writes afresh every
    // value the game did not write: it answers their names, for the player to be told. A refused
    // write raises and changes nothing.
    std::vector<std::string> AddProgress(std::span<const TRecognitionSample> samples, const std::vector<TMixUp>& mixUps = {},
                                         std::span<const TKanaReview> reviews = {}, int32_t day = 0);
    // Clears every kana of the script, typed times and memories too, and every mix-up with one of
    // them, in one update.
    void ResetProgress(TScript script);

private:
    uint32_t ReadInteger(const std::string& name, uint8_t fallback);
    std::string ScoresPath() const;
    std::string ProgressPath() const;
    // What read takes from the progress key, or nothing where there is none. A store another
    // program holds fails the read as named by what: times that could not be read are unknown,
    // not missing.
    template <typename TValue, typename TRead>
    TValue ReadFromProgress(const std::string& what, TRead read);

    TStoreFactory Store;
    TClock Clock;
    TLocaleFormats Formats;
};
