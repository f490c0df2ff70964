#include "proxy/ReadRegistryString.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "os/registry/Registry.h"

namespace kavelin::proxy {

namespace {
constexpr uint32_t kValueBufferBytes = 260;

// Reads one value; the text ends at its first zero byte or at the end of what was read.
bool QueryText(const os::RegistryKey& key, const std::string& valueName, std::string& text) {
    uint8_t buffer[kValueBufferBytes];
    uint32_t type = os::RegNone;
    uint32_t size = kValueBufferBytes;
    if (key.QueryValue(valueName, &type, buffer, &size) != os::kErrorSuccess)
        return false;
    if (type != os::RegSz && type != os::RegExpandSz)
        return false;
    const char* characters = reinterpret_cast<const char*>(buffer);
    text.assign(characters, strnlen(characters, size));
    return true;
}
} // namespace

bool ReadRegistryString(const std::string& keyPath, const std::string& valueName,
                        std::string& output) {
    const std::optional<os::RegistryKey> key = os::RegistryKey::OpenLocalMachine(keyPath);
    if (!key)
        return false;
    std::string text;
    if (QueryText(*key, valueName, text) || QueryText(*key, std::string(), text)) {
        output = text;
        return true;
    }
    output.clear();
    return false;
}

} // namespace kavelin::proxy
