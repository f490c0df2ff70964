#include "os/registry/posix/RegistryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavelin::os {

namespace {

// Two seconds cover the coarsest time stamps a Linux file system keeps (FAT's).
constexpr time_t kSettleSeconds = 2;

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

RegistryFileStamp StampOf(const struct stat& status) {
    RegistryFileStamp stamp;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.mode = status.st_mode;
    stamp.size = status.st_size;
    stamp.modified = status.st_mtim;
    stamp.changed = status.st_ctim;
    return stamp;
}

bool Readable(const RegistryFileStamp& stamp) {
    return S_ISREG(stamp.mode) && stamp.size >= 0 &&
           static_cast<unsigned long long>(stamp.size) <= kMaxRegistryFileBytes;
}

bool SettledAt(const RegistryFileStamp& stamp, const timespec& now) {
    // The change time, not the modification time: no one can set it back.
    const long long elapsedNs =
        (static_cast<long long>(now.tv_sec) - stamp.changed.tv_sec) * 1000000000LL +
        (now.tv_nsec - stamp.changed.tv_nsec);
    return elapsedNs >= kSettleSeconds * 1000000000LL;
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : mDescriptor(descriptor) {}
    ~Descriptor() {
        if (mDescriptor >= 0)
            ::close(mDescriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return mDescriptor; }

private:
    int mDescriptor;
};

// At most one byte more than the bound, so that a file grown past it is recognised.
bool ReadBounded(int descriptor, std::string* bytes) {
    char buffer[16384];
    while (true) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        if (bytes->size() + static_cast<size_t>(count) > kMaxRegistryFileBytes)
            return false;
        bytes->append(buffer, static_cast<size_t>(count));
    }
}

} // namespace

bool RegistryFileStamp::operator==(const RegistryFileStamp& other) const {
    return device == other.device && inode == other.inode && mode == other.mode &&
           size == other.size && SameTime(modified, other.modified) &&
           SameTime(changed, other.changed);
}

std::optional<RegistryFileStamp> StampRegistryFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return StampOf(status);
}

RegistryFileText ReadRegistryFile(const std::string& path, const RegistryFileStamp& stamp) {
    RegistryFileText text;
    text.stamp = stamp;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    text.settled = SettledAt(stamp, now);
    if (!Readable(stamp))
        return text;
    // Non-blocking: should a FIFO have taken the file's place since, opening it must not wait.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) {
        text.settled = false;
        return text;
    }
    text.stamp = StampOf(status);
    if (!(*text.stamp == stamp)) {
        text.settled = false;
        if (!Readable(*text.stamp))
            return text;
    }
    if (!ReadBounded(file.Get(), &text.bytes))
        text.bytes.clear();
    return text;
}

} // namespace kavelin::os
