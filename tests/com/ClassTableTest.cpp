#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <thread>
#include <vector>

#include "com/LiveObject.h"
#include "kavelin/ComponentRegistration.h"
#include "os/com/ComClassTable.h"
#include "os/com/ComCreation.h"
#include "support/StartLine.h"

namespace {

namespace os = kavelin::os;
using kavelin_test::LiveObject;

constexpr CLSID kOtherClassId = kavelin::MakeGuid("{99999999-8888-7777-6666-555555555555}");

HRESULT CreateLive(void*, IUnknown* outer, const IID* iid, void** object) {
    return kavelin::CreateComObject<LiveObject>(outer, *iid, object);
}

HRESULT Refuse(void* result, IUnknown*, const IID*, void** object) {
    *object = reinterpret_cast<void*>(0x1); // a careless factory; the caller must not keep it
    return *static_cast<HRESULT*>(result);
}

// "registered requested" context rows (1 in-process server, 2 handler, 4 local server), each
// followed by whether creation succeeds.
TEST(ClassTable, CreatesOnlyInTheContextsAClassSupports) {
    std::istringstream rows("1 1 yes;1 7 yes;1 4 no;1 2 no;4 4 yes;4 1 no;5 4 yes;");
    for (std::string row; std::getline(rows, row, ';');) {
        DWORD registered = 0, requested = 0;
        std::string created;
        std::istringstream(row) >> registered >> requested >> created;
        const HRESULT expected = created == "yes" ? S_OK : REGDB_E_CLASSNOTREG;
        ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.Context", &LiveObject::kClassId,
                                           registered, &CreateLive, nullptr),
                  S_OK);
        CLSID clsid{};
        ASSERT_EQ(os::ClassIdFromProgId(u"kavelin.test.CONTEXT", &clsid), S_OK);
        void* object = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(os::CreateClassInstance(clsid, nullptr, requested, IID_IUnknown, &object),
                  expected)
            << registered << " asked " << requested;
        EXPECT_EQ(object != nullptr, SUCCEEDED(expected));
        if (object != nullptr)
            static_cast<IUnknown*>(object)->Release();
        EXPECT_EQ(LiveObject::alive, 0);
    }
    EXPECT_EQ(KavelinUnregisterComponent(u"Kavelin.Test.Context"), S_OK);
    EXPECT_EQ(KavelinUnregisterComponent(u"Kavelin.Test.Context"), S_FALSE);
}

// Refused registrations, lookups and creations leave neither a class nor an object behind.
TEST(ClassTable, FailuresLeaveNothingBehind) {
    const char16_t* x = u"Kavelin.Test.X";
    EXPECT_EQ(KavelinRegisterComponent(nullptr, &kOtherClassId, 1, &CreateLive, nullptr),
              E_INVALIDARG);
    EXPECT_EQ(KavelinRegisterComponent(u"", &kOtherClassId, 1, &CreateLive, nullptr), E_INVALIDARG);
    EXPECT_EQ(KavelinRegisterComponent(x, &kOtherClassId, 8, &CreateLive, nullptr), E_INVALIDARG);
    EXPECT_EQ(KavelinRegisterComponent(x, nullptr, 1, &CreateLive, nullptr), E_POINTER);
    EXPECT_EQ(KavelinRegisterComponent(x, &kOtherClassId, 1, nullptr, nullptr), E_POINTER);
    CLSID clsid{};
    EXPECT_EQ(os::ClassIdFromProgId(x, &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(os::ClassIdFromProgId(nullptr, &clsid), E_INVALIDARG);

    HRESULT refusal = E_NOINTERFACE;
    ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.Refuse", &kOtherClassId, CLSCTX_INPROC_SERVER,
                                       &Refuse, &refusal),
              S_OK);
    void* object = nullptr;
    EXPECT_EQ(os::CreateClassInstance(kOtherClassId, nullptr, 7, IID_IUnknown, &object),
              E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    KavelinUnregisterComponent(u"Kavelin.Test.Refuse");
    EXPECT_EQ(os::CreateClassInstance(kOtherClassId, nullptr, 7, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(os::CreateClassInstance(kOtherClassId, nullptr, 7, IID_IUnknown, nullptr),
              E_INVALIDARG);
}

TEST(ClassTable, HostClassHidesTheBuiltInUntilUnregistered) {
    os::RegisterBuiltInClass(u"Kavelin.Test.Shadowed", kOtherClassId, CLSCTX_INPROC_SERVER,
                             [](IUnknown*, REFIID, void** object) {
                                 *object = nullptr;
                                 return E_NOTIMPL;
                             });
    ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.Shadowed", &LiveObject::kClassId,
                                       CLSCTX_INPROC_SERVER, &CreateLive, nullptr),
              S_OK);
    CLSID clsid{};
    ASSERT_EQ(os::ClassIdFromProgId(u"Kavelin.Test.Shadowed", &clsid), S_OK);
    EXPECT_TRUE(clsid == LiveObject::kClassId);
    ASSERT_EQ(KavelinUnregisterComponent(u"Kavelin.Test.Shadowed"), S_OK);
    ASSERT_EQ(os::ClassIdFromProgId(u"Kavelin.Test.Shadowed", &clsid), S_OK);
    EXPECT_TRUE(clsid == kOtherClassId);
    os::ComClassTable::Instance().Unregister(os::ComClassOrigin::BuiltIn, u"Kavelin.Test.Shadowed");
}

TEST(ClassTable, RegistersAndCreatesFromManyThreads) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 200;
    // Rounds whose every step succeeded: all must, since each thread registers its own name.
    std::atomic<int> completed{0};
    // Every round starts in all threads at once, so that one thread's creation meets the
    // others' registrations and removals.
    kavelin_test::StartLine roundStart(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &completed, &roundStart] {
            const std::u16string progId = u"Kavelin.Test.Thread" + std::u16string(1, u'0' + t);
            const char16_t* name = progId.c_str();
            for (int i = 0; i < kRounds; ++i) {
                roundStart.ArriveAndWait();
                CLSID clsid{};
                void* object = nullptr;
                const bool ok =
                    KavelinRegisterComponent(name, &LiveObject::kClassId, 1, &CreateLive,
                                             nullptr) == S_OK &&
                    os::ClassIdFromProgId(name, &clsid) == S_OK && clsid == LiveObject::kClassId &&
                    os::CreateClassInstance(clsid, nullptr, 1, IID_IUnknown, &object) == S_OK &&
                    object != nullptr;
                if (object != nullptr)
                    static_cast<IUnknown*>(object)->Release();
                completed += KavelinUnregisterComponent(name) == S_OK && ok ? 1 : 0;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(completed, kThreads * kRounds);
    EXPECT_EQ(LiveObject::alive, 0);
}

} // namespace
