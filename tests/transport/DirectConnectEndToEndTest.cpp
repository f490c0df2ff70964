#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "DeviceServer.h"
#include "components/BuiltInComponents.h"
#include "kavelin/Kavelin.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

// The kept-open row: the device drops a connection that stays idle past its timeout, and the
// stream carries the next request on a new connection, without a session restart.
TEST(DirectConnectEndToEnd, GetDataReachesTheDeviceThroughTheBuiltInStream) {
    RegisterBuiltInComponents();
    const std::string socketPath = kavelin_test::ScratchPath("dcs-e2e", ".sock");
    struct Case {
        const char* name;
        bool overTcp;
        void (*misbehave)(kavelin::device::DeviceServer&);
        const char* keepOpen;
        std::vector<std::string> operations;
        std::vector<int> pausesMs = {0}; // before each GetData
        int idleMs = 0;                  // the device's idle timeout; 0: its default
        int unusedPrefixes = 0;          // in the prefix map: a long request
    };
    const auto unanswered = [](kavelin::device::DeviceServer& device) {
        device.NeverAnswerNext("GetData", 1);
    };
    // Decoding stops at the first element, and the rest of the page is left unread.
    const auto webPage = [](kavelin::device::DeviceServer& device) {
        device.Script("GetData",
                      {kavelin::device::ScriptedAnswer::Kind::RawHttp,
                       "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 40\r\n\r\n"
                       "<html><body><p>Printer</p></body></html>"},
                      1);
    };
    const std::vector<std::string> once = {"StartSession", "GetData", "EndSession"};
    const std::vector<std::string> retried = {"StartSession", "GetData", "EndSession",
                                              "StartSession", "GetData", "EndSession"};
    for (const Case& c :
         {Case{"socket path in the URL", false, nullptr, "0", once},
          Case{"registered name of a TCP device", true, nullptr, "0", once},
          Case{"unanswered read times out, the retry succeeds", false, unanswered, "0", retried},
          Case{"kept open, the retry after a failed answer goes on a new stream", false, webPage,
               "1", retried},
          Case{"kept open past the device's idle timeout",
               false,
               nullptr,
               "1",
               {"StartSession", "GetData", "GetData", "GetData", "GetData", "EndSession"},
               {0, 0, 500, 0},
               200},
          Case{"a request beyond the engine's buffer", false, nullptr, "0", once, {0}, 0, 1500}}) {
        SCOPED_TRACE(c.name);
        kavelin::device::DeviceServer device(
            {.tcpPort = c.overTcp ? std::optional<uint16_t>(0) : std::nullopt,
             .unixPath = c.overTcp ? "" : socketPath,
             .idleTimeout = c.idleMs != 0 ? std::chrono::milliseconds(c.idleMs)
                                          : kavelin::device::DeviceOptions{}.idleTimeout});
        ASSERT_TRUE(device.Start()) << device.LastError();
        if (c.misbehave != nullptr)
            c.misbehave(device);
        const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara";
        const kavelin_test::ScopedRegistry registry(
            key + "]\r\n\"IOTimeout\"=\"1\"\r\n\"DirectConnectKeepOpen\"=\"" + c.keepOpen +
            "\"\r\n" + key + "\\DirectConnect]\r\n\"printer\"=\"127.0.0.1:" +
            std::to_string(device.Port()) + "\"\r\n");
        const std::string url =
            c.overTcp ? "ovdcs://printer/xdm/ixa/IXDMAccessSet.asmx" : "ovdcs://unix" + socketPath;
        IXDMAccessSoap* proxy = maker();
        proxy->Initialize(url, CPComPtr<ISessionInfo>());
        std::string map = "<PrefixMap><Prefix>p</Prefix><URL>http://schemas.orvanta.example/"
                          "schemas/imaging/con/dictionaries/1.0/</URL>";
        for (int n = 0; n < c.unusedPrefixes; ++n)
            map += "<Prefix>q" + std::to_string(n) + "</Prefix><URL>urn:q</URL>";
        map += "</PrefixMap>";
        for (const int pauseMs : c.pausesMs) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            EXPECT_EQ(proxy->GetData("string(//p:Identity/p:Model)", map, 0, 0), "Plotara C4250dn");
        }
        demaker(proxy);
        std::vector<std::string> operations;
        for (const kavelin::device::RecordedRequest& request : device.Requests())
            operations.push_back(request.operation);
        EXPECT_EQ(operations, c.operations);
    }
}

} // namespace
