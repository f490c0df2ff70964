#pragma once

#include "kavelin/ComBstr.h"
#include "kavelin/ComGuid.h"
#include "kavelin/ComTypes.h"

#if defined(_WIN32)
// The platform's own IUnknown and IDispatch.
#include <oaidl.h>
#include <objbase.h>
#else
// The two base interfaces of every COM object the library creates or hands out. The method
// order is the virtual table layout, which callers across the library boundary rely on.
struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
    // Objects go away through Release, never through delete on an interface.
    ~IUnknown() = default;
};

// Types of the automation calls; only their names are needed, as no caller uses late binding.
struct ITypeInfo;
struct DISPPARAMS;
struct VARIANT;
struct EXCEPINFO;

// The leading methods of every dual interface.
struct IDispatch : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale,
                                                  ITypeInfo** typeInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID reserved, LPOLESTR* names,
                                                    UINT nameCount, LCID locale, DISPID* ids) = 0;
    virtual HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID reserved, LCID locale, WORD flags,
                                             DISPPARAMS* parameters, VARIANT* result,
                                             EXCEPINFO* exception, UINT* argumentError) = 0;

protected:
    ~IDispatch() = default;
};

inline constexpr IID IID_IUnknown = kavelin::MakeGuid("{00000000-0000-0000-C000-000000000046}");
inline constexpr IID IID_IDispatch = kavelin::MakeGuid("{00020400-0000-0000-C000-000000000046}");
#endif

namespace kavelin {

// The interface ID of an interface type: its kInterfaceId member, or the two base IDs.
template <typename Interface> inline constexpr IID InterfaceId = Interface::kInterfaceId;
// Spelt out, since the platform's IID_IUnknown and IID_IDispatch are not constants.
template <>
inline constexpr IID InterfaceId<IUnknown> = MakeGuid("{00000000-0000-0000-C000-000000000046}");
template <>
inline constexpr IID InterfaceId<IDispatch> = MakeGuid("{00020400-0000-0000-C000-000000000046}");

} // namespace kavelin
