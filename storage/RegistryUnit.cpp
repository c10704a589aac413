#include "storage/RegistryUnit.h"

#include "storage/RegistryErrors.h"
#include "storage/ScoreRecord.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

constexpr size_t TableSize = 31;

std::string ValueName(size_t number) { return std::to_string(number); }

// Counted in full: 256 values taken modulo 256 would read as an empty table, and the next win
// would overwrite record 1.
size_t ValueCount(TKeyValueStore& store) { return store.ValueNames().size(); }

// The name the newest record takes: the next one until the table is full, then the last one.
// A table grown past 31 values elsewhere keeps its size, so that the newest is still listed last
// and no more than the oldest record goes.
std::string NewestName(size_t count) { return ValueName(count < TableSize ? count + 1 : count); }

// Writes the record after the last one, or drops the oldest of a full table and moves the others
// down one place; answers the error text of the first step that fails.
std::optional<std::string> Append(TKeyValueStore& store, size_t count, const std::string& record)
{
    for (size_t k = 1; count >= TableSize && k < count; ++k) {
        std::string moved;
        if (store.ReadString(ValueName(k + 1), moved) == TValueRead::WrongType)
            return InvalidType(ValueName(k + 1));
        if (!store.WriteString(ValueName(k), moved))
            return FailedToSet(ValueName(k));
    }
    const std::string newest = NewestName(count);
    return store.WriteString(newest, record) ? std::nullopt : std::optional(FailedToSet(newest));
}

using TDefault = std::pair<const char*, uint8_t>;
constexpr TDefault FirstRunDefaults[] = {{"face", DefaultFace},
                                         {"bgd", DefaultBackground},
                                         {"mapId", DefaultMapId},
                                         {"hintSpeed", DefaultHintSpeed},
                                         {"kana", DefaultKana},
                                         {"readings", DefaultReadings},
                                         {"kanaset", DefaultKanaSet},
                                         {"practice", DefaultPractice}};
// The first release wrote the first four, a later one six; a key with at least four values gains
// only those it lacks.
constexpr size_t EarlierReleaseValues = 4;

bool Holds(const std::vector<std::string>& names, const char* name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// What a key with these values lacks: every default when it holds fewer than four values (taken as
// half written, the ones present rewritten too), else the later settings it has not got yet.
std::vector<TDefault> MissingDefaults(const std::vector<std::string>& names)
{
    if (names.size() < EarlierReleaseValues)
        return {std::begin(FirstRunDefaults), std::end(FirstRunDefaults)};
    std::vector<TDefault> missing;
    for (const TDefault& added : std::span(FirstRunDefaults).subspan(EarlierReleaseValues))
        if (!Holds(names, added.first))
            missing.push_back(added);
    return missing;
}

// Writes what the key lacks in one update, looked at again under the write lock; answers whether
// every default was written. A failed update writes nothing.
bool WriteDefaults(TKeyValueStore& store, const std::string& keyPath)
{
    const std::string first = FirstRunDefaults[0].first;
    if (!store.BeginUpdate() || !store.OpenKey(keyPath))
        throw ERegistryError(FailedToSet(first));
    const std::vector<TDefault> missing = MissingDefaults(store.ValueNames());
    if (missing.empty())
        return false;
    for (const auto& [name, value] : missing)
        if (!store.WriteInteger(name, value))
            throw ERegistryError(FailedToSet(name));
    if (!store.CommitUpdate())
        throw ERegistryError(FailedToSet(missing.front().first));
    return missing.size() == std::size(FirstRunDefaults);
}

} // namespace

TRegOptions::TRegOptions()
    : TRegOptions(OpenUserStore, LocalTimeNow, InstalledLocaleFormats())
{
}

TRegOptions::TRegOptions(TStoreFactory store, TClock clock, TLocaleFormats formats)
    : KeyPath("Software\\tesuli\\"), Store(std::move(store)), Clock(std::move(clock)), Formats(std::move(formats))
{
}

std::string TRegOptions::ScoresPath() const
{
    return KeyPath + "/scores/";
}

uint32_t TRegOptions::ReadInteger(const std::string& name, uint8_t fallback)
{
    uint32_t value = fallback;
    TValueRead outcome = TValueRead::Ok;
    {
        const auto store = Store();
        // A store held by another past the wait has settings of its own, unknown here: they are
        // not the fallbacks of a store without the key.
        if (store->OpenKey(KeyPath))
            outcome = store->ReadInteger(name, value);
        else if (store->Busy())
            outcome = TValueRead::Missing;
    }
    if (outcome == TValueRead::Missing)
        throw ERegistryError(FailedToGet(name));
    if (outcome == TValueRead::WrongType)
        throw ERegistryError(InvalidType(name));
    return value;
}

uint8_t TRegOptions::ReadSetting(const std::string& name, uint8_t fallback)
{
    return static_cast<uint8_t>(ReadInteger(name, fallback) & 0xFFu);
}

uint8_t TRegOptions::ReadChoice(const std::string& name, uint8_t fallback, uint8_t last)
{
    const uint32_t value = ReadInteger(name, fallback);
    return value <= last ? static_cast<uint8_t>(value) : fallback;
}

void TRegOptions::WriteSetting(const std::string& name, uint8_t value)
{
    bool written = false;
    {
        const auto store = Store();
        store->OpenKey(KeyPath);
        written = store->WriteInteger(name, value);
    }
    if (!written)
        throw ERegistryError(FailedToSet(name));
}

uint8_t TRegOptions::ReadFace() { return ReadSetting("face", 0); }
void TRegOptions::WriteFace(uint8_t face) { WriteSetting("face", face); }
uint8_t TRegOptions::ReadBackground() { return ReadSetting("bgd", 0); }
void TRegOptions::WriteBackground(uint8_t background) { WriteSetting("bgd", background); }
uint8_t TRegOptions::ReadMapId() { return ReadSetting("mapId", 0); }
void TRegOptions::WriteMapId(uint8_t mapId) { WriteSetting("mapId", mapId); }
uint8_t TRegOptions::ReadHintSpeed() { return ReadSetting("hintSpeed", 1); }
void TRegOptions::WriteHintSpeed(uint8_t hintSpeed) { WriteSetting("hintSpeed", hintSpeed); }
uint8_t TRegOptions::ReadKana() { return ReadChoice("kana", DefaultKana, 2); }
void TRegOptions::WriteKana(uint8_t kana) { WriteSetting("kana", kana); }
uint8_t TRegOptions::ReadReadings() { return ReadChoice("readings", DefaultReadings, 2); }
void TRegOptions::WriteReadings(uint8_t readings) { WriteSetting("readings", readings); }
uint8_t TRegOptions::ReadKanaSet() { return ReadChoice("kanaset", DefaultKanaSet, 2); }
void TRegOptions::WriteKanaSet(uint8_t kanaSet) { WriteSetting("kanaset", kanaSet); }
uint8_t TRegOptions::ReadPractice() { return ReadChoice("practice", DefaultPractice, 1); }
void TRegOptions::WritePractice(uint8_t practice) { WriteSetting("practice", practice); }

bool TRegOptions::InitDefaults()
{
    // A missing key (created empty here) and a key with one to three values, taken as half
    // written, get all the defaults alike. A store that could not be read is no empty one: its
    // settings stay for the next run, and the reads that follow report it. The check only reads,
    // so that a start with a complete key never takes the write lock; the writes are one update,
    // so that a first start commits to disk once rather than once a value.
    const auto store = Store();
    const bool complete =
        store->KeyExists(KeyPath) && store->OpenKey(KeyPath) && MissingDefaults(store->ValueNames()).empty();
    if (store->Busy() || complete)
        return false;
    return WriteDefaults(*store, KeyPath);
}

void TRegOptions::AddScore(const std::string& player, const std::string& score, int32_t hints,
                           const std::string& map)
{
    const std::string record = ScoreRecord(FormatDateText(Clock(), Formats), player, score, hints, map);
    std::optional<std::string> failure;
    {
        const auto store = Store();
        // The count is taken inside the update, so that an append running at the same time in
        // another copy of the game is neither overwritten nor lost.
        if (store->BeginUpdate()) {
            store->OpenKey(ScoresPath());
            const size_t count = ValueCount(*store);
            failure = Append(*store, count, record);
            if (!failure && !store->CommitUpdate())
                failure = FailedToSet(NewestName(count));
        } else {
            // Nothing is written without the update, not even the subkey: the count only names
            // the value that could not be written.
            const bool listed = store->KeyExists(ScoresPath()) && store->OpenKey(ScoresPath());
            const size_t count = listed ? ValueCount(*store) : 0;
            failure = FailedToSet(ValueName(count < TableSize ? count + 1 : 1));
        }
    }
    if (failure)
        throw ERegistryError(*failure);
}

std::vector<TRegOptions::TStoredScore> TRegOptions::ReadScores()
{
    std::vector<TStoredScore> scores;
    bool busy = false;
    {
        const auto store = Store();
        if (store->KeyExists(ScoresPath()) && store->OpenKey(ScoresPath())) {
            const size_t count = ValueCount(*store);
            scores.resize(count);
            for (size_t k = 1; k <= count; ++k) {
                TStoredScore& score = scores[k - 1];
                score.Name = ValueName(k);
                score.Read = store->ReadString(score.Name, score.Record);
            }
        }
        busy = store->Busy();
    }
    if (busy)
        throw ERegistryError(FailedToGet(ValueName(scores.empty() ? 1 : scores.size())));
    return scores;
}

bool TRegOptions::ReadScore(uint8_t k, std::string& record)
{
    record.clear();
    bool found = false;
    bool busy = false;
    TValueRead outcome = TValueRead::Ok;
    {
        const auto store = Store();
        store->OpenKey(ScoresPath());
        if (k >= 1 && k <= ValueCount(*store)) {
            found = true;
            outcome = store->ReadString(ValueName(k), record);
        }
        busy = store->Busy();
    }
    // A missing value reads as the empty text and still counts as a record.
    if (outcome != TValueRead::Ok)
        record.clear();
    // A table that could not be read is not an empty one.
    if (busy)
        throw ERegistryError(FailedToGet(ValueName(k)));
    if (outcome == TValueRead::WrongType)
        throw ERegistryError(InvalidType(ValueName(k)));
    return found;
}
