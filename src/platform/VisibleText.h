#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text that came from outside (a device's answers and Faults, an event delivery) on its way to
// a log, a terminal or an exception's cause: every control character becomes a visible escape,
// so that such text can neither drive a terminal nor start a line of its own.
namespace kavelin::platform {

// What follows a text cut at its limit.
inline constexpr char kCutMark[] = "\xE2\x80\xA6"; // U+2026, the horizontal ellipsis

// A cause or a delivered value is kept to about this many bytes.
inline constexpr std::size_t kVisibleTextLimit = 1024;

// `text` with C0 controls other than TAB, DEL and the C1 controls (U+0080 to U+009F in
// UTF-8) written as "\r", "\n" or "\xNN" (C1 as "\u0080"). With a `limit`, the result is cut
// to at most `limit` bytes before the cut mark, never inside an escape or a UTF-8 sequence.
std::string VisibleText(std::string_view text, std::size_t limit = std::string::npos);

} // namespace kavelin::platform
