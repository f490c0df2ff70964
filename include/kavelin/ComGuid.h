#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

#if defined(_WIN32)
// The platform's own GUID and its comparisons.
#include <guiddef.h>
#else
// Globally unique identifiers of COM classes and interfaces, in the Windows layout.
struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

constexpr bool operator==(REFGUID left, REFGUID right) {
    if (left.Data1 != right.Data1 || left.Data2 != right.Data2 || left.Data3 != right.Data3)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (left.Data4[i] != right.Data4[i])
            return false;
    }
    return true;
}

inline bool IsEqualGUID(REFGUID left, REFGUID right) {
    return left == right;
}
inline bool IsEqualIID(REFIID left, REFIID right) {
    return left == right;
}
inline bool IsEqualCLSID(REFCLSID left, REFCLSID right) {
    return left == right;
}
#endif

namespace kavelin {

namespace guid_detail {
constexpr int HexDigit(char32_t c) {
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A' + 10);
    return -1;
}

// Reads `digits` hex digits starting at text[at]; false on any other character.
template <typename Char>
constexpr bool ReadHex(std::basic_string_view<Char> text, size_t at, int digits, uint32_t& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        const int value = HexDigit(static_cast<char32_t>(text[at + static_cast<size_t>(i)]));
        if (value < 0)
            return false;
        out = (out << 4) | static_cast<uint32_t>(value);
    }
    return true;
}
} // namespace guid_detail

// Parses the registry form "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" (hex digits in either
// case). Anything else, braces and dashes included, is refused and leaves `out` unchanged.
template <typename Char> constexpr bool ParseGuid(std::basic_string_view<Char> text, GUID& out) {
    using guid_detail::ReadHex;
    if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-')
        return false;
    GUID parsed{};
    uint32_t part = 0;
    if (!ReadHex(text, 1, 8, part))
        return false;
    parsed.Data1 = part;
    if (!ReadHex(text, 10, 4, part))
        return false;
    parsed.Data2 = static_cast<uint16_t>(part);
    if (!ReadHex(text, 15, 4, part))
        return false;
    parsed.Data3 = static_cast<uint16_t>(part);
    // The fourth group holds the first two bytes of Data4, the fifth the remaining six.
    constexpr size_t kByteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kByteAt[i], 2, part))
            return false;
        parsed.Data4[i] = static_cast<uint8_t>(part);
    }
    out = parsed;
    return true;
}

constexpr bool ParseGuid(std::string_view text, GUID& out) {
    return ParseGuid<char>(text, out);
}
constexpr bool ParseGuid(std::u16string_view text, GUID& out) {
    return ParseGuid<char16_t>(text, out);
}

// For identifier constants: a malformed text fails the build.
consteval GUID MakeGuid(std::string_view text) {
    GUID guid{};
    if (!ParseGuid(text, guid))
        throw std::invalid_argument("malformed GUID text");
    return guid;
}

} // namespace kavelin
