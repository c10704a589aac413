#ifdef _WIN32

#include "storage/WindowsRegistryStore.h"

#include <algorithm>

#include "storage/WindowsText.h"

namespace {

// The registry refuses empty key names: "Software\\tesuli\\" is the key "Software\\tesuli".
std::string JoinedKeyPath(const std::string& first, const std::string& second)
{
    std::string joined;
    std::string name;
    for (const char c : first + "\\" + second) {
        if (c != '\\') {
            name += c;
        } else if (!name.empty()) {
            joined += (joined.empty() ? "" : "\\") + name;
            name.clear();
        }
    }
    return name.empty() ? joined : joined + (joined.empty() ? "" : "\\") + name;
}

struct TQueried {
    LSTATUS Status = ERROR_FILE_NOT_FOUND;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;
};

TQueried Query(HKEY key, const std::wstring& name)
{
    TQueried queried;
    DWORD size = 0;
    queried.Status = RegQueryValueExW(key, name.c_str(), nullptr, &queried.Type, nullptr, &size);
    while (queried.Status == ERROR_SUCCESS || queried.Status == ERROR_MORE_DATA) {
        queried.Data.resize(size);
        queried.Status = RegQueryValueExW(key, name.c_str(), nullptr, &queried.Type, queried.Data.data(), &size);
        if (queried.Status == ERROR_SUCCESS) {
            queried.Data.resize(size);
            break;
        }
    }
    return queried;
}

std::wstring MutexName(const std::string& baseKey)
{
    std::wstring name = L"Local\\tesuli-registry-update" + Wide(baseKey);
    std::replace(name.begin() + 6, name.end(), L'\\', L'/');
    return name;
}

} // namespace

std::unique_ptr<TKeyValueStore> OpenUserStore()
{
    return std::make_unique<TWindowsRegistryStore>();
}

void PrepareUserStore()
{
    // Each access opens its keys as it goes: there is nothing to open ahead.
}

TWindowsRegistryStore::TWindowsRegistryStore(std::string baseKey)
    : BaseKey(std::move(baseKey))
{
}

TWindowsRegistryStore::~TWindowsRegistryStore()
{
    CancelUpdate();
    CloseKey();
    if (UpdateMutex)
        CloseHandle(UpdateMutex);
}

std::wstring TWindowsRegistryStore::FullPath(const std::string& path) const
{
    return Wide(JoinedKeyPath(BaseKey, path));
}

bool TWindowsRegistryStore::OpenKey(const std::string& path)
{
    CloseKey();
    const std::wstring full = FullPath(path);
    if (RegCreateKeyExW(HKEY_CURRENT_USER, full.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &Current, nullptr) != ERROR_SUCCESS) {
        Current = nullptr;
        return false;
    }
    CurrentPath = full;
    return true;
}

bool TWindowsRegistryStore::KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, FullPath(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::vector<std::string> TWindowsRegistryStore::ValueNames()
{
    std::vector<std::string> names;
    DWORD count = 0;
    DWORD longest = 0;
    if (!Current || RegQueryInfoKeyW(Current, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longest,
                                     nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::wstring name(longest + 1, L'\0');
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = longest + 1;
        if (RegEnumValueW(Current, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            names.push_back(Utf8(name.substr(0, length)));
    }
    return names;
}

TValueRead TWindowsRegistryStore::ReadInteger(const std::string& name, uint32_t& value)
{
    if (!Current)
        return TValueRead::Missing;
    const TQueried queried = Query(Current, Wide(name));
    if (queried.Status != ERROR_SUCCESS)
        return TValueRead::Missing;
    if (queried.Type != REG_DWORD || queried.Data.size() != sizeof(DWORD))
        return TValueRead::WrongType;
    DWORD stored = 0;
    std::copy(queried.Data.begin(), queried.Data.end(), reinterpret_cast<BYTE*>(&stored));
    value = stored;
    return TValueRead::Ok;
}

TValueRead TWindowsRegistryStore::ReadString(const std::string& name, std::string& value)
{
    if (!Current)
        return TValueRead::Missing;
    const TQueried queried = Query(Current, Wide(name));
    if (queried.Status != ERROR_SUCCESS)
        return TValueRead::Missing;
    // A value without data reads as the empty text, whatever its type.
    if (queried.Data.empty()) {
        value.clear();
        return TValueRead::Ok;
    }
    if (queried.Type != REG_SZ && queried.Type != REG_EXPAND_SZ)
        return TValueRead::WrongType;
    std::wstring text(queried.Data.size() / sizeof(wchar_t), L'\0');
    std::copy(queried.Data.begin(), queried.Data.begin() + static_cast<std::ptrdiff_t>(text.size() * sizeof(wchar_t)),
              reinterpret_cast<BYTE*>(text.data()));
    value = Utf8(text.substr(0, text.find(L'\0')));
    return TValueRead::Ok;
}

bool TWindowsRegistryStore::Write(const std::string& name, DWORD type, const BYTE* data, DWORD size)
{
    if (!Current)
        return false;
    const std::wstring wideName = Wide(name);
    const bool savedBefore = std::any_of(Saved.begin(), Saved.end(), [&](const TSavedValue& saved) {
        return saved.KeyPath == CurrentPath && saved.Name == wideName;
    });
    if (Updating && !savedBefore) {
        TQueried old = Query(Current, wideName);
        Saved.push_back({CurrentPath, wideName, old.Status == ERROR_SUCCESS, old.Type, std::move(old.Data)});
    }
    return RegSetValueExW(Current, wideName.c_str(), 0, type, data, size) == ERROR_SUCCESS;
}

bool TWindowsRegistryStore::WriteInteger(const std::string& name, uint32_t value)
{
    const DWORD stored = value;
    return Write(name, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
}

bool TWindowsRegistryStore::WriteString(const std::string& name, const std::string& value)
{
    // Up to the first NUL, with the terminating NUL.
    const std::wstring text = Wide(value.c_str());
    return Write(name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void TWindowsRegistryStore::CloseKey()
{
    if (Current)
        RegCloseKey(Current);
    Current = nullptr;
    CurrentPath.clear();
}

bool TWindowsRegistryStore::BeginUpdate()
{
    if (!UpdateMutex)
        UpdateMutex = CreateMutexW(nullptr, FALSE, MutexName(BaseKey).c_str());
    if (!UpdateMutex)
        return false;
    // An abandoned mutex is ours: its last owner ended without releasing it.
    const DWORD waited = WaitForSingleObject(UpdateMutex, StoreLockWaitMs);
    Updating = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    GaveUpWaiting = GaveUpWaiting || waited == WAIT_TIMEOUT;
    return Updating;
}

bool TWindowsRegistryStore::CommitUpdate()
{
    if (!Updating)
        return false;
    Saved.clear();
    EndUpdate();
    return true;
}

void TWindowsRegistryStore::CancelUpdate()
{
    if (!Updating)
        return;
    for (auto saved = Saved.rbegin(); saved != Saved.rend(); ++saved) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, saved->KeyPath.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            continue;
        if (saved->Existed)
            RegSetValueExW(key, saved->Name.c_str(), 0, saved->Type, saved->Data.data(),
                           static_cast<DWORD>(saved->Data.size()));
        else
            RegDeleteValueW(key, saved->Name.c_str());
        RegCloseKey(key);
    }
    Saved.clear();
    EndUpdate();
}

void TWindowsRegistryStore::EndUpdate()
{
    Updating = false;
    ReleaseMutex(UpdateMutex);
}

#endif
