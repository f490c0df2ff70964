#include "os/com/ComCreation.h"

#include "os/com/ComClassTable.h"

namespace kavelin::os {

HRESULT ClassIdFromProgId(const char16_t* progId, CLSID* clsid) {
    if (progId == nullptr || clsid == nullptr)
        return E_INVALIDARG;
    if (SUCCEEDED(PlatformClassIdFromProgId(progId, clsid)))
        return S_OK;
    const std::optional<CLSID> found = ComClassTable::Instance().FindClassId(progId);
    if (!found)
        return CO_E_CLASSSTRING;
    *clsid = *found;
    return S_OK;
}

HRESULT CreateClassInstance(REFCLSID clsid, IUnknown* outer, DWORD classContext, REFIID iid,
                            void** object) {
    if (object == nullptr)
        return E_INVALIDARG;
    *object = nullptr;
    const HRESULT platformResult =
        PlatformCreateClassInstance(clsid, outer, classContext, iid, object);
    if (platformResult != REGDB_E_CLASSNOTREG)
        return platformResult;
    const std::optional<ComClass> found = ComClassTable::Instance().FindClass(clsid);
    if (!found || (found->contexts & classContext) == 0)
        return REGDB_E_CLASSNOTREG;
    const HRESULT result = found->factory(outer, iid, object);
    if (FAILED(result))
        *object = nullptr;
    return result;
}

HRESULT CreateComponent(const char16_t* progId, REFIID iid, void** object,
                        const std::function<DWORD()>& classContext) {
    CLSID clsid{};
    const HRESULT resolved = ClassIdFromProgId(progId, &clsid);
    if (FAILED(resolved)) {
        if (object != nullptr)
            *object = nullptr;
        return resolved;
    }
    return CreateClassInstance(clsid, nullptr, classContext(), iid, object);
}

} // namespace kavelin::os
