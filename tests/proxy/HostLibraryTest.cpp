// The library as a host uses it: loaded with dlopen, driven through the public headers alone.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <libxml/parser.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

#include "DeviceServer.h"
#include "RecordingSessionInfo.h"
#include "guest/GuestHost.h"
#include "kavelin/Kavelin.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

class HostLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        mLogPath = mDirectory / "host.log";
        kavelin_test::WriteRegistryFile(
            mDirectory / "registry.reg",
            std::string("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n"
                        "\"Logging-Infra\"=\"file,") +
                mLogPath.string() + ",5\"\n");
        setenv("KAVELIN_REGISTRY", (mDirectory / "registry.reg").c_str(), 1);

        mLibrary = dlopen(KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(mLibrary, nullptr) << dlerror();
        mMaker = reinterpret_cast<KavelinMaker>(dlsym(mLibrary, "maker"));
        mDemaker = reinterpret_cast<KavelinDemaker>(dlsym(mLibrary, "demaker"));
        mRegister = reinterpret_cast<decltype(&KavelinRegisterComponent)>(
            dlsym(mLibrary, "KavelinRegisterComponent"));
        mUnregister = reinterpret_cast<decltype(&KavelinUnregisterComponent)>(
            dlsym(mLibrary, "KavelinUnregisterComponent"));
        ASSERT_TRUE(mMaker && mDemaker && mRegister && mUnregister);
        ASSERT_EQ(mRegister(kSessionInfoProgId, &RecordingSessionInfo::kClassId,
                            CLSCTX_INPROC_SERVER, &RecordingSessionInfo::Factory, nullptr),
                  S_OK);
        ASSERT_TRUE(mDevice.Start()) << mDevice.LastError();
    }

    void TearDown() override {
        mDevice.Stop();
        if (mLibrary != nullptr) {
            mUnregister(kSessionInfoProgId);
            dlclose(mLibrary);
        }
        unsetenv("KAVELIN_REGISTRY");
    }

    const kavelin_test::ScratchFolder mScratch{"kavelin-host"};
    const std::filesystem::path mDirectory = mScratch.Path();
    std::filesystem::path mLogPath;
    void* mLibrary = nullptr;
    KavelinMaker mMaker = nullptr;
    KavelinDemaker mDemaker = nullptr;
    decltype(&KavelinRegisterComponent) mRegister = nullptr;
    decltype(&KavelinUnregisterComponent) mUnregister = nullptr;
    kavelin::device::DeviceServer mDevice;
};

TEST_F(HostLibraryTest, SessionThroughTheLoadedLibrary) {
    mDemaker(nullptr);

    IXDMAccessSoap* proxy = mMaker();
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->Reserved0("x", 0), "not implemented");
    proxy->Initialize(mDevice.BaseServiceUrl(), CPComPtr<ISessionInfo>());
    const std::string sessionId = proxy->StartSession();
    EXPECT_FALSE(sessionId.empty());

    // The library's failure is caught by type in the host.
    try {
        proxy->StartSession();
        ADD_FAILURE() << "a second start must be refused";
    } catch (const CPException& failure) {
        EXPECT_STREQ(failure.what(), "StartSession Failed!!!");
        EXPECT_EQ(failure.GetErrorCode(), E_FAIL);
        // The cause's class is told by its name across the library's boundary.
        const CPExceptionCause* cause = GetExceptionCause(failure);
        ASSERT_NE(cause, nullptr);
        EXPECT_EQ(cause->summary, "a session already exists: " + sessionId);
    }
    // The proxy made its own session-information object, so destroying it ends the session.
    mDemaker(proxy);
    const auto requests = mDevice.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].operation + " " + requests[1].operation, "StartSession EndSession");
    EXPECT_NE(requests[1].body.find(sessionId), std::string::npos);

    const std::string log = kavelin_test::FileText(mLogPath);
    const std::string lines[] = {
        "/3] OVCOM.Kavelin::IBaseSoap - Constructor\r\n",
        "/5] OVCOM.Kavelin::IBaseSoap::Initialize - Enter\r\n",
        "/5] OVCOM.Kavelin::IBaseSoap::StartSession - Enter\r\n",
        "/3] OVCOM.Kavelin::IBaseSoap::StartSession - invoking gSoap start session "
        "function.\r\n",
        "/1] OVCOM.Kavelin::IBaseSoap::StartSession - error: start session failed throwing "
        "exception!!!\r\n",
        "/5] OVCOM.Kavelin::IBaseSoap::EndSession - Exit\r\n",
        "/3] OVCOM.Kavelin::IBaseSoap - Destructor\r\n",
        "/2] OVCOM.Kavelin::IBaseSoap::StartSession - warning: session has already been "
        "established: " +
            sessionId + "\r\n"};
    for (const std::string& line : lines)
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

// The names a host may bind to, and nothing else: the engine, the binding and the C++ runtime's
// templates stay inside, so that neither side of a host that uses gSOAP binds to the other.
TEST(HostLibraryExports, TheDynamicSymbolTableHoldsTheDocumentedExportsAlone) {
    const std::string command =
        std::string("nm -D --defined-only --format=posix ") + KAVELIN_LIBRARY_PATH;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr)
        names.insert(std::string(line).substr(0, std::string(line).find(' ')));
    EXPECT_EQ(
        names,
        (std::set<std::string>{
            "KavelinRegisterComponent", "KavelinUnregisterComponent", "_ZN8CKavelinC1Ev",
            "_ZN8CKavelinC2Ev", "_ZN8CKavelinaSERKS_", "demaker", "fnKavelin", "maker",
            // the C interface (kavelin_c.h)
            "kavelin_create", "kavelin_destroy", "kavelin_end_session", "kavelin_failure_cause",
            "kavelin_failure_code", "kavelin_failure_text", "kavelin_free", "kavelin_get_data",
            "kavelin_get_settable", "kavelin_get_supported_events", "kavelin_initialize",
            "kavelin_session_create", "kavelin_session_release", "kavelin_set_data",
            "kavelin_start_session", "kavelin_subscribe", "kavelin_unsubscribe"}));
}

// A host with its own gSOAP binding on the shared runtime, and its own libxml2 parsing, calls
// its service before, between and after the library's operations: every call succeeds.
TEST_F(HostLibraryTest, AHostThatUsesTheEngineAndTheParserItselfKeepsBoth) {
    kavelin_test::GuestServer guest(3);
    ASSERT_FALSE(guest.Url().empty());
    EXPECT_EQ(kavelin_test::GuestEcho(guest.Url(), "before"), "echo: before");

    IXDMAccessSoap* proxy = mMaker();
    proxy->Initialize(mDevice.XdmServiceUrl(), CPComPtr<ISessionInfo>());
    const std::string prefixes = "<PrefixMap><Prefix>dd</Prefix><URL>http://schemas.orvanta."
                                 "example/schemas/imaging/con/dictionaries/1.0/</URL></PrefixMap>";
    const std::string state = proxy->GetData("//dd:Status/dd:State", prefixes, 0, 0);
    EXPECT_EQ(kavelin_test::GuestEcho(guest.Url(), "between"), "echo: between");
    std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> parsed(
        xmlReadMemory(state.data(), static_cast<int>(state.size()), nullptr, nullptr,
                      XML_PARSE_NONET),
        xmlFreeDoc);
    ASSERT_NE(parsed, nullptr) << state;
    EXPECT_STREQ(reinterpret_cast<const char*>(xmlDocGetRootElement(parsed.get())->name), "State");
    EXPECT_EQ(proxy->GetData("//dd:Status/dd:State", prefixes, 0, 0), state);
    mDemaker(proxy);

    EXPECT_EQ(kavelin_test::GuestEcho(guest.Url(), "after"), "echo: after");
}

} // namespace
