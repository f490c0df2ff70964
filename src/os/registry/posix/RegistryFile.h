#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <sys/types.h>

// Reading one registry file without trusting what the path names: only a regular file of at
// most kMaxRegistryFileBytes is read; a directory, a device, a FIFO or a larger file counts as
// no file, and nothing waits on a FIFO or a device.
namespace kavelin::os {

inline constexpr size_t kMaxRegistryFileBytes = 4 * 1024 * 1024;

// What says that a file is still the one read before: a change to its bytes changes one of
// these (a rewrite in place its change time, a replacement its inode).
struct RegistryFileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const RegistryFileStamp& other) const;
};

// The stamp of what `path` names now (one stat); none when nothing can be found there.
std::optional<RegistryFileStamp> StampRegistryFile(const std::string& path);

struct RegistryFileText {
    // Empty when the file is not one to read.
    std::string bytes;
    // The stamp of what was read, which may differ from the one asked for when the file was
    // replaced in between.
    std::optional<RegistryFileStamp> stamp;
    // True when a later change to the file will show in its stamp. A change within the file
    // system's time granularity of the one read would not, so a file changed less than
    // kSettleTime before it was read stays unsettled and is read again at the next use.
    bool settled = false;
};

// Reads the file that `stamp` (from StampRegistryFile) describes.
RegistryFileText ReadRegistryFile(const std::string& path, const RegistryFileStamp& stamp);

} // namespace kavelin::os
