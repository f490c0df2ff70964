#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "components/DataStreamAddress.h"
#include "components/DataStreamComponent.h"
#include "kavelin/CPComPtr.h"
#include "support/CannedServer.h"
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
    const ScopedRegistry registry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\DirectConnect]"
                                  "\r\n@=\"/run/default.sock\"\r\n"
                                  "\"printer\"=\"127.0.0.1:8080\"\r\n\"lab\"=\"/tmp/lab.sock\"\r\n"
                                  "\"relative\"=\"tmp/lab.sock\"\r\n\"indirect\"=\"printer\"\r\n");
    // "target > address;" rows, no address where the target names no device.
    std::istringstream rows(
        "unix/run/dev.sock > unix:/run/dev.sock;UNIX\\tmp/x.sock > unix:/tmp/x.sock;"
        "unix\\run\\dev.sock > unix:/run/dev.sock;"
        "unix/run\\kavelin/dev.sock > unix:/run/kavelin/dev.sock;"
        "127.0.0.1:8080 > 127.0.0.1:8080;localhost:9/xdm/ixa > 127.0.0.1:9;"
        "LocalHOST:9 > 127.0.0.1:9;[::1]:80\\x > [::1]:80;printer/xdm/ixa > 127.0.0.1:8080;"
        "PRINTER > 127.0.0.1:8080;lab > unix:/tmp/lab.sock; > unix:/run/default.sock;"
        "/ignored-after-empty-name > unix:/run/default.sock;relative > ;indirect > ;unknown > ;"
        "unix/ > ;printer.example:80 > ;256.0.0.1:80 > ;127.0.0.1:0 > ;127.0.0.1:65536 > ;"
        "127.0.0.1:+80 > ;[::1]80 > ;");
    for (std::string c; std::getline(rows, c, ';');) {
        SCOPED_TRACE(c);
        const size_t split = c.find(" > ");
        const std::optional<kavelin::components::DeviceAddress> address =
            ResolveDataStreamTarget(c.substr(0, split));
        EXPECT_EQ(address ? address->Describe() : "", c.substr(split + 3));
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

TEST(DataStreamComponent, EveryWrittenByteReachesTheDeviceInOrderWhateverEndsTheExchange) {
    const std::string path = kavelin_test::ScratchPath("datastream-order", ".sock");
    const std::string header(170, 'h'), body(1600, 'b'), small = "<small/>";
    // Writes, and whether the exchange ends with a Read (else with Close).
    const struct {
        std::vector<std::string> writes;
        bool read;
    } cases[] = {{{header, body}, true},  {{header, small}, true}, {{small}, true},
                 {{header}, false},       {{body, small}, false},  {{header, body, small}, false},
                 {{"", header, ""}, true}};
    for (const auto& c : cases) {
        std::string sent;
        for (const std::string& w : c.writes)
            sent += w;
        SCOPED_TRACE(sent.size());
        kavelin_test::CannedServer device({"answer"}, path);
        CPComPtr<IDataStream> stream = NewStream();
        ASSERT_EQ(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end())), S_OK);
        for (const std::string& w : c.writes)
            EXPECT_EQ(Write(*stream.Get(), w), S_OK);
        uint8_t buffer[16];
        uint32_t count = 0;
        if (c.read) {
            EXPECT_EQ(stream->Read(sizeof buffer, buffer, &count, 0x80000), S_OK);
        }
        stream->Close();
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), count), c.read ? "answer" : "");
        EXPECT_EQ(device.Requests(), std::vector<std::string>{sent});
    }
}

TEST(DataStreamComponent, WritingToAConnectionTheDeviceDroppedFailsWithoutASignal) {
    const std::string path = kavelin_test::ScratchPath("datastream-dropped", ".sock");
    CPComPtr<IDataStream> stream = NewStream();
    {
        // The device goes away before it ever accepts the connection.
        const kavelin_test::CannedServer device({}, path);
        ASSERT_EQ(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end())), S_OK);
    }
    EXPECT_TRUE(FAILED(Write(*stream.Get(), std::string(1024, 'b'))));
}

} // namespace
