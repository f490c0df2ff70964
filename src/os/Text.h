#pragma once

#include <string>
#include <string_view>

// Narrow strings are UTF-8 (this platform's process code page); wide strings are UTF-16.
// Every narrow/wide conversion of the library goes through these two functions. Malformed
// input never fails: each bad sequence becomes U+FFFD (wide) or its UTF-8 form (narrow).
namespace os {

std::u16string Utf8ToUtf16(std::string_view narrow);
std::string Utf16ToUtf8(std::u16string_view wide);

// The same conversion into a caller's buffer, for code that must not allocate (the log).
// Writes whole characters only, at most `size` bytes, no terminator; the bytes written.
size_t Utf16ToUtf8(std::u16string_view wide, char* out, size_t size);

} // namespace os
