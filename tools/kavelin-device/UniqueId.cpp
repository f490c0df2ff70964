#include "UniqueId.h"

#include <cstdio>
#include <random>

namespace kavelin::device {

std::string MakeUniqueId(const char* kind, std::uint64_t serial) {
    thread_local std::mt19937 generator{std::random_device{}()};
    char text[96];
    std::snprintf(text, sizeof text, "%s-%llu-%08x", kind, static_cast<unsigned long long>(serial),
                  static_cast<unsigned>(generator()));
    return text;
}

} // namespace kavelin::device
