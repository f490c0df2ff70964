#include "os/text/Text.h"

#include <windows.h>

#include <climits>
#include <new>

namespace kavelin::os {

namespace {

UINT CodePageOf(NarrowCodePage page) {
    return page == NarrowCodePage::Thread ? CP_THREAD_ACP : GetACP();
}

} // namespace

std::u16string NarrowToWide(std::string_view narrow, NarrowCodePage page) {
    if (narrow.empty() || narrow.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(narrow.size());
    const int units = MultiByteToWideChar(CodePageOf(page), 0, narrow.data(), length, nullptr, 0);
    if (units <= 0)
        return {};
    std::u16string wide(static_cast<size_t>(units), u'\0');
    MultiByteToWideChar(CodePageOf(page), 0, narrow.data(), length,
                        reinterpret_cast<wchar_t*>(wide.data()), units);
    return wide;
}

std::string WideToNarrow(std::u16string_view wide, NarrowCodePage page) {
    if (wide.empty() || wide.size() > INT_MAX)
        return {};
    const auto* text = reinterpret_cast<const wchar_t*>(wide.data());
    const int length = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CodePageOf(page), 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CodePageOf(page), 0, text, length, narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}

} // namespace kavelin::os
