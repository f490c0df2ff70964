#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DeviceServer.h"
#include "ScopedRegistry.h"
#include "components/BuiltInComponents.h"
#include "components/DataStreamComponent.h"
#include "kavelin/Kavelin.h"

namespace {

constexpr char kDictionary[] =
    "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/";

std::vector<std::string> Operations(const kavelin::device::DeviceServer& device) {
    std::vector<std::string> operations;
    for (const kavelin::device::RecordedRequest& request : device.Requests())
        operations.push_back(request.operation);
    return operations;
}

TEST(DirectConnectEndToEnd, GetDataReachesADeviceOnAUnixSocketThroughTheBuiltInStream) {
    RegisterBuiltInComponents();
    components::RegisterDataStreamComponent();
    const std::string socketPath = (std::filesystem::temp_directory_path() /
                                    ("dcs-e2e-" + std::to_string(::getpid()) + ".sock"))
                                       .string();
    const kavelin::testing::ScopedRegistry registry(
        "dcs-e2e", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\DirectConnect]\r\n"
                   "\"printer\"=\"" +
                       socketPath + "\"\r\n");
    const std::string map =
        std::string("<PrefixMap><Prefix>p</Prefix><URL>") + kDictionary + "</URL></PrefixMap>";
    for (const std::string& url :
         {"ovdcs://unix" + socketPath, std::string("ovdcs://printer/xdm/ixa/IXDMAccessSet.asmx")}) {
        SCOPED_TRACE(url);
        kavelin::device::DeviceOptions options;
        options.tcpPort = std::nullopt;
        options.unixPath = socketPath;
        kavelin::device::DeviceServer device(options);
        ASSERT_TRUE(device.Start()) << device.LastError();
        IXDMAccessSoap* proxy = maker();
        proxy->Initialize(url, CPComPtr<ISessionInfo>());
        EXPECT_EQ(proxy->GetData("string(//p:Identity/p:Model)", map, 0, 0), "Plotara C4250dn");
        demaker(proxy);
        EXPECT_EQ(Operations(device),
                  (std::vector<std::string>{"StartSession", "GetData", "EndSession"}));
    }
}

} // namespace
