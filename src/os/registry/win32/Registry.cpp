#include "os/registry/Registry.h"

#include <windows.h>

namespace kavelin::os {

namespace {

// Registry value names are at most 16,383 characters; data is read in one call per value
// after its size is known.
constexpr DWORD kLongestValueName = 16384;

// Every value of an open key, in the order the registry enumerates them.
std::vector<std::pair<std::string, RegistryValue>> ValuesOf(HKEY key) {
    std::vector<std::pair<std::string, RegistryValue>> values;
    std::string name(kLongestValueName, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = kLongestValueName;
        DWORD type = 0;
        DWORD dataSize = 0;
        LONG status =
            RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type, nullptr, &dataSize);
        if (status != ERROR_SUCCESS)
            break;
        RegistryValue value;
        value.type = static_cast<RegistryType>(type);
        value.data.resize(dataSize);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &dataSize);
        // A value changed between the two calls is read as it now is, or skipped.
        if (status != ERROR_SUCCESS)
            continue;
        value.data.resize(dataSize);
        values.emplace_back(std::string(name.c_str(), nameSize), std::move(value));
    }
    return values;
}

} // namespace

std::optional<RegistryKey> RegistryKey::OpenLocalMachine(std::string_view path) {
    const std::string subkey(path);
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryKey key;
    key.mValues = ValuesOf(opened);
    RegCloseKey(opened);
    return key;
}

} // namespace kavelin::os
