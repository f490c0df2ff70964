#include "os/registry/Registry.h"

#include "os/registry/RegFileParser.h"

#include <cstring>

// Reading the values of an opened key, the same whichever store the key came from.
namespace kavelin::os {

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

std::optional<std::string> RegistryKey::Text(std::string_view name, size_t bufferBytes) const {
    const auto value = Value(name);
    if (!value || (value->type != RegSz && value->type != RegExpandSz) ||
        value->data.size() > bufferBytes)
        return std::nullopt;
    const auto& bytes = value->data;
    std::string text(bytes.begin(), bytes.end());
    return text.substr(0, text.find('\0'));
}

std::optional<std::string> ReadRegistryString(std::string_view keyPath, std::string_view name,
                                              size_t bufferBytes) {
    const auto key = RegistryKey::OpenLocalMachine(keyPath);
    if (!key)
        return std::nullopt;
    return key->Text(name, bufferBytes);
}

} // namespace kavelin::os
