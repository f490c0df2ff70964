#include "RegistryFileCheck.h"

#include <string_view>
#include <sys/stat.h>

namespace kavelin::cli {

namespace {

// The library's bound (README, "Registry files").
constexpr long long kMaxRegistryFileBytes = 4 * 1024 * 1024;

void CheckOne(const std::string& file, std::ostream& out) {
    struct stat status {};
    if (file.empty() || ::stat(file.c_str(), &status) != 0)
        return;
    if (!S_ISREG(status.st_mode))
        out << "kavelin: registry file " << file
            << " is not a regular file; the library reads it as no file\n";
    else if (status.st_size > kMaxRegistryFileBytes)
        out << "kavelin: registry file " << file
            << " is larger than 4 MiB; the library reads it as no file\n";
}

} // namespace

void ReportUnusableRegistryFiles(const std::string& searchList, std::ostream& out) {
    std::string_view rest = searchList;
    while (true) {
        const size_t colon = rest.find(':');
        CheckOne(std::string(rest.substr(0, colon)), out);
        if (colon == std::string_view::npos)
            return;
        rest.remove_prefix(colon + 1);
    }
}

} // namespace kavelin::cli
