#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ScopedRegistry.h"
#include "ScriptedPeer.h"
#include "components/DataStreamAddress.h"
#include "components/DataStreamComponent.h"
#include "kavelin/CPComPtr.h"

namespace {

using components::ResolveDataStreamTarget;
using kavelin::testing::ScopedRegistry;
using kavelin::testing::ScriptedPeer;

constexpr HRESULT kTimedOut = static_cast<HRESULT>(0x80070102);
constexpr HRESULT kNotOpen = static_cast<HRESULT>(0x8000FFFF);

std::string SocketPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            (name + "-" + std::to_string(::getpid()) + ".sock"))
        .string();
}

// A fresh component, asked for its interface the way the proxy asks.
CPComPtr<IDataStream> NewStream() {
    IDataStream* stream = nullptr;
    EXPECT_EQ(kavelin::CreateComObject<components::DataStreamComponent>(
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

// Reads until the device closes its side; empty on a failed read.
std::optional<std::string> ReadAll(IDataStream& stream, HRESULT* failure = nullptr) {
    std::string all;
    for (int reads = 0; reads < 1000; ++reads) {
        uint8_t buffer[100];
        uint32_t count = 0;
        const HRESULT result = stream.Read(sizeof buffer, buffer, &count, 0x80000);
        if (FAILED(result)) {
            if (failure != nullptr)
                *failure = result;
            return std::nullopt;
        }
        if (count == 0)
            break;
        all.append(reinterpret_cast<const char*>(buffer), count);
    }
    return all;
}

TEST(DataStreamAddress, TargetsNameSocketsAddressesOrRegisteredDevices) {
    const ScopedRegistry registry(
        "datastream-addresses",
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
             Case{"127.0.0.1:8080", "127.0.0.1:8080"},
             Case{"localhost:9/xdm/ixa", "127.0.0.1:9"},
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
        const std::optional<components::DeviceAddress> address = ResolveDataStreamTarget(c.target);
        ASSERT_EQ(address.has_value(), c.address != nullptr);
        if (address) {
            EXPECT_EQ(address->Describe(), c.address);
        }
    }
}

TEST(DataStreamComponent, CarriesARequestAndItsAnswerOverEitherKindOfSocket) {
    const std::string request = "POST /x HTTP/1.1\r\nHost: dev\r\n\r\n";
    const std::string answer =
        "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n" + std::string(250, 'a');
    const std::string path = SocketPath("datastream-roundtrip");
    for (const bool overUnixSocket : {true, false}) {
        SCOPED_TRACE(overUnixSocket ? "unix socket" : "tcp");
        ScriptedPeer peer(ScriptedPeer::Behaviour::Answer, answer, overUnixSocket ? path : "");
        const std::string narrowTarget =
            overUnixSocket ? "unix" + path : "127.0.0.1:" + std::to_string(peer.Port());
        const std::u16string target(narrowTarget.begin(), narrowTarget.end());
        CPComPtr<IDataStream> stream = NewStream();
        ASSERT_EQ(Open(*stream.Get(), target), S_OK);
        ASSERT_EQ(Write(*stream.Get(), request.substr(0, 10)), S_OK);
        ASSERT_EQ(Write(*stream.Get(), request.substr(10)), S_OK);
        EXPECT_EQ(ReadAll(*stream.Get()), answer);
        EXPECT_EQ(peer.Received(), request);
        EXPECT_EQ(stream->Close(), S_OK);
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
    const std::string path = SocketPath("datastream-nobody");
    std::filesystem::remove(path);
    EXPECT_TRUE(FAILED(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end()))));
    EXPECT_EQ(Write(*stream.Get(), "x"), kNotOpen);
}

TEST(DataStreamComponent, ReadGivesUpAfterTheConfiguredTimeout) {
    const ScopedRegistry registry("datastream-timeout",
                                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n"
                                  "\"IOTimeout\"=\"1\"\r\n");
    const std::string path = SocketPath("datastream-silent");
    ScriptedPeer peer(ScriptedPeer::Behaviour::Silent, "", path);
    CPComPtr<IDataStream> stream = NewStream();
    ASSERT_EQ(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end())), S_OK);
    ASSERT_EQ(Write(*stream.Get(), "GET / HTTP/1.1\r\n\r\n"), S_OK);
    HRESULT failure = S_OK;
    EXPECT_EQ(ReadAll(*stream.Get(), &failure), std::nullopt);
    EXPECT_EQ(failure, kTimedOut);
}

TEST(DataStreamComponent, WritingToAClosedConnectionFailsWithoutASignal) {
    const std::string path = SocketPath("datastream-closed");
    ScriptedPeer peer(ScriptedPeer::Behaviour::CloseAtOnce, "", path);
    CPComPtr<IDataStream> stream = NewStream();
    ASSERT_EQ(Open(*stream.Get(), u"unix" + std::u16string(path.begin(), path.end())), S_OK);
    const std::string block(64 * 1024, 'b');
    HRESULT result = S_OK;
    // The first writes may still land in the socket buffer; a later one must fail.
    for (int attempt = 0; attempt < 200 && SUCCEEDED(result); ++attempt)
        result = Write(*stream.Get(), block);
    EXPECT_TRUE(FAILED(result));
}

} // namespace
