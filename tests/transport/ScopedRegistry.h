#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kavelin::testing {

// A registry file with `body` (sections and values) that the library reads while the object
// lives.
class ScopedRegistry {
public:
    ScopedRegistry(const std::string& name, const std::string& body)
        : mPath(std::filesystem::temp_directory_path() /
                (name + "-" + std::to_string(::getpid()) + ".reg")) {
        std::ofstream(mPath) << "Windows Registry Editor Version 5.00\r\n\r\n" << body;
        ::setenv("KAVELIN_REGISTRY", mPath.c_str(), 1);
    }
    ~ScopedRegistry() {
        ::unsetenv("KAVELIN_REGISTRY");
        std::filesystem::remove(mPath);
    }
    ScopedRegistry(const ScopedRegistry&) = delete;
    ScopedRegistry& operator=(const ScopedRegistry&) = delete;

private:
    std::filesystem::path mPath;
};

} // namespace kavelin::testing
