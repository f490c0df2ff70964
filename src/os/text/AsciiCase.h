#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// ASCII case folding, as the platform compares its names (registry keys and values, ProgIDs,
// URL schemes, log destinations): letters outside ASCII and the process's locale play no part.
namespace kavelin::os {

template <typename Char> constexpr Char AsciiLower(Char c) {
    return (c >= Char('A') && c <= Char('Z')) ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <typename Char>
bool EqualsIgnoringAsciiCase(std::basic_string_view<Char> left,
                             std::basic_string_view<Char> right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](Char a, Char b) { return AsciiLower(a) == AsciiLower(b); });
}

inline bool EqualsIgnoringAsciiCase(std::string_view left, std::string_view right) {
    return EqualsIgnoringAsciiCase<char>(left, right);
}

inline bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

inline std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), AsciiLower<char>);
    return lowered;
}

} // namespace kavelin::os
