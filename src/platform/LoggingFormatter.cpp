#include "platform/LoggingFormatter.h"

#include "os/text/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace kavelin::logging_detail {
namespace {

// No conversion ever produces more than a whole line, so wider widths mean nothing.
constexpr long kMaxField = 1152;

struct Conversion {
    char flags[8] = {};
    size_t flagCount = 0;
    long width = -1;
    long precision = -1;
    char length[3] = {};
    char type = '\0';
    bool leftAlign = false;
    bool bare = false; // no flags, width or precision
};

bool IsFlag(char c) {
    return std::strchr("-+ #0'", c) != nullptr && c != '\0';
}

long ReadNumber(const char* format, size_t end, size_t& pos) {
    long value = 0;
    while (pos < end && format[pos] >= '0' && format[pos] <= '9') {
        if (value < kMaxField)
            value = value * 10 + (format[pos] - '0');
        ++pos;
    }
    return value < kMaxField ? value : kMaxField;
}

long Clamp(long value) {
    return value < kMaxField ? value : kMaxField;
}

// Parses the conversion after a '%' at format[pos - 1]. `args` is consumed for '*' fields.
// False when the text ends before the conversion's type.
bool ParseConversion(const char* format, size_t end, size_t& pos, Conversion& conversion,
                     va_list& args, bool consumeArguments) {
    while (pos < end && IsFlag(format[pos])) {
        if (format[pos] == '-')
            conversion.leftAlign = true;
        if (conversion.flagCount + 1 < sizeof(conversion.flags))
            conversion.flags[conversion.flagCount++] = format[pos];
        ++pos;
    }
    if (pos < end && format[pos] == '*') {
        ++pos;
        long width = consumeArguments ? va_arg(args, int) : 0;
        if (width < 0) {
            conversion.leftAlign = true;
            width = -width;
        }
        conversion.width = Clamp(width);
    } else if (pos < end && format[pos] >= '0' && format[pos] <= '9') {
        conversion.width = ReadNumber(format, end, pos);
    }
    if (pos < end && format[pos] == '.') {
        ++pos;
        if (pos < end && format[pos] == '*') {
            ++pos;
            const long precision = consumeArguments ? va_arg(args, int) : 0;
            conversion.precision = precision < 0 ? -1 : Clamp(precision);
        } else {
            conversion.precision = ReadNumber(format, end, pos);
        }
    }
    size_t lengthCount = 0;
    while (pos < end && std::strchr("hlLqjzt", format[pos]) != nullptr && lengthCount < 2)
        conversion.length[lengthCount++] = format[pos++];
    if (pos >= end)
        return false;
    conversion.type = format[pos++];
    conversion.bare = conversion.flagCount == 0 && conversion.width < 0 &&
                      conversion.precision < 0 && lengthCount == 0;
    return true;
}

void AppendPadded(LineBuffer& out, const char* text, size_t length, const Conversion& conversion) {
    const size_t width = conversion.width > 0 ? static_cast<size_t>(conversion.width) : 0;
    const size_t padding = width > length ? width - length : 0;
    if (!conversion.leftAlign)
        out.Append(' ', padding);
    out.Append(text, length);
    if (conversion.leftAlign)
        out.Append(' ', padding);
}

void AppendNarrow(LineBuffer& out, const char* text, long limit, const Conversion& conversion) {
    if (text == nullptr)
        text = "(null)";
    const size_t length =
        limit >= 0 ? strnlen(text, static_cast<size_t>(limit)) : std::strlen(text);
    AppendPadded(out, text, length, conversion);
}

void AppendWide(LineBuffer& out, const char16_t* text, long limit, const Conversion& conversion) {
    if (text == nullptr) {
        AppendNarrow(out, nullptr, limit, conversion);
        return;
    }
    size_t units = 0;
    while (text[units] != u'\0' && (limit < 0 || units < static_cast<size_t>(limit)))
        ++units;
    // A limit that falls inside a surrogate pair drops the pair rather than break it.
    if (units > 0 && limit >= 0 && units == static_cast<size_t>(limit) &&
        text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF)
        --units;
    char converted[kMaxField];
    const size_t length = os::Utf16ToUtf8(std::u16string_view(text, units), converted,
                                          std::min(sizeof(converted), out.Remaining()));
    AppendPadded(out, converted, length, conversion);
}

// Rebuilds the conversion with '*' fields resolved, so the C library formats it.
void BuildSpec(const Conversion& conversion, char* spec, size_t size) {
    char width[24] = "";
    char precision[24] = "";
    if (conversion.width >= 0)
        std::snprintf(width, sizeof(width), "%s%ld", conversion.leftAlign ? "-" : "",
                      conversion.width);
    if (conversion.precision >= 0)
        std::snprintf(precision, sizeof(precision), ".%ld", conversion.precision);
    std::snprintf(spec, size, "%%%s%s%s%s%c", conversion.flags, width, precision, conversion.length,
                  conversion.type);
}

template <typename T> void AppendNumber(LineBuffer& out, const Conversion& conversion, T value) {
    char spec[48];
    BuildSpec(conversion, spec, sizeof(spec));
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int produced = std::snprintf(out.Cursor(), out.Remaining() + 1, spec, value);
#pragma GCC diagnostic pop
    if (produced > 0)
        out.Advance(std::min(static_cast<size_t>(produced), out.Remaining()));
}

bool Has(const Conversion& conversion, std::string_view length) {
    return std::string_view(conversion.length) == length;
}

void AppendInteger(LineBuffer& out, const Conversion& conversion, va_list& args) {
    const bool isSigned = conversion.type == 'd' || conversion.type == 'i';
    if (Has(conversion, "l")) {
        if (isSigned)
            AppendNumber(out, conversion, va_arg(args, long));
        else
            AppendNumber(out, conversion, va_arg(args, unsigned long));
    } else if (Has(conversion, "ll") || Has(conversion, "q")) {
        if (isSigned)
            AppendNumber(out, conversion, va_arg(args, long long));
        else
            AppendNumber(out, conversion, va_arg(args, unsigned long long));
    } else if (Has(conversion, "j")) {
        if (isSigned)
            AppendNumber(out, conversion, va_arg(args, intmax_t));
        else
            AppendNumber(out, conversion, va_arg(args, uintmax_t));
    } else if (Has(conversion, "z") || Has(conversion, "t")) {
        if (isSigned)
            AppendNumber(out, conversion, va_arg(args, std::make_signed_t<size_t>));
        else
            AppendNumber(out, conversion, va_arg(args, size_t));
    } else if (isSigned) {
        AppendNumber(out, conversion, va_arg(args, int));
    } else {
        AppendNumber(out, conversion, va_arg(args, unsigned int));
    }
}

// One conversion; false when its type is unknown (the caller then copies it as text).
bool AppendConversion(LineBuffer& out, const Conversion& conversion, long stringLimit,
                      va_list& args) {
    const bool wide = conversion.type == 'S' || conversion.type == 'C' ||
                      (Has(conversion, "l") && (conversion.type == 's' || conversion.type == 'c'));
    const long limit = conversion.precision >= 0 ? conversion.precision
                       : conversion.bare         ? stringLimit
                                                 : -1;
    switch (conversion.type) {
    case '%':
        out.Append('%');
        return true;
    case 's':
    case 'S':
        if (wide)
            AppendWide(out, va_arg(args, const char16_t*), limit, conversion);
        else
            AppendNarrow(out, va_arg(args, const char*), limit, conversion);
        return true;
    case 'c':
    case 'C':
        if (wide) {
            const char16_t unit[2] = {static_cast<char16_t>(va_arg(args, int)), u'\0'};
            AppendWide(out, unit, -1, conversion);
        } else {
            const char c = static_cast<char>(va_arg(args, int));
            AppendPadded(out, &c, 1, conversion);
        }
        return true;
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 'X':
        AppendInteger(out, conversion, args);
        return true;
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        if (Has(conversion, "L"))
            AppendNumber(out, conversion, va_arg(args, long double));
        else
            AppendNumber(out, conversion, va_arg(args, double));
        return true;
    case 'p':
        AppendNumber(out, conversion, va_arg(args, void*));
        return true;
    case 'n':
        // A log line never writes through its arguments.
        va_arg(args, void*);
        return true;
    default:
        return false;
    }
}

} // namespace

LineBuffer::LineBuffer(char* storage, size_t capacity) : mData(storage), mCapacity(capacity) {
    mData[0] = '\0';
}

void LineBuffer::Append(const char* text, size_t length) {
    const size_t taken = std::min(length, Remaining());
    std::memcpy(mData + mSize, text, taken);
    Advance(taken);
}

void LineBuffer::Append(char c, size_t count) {
    const size_t taken = std::min(count, Remaining());
    std::memset(mData + mSize, c, taken);
    Advance(taken);
}

void LineBuffer::Advance(size_t length) {
    mSize += std::min(length, Remaining());
    mData[mSize] = '\0';
}

size_t CountBareStringConversions(const char* format, size_t length) {
    size_t count = 0;
    va_list unused{};
    for (size_t pos = 0; pos < length;) {
        if (format[pos++] != '%')
            continue;
        Conversion conversion;
        if (!ParseConversion(format, length, pos, conversion, unused, false))
            break;
        if (conversion.bare && (conversion.type == 's' || conversion.type == 'S'))
            ++count;
    }
    return count;
}

void FormatMessage(LineBuffer& out, const char* format, size_t formatLength, long stringLimit,
                   va_list args) {
    va_list remaining;
    va_copy(remaining, args);
    for (size_t pos = 0; pos < formatLength && out.Remaining() > 0;) {
        const char* percent =
            static_cast<const char*>(std::memchr(format + pos, '%', formatLength - pos));
        const size_t literalEnd = percent ? static_cast<size_t>(percent - format) : formatLength;
        out.Append(format + pos, literalEnd - pos);
        if (percent == nullptr)
            break;
        const size_t start = literalEnd;
        pos = start + 1;
        Conversion conversion;
        if (!ParseConversion(format, formatLength, pos, conversion, remaining, true) ||
            !AppendConversion(out, conversion, stringLimit, remaining))
            out.Append(format + start, pos - start);
    }
    va_end(remaining);
}

} // namespace kavelin::logging_detail
