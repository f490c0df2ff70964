#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavelin::proxy {

// "language-region" with the region upper-cased: "en-us" gives "en-US". A value without "-"
// stands for both parts ("fr" gives "fr-FR"), so an empty value gives "-".
std::string WithUpperCaseRegion(std::string_view value);

// The language configured for the current user under "SOFTWARE\Orvanta\Plotara\Lang" (the
// key's default value when the user has none), region upper-cased; none when unreadable.
std::optional<std::string> ConfiguredSessionLanguage();

} // namespace kavelin::proxy
