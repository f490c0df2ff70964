#pragma once

#include <fstream>
#include <string>

namespace kavelin_test {

// This process's resident size in kilobytes, from /proc: "VmRSS:" now, or "VmHWM:" the most it
// has been; -1 when unknown. Header-only, so that programs which link nothing else of the
// suite (the comparison bench's clients) can use it too.
inline long ResidentKilobytes(const char* field = "VmRSS:") {
    std::ifstream status("/proc/self/status");
    std::string name;
    while (status >> name) {
        if (name == field) {
            long kilobytes = -1;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

} // namespace kavelin_test
