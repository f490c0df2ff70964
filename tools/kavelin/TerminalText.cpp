#include "TerminalText.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "platform/VisibleText.h"

namespace kavelin::cli {

std::string TerminalText(std::string_view message) {
    std::string text;
    while (!message.empty()) {
        const size_t lineFeed = message.find('\n');
        const size_t next = lineFeed == std::string_view::npos ? message.size() : lineFeed + 1;
        size_t content = lineFeed == std::string_view::npos ? message.size() : lineFeed;
        if (lineFeed != std::string_view::npos && content > 0 && message[content - 1] == '\r')
            --content;
        text += platform::VisibleText(message.substr(0, content));
        text += message.substr(content, next - content);
        message.remove_prefix(next);
    }
    return text;
}

std::string ForStandardOutput(std::string text) {
#ifdef _WIN32
    const bool terminal = _isatty(_fileno(stdout)) != 0;
#else
    const bool terminal = isatty(STDOUT_FILENO) != 0;
#endif
    return terminal ? TerminalText(text) : text;
}

} // namespace kavelin::cli
