#include "os/kernel/UserName.h"

#include "os/kernel/LastError.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace kavelin::os {

std::string CurrentUserName() {
    std::vector<char> buffer(16384);
    passwd entry = {};
    passwd* found = nullptr;
    const int result = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found);
    if (result == 0 && found != nullptr && found->pw_name != nullptr)
        return found->pw_name;
    // Containers often run as a uid without a passwd entry; the login name is the next best.
    if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0')
        return user;
    SetLastErrorCode(static_cast<uint32_t>(result != 0 ? result : ENOENT));
    return {};
}

} // namespace kavelin::os
