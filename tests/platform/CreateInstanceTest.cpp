#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "com/LiveObject.h"
#include "components/BuiltInComponents.h"
#include "kavelin/ComponentRegistration.h"
#include "kavelin/ISessionInfo.h"
#include "os/com/ComClassTable.h"
#include "platform/PlatformServices.h"
#include "support/LogCapture.h"
#include "support/RegistryFile.h"

namespace {

using kavelin_test::LiveObject;

constexpr char kForceKeyLine[] =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\ForceToOutOfProc]\n";

// Creation consults the registry: an empty one unless a test gives its own.
class CreateInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterBuiltInComponents(); }

    const kavelin_test::ScopedRegistry mEmptyRegistry{""};
};

HRESULT CreateLive(void*, IUnknown* outer, const IID* iid, void** object) {
    return kavelin::CreateComObject<LiveObject>(outer, *iid, object);
}

// The ProgID buffer's own level-6 lines are pinned by the buffer's tests.
kavelin_test::LogLines WithoutBufferLines(kavelin_test::LogLines lines) {
    std::erase_if(lines, [](const auto& line) { return line.first == 6; });
    return lines;
}

using kavelin_test::LogLines;
using LogLine = std::pair<int, std::string>;

const LogLines kEntry = {
    {8, "PlatformServices::CreateInstance() Entering"}, {9, "CI 1"}, {9, "CI 2"}, {9, "CI 3"}};
const LogLine kFound = {8, "PlatformServices::CreateInstance() found forcekey"};
const LogLine kSuccess = {8, "PlatformServices::CreateInstance() returning SUCCESS."};
const LogLine kFailure = {1, "PlatformServices::CreateInstance() returning FAIL."};

struct OverrideCase {
    const char* name;
    std::string registry; // empty: no file at all
    bool created;
    LogLines trace = {}; // the lines after the CLSID is resolved; empty: not checked
};

TEST_F(CreateInstanceTest, OnlyATerminatedStringValueForcesTheLocalServer) {
    const std::string name = "\"OVCOM.SessionInfoWrapper\"=";
    const OverrideCase cases[] = {
        {"no registry",
         "",
         true,
         {{8, "PlatformServices::CreateInstance() could not find forcekey"}, kSuccess}},
        {"key without values", kForceKeyLine, true},
        {"empty string",
         kForceKeyLine + name + "\"\"\n",
         false,
         {kFound,
          {8, "PlatformServices::CreateInstance() found string value in forcekey"},
          kFailure}},
        {"text, other case", std::string(kForceKeyLine) + "\"ovcom.sessioninfowrapper\"=\"1\"\n",
         false},
        {"expandable string", kForceKeyLine + name + "hex(2):41,00,00,00\n", false},
        {"number",
         kForceKeyLine + name + "dword:00000001\n",
         true,
         {kFound,
          {8, "PlatformServices::CreateInstance() string value in forcekey not found"},
          kSuccess}},
        {"another ProgID", std::string(kForceKeyLine) + "\"OVCOM.ASIDATASTREAM\"=\"\"\n", true},
        {"unterminated", kForceKeyLine + name + "hex(1):41,00,42,00\n", true},
        {"longer than the buffer", kForceKeyLine + name + "\"" + std::string(300, 'x') + "\"\n",
         true},
    };
    for (const OverrideCase& c : cases) {
        const kavelin_test::ScopedRegistry registry(c.registry);
        kavelin_test::LogCapture capture(9);
        CPComPtr<ISessionInfo> info;
        const HRESULT result = info.CreateInstance(kSessionInfoProgId);
        EXPECT_EQ(result, c.created ? S_OK : REGDB_E_CLASSNOTREG) << c.name;
        EXPECT_EQ(static_cast<bool>(info), c.created) << c.name;
        if (c.trace.empty())
            continue;
        LogLines expected = kEntry;
        expected.push_back({8, "PlatformServices::CreateInstance() CLSIDFromProgID succeeded"});
        expected.push_back({8, "PlatformServices::CreateInstance() just created temp"});
        expected.insert(expected.end(), c.trace.begin(), c.trace.end());
        EXPECT_EQ(WithoutBufferLines(capture.Lines()), expected) << c.name;
    }

    LogLines unresolved = kEntry;
    unresolved.push_back({1, "PlatformServices::CreateInstance() unable to resolve CLSID"});
    unresolved.push_back(kFailure);
    kavelin_test::LogCapture capture(9);
    CPComPtr<ISessionInfo> info;
    info.CreateInstance(u"Kavelin.Test.Unknown");
    EXPECT_EQ(WithoutBufferLines(capture.Lines()), unresolved);
}

TEST_F(CreateInstanceTest, ForcedCreationSucceedsForALocalServer) {
    const kavelin_test::ScopedRegistry registry(kForceKeyLine +
                                                std::string("\"Kavelin.Test.Server\"=\"\"\n"));
    ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.Server", &LiveObject::kClassId,
                                       CLSCTX_LOCAL_SERVER, &CreateLive, nullptr),
              S_OK);
    CPComPtr<IUnknown> object;
    EXPECT_EQ(object.CreateInstance(u"Kavelin.Test.Server"), S_OK);
    EXPECT_EQ(LiveObject::alive, 1);
    object.Release();
    KavelinUnregisterComponent(u"Kavelin.Test.Server");
}

TEST_F(CreateInstanceTest, ReleasesTheHeldObjectEvenWhenCreationFails) {
    const kavelin_test::ScopedRegistry registry(kForceKeyLine +
                                                std::string("\"Kavelin.Test.InProc\"=\"\"\n"));
    ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.InProc", &LiveObject::kClassId,
                                       CLSCTX_INPROC_SERVER, &CreateLive, nullptr),
              S_OK);
    struct FailureCase {
        const char16_t* progId;
        HRESULT expected;
    };
    const FailureCase cases[] = {{u"Kavelin.Test.Unknown", CO_E_CLASSSTRING},
                                 {u"Kavelin.Test.InProc", REGDB_E_CLASSNOTREG},
                                 {nullptr, E_INVALIDARG}};
    for (const FailureCase& c : cases) {
        CPComPtr<IUnknown> object;
        object.Attach(new LiveObject());
        EXPECT_EQ(object.CreateInstance(c.progId), c.expected);
        EXPECT_FALSE(object);
        EXPECT_EQ(LiveObject::alive, 0);
    }
    KavelinUnregisterComponent(u"Kavelin.Test.InProc");
}

TEST_F(CreateInstanceTest, AFactoryExceptionBecomesAFailureWithoutALeak) {
    kavelin::os::ComClassTable::Instance().Register(
        kavelin::os::ComClassOrigin::Host, u"Kavelin.Test.Throws", LiveObject::kClassId,
        CLSCTX_INPROC_SERVER, [](IUnknown*, REFIID, void** object) -> HRESULT {
            *object = static_cast<IUnknown*>(new LiveObject());
            throw std::runtime_error("component failed");
        });
    CPComPtr<IUnknown> object;
    HRESULT result = S_OK;
    kavelin_test::LogCapture capture(1);
    EXPECT_NO_THROW(result = object.CreateInstance(u"Kavelin.Test.Throws"));
    EXPECT_EQ(result, E_FAIL);
    const kavelin_test::LogLines expected = {
        {1, "PlatformServices::CreateInstance() caught exception."},
        {1, "PlatformServices::CreateInstance() returning FAIL."}};
    EXPECT_EQ(capture.Lines(), expected);
    EXPECT_FALSE(object);
    EXPECT_EQ(LiveObject::alive, 0);
    KavelinUnregisterComponent(u"Kavelin.Test.Throws");
}

} // namespace
