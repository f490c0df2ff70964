#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "components/DataStreamSocket.h"
#include "kavelin/ComObject.h"
#include "kavelin/DataStream.h"

namespace kavelin::components {

// The library's own data stream: carries the proxy's HTTP bytes to a device over a
// Unix-domain socket or TCP, at the address its target names (components/DataStreamAddress.h).
// Waits are bounded: "ConnectTimeout" and "IOTimeout" (seconds, text values under
// SOFTWARE\Orvanta\Plotara, read at the first Open; 10 and 60 when absent or not a number).
class DataStreamComponent final : public kavelin::DispatchObject<IDataStream> {
public:
    static constexpr CLSID kClassId = kavelin::MakeGuid("{6176D0DB-7621-453C-A634-A13EB51D4BAD}");

    // E_INVALIDARG when the target names no device, a timeout result (0x80070102) or E_FAIL
    // when the device cannot be reached. `*status` is the address connected to, or why the
    // device could not be reached ("No such file or directory").
    HRESULT STDMETHODCALLTYPE Open(BSTR target, int32_t option0, int32_t option1, int32_t option2,
                                   BSTR* status) override;
    // E_UNEXPECTED when the stream is not open.
    HRESULT STDMETHODCALLTYPE Read(uint32_t maximum, uint8_t* buffer, uint32_t* count,
                                   uint32_t ioOption) override;
    // E_ILLEGAL_METHOD_CALL (0x8000000E), writing nothing, while the device has sent bytes
    // that were not read: they would be taken for the answer to what is written now.
    HRESULT STDMETHODCALLTYPE Write(uint32_t count, const uint8_t* bytes,
                                    uint32_t ioOption) override;
    HRESULT STDMETHODCALLTYPE Close() override;

private:
    struct Timeouts {
        std::chrono::milliseconds connect;
        std::chrono::milliseconds io;
    };

    HRESULT Connect(BSTR target, BSTR* status);
    // Sends what is held and then `bytes` in one go; nothing is held afterwards.
    HRESULT SendHeldAnd(const uint8_t* bytes, uint32_t count);

    DataStreamSocket mSocket;
    // Read at the first Open.
    std::optional<Timeouts> mTimeouts;
    // A small write (an HTTP header block) waits for what follows it, so that the device gets
    // the request in one piece: one system call here and one wake-up there. It goes with the
    // next Write, before the next Read, or at Close.
    static constexpr size_t kMostHeldBytes = 512;
    std::array<uint8_t, kMostHeldBytes> mHeld{};
    size_t mHeldCount = 0;
};

} // namespace kavelin::components
