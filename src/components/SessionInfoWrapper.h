#pragma once

#include <mutex>
#include <string>

#include "kavelin/ComObject.h"
#include "kavelin/ISessionInfo.h"

namespace kavelin::components {

// The library's own session-information object: four texts kept as given. Several proxies,
// possibly on several threads, may share one object.
class SessionInfoWrapper final : public kavelin::DispatchObject<ISessionInfo> {
public:
    static constexpr CLSID kClassId = kavelin::MakeGuid("{6E0C1B52-3F7A-4D7E-9C1A-5B2D8E4F0A13}");

    HRESULT STDMETHODCALLTYPE put_SessionID(BSTR value) override { return Put(mSessionId, value); }
    HRESULT STDMETHODCALLTYPE get_SessionID(BSTR* value) override { return Get(mSessionId, value); }
    HRESULT STDMETHODCALLTYPE put_SessionData(BSTR value) override {
        return Put(mSessionData, value);
    }
    HRESULT STDMETHODCALLTYPE get_SessionData(BSTR* value) override {
        return Get(mSessionData, value);
    }
    HRESULT STDMETHODCALLTYPE put_Language(BSTR value) override { return Put(mLanguage, value); }
    HRESULT STDMETHODCALLTYPE get_Language(BSTR* value) override { return Get(mLanguage, value); }
    HRESULT STDMETHODCALLTYPE put_Roles(BSTR value) override { return Put(mRoles, value); }
    HRESULT STDMETHODCALLTYPE get_Roles(BSTR* value) override { return Get(mRoles, value); }

private:
    HRESULT Put(std::u16string& property, BSTR value);
    HRESULT Get(const std::u16string& property, BSTR* value);

    std::mutex mMutex;
    std::u16string mSessionId;
    std::u16string mSessionData;
    std::u16string mLanguage;
    std::u16string mRoles;
};

} // namespace kavelin::components
