#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "storage/KeyValueStore.h"

// The store as the browser's localStorage, one item per value, so that another tab's change to
// one value never overwrites the rest. Nothing is cached: every read asks the browser again, so a
// read-modify-write in one access sees what another tab wrote before it, once the browser has
// handed that write over (a few milliseconds; two wins are further apart). An update's writes wait
// in the access and go to the browser together on commit; the page's script runs to its end
// before another tab's change is seen, so no other tab sees half of them. Storage the browser
// refuses (disabled, or full) fails the opening or the write, as a registry that refuses does.
class TBrowserStore : public TKeyValueStore {
public:
    // prefix separates the game's items from other pages' on the same origin, and tests' from the game's.
    explicit TBrowserStore(std::string prefix = "tesuli:");

    bool OpenKey(const std::string& path) override;
    bool KeyExists(const std::string& path) override;
    std::vector<std::string> ValueNames() override;
    TValueRead ReadInteger(const std::string& name, uint32_t& value) override;
    bool WriteInteger(const std::string& name, uint32_t value) override;
    TValueRead ReadString(const std::string& name, std::string& value) override;
    bool WriteString(const std::string& name, const std::string& value) override;
    void CloseKey() override { CurrentKey.reset(); }
    bool BeginUpdate() override;
    bool CommitUpdate() override;
    void CancelUpdate() override;
    bool Busy() const override { return false; }

    // The browser's item that holds the value name of the key at path.
    static std::string ItemName(const std::string& prefix, const std::string& path, const std::string& name);

private:
    std::string KeyItem(const std::string& path) const;
    std::string ValueItem(const std::string& name) const;
    std::optional<std::string> Read(const std::string& item) const;
    bool Write(const std::string& item, const std::string& stored);
    TValueRead ReadTyped(const std::string& name, char type, std::string& text) const;

    std::string Prefix;
    std::optional<std::string> CurrentKey;
    bool Updating = false;
    std::vector<std::pair<std::string, std::string>> Pending;
};

// The browser's storage as the page sees it: items by name. Stands apart so that the store's
// logic can be tested without a browser.
namespace BrowserStorage {
bool Usable();
std::optional<std::string> Get(const std::string& item);
bool Set(const std::string& item, const std::string& value);
void Remove(const std::string& item);
// The names of the items that start with prefix.
std::vector<std::string> Names(const std::string& prefix);
}  // namespace BrowserStorage
