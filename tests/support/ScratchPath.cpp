#include "support/ScratchPath.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "os/kernel/ProcessInfo.h"

namespace kavelin_test {

std::string ScratchPath(const std::string& name, const std::string& extension) {
    static std::atomic<unsigned> counter{0};
    const std::string file = name + "-" + std::to_string(kavelin::os::CurrentProcessId()) + "-" +
                             std::to_string(counter++) + extension;
    return (std::filesystem::temp_directory_path() / file).string();
}

std::string FileText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

ScratchFolder::ScratchFolder(const std::string& name) : mPath(ScratchPath(name, "")) {
    std::filesystem::create_directory(mPath);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

} // namespace kavelin_test
