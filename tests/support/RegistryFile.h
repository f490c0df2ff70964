#pragma once

#include <optional>
#include <string>

namespace kavelin_test {

// A registry file's text: the header line of the format, then `sections` (".reg" sections
// and values).
std::string RegistryFileText(const std::string& sections);
// Writes that text to `path`.
void WriteRegistryFile(const std::string& path, const std::string& sections);

// Points the library's registry at a new file holding `sections` while the object lives; the
// setting from before applies again afterwards.
class ScopedRegistry {
public:
    explicit ScopedRegistry(const std::string& sections);
    ~ScopedRegistry();
    ScopedRegistry(const ScopedRegistry&) = delete;
    ScopedRegistry& operator=(const ScopedRegistry&) = delete;

    const std::string& Path() const { return mPath; }

private:
    std::string mPath;
    std::optional<std::string> mEarlier;
};

} // namespace kavelin_test
