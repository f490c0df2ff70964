#include "AnswerNodes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace kavelin::cli {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool OnlySpace(std::string_view text) {
    for (char c : text)
        if (!IsSpace(c))
            return false;
    return true;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x110000) {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Character data with its references resolved; an unknown reference stays as written.
void AppendText(std::string& out, std::string_view data) {
    for (size_t i = 0; i < data.size(); ++i) {
        const size_t semicolon = data[i] == '&' ? data.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos) {
            out += data[i];
            continue;
        }
        const std::string_view name = data.substr(i + 1, semicolon - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            const std::string digits(name.substr(hex ? 2 : 1));
            AppendUtf8(out,
                       static_cast<uint32_t>(std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10)));
        } else {
            out += data.substr(i, semicolon - i + 1);
        }
        i = semicolon;
    }
}

// Where the markup starting at `at` (a '<') ends: one past its closing '>'.
size_t MarkupEnd(std::string_view answer, size_t at) {
    auto past = [&](std::string_view closing) {
        const size_t end = answer.find(closing, at);
        return end == std::string_view::npos ? answer.size() : end + closing.size();
    };
    if (answer.substr(at, 4) == "<!--")
        return past("-->");
    if (answer.substr(at, 9) == "<![CDATA[")
        return past("]]>");
    if (answer.substr(at, 2) == "<?")
        return past("?>");
    char quote = 0;
    for (size_t i = at + 1; i < answer.size(); ++i) {
        if (quote != 0) {
            if (answer[i] == quote)
                quote = 0;
        } else if (answer[i] == '"' || answer[i] == '\'') {
            quote = answer[i];
        } else if (answer[i] == '>') {
            return i + 1;
        }
    }
    return answer.size();
}

} // namespace

std::vector<AnswerNode> SplitAnswer(std::string_view answer) {
    std::vector<AnswerNode> nodes;
    AnswerNode current;
    int depth = 0;
    size_t start = 0;
    auto finish = [&](size_t end) {
        current.markup = std::string(answer.substr(start, end - start));
        if (!OnlySpace(current.markup))
            nodes.push_back(std::move(current));
        current = AnswerNode();
        start = end;
    };
    for (size_t i = 0; i < answer.size();) {
        if (answer[i] != '<') {
            const size_t next = std::min(answer.find('<', i), answer.size());
            AppendText(current.text, answer.substr(i, next - i));
            i = next;
            continue;
        }
        const size_t end = MarkupEnd(answer, i);
        const std::string_view markup = answer.substr(i, end - i);
        const bool cdata = markup.substr(0, 9) == "<![CDATA[";
        const bool element = !cdata && markup.size() > 1 && markup[1] != '!' && markup[1] != '?';
        if (cdata)
            current.text += markup.substr(9, markup.size() >= 12 ? markup.size() - 12 : 0);
        if (element && depth == 0 && i > start)
            finish(i); // the text before a top-level element is a node of its own
        if (element && markup[1] == '/')
            --depth;
        else if (element && markup[markup.size() - 2] != '/')
            ++depth;
        i = end;
        if (element && depth <= 0) {
            depth = 0;
            finish(i);
        }
    }
    if (start < answer.size())
        finish(answer.size());
    return nodes;
}

} // namespace kavelin::cli
