#include "kavelin/ComponentRegistration.h"

#include "os/com/ComClassTable.h"

namespace {
constexpr DWORD kKnownContexts = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;
} // namespace

extern "C" KAVELIN_API HRESULT KavelinRegisterComponent(const char16_t* progId, const CLSID* clsid,
                                                        DWORD classContexts,
                                                        KavelinComponentFactory factory,
                                                        void* context) {
    if (progId == nullptr || *progId == 0 || (classContexts & kKnownContexts) == 0)
        return E_INVALIDARG;
    if (clsid == nullptr || factory == nullptr)
        return E_POINTER;
    kavelin::os::ComClassTable::Instance().Register(
        kavelin::os::ComClassOrigin::Host, progId, *clsid, classContexts & kKnownContexts,
        [factory, context](IUnknown* outer, REFIID iid, void** object) {
            return factory(context, outer, &iid, object);
        });
    return S_OK;
}

extern "C" KAVELIN_API HRESULT KavelinUnregisterComponent(const char16_t* progId) {
    if (progId == nullptr)
        return E_INVALIDARG;
    return kavelin::os::ComClassTable::Instance().Unregister(kavelin::os::ComClassOrigin::Host,
                                                             progId)
               ? S_OK
               : S_FALSE;
}
