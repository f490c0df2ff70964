#include "os/ComCreation.h"

#include "os/ComClassTable.h"

HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid) {
    if (progId == nullptr || clsid == nullptr)
        return E_INVALIDARG;
    const std::optional<CLSID> found = os::ComClassTable::Instance().FindClassId(progId);
    if (!found)
        return CO_E_CLASSSTRING;
    *clsid = *found;
    return S_OK;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD classContext, REFIID iid,
                         void** object) {
    if (object == nullptr)
        return E_INVALIDARG;
    *object = nullptr;
    const std::optional<os::ComClass> found = os::ComClassTable::Instance().FindClass(clsid);
    if (!found || (found->contexts & classContext) == 0)
        return REGDB_E_CLASSNOTREG;
    const HRESULT result = found->factory(outer, iid, object);
    if (FAILED(result))
        *object = nullptr;
    return result;
}
