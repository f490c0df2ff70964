#pragma once

#include <string>
#include <string_view>

namespace kavelin::cli {

// `message` with every control character but TAB, LF and the CR of a CR LF made visible, so
// that what a device sent shows line by line as it came, yet cannot drive a terminal.
std::string TerminalText(std::string_view message);

// What goes to standard output: unchanged for a file or a pipe, where scripts want the
// device's bytes as sent; TerminalText when a person reads it on a terminal.
std::string ForStandardOutput(std::string text);

} // namespace kavelin::cli
