// The recognition times kept for the player.
#include "storage/RegistryUnit.h"

#include "storage/RegistryErrors.h"

#include <map>
#include <optional>

namespace {

// What the store holds for the kana; nothing for a value the game did not write.
TKanaProgress StoredProgress(TKeyValueStore& store, const std::string& name)
{
    std::string text;
    if (store.ReadString(name, text) != TValueRead::Ok)
        return {};
    return ParseProgressText(text).value_or(TKanaProgress{});
}

// Every kana's value that holds a text the game did not write is written afresh, with no data.
void ReplaceDamaged(TKeyValueStore& store, std::map<std::string, TKanaProgress>& changed)
{
    for (const bool typed : {false, true})
        for (const TScript script : {TScript::Hiragana, TScript::Katakana})
            for (uint8_t face = 0; face < FaceCount; ++face) {
                const std::string name = ProgressValueName(script, face, typed);
                std::string text;
                const TValueRead read = store.ReadString(name, text);
                if (read == TValueRead::WrongType || (read == TValueRead::Ok && !ParseProgressText(text)))
                    changed.try_emplace(name);
            }
}

// Writes the values in one update; answers the error text of the first step that fails.
std::optional<std::string> WriteAll(TKeyValueStore& store, const std::map<std::string, TKanaProgress>& values)
{
    for (const auto& [name, progress] : values)
        if (!store.WriteString(name, ProgressText(progress)))
            return FailedToSet(name);
    if (!store.CommitUpdate())
        return FailedToSet(values.begin()->first);
    return std::nullopt;
}

}  // namespace

std::string TRegOptions::ProgressPath() const
{
    return KeyPath + "progress";
}

TScriptProgress TRegOptions::ReadProgress(TScript script, bool typed)
{
    TScriptProgress progress;
    bool busy = false;
    {
        const auto store = Store();
        if (store->KeyExists(ProgressPath()) && store->OpenKey(ProgressPath()))
            for (uint8_t face = 0; face < FaceCount; ++face)
                progress[face] = StoredProgress(*store, ProgressValueName(script, face, typed));
        busy = store->Busy();
    }
    // Times that could not be read are unknown, not missing.
    if (busy)
        throw ERegistryError(FailedToGet("progress"));
    return progress;
}

void TRegOptions::AddProgress(std::span<const TRecognitionSample> samples)
{
    if (samples.empty())
        return;
    std::optional<std::string> failure;
    {
        const auto store = Store();
        // Read inside the update, so that another copy of the game adding at the same time loses nothing.
        if (store->BeginUpdate() && store->OpenKey(ProgressPath())) {
            std::map<std::string, TKanaProgress> changed;
            for (const TRecognitionSample& sample : samples) {
                const std::string name = SampleValueName(sample);
                const auto [entry, added] = changed.try_emplace(name);
                if (added)
                    entry->second = StoredProgress(*store, name);
                AddSample(entry->second, sample);
            }
            ReplaceDamaged(*store, changed);
            failure = WriteAll(*store, changed);
        } else {
            failure = FailedToSet(SampleValueName(samples.front()));
        }
    }
    if (failure)
        throw ERegistryError(*failure);
}

void TRegOptions::ResetProgress(TScript script)
{
    std::map<std::string, TKanaProgress> cleared;
    for (const bool typed : {false, true})
        for (uint8_t face = 0; face < FaceCount; ++face)
            cleared[ProgressValueName(script, face, typed)] = {};
    std::optional<std::string> failure;
    {
        const auto store = Store();
        if (store->BeginUpdate() && store->OpenKey(ProgressPath()))
            failure = WriteAll(*store, cleared);
        else
            failure = FailedToSet(ProgressValueName(script, 0));
    }
    if (failure)
        throw ERegistryError(*failure);
}
