#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A read-only stand-in for the HKEY_LOCAL_MACHINE hive, read from Windows ".reg" text files:
// $KAVELIN_REGISTRY (colon-separated, later files override earlier ones), else
// /etc/kavelin/registry.reg. Opening a key looks at every file again (one stat each) and
// reads those that changed, so a change applies to the next open. Only regular files of at
// most 4 MiB count; anything else is no file. Key and value names compare without regard to
// case.
namespace kavelin::os {

// Windows registry value types, with their Windows numbers.
enum RegistryType : uint32_t {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
    RegMultiSz = 7,
};

// Results as the Windows registry functions give them.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorMoreData = 234;

struct RegistryValue {
    RegistryType type = RegNone;
    // The stored bytes as Windows keeps them: REG_SZ text with its terminating zero,
    // REG_DWORD four little-endian bytes.
    std::vector<uint8_t> data;
};

class RegistryKey {
public:
    // Opens a key below HKEY_LOCAL_MACHINE, e.g. "SOFTWARE\\Orvanta\\Plotara". Empty when
    // the key does not exist in any registry file.
    static std::optional<RegistryKey> OpenLocalMachine(std::string_view path);

    // The value named `name`; an empty name is the key's default value ("@").
    std::optional<RegistryValue> Value(std::string_view name) const;
    // The text of a REG_SZ or REG_EXPAND_SZ value, up to its first zero byte; none past
    // `bufferBytes` stored bytes (see ReadRegistryString).
    std::optional<std::string> Text(std::string_view name, size_t bufferBytes = SIZE_MAX) const;

    // RegQueryValueExA semantics: copies at most *size bytes into data (may be null),
    // sets *type and *size; kErrorMoreData when the buffer is too small,
    // kErrorFileNotFound when the value does not exist, kErrorInvalidParameter for data
    // without a size.
    long QueryValue(std::string_view name, uint32_t* type, uint8_t* data, uint32_t* size) const;

private:
    // Name and value in the order the files set them; names are unique without regard to case.
    std::vector<std::pair<std::string, RegistryValue>> mValues;
};

// The text of a REG_SZ or REG_EXPAND_SZ value, up to its first zero byte; none when the key or
// the value is missing or the value is not text. `bufferBytes` is the room a caller's buffer
// gives the query: a value of more stored bytes cannot be read.
std::optional<std::string> ReadRegistryString(std::string_view keyPath, std::string_view name,
                                              size_t bufferBytes = SIZE_MAX);

} // namespace kavelin::os
