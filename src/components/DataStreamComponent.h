#pragma once

#include <chrono>

#include "components/DataStreamSocket.h"
#include "kavelin/ComObject.h"
#include "kavelin/DataStream.h"

namespace kavelin::components {

// The library's own data stream: carries the proxy's HTTP bytes to a device over a
// Unix-domain socket or TCP, at the address its target names (components/DataStreamAddress.h).
// Waits are bounded: "ConnectTimeout" and "IOTimeout" (seconds, text values under
// SOFTWARE\Orvanta\Plotara, read at every Open; 10 and 60 when absent or not a number).
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
    HRESULT Connect(BSTR target, BSTR* status);

    DataStreamSocket mSocket;
    std::chrono::milliseconds mIoTimeout{0};
};

} // namespace kavelin::components
