#pragma once

#include "os/registry/Registry.h"

#include <string>
#include <string_view>
#include <vector>

// Turns the text of a ".reg" file into the edits it describes, in file order. Only sections
// under HKEY_LOCAL_MACHINE are kept. Lines that do not parse are skipped: a damaged file
// loses only its damaged lines.
namespace kavelin::os {

struct RegFileEdit {
    enum Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind = CreateKey;
    // Below HKEY_LOCAL_MACHINE, without leading or trailing backslashes.
    std::string keyPath;
    // Empty for the default value.
    std::string valueName;
    RegistryValue value;
};

// Accepts UTF-8 text (with or without a byte-order mark) and UTF-16LE text with its mark,
// the form the Windows registry editor writes.
std::vector<RegFileEdit> ParseRegFile(std::string_view fileBytes);

// Case-insensitive comparison of key and value names (ASCII letters, as the hive folds them).
bool RegistryNamesEqual(std::string_view a, std::string_view b);

} // namespace kavelin::os
