#include "os/kernel/LocalTime.h"

#include <windows.h>

namespace kavelin::os {

LocalDateTime CurrentLocalDateTime() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    LocalDateTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.day = now.wDay;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    time.second = now.wSecond;
    return time;
}

} // namespace kavelin::os
