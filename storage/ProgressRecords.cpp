// The recognition times kept for the player.
#include "storage/RegistryUnit.h"

#include "storage/RegistryErrors.h"

#include <map>
#include <optional>

namespace {

// What the store holds for the kana in the value; nothing for a value the game did not write.
TKanaProgress StoredProgress(TKeyValueStore& store, const std::string& name)
{
    std::string text;
    if (store.ReadString(name, text) != TValueRead::Ok)
        return {};
    return ParseProgressText(text).value_or(TKanaProgress{});
}

// The kana's times in tenths: before its first time in tenths, the earlier release's seconds.
TKanaProgress StoredTenths(TKeyValueStore& store, TScript script, TKanaId kana)
{
    std::string text;
    if (store.ReadString(ProgressTenthsName(script, kana), text) != TValueRead::Missing)
        return StoredProgress(store, ProgressTenthsName(script, kana));
    TKanaProgress progress = StoredProgress(store, ProgressValueName(script, kana));
    for (int32_t& seconds : progress.Samples)
        seconds *= 10;
    return progress;
}

TKanaMemory StoredMemory(TKeyValueStore& store, TSeenKana kana, TReviewKind kind)
{
    std::string text;
    if (store.ReadString(MemoryValueName(kana, kind), text) != TValueRead::Ok)
        return {};
    return ParseMemoryText(text).value_or(TKanaMemory{});
}

TGameDays StoredGameDays(TKeyValueStore& store)
{
    std::string text;
    if (store.ReadString(std::string(GameDaysValueName), text) != TValueRead::Ok)
        return {};
    return ParseGameDaysText(text).value_or(TGameDays{});
}

constexpr TReviewKind ReviewKinds[] = {TReviewKind::Matching, TReviewKind::Typed};

std::vector<TMixUp> StoredMixUps(TKeyValueStore& store)
{
    std::string text;
    if (store.ReadString(std::string(MixUpsValueName), text) != TValueRead::Ok)
        return {};
    return ParseMixUpsText(text).value_or(std::vector<TMixUp>{});
}

bool Damaged(TKeyValueStore& store, const std::string& name, bool (*parses)(const std::string&))
{
    std::string text;
    const TValueRead read = store.ReadString(name, text);
    return read == TValueRead::WrongType || (read == TValueRead::Ok && !parses(text));
}

// Every value that holds a text the game did not write is written afresh, with no data; answers
// their names.
std::vector<std::string> ReplaceDamaged(TKeyValueStore& store, std::map<std::string, std::string>& changed)
{
    std::vector<std::string> replaced;
    const auto replace = [&](const std::string& name, bool (*parses)(const std::string&), std::string fresh) {
        if (Damaged(store, name, parses)) {
            changed.try_emplace(name, std::move(fresh));
            replaced.push_back(name);
        }
    };
    const auto progressParses = [](const std::string& text) { return ParseProgressText(text).has_value(); };
    for (const TScript script : {TScript::Hiragana, TScript::Katakana})
        for (TKanaId kana = 0; kana < CatalogueSize; ++kana)
            for (const std::string& name :
                 {ProgressValueName(script, kana), ProgressTenthsName(script, kana), ProgressTenthsName(script, kana, true)})
                replace(name, progressParses, ProgressText({}));
    const auto memoryParses = [](const std::string& text) { return ParseMemoryText(text).has_value(); };
    for (const TScript script : {TScript::Hiragana, TScript::Katakana})
        for (TKanaId kana = 0; kana < CatalogueSize; ++kana)
            for (const TReviewKind kind : ReviewKinds)
                replace(MemoryValueName({kana, script}, kind), memoryParses, MemoryText({}));
    replace(std::string(MixUpsValueName), [](const std::string& text) { return ParseMixUpsText(text).has_value(); }, "");
    replace(std::string(GameDaysValueName), [](const std::string& text) { return ParseGameDaysText(text).has_value(); }, "");
    return replaced;
}

// Writes the values in one update; answers the error text of the first step that fails.
std::optional<std::string> WriteAll(TKeyValueStore& store, const std::map<std::string, std::string>& values)
{
    for (const auto& [name, text] : values)
        if (!store.WriteString(name, text))
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

template <typename TValue, typename TRead>
TValue TRegOptions::ReadFromProgress(const std::string& what, TRead read)
{
    TValue value{};
    bool busy = false;
    {
        const auto store = Store();
        if (store->KeyExists(ProgressPath()) && store->OpenKey(ProgressPath()))
            value = read(*store);
        busy = store->Busy();
    }
    if (busy)
        throw ERegistryError(FailedToGet(what));
    return value;
}

TScriptProgress TRegOptions::ReadProgress(TScript script, bool typed)
{
    return ReadFromProgress<TScriptProgress>("progress", [&](TKeyValueStore& store) {
        TScriptProgress progress;
        for (TKanaId kana = 0; kana < CatalogueSize; ++kana)
            progress[kana] = typed ? StoredProgress(store, ProgressTenthsName(script, kana, true))
                                   : StoredTenths(store, script, kana);
        return progress;
    });
}

std::vector<TMixUp> TRegOptions::ReadMixUps()
{
    return ReadFromProgress<std::vector<TMixUp>>(std::string(MixUpsValueName), StoredMixUps);
}

TMemoryTable TRegOptions::ReadMemories()
{
    return ReadFromProgress<TMemoryTable>("progress", [](TKeyValueStore& store) {
        TMemoryTable memories;
        for (const TScript script : {TScript::Hiragana, TScript::Katakana})
            for (TKanaId kana = 0; kana < CatalogueSize; ++kana)
                for (const TReviewKind kind : ReviewKinds)
                    memories.At({kana, script}, kind) = StoredMemory(store, {kana, script}, kind);
        return memories;
    });
}

TGameDays TRegOptions::ReadGameDays()
{
    return ReadFromProgress<TGameDays>(std::string(GameDaysValueName), StoredGameDays);
}

std::vector<std::string> TRegOptions::AddProgress(std::span<const TRecognitionSample> samples, const std::vector<TMixUp>& mixUps,
                                                  std::span<const TKanaReview> reviews, int32_t day)
{
    if (samples.empty() && mixUps.empty() && reviews.empty())
        return {};
    std::vector<std::string> replaced;
    std::optional<std::string> failure;
    {
        const auto store = Store();
        // Read inside the update, so that another copy of the game adding at the same time loses nothing.
        if (store->BeginUpdate() && store->OpenKey(ProgressPath())) {
            // The earlier release's whole seconds are kept up too, so that it still shows every game.
            std::map<std::string, TKanaProgress> tenths, seconds;
            // Recall was never kept in seconds: it has its tenths alone.
            for (const TRecognitionSample& sample : samples) {
                const auto [inTenths, added] = tenths.try_emplace(SampleTenthsName(sample));
                if (added)
                    inTenths->second = sample.Typed ? StoredProgress(*store, inTenths->first)
                                                    : StoredTenths(*store, sample.Script, sample.Kana);
                AddSample(inTenths->second, sample);
                if (sample.Typed)
                    continue;
                const std::string name = ProgressValueName(sample.Script, sample.Kana);
                const auto [inSeconds, read] = seconds.try_emplace(name);
                if (read)
                    inSeconds->second = StoredProgress(*store, name);
                AddSample(inSeconds->second, InWholeSeconds(sample));
            }
            std::map<std::string, std::string> changed;
            for (const auto* values : {&tenths, &seconds})
                for (const auto& [name, progress] : *values)
                    changed[name] = ProgressText(progress);
            if (!mixUps.empty()) {
                std::vector<TMixUp> kept = StoredMixUps(*store);
                AddMixUps(kept, mixUps);
                changed[std::string(MixUpsValueName)] = MixUpsText(kept);
            }
            if (!reviews.empty()) {
                TMemoryTable memories;
                for (const TKanaReview& review : reviews)
                    memories.At(review.Kana, review.Kind) = StoredMemory(*store, review.Kana, review.Kind);
                ApplyReviews(memories, reviews, day);
                for (const TKanaReview& review : reviews)
                    changed[MemoryValueName(review.Kana, review.Kind)] = MemoryText(memories.At(review.Kana, review.Kind));
                TGameDays days = StoredGameDays(*store);
                AddGame(days, day);
                changed[std::string(GameDaysValueName)] = GameDaysText(days);
            }
            replaced = ReplaceDamaged(*store, changed);
            failure = WriteAll(*store, changed);
        } else if (!samples.empty()) {
            failure = FailedToSet(ProgressValueName(samples.front().Script, samples.front().Kana));
        } else {
            failure = FailedToSet(mixUps.empty() ? std::string(GameDaysValueName) : std::string(MixUpsValueName));
        }
    }
    if (failure)
        throw ERegistryError(*failure);
    return replaced;
}

void TRegOptions::ResetProgress(TScript script)
{
    std::map<std::string, std::string> cleared;
    for (TKanaId kana = 0; kana < CatalogueSize; ++kana) {
        cleared[ProgressValueName(script, kana)] = ProgressText({});
        cleared[ProgressTenthsName(script, kana)] = ProgressText({});
        cleared[ProgressTenthsName(script, kana, true)] = ProgressText({});
        for (const TReviewKind kind : ReviewKinds)
            cleared[MemoryValueName({kana, script}, kind)] = MemoryText({});
    }
    std::optional<std::string> failure;
    {
        const auto store = Store();
        if (store->BeginUpdate() && store->OpenKey(ProgressPath())) {
            std::vector<TMixUp> kept = StoredMixUps(*store);
            std::erase_if(kept, [script](const TMixUp& mixUp) { return mixUp.First.Script == script || mixUp.Second.Script == script; });
            cleared[std::string(MixUpsValueName)] = MixUpsText(kept);
            failure = WriteAll(*store, cleared);
        } else {
            failure = FailedToSet(ProgressValueName(script, 0));
        }
    }
    if (failure)
        throw ERegistryError(*failure);
}
