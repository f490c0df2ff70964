#include "os/registry/RegFileParser.h"

#include "os/text/AsciiCase.h"
#include "os/text/Text.h"

#include <cstdlib>
#include <optional>

namespace kavelin::os {
namespace {

constexpr std::string_view kHivePrefix = "HKEY_LOCAL_MACHINE";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string DecodeToUtf8(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string wide;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
        return Utf16ToUtf8(wide);
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return std::string(bytes);
}

// Joins lines that end in a backslash (the editor wraps long hex values that way) and drops
// comments and blank lines.
std::vector<std::string> LogicalLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string pending;
    bool continuing = false;
    size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        auto line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (!continuing && (line.empty() || line.front() == ';'))
            continue;
        const bool continues = !line.empty() && line.back() == '\\' && line.front() != '[';
        if (continues)
            line.remove_suffix(1);
        pending += line;
        continuing = continues;
        if (!continuing) {
            lines.push_back(std::move(pending));
            pending.clear();
        }
    }
    if (!pending.empty())
        lines.push_back(std::move(pending));
    return lines;
}

std::optional<std::string> KeyBelowHive(std::string_view fullPath) {
    if (fullPath.size() < kHivePrefix.size() ||
        !RegistryNamesEqual(fullPath.substr(0, kHivePrefix.size()), kHivePrefix))
        return std::nullopt;
    auto rest = fullPath.substr(kHivePrefix.size());
    if (!rest.empty() && rest.front() != '\\')
        return std::nullopt;
    while (!rest.empty() && rest.front() == '\\')
        rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == '\\')
        rest.remove_suffix(1);
    return std::string(rest);
}

// A quoted text with \\ and \" escapes starting at `pos`; `pos` ends after the closing quote.
std::optional<std::string> QuotedText(std::string_view line, size_t& pos) {
    if (pos >= line.size() || line[pos] != '"')
        return std::nullopt;
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return text;
        }
        if (c == '\\' && pos + 1 < line.size())
            ++pos;
        text += line[pos];
    }
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> HexBytes(std::string_view list) {
    std::vector<uint8_t> bytes;
    list = Trim(list);
    while (!list.empty()) {
        const auto comma = list.find(',');
        const auto item = Trim(list.substr(0, comma));
        if (item.empty() || item.size() > 2)
            return std::nullopt;
        unsigned value = 0;
        for (char c : item) {
            const char l = AsciiLower<char>(c);
            if (l >= '0' && l <= '9')
                value = value * 16 + static_cast<unsigned>(l - '0');
            else if (l >= 'a' && l <= 'f')
                value = value * 16 + static_cast<unsigned>(l - 'a' + 10);
            else
                return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(value));
        if (comma == std::string_view::npos)
            break;
        list = Trim(list.substr(comma + 1));
        if (list.empty())
            return std::nullopt;
    }
    return bytes;
}

bool IsTextType(uint32_t type) {
    return type == RegSz || type == RegExpandSz || type == RegMultiSz;
}

// Text types are stored as UTF-16LE in hex form; callers read them narrow, so they are kept
// as UTF-8 with their zero terminators, as the narrow query functions return them.
std::vector<uint8_t> NarrowTextData(const std::vector<uint8_t>& utf16le) {
    std::u16string wide;
    for (size_t i = 0; i + 1 < utf16le.size(); i += 2)
        wide += static_cast<char16_t>(utf16le[i] | (utf16le[i + 1] << 8));
    const auto narrow = Utf16ToUtf8(wide);
    return std::vector<uint8_t>(narrow.begin(), narrow.end());
}

std::optional<RegistryValue> ValueData(std::string_view data) {
    RegistryValue value;
    if (data.front() == '"') {
        size_t pos = 0;
        auto text = QuotedText(data, pos);
        if (!text || !Trim(data.substr(pos)).empty())
            return std::nullopt;
        value.type = RegSz;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
        return value;
    }
    const auto colon = data.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto kind = Trim(data.substr(0, colon));
    const auto rest = data.substr(colon + 1);
    if (RegistryNamesEqual(kind, "dword")) {
        const auto digits = Trim(rest);
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return std::nullopt;
        const auto number =
            static_cast<uint32_t>(std::strtoul(std::string(digits).c_str(), nullptr, 16));
        value.type = RegDword;
        for (int shift = 0; shift < 32; shift += 8)
            value.data.push_back(static_cast<uint8_t>(number >> shift));
        return value;
    }
    uint32_t type = RegBinary;
    if (!RegistryNamesEqual(kind, "hex")) {
        if (kind.size() < 6 || !RegistryNamesEqual(kind.substr(0, 4), "hex(") || kind.back() != ')')
            return std::nullopt;
        const auto number = kind.substr(4, kind.size() - 5);
        if (number.empty() || number.size() > 8 ||
            number.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return std::nullopt;
        type = static_cast<uint32_t>(std::strtoul(std::string(number).c_str(), nullptr, 16));
    }
    auto bytes = HexBytes(rest);
    if (!bytes)
        return std::nullopt;
    value.type = static_cast<RegistryType>(type);
    value.data = IsTextType(type) ? NarrowTextData(*bytes) : std::move(*bytes);
    return value;
}

std::optional<RegFileEdit> ValueLine(std::string_view line, const std::string& keyPath) {
    RegFileEdit edit;
    edit.keyPath = keyPath;
    size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else {
        auto name = QuotedText(line, pos);
        if (!name)
            return std::nullopt;
        edit.valueName = std::move(*name);
    }
    const auto rest = Trim(line.substr(pos));
    if (rest.empty() || rest.front() != '=')
        return std::nullopt;
    const auto data = Trim(rest.substr(1));
    if (data.empty())
        return std::nullopt;
    if (data == "-") {
        edit.kind = RegFileEdit::DeleteValue;
        return edit;
    }
    auto value = ValueData(data);
    if (!value)
        return std::nullopt;
    edit.kind = RegFileEdit::SetValue;
    edit.value = std::move(*value);
    return edit;
}

} // namespace

bool RegistryNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower<char>(a[i]) != AsciiLower<char>(b[i]))
            return false;
    return true;
}

std::vector<RegFileEdit> ParseRegFile(std::string_view fileBytes) {
    std::vector<RegFileEdit> edits;
    const auto lines = LogicalLines(DecodeToUtf8(fileBytes));
    // Values before any section, or in a section of another hive, belong nowhere.
    std::optional<std::string> currentKey;
    for (const auto& raw : lines) {
        const std::string_view line = raw;
        if (line.front() == '[') {
            currentKey.reset();
            if (line.back() != ']')
                continue;
            auto inner = line.substr(1, line.size() - 2);
            const bool deletion = !inner.empty() && inner.front() == '-';
            if (deletion)
                inner.remove_prefix(1);
            auto key = KeyBelowHive(Trim(inner));
            if (!key || key->empty())
                continue;
            RegFileEdit edit;
            edit.kind = deletion ? RegFileEdit::DeleteKey : RegFileEdit::CreateKey;
            edit.keyPath = *key;
            edits.push_back(edit);
            if (!deletion)
                currentKey = std::move(*key);
            continue;
        }
        if (!currentKey)
            continue;
        if (auto edit = ValueLine(line, *currentKey))
            edits.push_back(std::move(*edit));
    }
    return edits;
}

} // namespace kavelin::os
