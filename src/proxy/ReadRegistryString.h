#pragma once

#include <string>

namespace kavelin::proxy {

// Reads the text value `valueName` of `keyPath` below HKEY_LOCAL_MACHINE, or the key's default
// value when that one cannot be read. Each read takes at most 260 bytes; a longer value, or one
// that is not text, counts as unreadable. True when a value was read into `output`; false when
// the key is missing (output unchanged) or neither value could be read (output emptied).
bool ReadRegistryString(const std::string& keyPath, const std::string& valueName,
                        std::string& output);

} // namespace kavelin::proxy
