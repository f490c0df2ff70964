#pragma once

#include <new>
#include <string>
#include <string_view>

#include "kavelin/ComBase.h"

// What the DOM objects and their wrappers share: BSTR handling, and the guard that keeps
// exceptions from crossing a COM call.
namespace kavelin::os {

// All SysStringLen characters of a BSTR; a null BSTR is the empty text.
inline std::u16string_view BstrView(BSTR text) {
    return text == nullptr ? std::u16string_view()
                           : std::u16string_view(AsUtf16Text(text), SysStringLen(text));
}

// A new BSTR holding `text`; E_OUTOFMEMORY when it cannot be allocated.
inline HRESULT NewBstr(std::u16string_view text, BSTR* out) {
    *out = nullptr;
    if (text.size() > UINT32_MAX / sizeof(OLECHAR))
        return E_OUTOFMEMORY;
    *out = SysAllocStringLen(AsOleText(text.data()), static_cast<unsigned int>(text.size()));
    return *out == nullptr ? E_OUTOFMEMORY : S_OK;
}

// COM calls report exhausted memory as a result code, never as an exception.
template <typename Call> HRESULT GuardComCall(Call call) noexcept {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

} // namespace kavelin::os
