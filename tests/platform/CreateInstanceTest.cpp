#include <gtest/gtest.h>

#include <algorithm>
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

const std::string kForceKeyLine =
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

// "level text|level text|..." as lines of CreateInstance, after its entry lines.
LogLines Trace(const std::string& lines) {
    LogLines trace = {
        {8, "PlatformServices::CreateInstance() Entering"}, {9, "CI 1"}, {9, "CI 2"}, {9, "CI 3"}};
    for (size_t at = 0, end; at < lines.size(); at = end + 1) {
        end = std::min(lines.find('|', at), lines.size());
        trace.emplace_back(lines[at] - '0', "PlatformServices::CreateInstance() " +
                                                lines.substr(at + 2, end - at - 2));
    }
    return trace;
}

TEST_F(CreateInstanceTest, OnlyATerminatedStringValueForcesTheLocalServer) {
    const std::string name = "\"OVCOM.SessionInfoWrapper\"=";
    const std::string resolved = "8 CLSIDFromProgID succeeded|8 just created temp|";
    const struct {
        const char* name;
        std::string registry; // empty: no file at all
        bool created;
        std::string trace = {}; // after the CLSID is resolved; empty: not checked
    } cases[] = {
        {"no registry", "", true, "8 could not find forcekey|8 returning SUCCESS."},
        {"key without values", kForceKeyLine, true},
        {"empty string", kForceKeyLine + name + "\"\"\n", false,
         "8 found forcekey|8 found string value in forcekey|1 returning FAIL."},
        {"text, other case", kForceKeyLine + "\"ovcom.sessioninfowrapper\"=\"1\"\n", false},
        {"expandable string", kForceKeyLine + name + "hex(2):41,00,00,00\n", false},
        {"number", kForceKeyLine + name + "dword:00000001\n", true,
         "8 found forcekey|8 string value in forcekey not found|8 returning SUCCESS."},
        {"another ProgID", kForceKeyLine + "\"OVCOM.ASIDATASTREAM\"=\"\"\n", true},
        {"unterminated", kForceKeyLine + name + "hex(1):41,00,42,00\n", true},
        {"longer than the buffer", kForceKeyLine + name + "\"" + std::string(300, 'x') + "\"\n",
         true},
    };
    for (const auto& c : cases) {
        const kavelin_test::ScopedRegistry registry(c.registry);
        kavelin_test::LogCapture capture(9);
        CPComPtr<ISessionInfo> info;
        const HRESULT result = info.CreateInstance(kSessionInfoProgId);
        EXPECT_EQ(result, c.created ? S_OK : REGDB_E_CLASSNOTREG) << c.name;
        EXPECT_EQ(static_cast<bool>(info), c.created) << c.name;
        if (!c.trace.empty()) {
            EXPECT_EQ(WithoutBufferLines(capture.Lines()), Trace(resolved + c.trace)) << c.name;
        }
    }

    kavelin_test::LogCapture capture(9);
    CPComPtr<ISessionInfo> info;
    info.CreateInstance(u"Kavelin.Test.Unknown");
    EXPECT_EQ(WithoutBufferLines(capture.Lines()),
              Trace("1 unable to resolve CLSID|1 returning FAIL."));
}

// Forced out of process, a local server is created and an in-process class is not; a failed
// creation still releases the object the holder held.
TEST_F(CreateInstanceTest, ForcedCreationNeedsALocalServerAndReleasesTheHeldObject) {
    const kavelin_test::ScopedRegistry registry(
        kForceKeyLine + "\"Kavelin.Test.Server\"=\"\"\n\"Kavelin.Test.InProc\"=\"\"\n");
    ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.Server", &LiveObject::kClassId,
                                       CLSCTX_LOCAL_SERVER, &CreateLive, nullptr),
              S_OK);
    // A class id of its own: creation finds the class by it.
    constexpr CLSID kInProcClassId = kavelin::MakeGuid("{99999999-8888-7777-6666-555555555555}");
    ASSERT_EQ(KavelinRegisterComponent(u"Kavelin.Test.InProc", &kInProcClassId,
                                       CLSCTX_INPROC_SERVER, &CreateLive, nullptr),
              S_OK);
    for (const auto& [progId, expected] : {std::pair{u"Kavelin.Test.Server", S_OK},
                                           {u"Kavelin.Test.Unknown", CO_E_CLASSSTRING},
                                           {u"Kavelin.Test.InProc", REGDB_E_CLASSNOTREG},
                                           {nullptr, E_INVALIDARG}}) {
        CPComPtr<IUnknown> object;
        object.Attach(new LiveObject());
        EXPECT_EQ(object.CreateInstance(progId), expected);
        EXPECT_EQ(static_cast<bool>(object), expected == S_OK);
        EXPECT_EQ(LiveObject::alive, expected == S_OK ? 1 : 0);
    }
    KavelinUnregisterComponent(u"Kavelin.Test.Server");
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
