#include "os/kernel/UserName.h"

#include <windows.h>

namespace kavelin::os {

std::string CurrentUserName() {
    // 256 characters is the longest user name, plus its terminator.
    char name[257] = {};
    DWORD size = sizeof(name);
    if (!GetUserNameA(name, &size))
        return {};
    return name;
}

} // namespace kavelin::os
