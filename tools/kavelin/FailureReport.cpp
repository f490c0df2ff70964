#include "FailureReport.h"

#include <cinttypes>
#include <cstdio>

#include "JsonText.h"

namespace kavelin::cli {

namespace {

std::string HexCode(HRESULT code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08" PRIX32, static_cast<uint32_t>(code));
    return hex;
}

} // namespace

std::string FailureText(const std::string& text, HRESULT code, const CPExceptionCause* cause) {
    std::string line = text + " (code " + HexCode(code) + ")";
    if (cause != nullptr && !cause->summary.empty())
        line += ": " + cause->summary;
    return line;
}

std::string FailureJson(const std::string& text, HRESULT code, const CPExceptionCause* cause,
                        const std::string& extra) {
    const bool hasCause = cause != nullptr && !cause->summary.empty();
    return "{\"failure\":" + JsonString(text) + ",\"code\":\"" + HexCode(code) +
           "\",\"cause\":" + (hasCause ? JsonString(cause->summary) : "null") +
           (extra.empty() ? "" : "," + extra) + "}";
}

} // namespace kavelin::cli
