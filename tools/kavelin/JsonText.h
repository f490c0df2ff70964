#pragma once

#include <string>
#include <string_view>

namespace kavelin::cli {

// `text` as a JSON string, quotes included: what JSON requires escaped, and DEL and the C1
// controls besides (U+0080 to U+009F, two bytes in UTF-8), which a terminal would act on.
std::string JsonString(std::string_view text);

} // namespace kavelin::cli
