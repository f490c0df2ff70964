#include "os/kernel/LocalTime.h"

#include <cstdio>

namespace kavelin::os {

size_t FormatLogTimestamp(const LocalDateTime& time, char* out, size_t size) {
    if (size == 0)
        return 0;
    const int yearOfCentury = ((time.year % 100) + 100) % 100;
    const int written = std::snprintf(out, size, "%d/%d/%02d-%02d:%02d:%02d", time.month, time.day,
                                      yearOfCentury, time.hour, time.minute, time.second);
    if (written < 0) {
        out[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(written) < size ? static_cast<size_t>(written) : size - 1;
}

} // namespace kavelin::os
