#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "components/DataStreamAddress.h"
#include "components/DataStreamComponent.h"
#include "kavelin/CPComPtr.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

using kavelin::components::ResolveDataStreamTarget;
using kavelin_test::ScopedRegistry;

constexpr HRESULT kNotOpen = static_cast<HRESULT>(0x8000FFFF);

// A fresh component, asked for its interface the way the proxy asks.
CPComPtr<IDataStream> NewStream() {
    IDataStream* stream = nullptr;
    EXPECT_EQ(kavelin::CreateComObject<kavelin::components::DataStreamComponent>(
                  nullptr, IDataStream::kInterfaceId, reinterpret_cast<void**>(&stream)),
              S_OK);
    CPComPtr<IDataStream> holder;
    holder.Attach(stream);
    return holder;
}

HRESULT Open(IDataStream& stream, const std::u16string& target) {
    BSTR wide = SysAllocString(target.c_str());
    BSTR status = nullptr;
    const HRESULT result = stream.Open(wide, 0, 1, 0, &status);
    SysFreeString(wide);
    SysFreeString(status);
    return result;
}

HRESULT Write(IDataStream& stream, const std::string& bytes) {
    return stream.Write(static_cast<uint32_t>(bytes.size()),
                        reinterpret_cast<const uint8_t*>(bytes.data()), 0x80000);
}

TEST(DataStreamAddress, TargetsNameSocketsAddressesOrRegisteredDevices) {
    const ScopedRegistry registry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\DirectConnect]\r\n"
        "@=\"/run/default.sock\"\r\n"
        "\"printer\"=\"127.0.0.1:8080\"\r\n"
        "\"lab\"=\"/tmp/lab.sock\"\r\n"
        "\"relative\"=\"tmp/lab.sock\"\r\n"
        "\"indirect\"=\"printer\"\r\n");
    struct Case {
        const char* target;
        const char* address; // null: names no device
    };
    for (const Case& c : {
             Case{"unix/run/dev.sock", "unix:/run/dev.sock"},
             Case{"UNIX\\tmp/x.sock", "unix:/tmp/x.sock"},
             Case{"unix\\run\\dev.sock", "unix:/run/dev.sock"},
             Case{"unix/run\\kavelin/dev.sock", "unix:/run/kavelin/dev.sock"},
             Case{"127.0.0.1:8080", "127.0.0.1:8080"},
             Case{"localhost:9/xdm/ixa", "127.0.0.1:9"},
             Case{"LocalHOST:9", "127.0.0.1:9"},
             Case{"[::1]:80\\x", "[::1]:80"},
             Case{"printer/xdm/ixa", "127.0.0.1:8080"},
             Case{"PRINTER", "127.0.0.1:8080"},
             Case{"lab", "unix:/tmp/lab.sock"},
             Case{"", "unix:/run/default.sock"},
             Case{"/ignored-after-empty-name", "unix:/run/default.sock"},
             Case{"relative", nullptr},
             Case{"indirect", nullptr},
             Case{"unknown", nullptr},
             Case{"unix/", nullptr},
             Case{"printer.example:80", nullptr},
             Case{"256.0.0.1:80", nullptr},
             Case{"127.0.0.1:0", nullptr},
             Case{"127.0.0.1:65536", nullptr},
             Case{"127.0.0.1:+80", nullptr},
             Case{"[::1]80", nullptr},
         }) {
        SCOPED_TRACE(c.target);
        const std::optional<kavelin::components::DeviceAddress> address =
            ResolveDataStreamTarget(c.target);
        ASSERT_EQ(address.has_value(), c.address != nullptr);
        if (address) {
            EXPECT_EQ(address->Describe(), c.address);
        }
    }
}

TEST(DataStreamComponent, FailsCleanlyWithoutADevice) {
    CPComPtr<IDataStream> stream = NewStream();
    uint8_t buffer[8];
    uint32_t count = 7;
    EXPECT_EQ(stream->Read(sizeof buffer, buffer, &count, 0), kNotOpen);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(Write(*stream.Get(), "x"), kNotOpen);
    EXPECT_EQ(Open(*stream.Get(), u"no-such-device"), E_INVALIDARG);
    const std::string path = kavelin_test::ScratchPath("datastream-nobody", ".sock");
    std::filesystem::remove(path);
    EXPECT_TRUE(FAILED(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end()))));
    EXPECT_EQ(Write(*stream.Get(), "x"), kNotOpen);
}

TEST(DataStreamComponent, WritingToAConnectionTheDeviceDroppedFailsWithoutASignal) {
    const std::string path = kavelin_test::ScratchPath("datastream-dropped", ".sock");
    std::filesystem::remove(path);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    CPComPtr<IDataStream> stream = NewStream();
    ASSERT_EQ(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end())), S_OK);
    // The device goes away before it ever accepts the connection.
    close(listener);
    std::filesystem::remove(path);
    EXPECT_TRUE(FAILED(Write(*stream.Get(), std::string(1024, 'b'))));
}

} // namespace
