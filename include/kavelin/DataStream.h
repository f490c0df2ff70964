#pragma once

#include <cstdint>

#include "kavelin/ComBase.h"

// The direct-connect data stream: a byte pipe to a device that the proxy uses for service URLs
// of the "ovdcs:" scheme. The library has a built-in one; a host may register its own class
// under the same ProgID. The method order is the virtual table layout.
struct IDataStream : IDispatch {
    static constexpr IID kInterfaceId = kavelin::MakeGuid("{809309E9-B3B6-4AD4-AFE6-478FA32542D6}");

    // Connects to the device that `target` names. The proxy passes 0, 1 and 0 as the three
    // options; their meaning is the component's. `*status` receives a text the caller frees
    // unread (it may be left null). Success means the stream is ready for Write and Read.
    virtual HRESULT STDMETHODCALLTYPE Open(BSTR target, int32_t option0, int32_t option1,
                                           int32_t option2, BSTR* status) = 0;
    // Places at most `maximum` bytes into `buffer` and their count into `*count`; a count of 0
    // on success means the device has nothing more to send.
    virtual HRESULT STDMETHODCALLTYPE Read(uint32_t maximum, uint8_t* buffer, uint32_t* count,
                                           uint32_t ioOption) = 0;
    // Success means all `count` bytes were accepted.
    virtual HRESULT STDMETHODCALLTYPE Write(uint32_t count, const uint8_t* bytes,
                                            uint32_t ioOption) = 0;
    // Ends the connection; the stream may be opened again.
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;

protected:
    ~IDataStream() = default;
};

// The ProgID under which proxies create the data stream.
inline constexpr char16_t kDataStreamProgId[] = u"OVCOM.ASIDATASTREAM";
