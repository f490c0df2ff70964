#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(_WIN32)
// The platform's strings, from oleaut32's allocator, which host and library share.
#include <objbase.h>
#include <oleauto.h>
#else
// COM strings: UTF-16 text preceded by its length in bytes (32 bits) and followed by a zero.
// The functions are inline over malloc/free so that the library and its host, which free each
// other's strings, always share one allocator.
using OLECHAR = char16_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;

namespace kavelin::bstr_detail {
constexpr size_t kPrefixBytes = sizeof(uint32_t);

inline uint32_t* PrefixOf(BSTR text) {
    return reinterpret_cast<uint32_t*>(reinterpret_cast<char*>(text) - kPrefixBytes);
}
} // namespace kavelin::bstr_detail

// A string of `length` characters copied from `source`, or zero-filled when `source` is null.
// Null when memory runs out or the byte length does not fit the prefix.
inline BSTR SysAllocStringLen(const OLECHAR* source, unsigned int length) {
    using kavelin::bstr_detail::kPrefixBytes;
    const uint64_t textBytes = uint64_t{length} * sizeof(OLECHAR);
    if (textBytes > UINT32_MAX - kPrefixBytes - sizeof(OLECHAR))
        return nullptr;
    void* block = std::malloc(kPrefixBytes + static_cast<size_t>(textBytes) + sizeof(OLECHAR));
    if (block == nullptr)
        return nullptr;
    *static_cast<uint32_t*>(block) = static_cast<uint32_t>(textBytes);
    BSTR text = reinterpret_cast<BSTR>(static_cast<char*>(block) + kPrefixBytes);
    if (source != nullptr)
        std::memcpy(text, source, static_cast<size_t>(textBytes));
    else
        std::memset(text, 0, static_cast<size_t>(textBytes));
    text[length] = 0;
    return text;
}

inline BSTR SysAllocString(const OLECHAR* source) {
    if (source == nullptr)
        return nullptr;
    const size_t length = std::char_traits<OLECHAR>::length(source);
    if (length > UINT32_MAX)
        return nullptr;
    return SysAllocStringLen(source, static_cast<unsigned int>(length));
}

inline void SysFreeString(BSTR text) {
    if (text != nullptr)
        std::free(kavelin::bstr_detail::PrefixOf(text));
}

// Length in characters from the prefix (so embedded zeros count); 0 for null.
inline unsigned int SysStringLen(BSTR text) {
    if (text == nullptr)
        return 0;
    return *kavelin::bstr_detail::PrefixOf(text) / sizeof(OLECHAR);
}

inline unsigned int SysStringByteLen(BSTR text) {
    return text == nullptr ? 0 : *kavelin::bstr_detail::PrefixOf(text);
}
#endif

// OLECHAR is char16_t here and wchar_t on Windows, both UTF-16 code units: the library's text
// is char16_t on both, and crosses to COM calls through these two casts.
static_assert(sizeof(OLECHAR) == sizeof(char16_t));
inline const OLECHAR* AsOleText(const char16_t* text) {
    return reinterpret_cast<const OLECHAR*>(text);
}
inline const char16_t* AsUtf16Text(const OLECHAR* text) {
    return reinterpret_cast<const char16_t*>(text);
}
inline OLECHAR* AsOleText(char16_t* text) {
    return reinterpret_cast<OLECHAR*>(text);
}
inline char16_t* AsUtf16Text(OLECHAR* text) {
    return reinterpret_cast<char16_t*>(text);
}
