#include <gtest/gtest.h>

#include "com/LiveObject.h"
#include "components/BuiltInComponents.h"
#include "kavelin/ISessionInfo.h"
#include "platform/BstrString.h"
#include "platform/PlatformServices.h"

namespace {

using kavelin::platform::BstrString;

struct Property {
    const char* name;
    HRESULT (STDMETHODCALLTYPE ISessionInfo::*put)(BSTR);
    HRESULT (STDMETHODCALLTYPE ISessionInfo::*get)(BSTR*);
};

const Property kProperties[] = {
    {"SessionID", &ISessionInfo::put_SessionID, &ISessionInfo::get_SessionID},
    {"SessionData", &ISessionInfo::put_SessionData, &ISessionInfo::get_SessionData},
    {"Language", &ISessionInfo::put_Language, &ISessionInfo::get_Language},
    {"Roles", &ISessionInfo::put_Roles, &ISessionInfo::get_Roles},
};

std::string Read(ISessionInfo* info, const Property& property) {
    BstrString value;
    EXPECT_EQ((info->*property.get)(value.Receive()), S_OK) << property.name;
    return value.Narrow();
}

CPComPtr<ISessionInfo> CreateBuiltIn() {
    RegisterBuiltInComponents();
    CPComPtr<ISessionInfo> info;
    EXPECT_EQ(info.CreateInstance(kSessionInfoProgId), S_OK);
    return info;
}

TEST(SessionInfo, EachPropertyKeepsItsOwnText) {
    CPComPtr<ISessionInfo> info = CreateBuiltIn();
    ASSERT_TRUE(info);
    const char* values[] = {"ticket-7", "data \xC3\xA9t\xC3\xA9", "de-DE,en", "guest,admin"};
    for (size_t i = 0; i < 4; ++i)
        ASSERT_EQ((info.Get()->*kProperties[i].put)(BstrString(values[i]).Get()), S_OK);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Read(info.Get(), kProperties[i]), values[i]) << kProperties[i].name;

    // Clearing, as the end of a session does, with empty texts and with null.
    for (size_t i = 0; i < 4; ++i)
        (info.Get()->*kProperties[i].put)(i % 2 == 0 ? BstrString("").Get() : nullptr);
    for (const Property& property : kProperties)
        EXPECT_EQ(Read(info.Get(), property), "") << property.name;
    EXPECT_EQ(info->get_Roles(nullptr), E_POINTER);
}

TEST(SessionInfo, OneObjectIsSharedByItsHolders) {
    CPComPtr<ISessionInfo> first = CreateBuiltIn();
    CPComPtr<ISessionInfo> second(first);
    first->put_SessionID(BstrString("shared").Get());
    first.Release();
    EXPECT_EQ(Read(second.Get(), kProperties[0]), "shared");

    CPComPtr<ISessionInfo> other = CreateBuiltIn();
    EXPECT_EQ(Read(other.Get(), kProperties[0]), "");
}

TEST(SessionInfo, AnswersForItsInterfacesOnly) {
    CPComPtr<ISessionInfo> info = CreateBuiltIn();
    const IID known[] = {IID_IUnknown, IID_IDispatch, ISessionInfo::kInterfaceId};
    for (const IID& iid : known) {
        void* object = nullptr;
        EXPECT_EQ(info->QueryInterface(iid, &object), S_OK);
        ASSERT_EQ(object, static_cast<void*>(info.Get()));
        info->Release();
    }
    void* object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(info->QueryInterface(kavelin_test::LiveObject::kClassId, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    UINT count = 5;
    EXPECT_EQ(info->GetTypeInfoCount(&count), E_NOTIMPL);
    EXPECT_EQ(count, 0u);
}

} // namespace
