#include "os/File.h"

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

} // namespace

std::optional<File> File::OpenOrCreate(const std::string& path) {
    // Every process that logs to the file has it open at once, for reading and writing.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return std::nullopt;
    }
    return File(descriptor);
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
