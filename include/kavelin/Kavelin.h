#pragma once

#include <cstdint>
#include <string>

#include "kavelin/CKavelin.h"
#include "kavelin/CPComPtr.h"
#include "kavelin/CPException.h"
#include "kavelin/Export.h"
#include "kavelin/ISessionInfo.h"
#include "kavelin/RemoteArray.h"

// What a host sees of the device service proxy. The host gets one proxy from `maker`, calls
// only the virtual operations below, and hands the proxy back to `demaker`.
//
// Why this layout is stable for hosts: both classes are abstract, have no data members and no
// non-virtual functions, so a host compiled against this header depends on nothing but the
// virtual table pointer at the start of the object and the order of the slots, which is the
// order of declaration below (destructor last). The library's own classes derive from these
// and keep their fields behind that pointer, where no host ever looks, so fields can change
// without rebuilding a host. Strings are std::string passed by value (the callee owns its
// copy); host and library must use the same C++ standard library ABI.

// A "word" argument is passed through the table and ignored by every operation.
class IBaseSoap {
public:
    virtual std::string Reserved0(std::string text, int32_t word) = 0;
    virtual std::string Reserved1(std::string text, int32_t word) = 0;
    virtual std::string Reserved2(std::string text, int32_t word) = 0;
    virtual void Reserved3(std::string first, std::string second, int32_t word) = 0;
    virtual void Reserved4(std::string text, int32_t word) = 0;
    virtual void SetSessionID(std::string sessionId) = 0;
    // Opens a device session; throws CPException "StartSession Failed!!!".
    virtual std::string StartSession() = 0;
    virtual void EndSession() = 0;
    // Returns the device's subscription ID; throws CPException "Subscribe Failed!!!".
    virtual std::string Subscribe(std::string subscriptionInfo, std::string filter,
                                  std::string fallbackAddress) = 0;
    virtual void Unsubscribe(std::string subscriptionId) = 0;
    // A new array that the caller owns (see RemoteArray.h), or null when the device names no
    // events.
    virtual RemoteArray* GetSupportedEvents() = 0;
    virtual int32_t Reserved11(std::string text) = 0;
    // Sets the device's service URL and the session-information object the proxy shares with
    // others (null: the proxy creates its own when it first needs one).
    virtual void Initialize(std::string serviceUrl, CPComPtr<ISessionInfo> sessionInfo) = 0;
    // The device's answer to an XPath expression; `prefixMap` is an XML document of
    // PrefixMap/Prefix,URL pairs, or empty.
    virtual std::string GetData(std::string path, std::string prefixMap, int32_t word1,
                                int32_t word2) = 0;
    virtual bool SetData(std::string document, uint8_t resultsDetails, int32_t word1,
                         int32_t word2) = 0;
    virtual std::string GetSettable(int32_t word) = 0;
    virtual std::string Reserved16(int32_t word) = 0;
    virtual std::string Reserved17(std::string text, int32_t word) = 0;
    virtual bool Reserved18(std::string first, std::string second, int32_t word) = 0;
    virtual bool Reserved19(std::string text, int32_t word) = 0;
    virtual ~IBaseSoap() = default;

protected:
    IBaseSoap() = default;
    IBaseSoap(const IBaseSoap&) = delete;
    IBaseSoap& operator=(const IBaseSoap&) = delete;
};

// The object `maker` returns; the same slots, with the data-access operations implemented.
class IXDMAccessSoap : public IBaseSoap {
protected:
    IXDMAccessSoap() = default;
};

extern "C" {

// A new proxy; the standard allocation failure when memory is exhausted.
KAVELIN_API IXDMAccessSoap* maker();
// Destroys a proxy from `maker`; a null pointer is ignored.
KAVELIN_API void demaker(IBaseSoap* proxy);
// Returns 42; hosts call it to see that the library is loaded and usable.
KAVELIN_API int32_t fnKavelin();
}

// The types of the two entry points, for hosts that look them up with dlsym.
using KavelinMaker = IXDMAccessSoap* (*)();
using KavelinDemaker = void (*)(IBaseSoap*);
