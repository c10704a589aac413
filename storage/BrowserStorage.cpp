#include "storage/BrowserStore.h"

#include <emscripten.h>

#include <cstdlib>

// Every access catches what the browser throws: storage disabled by the player or the page's
// settings throws on any touch, a full one on a write.
EM_JS(int, tesuli_storage_usable, (), {
    try { const s = window.localStorage; s.getItem("tesuli:"); return 1; } catch (e) { return 0; }
});
EM_JS(char*, tesuli_storage_get, (const char* item), {
    let value = null;
    try { value = window.localStorage.getItem(UTF8ToString(item)); } catch (e) { value = null; }
    if (value === null) return 0;
    const size = lengthBytesUTF8(value) + 1;
    const text = _malloc(size);
    stringToUTF8(value, text, size);
    return text;
});
EM_JS(int, tesuli_storage_set, (const char* item, const char* value), {
    try { window.localStorage.setItem(UTF8ToString(item), UTF8ToString(value)); return 1; } catch (e) { return 0; }
});
EM_JS(void, tesuli_storage_remove, (const char* item), {
    try { window.localStorage.removeItem(UTF8ToString(item)); } catch (e) {}
});
EM_JS(char*, tesuli_storage_names, (const char* prefix), {
    const start = UTF8ToString(prefix);
    let names = [];
    try {
        const s = window.localStorage;
        for (let i = 0; i < s.length; ++i) { const name = s.key(i); if (name.startsWith(start)) names.push(name); }
    } catch (e) { names = []; }
    const all = names.join("\n");
    const size = lengthBytesUTF8(all) + 1;
    const text = _malloc(size);
    stringToUTF8(all, text, size);
    return text;
});

namespace BrowserStorage {

bool Usable()
{
    return tesuli_storage_usable() != 0;
}

std::optional<std::string> Get(const std::string& item)
{
    char* text = tesuli_storage_get(item.c_str());
    if (!text)
        return std::nullopt;
    std::string value(text);
    std::free(text);
    return value;
}

bool Set(const std::string& item, const std::string& value)
{
    return tesuli_storage_set(item.c_str(), value.c_str()) != 0;
}

void Remove(const std::string& item)
{
    tesuli_storage_remove(item.c_str());
}

std::vector<std::string> Names(const std::string& prefix)
{
    char* text = tesuli_storage_names(prefix.c_str());
    std::string all(text);
    std::free(text);
    std::vector<std::string> names;
    for (size_t start = 0; !all.empty() && start <= all.size();) {
        const size_t end = std::min(all.find('\n', start), all.size());
        names.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

}  // namespace BrowserStorage
