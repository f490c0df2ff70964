#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A regular file, opened for reading and appending (the shared log) or for reading only, shared
// with other handles and processes (nothing is held exclusively). Failures return false or an
// empty result and set os::LastErrorCode().
namespace kavelin::os {

class File {
public:
    // Opens the file, creating it when it is missing. A file created here is readable and
    // writable by everyone (the log is shared by every user's processes); an existing one keeps
    // its mode, its owner's choice. Anything but a regular file at the path (a symbolic link, a
    // device, a FIFO, a folder) is refused, without following, waiting or writing to it.
    static std::optional<File> OpenOrCreate(const std::string& path);
    // Opens an existing file for reading only, following a symbolic link. Only a regular file is
    // kept: anything else (a FIFO, a device, a folder) is refused without waiting for a writer.
    static std::optional<File> OpenForReading(const std::string& path);
    // Whether something other than a regular file stands at the path itself (a symbolic link
    // counts as a link, whatever it points to): what OpenOrCreate refuses.
    static bool NotARegularFile(const std::string& path);

    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // Moves the file position to the end; the new position, which is the size.
    std::optional<uint64_t> SeekToEnd();
    // Appends all of `data` at the end of the file, whatever other handles wrote meanwhile:
    // one system call when the system takes it whole.
    bool Append(const void* data, size_t size);

    std::optional<uint64_t> Size() const;
    // Reads at most `size` bytes at `offset`; the count read, 0 at the end of the file.
    std::optional<size_t> ReadAt(uint64_t offset, void* data, size_t size) const;
    // Writes at `offset` even though the handle appends.
    bool WriteAt(uint64_t offset, const void* data, size_t size);
    // Sets the end of the file at `size`.
    bool Truncate(uint64_t size);

    // Byte-range locks held by this handle; a range locked through another handle or by
    // another process makes LockRange fail at once rather than wait.
    bool LockRange(uint64_t offset, uint64_t length);
    bool UnlockRange(uint64_t offset, uint64_t length);

private:
    explicit File(int descriptor) : mDescriptor(descriptor) {}
    int mDescriptor = -1;
};

} // namespace kavelin::os
