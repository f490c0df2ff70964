#include "support/RegistryFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "support/ScratchPath.h"

namespace kavelin_test {

namespace {
constexpr char kRegistryVariable[] = "KAVELIN_REGISTRY";
} // namespace

std::string RegistryFileText(const std::string& sections) {
    return "Windows Registry Editor Version 5.00\r\n\r\n" + sections;
}

void WriteRegistryFile(const std::string& path, const std::string& sections) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << RegistryFileText(sections);
}

ScopedRegistry::ScopedRegistry(const std::string& sections)
    : mPath(ScratchPath("kavelin-registry", ".reg")) {
    if (const char* earlier = std::getenv(kRegistryVariable))
        mEarlier = earlier;
    WriteRegistryFile(mPath, sections);
    setenv(kRegistryVariable, mPath.c_str(), 1);
}

ScopedRegistry::~ScopedRegistry() {
    if (mEarlier)
        setenv(kRegistryVariable, mEarlier->c_str(), 1);
    else
        unsetenv(kRegistryVariable);
    std::remove(mPath.c_str());
}

} // namespace kavelin_test
