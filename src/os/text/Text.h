#pragma once

#include <string>
#include <string_view>

// Wide strings are UTF-16. UTF-8 text (documents the stand-ins parse, registry files) converts
// with the Utf8 functions; malformed input never fails: each bad sequence becomes U+FFFD (wide)
// or its UTF-8 form (narrow).
namespace kavelin::os {

std::u16string Utf8ToUtf16(std::string_view narrow);
std::string Utf16ToUtf8(std::u16string_view wide);

// The same conversion into a caller's buffer, for code that must not allocate (the log).
// Writes whole characters only, at most `size` bytes, no terminator; the bytes written.
size_t Utf16ToUtf8(std::u16string_view wide, char* out, size_t size);

// The platform's narrow text, that of hosts and of the COM string conversions: UTF-8 here,
// the ANSI code page on Windows (the thread's for BSTR conversions, the system's for the
// wide buffer's narrow form).
enum class NarrowCodePage { Thread, System };
std::u16string NarrowToWide(std::string_view narrow, NarrowCodePage page = NarrowCodePage::Thread);
std::string WideToNarrow(std::u16string_view wide, NarrowCodePage page = NarrowCodePage::Thread);

} // namespace kavelin::os
