#include "os/kernel/File.h"

#include "os/kernel/DiagnosticOutput.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

// The descriptor is the C runtime's wrapper of the file's handle, so that the class stays the
// same on both platforms; every operation works on the handle itself.
namespace kavelin::os {

namespace {

HANDLE HandleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

OVERLAPPED At(uint64_t offset) {
    OVERLAPPED position = {};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

DWORD Chunk(size_t size) {
    return size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
}

// A file on a disk, not a device, pipe, folder or link (one opened as itself).
bool IsRegularFile(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information;
    return GetFileType(handle) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(handle, &information) &&
           (information.dwFileAttributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

// The descriptor of a regular file's handle; anything else is closed and refused (-1).
int Adopt(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    if (!IsRegularFile(handle)) {
        CloseHandle(handle);
        SetLastError(ERROR_BAD_FILE_TYPE);
        return -1;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor < 0)
        CloseHandle(handle);
    return descriptor;
}

} // namespace

std::optional<File> File::OpenOrCreate(const std::string& path) {
    // Every user's processes share the log: a file created here gets a null DACL (access for
    // everyone); one that exists keeps its own security. Without the descriptor the file is
    // still opened, with the folder's default security.
    SECURITY_DESCRIPTOR security;
    const bool secured = InitializeSecurityDescriptor(&security, SECURITY_DESCRIPTOR_REVISION) &&
                         SetSecurityDescriptorDacl(&security, TRUE, nullptr, FALSE);
    if (!secured) {
        constexpr char kWarning[] = "Logging - warning: unable to set security on log file.\n";
        WriteDebugText(kWarning, sizeof kWarning - 1);
    }
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), secured ? &security : nullptr, TRUE};
    // Every process that logs to the file has it open at once, for reading and writing. A link
    // is opened as itself, so that it is refused instead of followed.
    const int descriptor = Adopt(
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &attributes,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (descriptor < 0)
        return std::nullopt;
    return File(descriptor);
}

std::optional<File> File::OpenForReading(const std::string& path) {
    const int descriptor = Adopt(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
    if (descriptor < 0)
        return std::nullopt;
    return File(descriptor);
}

bool File::NotARegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0;
}

File::File(File&& other) noexcept : mDescriptor(other.mDescriptor) {
    other.mDescriptor = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (mDescriptor >= 0)
            _close(mDescriptor);
        mDescriptor = other.mDescriptor;
        other.mDescriptor = -1;
    }
    return *this;
}

File::~File() {
    if (mDescriptor >= 0)
        _close(mDescriptor);
}

std::optional<uint64_t> File::SeekToEnd() {
    LARGE_INTEGER position = {};
    if (!SetFilePointerEx(HandleOf(mDescriptor), LARGE_INTEGER{}, &position, FILE_END))
        return std::nullopt;
    return static_cast<uint64_t>(position.QuadPart);
}

bool File::Append(const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        // Both offsets at their maximum write at the end of the file, wherever it is then.
        OVERLAPPED end = At(~uint64_t{0});
        DWORD written = 0;
        if (!WriteFile(HandleOf(mDescriptor), bytes, Chunk(size), &written, &end) || written == 0)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

std::optional<uint64_t> File::Size() const {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(HandleOf(mDescriptor), &size))
        return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
}

std::optional<size_t> File::ReadAt(uint64_t offset, void* data, size_t size) const {
    OVERLAPPED position = At(offset);
    DWORD got = 0;
    if (!ReadFile(HandleOf(mDescriptor), data, Chunk(size), &got, &position))
        return GetLastError() == ERROR_HANDLE_EOF ? std::optional<size_t>(0) : std::nullopt;
    return got;
}

bool File::WriteAt(uint64_t offset, const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        OVERLAPPED position = At(offset);
        DWORD written = 0;
        if (!WriteFile(HandleOf(mDescriptor), bytes, Chunk(size), &written, &position) ||
            written == 0)
            return false;
        bytes += written;
        offset += written;
        size -= written;
    }
    return true;
}

bool File::Truncate(uint64_t size) {
    LARGE_INTEGER end = {};
    end.QuadPart = static_cast<LONGLONG>(size);
    const HANDLE handle = HandleOf(mDescriptor);
    return SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
}

bool File::LockRange(uint64_t offset, uint64_t length) {
    OVERLAPPED position = At(offset);
    return LockFileEx(HandleOf(mDescriptor), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                      static_cast<DWORD>(length), static_cast<DWORD>(length >> 32), &position);
}

bool File::UnlockRange(uint64_t offset, uint64_t length) {
    OVERLAPPED position = At(offset);
    return UnlockFileEx(HandleOf(mDescriptor), 0, static_cast<DWORD>(length),
                        static_cast<DWORD>(length >> 32), &position);
}

} // namespace kavelin::os
