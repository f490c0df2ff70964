#include "os/Registry.h"

#include "os/RegFileParser.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace os {
namespace {

constexpr const char* kDefaultRegistryFile = "/etc/kavelin/registry.reg";

std::vector<std::string> RegistryFiles() {
    const char* list = std::getenv("KAVELIN_REGISTRY");
    if (list == nullptr || *list == '\0')
        return {kDefaultRegistryFile};
    std::vector<std::string> files;
    std::string_view rest = list;
    while (true) {
        const auto colon = rest.find(':');
        const auto file = rest.substr(0, colon);
        if (!file.empty())
            files.emplace_back(file);
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    return files;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string_view TrimBackslashes(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

// True when `key` is `ancestor` or lies below it.
bool IsAtOrBelow(std::string_view key, std::string_view ancestor) {
    if (key.size() < ancestor.size() ||
        !RegistryNamesEqual(key.substr(0, ancestor.size()), ancestor))
        return false;
    return key.size() == ancestor.size() || key[ancestor.size()] == '\\';
}

} // namespace

// Replays every file's edits against the one key asked for: later files and later lines win,
// and a section for a subkey makes its parents exist, as it does in the hive.
std::optional<RegistryKey> RegistryKey::OpenLocalMachine(std::string_view path) {
    const auto wanted = TrimBackslashes(path);
    bool exists = false;
    RegistryKey key;
    for (const auto& file : RegistryFiles()) {
        for (const auto& edit : ParseRegFile(FileBytes(file))) {
            switch (edit.kind) {
            case RegFileEdit::CreateKey:
                exists = exists || IsAtOrBelow(edit.keyPath, wanted);
                break;
            case RegFileEdit::DeleteKey:
                if (IsAtOrBelow(wanted, edit.keyPath)) {
                    exists = false;
                    key.mValues.clear();
                }
                break;
            case RegFileEdit::SetValue:
            case RegFileEdit::DeleteValue:
                if (!RegistryNamesEqual(edit.keyPath, wanted))
                    break;
                std::erase_if(key.mValues, [&](const auto& entry) {
                    return RegistryNamesEqual(entry.first, edit.valueName);
                });
                if (edit.kind == RegFileEdit::SetValue)
                    key.mValues.emplace_back(edit.valueName, edit.value);
                break;
            }
        }
    }
    if (!exists)
        return std::nullopt;
    return key;
}

std::optional<RegistryValue> RegistryKey::Value(std::string_view name) const {
    for (const auto& [valueName, value] : mValues)
        if (RegistryNamesEqual(valueName, name))
            return value;
    return std::nullopt;
}

long RegistryKey::QueryValue(std::string_view name, uint32_t* type, uint8_t* data,
                             uint32_t* size) const {
    if (data != nullptr && size == nullptr)
        return kErrorInvalidParameter;
    const auto value = Value(name);
    if (!value)
        return kErrorFileNotFound;
    if (type != nullptr)
        *type = value->type;
    if (size == nullptr)
        return kErrorSuccess;
    const auto needed = static_cast<uint32_t>(value->data.size());
    const bool fits = needed <= *size;
    *size = needed;
    if (data == nullptr)
        return kErrorSuccess;
    if (!fits)
        return kErrorMoreData;
    if (needed != 0)
        std::memcpy(data, value->data.data(), needed);
    return kErrorSuccess;
}

std::optional<std::string> ReadRegistryString(std::string_view keyPath, std::string_view name) {
    const auto key = RegistryKey::OpenLocalMachine(keyPath);
    if (!key)
        return std::nullopt;
    const auto value = key->Value(name);
    if (!value || (value->type != RegSz && value->type != RegExpandSz))
        return std::nullopt;
    const auto& bytes = value->data;
    std::string text(bytes.begin(), bytes.end());
    return text.substr(0, text.find('\0'));
}

} // namespace os
