#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "kavelin/ComObject.h"
#include "kavelin/ComponentRegistration.h"
#include "kavelin/ISessionInfo.h"

// A host's session-information object that remembers every property write, in order, so tests
// see what a proxy stored and when. Built from the public headers only, like a host's own.
class RecordingSessionInfo final : public kavelin::DispatchObject<ISessionInfo> {
public:
    static constexpr CLSID kClassId = kavelin::MakeGuid("{3C1E9A40-7B52-4F0D-9E61-2A8B5C7D9E10}");

    // Objects the registered factory has made since the count was last reset.
    static std::atomic<int>& Created() {
        static std::atomic<int> created{0};
        return created;
    }
    static HRESULT Factory(void*, IUnknown* outer, const IID* iid, void** object) {
        if (iid == nullptr)
            return E_POINTER;
        const HRESULT result = kavelin::CreateComObject<RecordingSessionInfo>(outer, *iid, object);
        if (result >= 0)
            ++Created();
        return result;
    }
    // A new object held by the returned pointer (one reference).
    static RecordingSessionInfo* Make() { return new RecordingSessionInfo(); }

    HRESULT STDMETHODCALLTYPE put_SessionID(BSTR value) override {
        return Put("SessionID", mSessionId, value);
    }
    HRESULT STDMETHODCALLTYPE get_SessionID(BSTR* value) override { return Get(mSessionId, value); }
    HRESULT STDMETHODCALLTYPE put_SessionData(BSTR value) override {
        return Put("SessionData", mSessionData, value);
    }
    HRESULT STDMETHODCALLTYPE get_SessionData(BSTR* value) override {
        return Get(mSessionData, value);
    }
    HRESULT STDMETHODCALLTYPE put_Language(BSTR value) override {
        return Put("Language", mLanguage, value);
    }
    HRESULT STDMETHODCALLTYPE get_Language(BSTR* value) override { return Get(mLanguage, value); }
    HRESULT STDMETHODCALLTYPE put_Roles(BSTR value) override { return Put("Roles", mRoles, value); }
    HRESULT STDMETHODCALLTYPE get_Roles(BSTR* value) override { return Get(mRoles, value); }

    // Set a property as the host would, without recording it.
    void PresetSessionId(std::u16string value) { Preset(mSessionId, std::move(value)); }
    void PresetLanguage(std::u16string value) { Preset(mLanguage, std::move(value)); }
    void PresetRoles(std::u16string value) { Preset(mRoles, std::move(value)); }

    using Write = std::pair<std::string, std::u16string>; // property name, value
    std::vector<Write> Writes() const {
        std::lock_guard lock(mMutex);
        return mWrites;
    }
    std::u16string SessionId() const { return Read(mSessionId); }
    std::u16string Roles() const { return Read(mRoles); }

private:
    void Preset(std::u16string& property, std::u16string value) {
        std::lock_guard lock(mMutex);
        property = std::move(value);
    }
    HRESULT Put(const char* name, std::u16string& property, BSTR value) {
        std::lock_guard lock(mMutex);
        property.assign(value != nullptr ? value : u"", value != nullptr ? SysStringLen(value) : 0);
        mWrites.emplace_back(name, property);
        return S_OK;
    }
    HRESULT Get(const std::u16string& property, BSTR* value) {
        if (value == nullptr)
            return E_POINTER;
        std::lock_guard lock(mMutex);
        *value = SysAllocStringLen(property.data(), static_cast<unsigned>(property.size()));
        return S_OK;
    }
    std::u16string Read(const std::u16string& property) const {
        std::lock_guard lock(mMutex);
        return property;
    }

    mutable std::mutex mMutex;
    std::u16string mSessionId;
    std::u16string mSessionData;
    std::u16string mLanguage;
    std::u16string mRoles;
    std::vector<Write> mWrites;
};
