#pragma once

#include "kavelin/ComBase.h"

// The session-information object: the session that several proxies of one host may share.
// Four text properties, each a put/get pair in this order; a get hands the caller a new BSTR
// that the caller frees.
struct ISessionInfo : IDispatch {
    static constexpr IID kInterfaceId = kavelin::MakeGuid("{2AAFB6D9-538B-45A2-854E-1C0699069F4E}");

    virtual HRESULT STDMETHODCALLTYPE put_SessionID(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SessionID(BSTR* value) = 0;
    // A text the host may keep with the session; the library only clears it.
    virtual HRESULT STDMETHODCALLTYPE put_SessionData(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SessionData(BSTR* value) = 0;
    // Comma-separated language list.
    virtual HRESULT STDMETHODCALLTYPE put_Language(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Language(BSTR* value) = 0;
    // Comma-separated role list.
    virtual HRESULT STDMETHODCALLTYPE put_Roles(BSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Roles(BSTR* value) = 0;

protected:
    ~ISessionInfo() = default;
};

// The ProgID under which proxies create the object when the host gives them none.
inline constexpr char16_t kSessionInfoProgId[] = u"OVCOM.SessionInfoWrapper";
