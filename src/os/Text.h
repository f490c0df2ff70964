#pragma once

#include <string>
#include <string_view>

// Narrow strings are UTF-8 (this platform's process code page); wide strings are UTF-16.
// Every narrow/wide conversion of the library goes through these two functions. Malformed
// input never fails: each bad sequence becomes U+FFFD (wide) or its UTF-8 form (narrow).
namespace os {

std::u16string Utf8ToUtf16(std::string_view narrow);
std::string Utf16ToUtf8(std::u16string_view wide);

} // namespace os
