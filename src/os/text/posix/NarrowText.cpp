#include "os/text/Text.h"

// Narrow text is UTF-8 whatever the code page asked for.
namespace kavelin::os {

std::u16string NarrowToWide(std::string_view narrow, NarrowCodePage) {
    return Utf8ToUtf16(narrow);
}

std::string WideToNarrow(std::u16string_view wide, NarrowCodePage) {
    return Utf16ToUtf8(wide);
}

} // namespace kavelin::os
