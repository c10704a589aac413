#include "storage/BrowserStore.h"

#include <algorithm>
#include <charconv>

namespace {

// Between a key's path and a value's name: no key or value name holds it.
constexpr char NameSeparator = '\x1f';

// Paths as the registry takes them: "Software\\tesuli\\" is the key "Software\\tesuli".
std::string NormalPath(const std::string& path)
{
    std::string normal;
    std::string name;
    for (const char c : path + "\\") {
        if (c != '\\') {
            name += c;
        } else if (!name.empty()) {
            normal += (normal.empty() ? "" : "\\") + name;
            name.clear();
        }
    }
    return normal;
}

// Numbered values (the scores' 1 .. 31) in their numbers' order, the others by name after them.
bool EnumeratedBefore(const std::string& a, const std::string& b)
{
    const auto number = [](const std::string& name) {
        uint64_t value = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value);
        return error == std::errc() && end == name.data() + name.size() ? std::optional(value) : std::nullopt;
    };
    const auto na = number(a);
    const auto nb = number(b);
    if (na && nb)
        return *na < *nb;
    if (na || nb)
        return na.has_value();
    return a < b;
}

}  // namespace

TBrowserStore::TBrowserStore(std::string prefix) : Prefix(std::move(prefix)) {}

std::string TBrowserStore::ItemName(const std::string& prefix, const std::string& path, const std::string& name)
{
    return prefix + NormalPath(path) + NameSeparator + name;
}

std::string TBrowserStore::KeyItem(const std::string& path) const
{
    return Prefix + NormalPath(path);
}

std::string TBrowserStore::ValueItem(const std::string& name) const
{
    return *CurrentKey + NameSeparator + name;
}


std::optional<std::string> TBrowserStore::Read(const std::string& item) const
{
    const auto pending = std::find_if(Pending.rbegin(), Pending.rend(), [&](const auto& p) { return p.first == item; });
    if (pending != Pending.rend())
        return pending->second;
    return BrowserStorage::Get(item);
}

bool TBrowserStore::Write(const std::string& item, const std::string& stored)
{
    if (Updating) {
        Pending.emplace_back(item, stored);
        return true;
    }
    return BrowserStorage::Set(item, stored);
}

bool TBrowserStore::OpenKey(const std::string& path)
{
    CurrentKey.reset();
    if (!BrowserStorage::Usable())
        return false;
    const std::string normal = NormalPath(path);
    // Each key on the way has its own item, as the registry makes them.
    std::string partial;
    for (size_t at = 0; at <= normal.size(); ++at) {
        if (at < normal.size() && normal[at] != '\\')
            continue;
        partial = normal.substr(0, at);
        if (!Read(Prefix + partial) && !Write(Prefix + partial, ""))
            return false;
    }
    CurrentKey = KeyItem(path);
    return true;
}

bool TBrowserStore::KeyExists(const std::string& path)
{
    return BrowserStorage::Usable() && Read(KeyItem(path)).has_value();
}

std::vector<std::string> TBrowserStore::ValueNames()
{
    std::vector<std::string> names;
    if (!CurrentKey)
        return names;
    const std::string start = *CurrentKey + NameSeparator;
    for (const std::string& item : BrowserStorage::Names(start))
        names.push_back(item.substr(start.size()));
    for (const auto& [item, stored] : Pending)
        if (item.starts_with(start) && std::find(names.begin(), names.end(), item.substr(start.size())) == names.end())
            names.push_back(item.substr(start.size()));
    std::sort(names.begin(), names.end(), EnumeratedBefore);
    return names;
}

// Each item is its type's letter and the value: "i" an integer, "s" text, "b" binary data, which
// another program may leave. An item of nothing is a value without data (a registry's REG_NONE).
TValueRead TBrowserStore::ReadTyped(const std::string& name, char type, std::string& text) const
{
    if (!CurrentKey)
        return TValueRead::Missing;
    const std::optional<std::string> stored = Read(ValueItem(name));
    if (!stored)
        return TValueRead::Missing;
    if (stored->empty())
        return type == 's' ? TValueRead::Missing : TValueRead::WrongType;
    // As in the registry, a value without data reads as the empty text, whatever its type.
    if (type == 's' && (*stored)[0] == 'b' && stored->size() == 1) {
        text.clear();
        return TValueRead::Ok;
    }
    if ((*stored)[0] != type)
        return TValueRead::WrongType;
    text = stored->substr(1);
    return TValueRead::Ok;
}

TValueRead TBrowserStore::ReadInteger(const std::string& name, uint32_t& value)
{
    std::string text;
    const TValueRead read = ReadTyped(name, 'i', text);
    if (read != TValueRead::Ok)
        return read;
    uint32_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size())
        return TValueRead::WrongType;
    value = parsed;
    return TValueRead::Ok;
}

TValueRead TBrowserStore::ReadString(const std::string& name, std::string& value)
{
    return ReadTyped(name, 's', value);
}

bool TBrowserStore::WriteInteger(const std::string& name, uint32_t value)
{
    return CurrentKey && Write(ValueItem(name), "i" + std::to_string(value));
}

bool TBrowserStore::WriteString(const std::string& name, const std::string& value)
{
    return CurrentKey && Write(ValueItem(name), "s" + value.substr(0, value.find('\0')));
}

bool TBrowserStore::BeginUpdate()
{
    if (!BrowserStorage::Usable())
        return false;
    Updating = true;
    Pending.clear();
    return true;
}

bool TBrowserStore::CommitUpdate()
{
    if (!Updating)
        return false;
    Updating = false;
    // All or nothing: a write the browser refuses (a full store) puts back what went before it.
    std::vector<std::pair<std::string, std::optional<std::string>>> before;
    for (const auto& [item, stored] : Pending) {
        before.emplace_back(item, BrowserStorage::Get(item));
        if (!BrowserStorage::Set(item, stored)) {
            for (auto undo = before.rbegin(); undo != before.rend(); ++undo) {
                if (undo->second)
                    BrowserStorage::Set(undo->first, *undo->second);
                else
                    BrowserStorage::Remove(undo->first);
            }
            Pending.clear();
            return false;
        }
    }
    Pending.clear();
    return true;
}

void TBrowserStore::CancelUpdate()
{
    Updating = false;
    Pending.clear();
}

std::unique_ptr<TKeyValueStore> OpenUserStore()
{
    return std::make_unique<TBrowserStore>();
}

// Nothing to open ahead: the browser's storage is there with the page.
void PrepareUserStore() {}
