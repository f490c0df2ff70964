#include "components/DataStreamComponent.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "os/registry/Registry.h"
#include "platform/Logging.h"
#include "platform/StringConversion.h"

namespace kavelin::components {

namespace {

constexpr HRESULT kTimedOut = static_cast<HRESULT>(0x80070102);
constexpr HRESULT kNotOpen = static_cast<HRESULT>(0x8000FFFF);
constexpr HRESULT kUnreadData = static_cast<HRESULT>(0x8000000E);
constexpr char kSettingsKey[] = "SOFTWARE\\Orvanta\\Plotara";
constexpr std::chrono::seconds kDefaultConnectTimeout{10};
constexpr std::chrono::seconds kDefaultIoTimeout{60};
// A day: anything longer is taken for a typing error rather than a wish to wait.
constexpr unsigned kLongestTimeoutSeconds = 86400;

std::chrono::milliseconds ConfiguredTimeout(const std::optional<os::RegistryKey>& settings,
                                            const char* name, std::chrono::seconds fallback) {
    const std::optional<std::string> text =
        settings ? settings->Text(name) : std::optional<std::string>();
    if (!text)
        return fallback;
    unsigned seconds = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seconds);
    if (error != std::errc() || end != text->data() + text->size() || seconds == 0 ||
        seconds > kLongestTimeoutSeconds)
        return fallback;
    return std::chrono::seconds(seconds);
}

void SetStatus(BSTR* status, const std::string& text) {
    if (status != nullptr)
        *status = platform::NarrowToBstr(text);
}

HRESULT ResultOf(SocketStatus status) {
    switch (status) {
    case SocketStatus::Ok:
        return S_OK;
    case SocketStatus::TimedOut:
        return kTimedOut;
    case SocketStatus::Failed:
        break;
    }
    return E_FAIL;
}

} // namespace

HRESULT STDMETHODCALLTYPE DataStreamComponent::Open(BSTR target, int32_t, int32_t, int32_t,
                                                    BSTR* status) {
    if (status != nullptr)
        *status = nullptr;
    try {
        return Connect(target, status);
    } catch (...) {
        // Only allocations can fail here; a COM call must not throw at its caller.
        mSocket.Close();
        return E_OUTOFMEMORY;
    }
}

HRESULT DataStreamComponent::Connect(BSTR target, BSTR* status) {
    mSocket.Close();
    mHeldCount = 0;
    const std::string narrowTarget = platform::BstrToNarrow(target);
    const std::optional<DeviceAddress> address = ResolveDataStreamTarget(narrowTarget);
    if (!address) {
        KV_LOG(1, "DataStreamComponent::Open - error: no device address for target: %s",
               narrowTarget.c_str());
        SetStatus(status, "the target names no device address");
        return E_INVALIDARG;
    }
    const std::string described = address->Describe();
    KV_LOG(3, "DataStreamComponent::Open - connecting to %s", described.c_str());
    if (!mTimeouts) {
        // Both waits from one look at the settings, once: a stream opened for every exchange
        // would otherwise read them every time.
        const std::optional<os::RegistryKey> settings =
            os::RegistryKey::OpenLocalMachine(kSettingsKey);
        mTimeouts = Timeouts{ConfiguredTimeout(settings, "ConnectTimeout", kDefaultConnectTimeout),
                             ConfiguredTimeout(settings, "IOTimeout", kDefaultIoTimeout)};
    }
    std::string error;
    const SocketStatus connected = mSocket.Connect(*address, mTimeouts->connect, &error);
    if (connected != SocketStatus::Ok) {
        KV_LOG(1, "DataStreamComponent::Open - error: connecting to %s failed: %s",
               described.c_str(), error.c_str());
        SetStatus(status, error);
        return ResultOf(connected);
    }
    SetStatus(status, described);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DataStreamComponent::Read(uint32_t maximum, uint8_t* buffer,
                                                    uint32_t* count, uint32_t) {
    if (count == nullptr || (buffer == nullptr && maximum > 0))
        return E_POINTER;
    *count = 0;
    if (!mSocket.IsOpen())
        return kNotOpen;
    if (mHeldCount > 0) {
        const HRESULT sent = SendHeldAnd(nullptr, 0);
        if (FAILED(sent))
            return sent;
    }
    size_t received = 0;
    const SocketStatus status = mSocket.Receive(buffer, maximum, &received, mTimeouts->io);
    if (status != SocketStatus::Ok) {
        KV_LOG(1, "DataStreamComponent::Read - error: receiving from the device failed!!!");
        return ResultOf(status);
    }
    *count = static_cast<uint32_t>(received);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DataStreamComponent::Write(uint32_t count, const uint8_t* bytes,
                                                     uint32_t) {
    if (bytes == nullptr && count > 0)
        return E_POINTER;
    if (!mSocket.IsOpen())
        return kNotOpen;
    if (mHeldCount == 0) {
        // What the device sent unasked would be read as the answer to these bytes.
        if (mSocket.HasUnread()) {
            KV_LOG(2, "DataStreamComponent::Write - warning: the device has sent data that was "
                      "not read; nothing written");
            return kUnreadData;
        }
        if (count <= kMostHeldBytes) {
            std::copy_n(bytes, count, mHeld.begin());
            mHeldCount = count;
            return S_OK;
        }
    }
    return SendHeldAnd(bytes, count);
}

HRESULT DataStreamComponent::SendHeldAnd(const uint8_t* bytes, uint32_t count) {
    const SocketStatus status =
        mSocket.Send({mHeld.data(), mHeldCount}, {bytes, count}, mTimeouts->io);
    mHeldCount = 0;
    if (status != SocketStatus::Ok) {
        KV_LOG(1, "DataStreamComponent::Write - error: sending to the device failed!!!");
        return ResultOf(status);
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DataStreamComponent::Close() {
    // What is still held goes if the device takes it at once; closing never waits.
    if (mHeldCount > 0 && mSocket.IsOpen())
        mSocket.Send({mHeld.data(), mHeldCount}, {}, std::chrono::milliseconds(0));
    mHeldCount = 0;
    mSocket.Close();
    return S_OK;
}

} // namespace kavelin::components
