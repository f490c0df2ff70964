#include <gtest/gtest.h>

#include "com/LiveObject.h"
#include "components/BuiltInComponents.h"
#include "kavelin/ISessionInfo.h"
#include "platform/BstrString.h"
#include "platform/PlatformServices.h"

namespace {

// Plain functions, not member pointers: GCC's bounds sanitizer takes a call through a pointer
// to a virtual member for an index out of bounds.
using Put = HRESULT (*)(ISessionInfo*, BSTR);
using Get = HRESULT (*)(ISessionInfo*, BSTR*);

struct Property {
    const char* name;
    Put put;
    Get get;
};

#define KV_PROPERTY(Name)                                                                          \
    Property(                                                                                      \
        #Name, [](ISessionInfo* i, BSTR v) { return i->put_##Name(v); },                           \
        [](ISessionInfo* i, BSTR* v) { return i->get_##Name(v); })
const Property kProperties[] = {KV_PROPERTY(SessionID), KV_PROPERTY(SessionData),
                                KV_PROPERTY(Language), KV_PROPERTY(Roles)};
#undef KV_PROPERTY

std::string Read(ISessionInfo* info, const Property& property) {
    kavelin::platform::BstrString value;
    EXPECT_EQ(property.get(info, value.Receive()), S_OK) << property.name;
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
        ASSERT_EQ(kProperties[i].put(info.Get(), kavelin::platform::BstrString(values[i]).Get()),
                  S_OK);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Read(info.Get(), kProperties[i]), values[i]) << kProperties[i].name;
    // Every creation is an object of its own.
    EXPECT_EQ(Read(CreateBuiltIn().Get(), kProperties[0]), "");

    // Clearing, as the end of a session does, with empty texts and with null.
    for (size_t i = 0; i < 4; ++i)
        kProperties[i].put(info.Get(),
                           i % 2 == 0 ? kavelin::platform::BstrString("").Get() : nullptr);
    for (const Property& property : kProperties)
        EXPECT_EQ(Read(info.Get(), property), "") << property.name;
    EXPECT_EQ(info->get_Roles(nullptr), E_POINTER);
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
