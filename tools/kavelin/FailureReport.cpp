#include "FailureReport.h"

#include <cinttypes>
#include <cstdio>

namespace kavelin::cli {

std::string FailureText(const std::string& text, HRESULT code, const CPExceptionCause* cause) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08" PRIX32, static_cast<uint32_t>(code));
    std::string line = text + " (code " + hex + ")";
    if (cause != nullptr && !cause->summary.empty())
        line += ": " + cause->summary;
    return line;
}

} // namespace kavelin::cli
