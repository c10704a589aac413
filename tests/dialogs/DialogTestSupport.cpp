#include "DialogTestSupport.h"

#include "storage/KeyValueStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const std::string SettingsKey = "Software\\tesuli\\";

std::unique_ptr<TKeyValueStore> OpenSettingsKey()
{
    auto store = OpenUserStore();
    EXPECT_TRUE(store->OpenKey(SettingsKey));
    return store;
}

uint32_t ReadStored(TKeyValueStore& store, const char* name)
{
    uint32_t value = 0xDEADBEEF;
    EXPECT_EQ(store.ReadInteger(name, value), TValueRead::Ok) << name;
    return value;
}

}  // namespace

void SeedSettings(const TStoredSettings& settings)
{
    std::filesystem::remove_all(StoreFolder());
    const auto store = OpenSettingsKey();
    store->WriteInteger("face", settings.Face);
    store->WriteInteger("bgd", settings.Background);
    store->WriteInteger("mapId", settings.MapId);
    store->WriteInteger("hintSpeed", settings.HintSpeed);
    store->WriteInteger("kana", settings.Kana);
    store->WriteInteger("readings", settings.Readings);
    store->WriteInteger("kanaset", settings.KanaSet);
    store->WriteInteger("practice", settings.Practice);
}

std::ostream& operator<<(std::ostream& out, const TStoredSettings& stored)
{
    return out << "face " << stored.Face << ", bgd " << stored.Background << ", map " << stored.MapId << ", hint "
               << stored.HintSpeed << ", kana " << stored.Kana << ", readings " << stored.Readings
               << ", kanaset " << stored.KanaSet << ", practice " << stored.Practice;
}

TStoredSettings StoredSettings()
{
    const auto store = OpenSettingsKey();
    return {ReadStored(*store, "face"), ReadStored(*store, "bgd"), ReadStored(*store, "mapId"),
            ReadStored(*store, "hintSpeed"), ReadStored(*store, "kana"), ReadStored(*store, "readings"),
            ReadStored(*store, "kanaset"), ReadStored(*store, "practice")};
}

void StoreSettingAsText(const char* name)
{
    OpenSettingsKey()->WriteString(name, "three");
}

// Permissions do not stop root; a file where the store's folder belongs stops everyone.
void MakeStoreUnusable()
{
    std::filesystem::remove_all(StoreFolder());
    std::ofstream(StoreFolder()) << "not a folder";
}
