#pragma once

#include <cstddef>

// The local date and time, and the one rendering the log writes in front of file lines.
namespace kavelin::os {

struct LocalDateTime {
    int year = 0;   // e.g. 2026
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0; // 0 to 59
    int second = 0; // 0 to 60
};

LocalDateTime CurrentLocalDateTime();

// "M/d/yy-HH:mm:ss" (month and day without leading zeros, two-digit year, 24-hour clock)
// into `out`, always terminated when size > 0; the length written without the terminator.
size_t FormatLogTimestamp(const LocalDateTime& time, char* out, size_t size);

} // namespace kavelin::os
