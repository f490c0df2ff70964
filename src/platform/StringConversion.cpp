#include "platform/StringConversion.h"

#include <climits>

#include "os/text/Text.h"

namespace kavelin::platform {

BSTR NarrowToBstr(const char* narrow) {
    if (narrow == nullptr)
        return nullptr;
    return NarrowToBstr(std::string_view(narrow));
}

BSTR NarrowToBstr(std::string_view narrow) {
    const std::u16string wide = os::NarrowToWide(narrow);
    BSTR result = nullptr;
    if (wide.size() <= UINT_MAX)
        result = SysAllocStringLen(AsOleText(wide.data()), static_cast<unsigned int>(wide.size()));
    if (result == nullptr)
        _com_issue_error(E_OUTOFMEMORY);
    return result;
}

std::string BstrToNarrow(BSTR wide) {
    if (wide == nullptr)
        return std::string();
    return os::WideToNarrow(std::u16string_view(AsUtf16Text(wide), SysStringLen(wide)));
}

} // namespace kavelin::platform
