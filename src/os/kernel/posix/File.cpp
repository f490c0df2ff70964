#include "os/kernel/File.h"

#include "os/kernel/LastError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavelin::os {
namespace {

template <typename T> std::optional<T> Failed() {
    SetLastErrorCode(static_cast<uint32_t>(errno));
    return std::nullopt;
}

bool Fail() {
    SetLastErrorCode(static_cast<uint32_t>(errno));
    return false;
}

// Open-file-description locks belong to the handle, not to the process, as Windows range
// locks do: two handles in one process exclude each other.
bool SetRangeLock(int descriptor, short type, uint64_t offset, uint64_t length) {
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    if (fcntl(descriptor, F_OFD_SETLK, &lock) != 0)
        return Fail();
    return true;
}

// No error number says "not a regular file": the path is an unsuitable argument.
std::optional<File> Refused() {
    SetLastErrorCode(EINVAL);
    return std::nullopt;
}

class AppendSuspended {
public:
    explicit AppendSuspended(int descriptor) : mDescriptor(descriptor) {
        fcntl(mDescriptor, F_SETFL, 0);
    }
    ~AppendSuspended() { fcntl(mDescriptor, F_SETFL, O_APPEND); }
    AppendSuspended(const AppendSuspended&) = delete;
    AppendSuspended& operator=(const AppendSuspended&) = delete;

private:
    int mDescriptor;
};

} // namespace

std::optional<File> File::OpenOrCreate(const std::string& path) {
    constexpr int kFlags = O_RDWR | O_APPEND | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    // Created here, so no one else chose its mode: everyone's, which the umask would narrow.
    int descriptor = open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
    if (descriptor >= 0) {
        fchmod(descriptor, 0666);
        return File(descriptor);
    }
    if (errno != EEXIST)
        return Failed<File>();
    // Looked at before it is opened, since opening a device can act on it; then opened without
    // following a link or waiting for a reader, and kept only if it is what was looked at.
    struct stat seen = {};
    if (lstat(path.c_str(), &seen) != 0)
        return Failed<File>();
    if (!S_ISREG(seen.st_mode))
        return Refused();
    descriptor = open(path.c_str(), kFlags | O_NONBLOCK);
    if (descriptor < 0)
        return Failed<File>();
    struct stat opened = {};
    if (fstat(descriptor, &opened) != 0 || opened.st_dev != seen.st_dev ||
        opened.st_ino != seen.st_ino) {
        close(descriptor);
        return Refused();
    }
    fcntl(descriptor, F_SETFL, O_APPEND);
    return File(descriptor);
}

std::optional<File> File::OpenForReading(const std::string& path) {
    // Non-blocking, so that a FIFO's open does not wait for a writer.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return Failed<File>();
    struct stat info = {};
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(descriptor);
        return Refused();
    }
    return File(descriptor);
}

bool File::NotARegularFile(const std::string& path) {
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

File::File(File&& other) noexcept : mDescriptor(other.mDescriptor) {
    other.mDescriptor = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (mDescriptor >= 0)
            close(mDescriptor);
        mDescriptor = other.mDescriptor;
        other.mDescriptor = -1;
    }
    return *this;
}

File::~File() {
    if (mDescriptor >= 0)
        close(mDescriptor);
}

std::optional<uint64_t> File::SeekToEnd() {
    const off_t position = lseek(mDescriptor, 0, SEEK_END);
    if (position < 0)
        return Failed<uint64_t>();
    return static_cast<uint64_t>(position);
}

bool File::Append(const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(mDescriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return Fail();
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::optional<uint64_t> File::Size() const {
    struct stat info = {};
    if (fstat(mDescriptor, &info) != 0)
        return Failed<uint64_t>();
    return static_cast<uint64_t>(info.st_size);
}

std::optional<size_t> File::ReadAt(uint64_t offset, void* data, size_t size) const {
    ssize_t got;
    do {
        got = pread(mDescriptor, data, size, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return Failed<size_t>();
    return static_cast<size_t>(got);
}

bool File::WriteAt(uint64_t offset, const void* data, size_t size) {
    // An appending handle would append whatever the offset (pwrite ignores it then).
    const AppendSuspended suspended(mDescriptor);
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = pwrite(mDescriptor, bytes, size, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return Fail();
        bytes += written;
        offset += static_cast<uint64_t>(written);
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool File::Truncate(uint64_t size) {
    if (ftruncate(mDescriptor, static_cast<off_t>(size)) != 0)
        return Fail();
    return true;
}

bool File::LockRange(uint64_t offset, uint64_t length) {
    return SetRangeLock(mDescriptor, F_WRLCK, offset, length);
}

bool File::UnlockRange(uint64_t offset, uint64_t length) {
    return SetRangeLock(mDescriptor, F_UNLCK, offset, length);
}

} // namespace kavelin::os
