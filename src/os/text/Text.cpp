#include "os/text/Text.h"

namespace kavelin::os {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The UTF-8 form of `cp` into `out` (room for 4); its length.
size_t EncodeUtf8(char32_t cp, char* out) {
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (cp >> 12));
        out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

// The code point starting at wide[i], advancing `i` past a surrogate pair; an unpaired
// surrogate is U+FFFD.
char32_t DecodeUtf16(std::u16string_view wide, size_t& i) {
    char32_t cp = wide[i++];
    if (cp >= 0xD800 && cp <= 0xDBFF && i < wide.size() && wide[i] >= 0xDC00 && wide[i] <= 0xDFFF)
        return 0x10000 + ((cp - 0xD800) << 10) + (wide[i++] - 0xDC00);
    if (cp >= 0xD800 && cp <= 0xDFFF)
        return kReplacement;
    return cp;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Decodes one code point at `i`, advancing `i` past it. A malformed sequence (overlong,
// surrogate, out of range, truncated) consumes its maximal valid prefix and yields U+FFFD,
// so that one bad byte never swallows the good text after it.
char32_t DecodeUtf8(std::string_view s, size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80)
        return lead;
    size_t length = 0;
    char32_t cp = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        cp = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return kReplacement;
    }
    for (size_t k = 0; k < length; ++k) {
        if (i >= s.size())
            return kReplacement;
        const auto c = static_cast<unsigned char>(s[i]);
        if (k == 0 ? (c < low || c > high) : !IsContinuation(c))
            return kReplacement;
        cp = (cp << 6) | (c & 0x3F);
        ++i;
    }
    return cp;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view narrow) {
    std::u16string out;
    out.reserve(narrow.size());
    for (size_t i = 0; i < narrow.size();)
        AppendUtf16(out, DecodeUtf8(narrow, i));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view wide) {
    std::string out;
    out.reserve(wide.size());
    char encoded[4];
    for (size_t i = 0; i < wide.size();)
        out.append(encoded, EncodeUtf8(DecodeUtf16(wide, i), encoded));
    return out;
}

size_t Utf16ToUtf8(std::u16string_view wide, char* out, size_t size) {
    size_t written = 0;
    char encoded[4];
    for (size_t i = 0; i < wide.size();) {
        const size_t length = EncodeUtf8(DecodeUtf16(wide, i), encoded);
        if (written + length > size)
            break;
        for (size_t k = 0; k < length; ++k)
            out[written++] = encoded[k];
    }
    return written;
}

} // namespace kavelin::os
