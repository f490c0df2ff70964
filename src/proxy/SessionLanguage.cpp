#include "proxy/SessionLanguage.h"

#include <algorithm>

#include "os/kernel/UserName.h"
#include "os/registry/Registry.h"

namespace kavelin::proxy {

namespace {
constexpr char kLanguageKey[] = "SOFTWARE\\Orvanta\\Plotara\\Lang";
// Each value is read into a buffer of this many bytes; a longer one cannot be read.
constexpr size_t kValueBufferBytes = 260;
// The user name is read into a buffer of this many characters, its terminating zero included;
// a longer name cannot be read and counts as none.
constexpr size_t kUserNameBufferCharacters = 100;

std::string UserNameForLookup() {
    std::string name = os::CurrentUserName();
    if (name.size() >= kUserNameBufferCharacters)
        name.clear();
    return name;
}

// Narrow text is UTF-8: only ASCII letters change, so multibyte sequences stay intact.
char UpperCaseAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

std::string WithUpperCaseRegion(std::string_view value) {
    const size_t dash = value.find('-');
    const std::string_view language =
        dash == std::string_view::npos ? value : value.substr(0, dash);
    const std::string_view region = dash == std::string_view::npos ? value : value.substr(dash + 1);
    std::string result(language);
    result += '-';
    std::transform(region.begin(), region.end(), std::back_inserter(result), UpperCaseAscii);
    return result;
}

std::optional<std::string> ConfiguredSessionLanguage() {
    // The user's own value, else the key's default value.
    std::optional<std::string> value =
        os::ReadRegistryString(kLanguageKey, UserNameForLookup(), kValueBufferBytes);
    if (!value)
        value = os::ReadRegistryString(kLanguageKey, "", kValueBufferBytes);
    if (!value)
        return std::nullopt;
    return WithUpperCaseRegion(*value);
}

} // namespace kavelin::proxy
