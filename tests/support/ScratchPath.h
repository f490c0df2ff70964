#pragma once

#include <string>

namespace kavelin_test {

// A path in the temporary folder that no other test process and no earlier call uses:
// `name`, this process's id and a counter, then `extension`. Nothing is created there.
std::string ScratchPath(const std::string& name, const std::string& extension);

// The whole of the file at `path`; empty when it cannot be read.
std::string FileText(const std::string& path);

// A new folder at ScratchPath(name, ""), removed with all it holds when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return mPath; }

private:
    std::string mPath;
};

} // namespace kavelin_test
