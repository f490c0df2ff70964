#pragma once

#include <string_view>

namespace kavelin::cli {

// Whether the device's answer to an XPath 1.0 expression is nodes (a location path, a union,
// a filtered or parenthesised node set, id()) rather than the text of a string, number or
// boolean (string(), concat(), count(), a comparison, a literal). An answer of text has no
// markup to split, so it is printed as it came. Read from the expression alone, at its top
// level; an unknown function or a variable counts as text, which is never changed.
bool AnswerIsNodes(std::string_view expression);

} // namespace kavelin::cli
