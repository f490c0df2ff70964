#include "components/SessionInfoWrapper.h"

#include <new>

namespace kavelin::components {

HRESULT SessionInfoWrapper::Put(std::u16string& property, BSTR value) {
    try {
        std::lock_guard lock(mMutex);
        // A null BSTR is the empty text.
        property.assign(value == nullptr ? u"" : AsUtf16Text(value), SysStringLen(value));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT SessionInfoWrapper::Get(const std::u16string& property, BSTR* value) {
    if (value == nullptr)
        return E_POINTER;
    std::lock_guard lock(mMutex);
    *value =
        SysAllocStringLen(AsOleText(property.data()), static_cast<unsigned int>(property.size()));
    return *value == nullptr ? E_OUTOFMEMORY : S_OK;
}

} // namespace kavelin::components
