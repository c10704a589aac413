#pragma once

#include "storage/KeyValueStore.h"

#include <memory>
#include <string>

// Passes every operation on to a real store, counting the writes and refusing the one named.
struct TWriteLog {
    int Writes = 0;
    std::string Refused;
};

class TInstrumentedStore : public TKeyValueStore {
public:
    TInstrumentedStore(std::unique_ptr<TKeyValueStore> inner, TWriteLog& log)
        : Inner(std::move(inner)), Log(log)
    {
    }

    static TStoreFactory Around(TStoreFactory inner, TWriteLog& log)
    {
        return [inner, &log] { return std::make_unique<TInstrumentedStore>(inner(), log); };
    }

    bool OpenKey(const std::string& path) override { return Inner->OpenKey(path); }
    bool KeyExists(const std::string& path) override { return Inner->KeyExists(path); }
    std::vector<std::string> ValueNames() override { return Inner->ValueNames(); }
    TValueRead ReadInteger(const std::string& name, uint32_t& value) override { return Inner->ReadInteger(name, value); }
    bool WriteInteger(const std::string& name, uint32_t value) override
    {
        return Allowed(name) && Inner->WriteInteger(name, value);
    }
    TValueRead ReadString(const std::string& name, std::string& value) override { return Inner->ReadString(name, value); }
    bool WriteString(const std::string& name, const std::string& value) override
    {
        return Allowed(name) && Inner->WriteString(name, value);
    }
    void CloseKey() override { Inner->CloseKey(); }
    bool BeginUpdate() override { return Inner->BeginUpdate(); }
    bool CommitUpdate() override { return Inner->CommitUpdate(); }
    void CancelUpdate() override { Inner->CancelUpdate(); }
    bool Busy() const override { return Inner->Busy(); }

private:
    bool Allowed(const std::string& name)
    {
        ++Log.Writes;
        return name != Log.Refused;
    }

    std::unique_ptr<TKeyValueStore> Inner;
    TWriteLog& Log;
};
