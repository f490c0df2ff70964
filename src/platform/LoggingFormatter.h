#pragma once

#include <cstdarg>
#include <cstddef>

// The log's printf: bounded to a caller's fixed buffer, no heap, "%s" narrow (UTF-8) and
// "%S" wide (UTF-16, const char16_t*) whatever the C library thinks "%S" means.
namespace kavelin::logging_detail {

// Appends to a fixed array and silently drops what does not fit; the text is always
// terminated.
class LineBuffer {
public:
    // `storage` holds `capacity` characters plus the terminator.
    LineBuffer(char* storage, size_t capacity);

    void Append(const char* text, size_t length);
    void Append(char c, size_t count = 1);

    const char* Data() const { return mData; }
    size_t Size() const { return mSize; }
    char* Cursor() { return mData + mSize; }
    size_t Remaining() const { return mCapacity - mSize; }
    // For writers that fill Cursor() themselves (at most Remaining() characters).
    void Advance(size_t length);

private:
    char* mData;
    size_t mCapacity;
    size_t mSize = 0;
};

// The number of bare "%s" and "%S" conversions (no flags, width or precision) in the first
// `length` characters of `format`: the ones the log's string limit applies to.
size_t CountBareStringConversions(const char* format, size_t length);

// Formats the first `formatLength` characters of `format` with `args` into `out`. When
// `stringLimit` is not negative, each bare "%s"/"%S" argument is cut to that many characters.
// "%n" writes nothing.
void FormatMessage(LineBuffer& out, const char* format, size_t formatLength, long stringLimit,
                   va_list args);

} // namespace kavelin::logging_detail
