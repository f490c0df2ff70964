#include "transport/OrvantaDCSPlugin.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include <stdsoap2.h>

#include "kavelin/CPComPtr.h"
#include "kavelin/DataStream.h"
#include "os/com/ComCreation.h"
#include "os/registry/Registry.h"
#include "os/text/AsciiCase.h"
#include "platform/BstrString.h"
#include "platform/Logging.h"
#include "transport/EnvelopeFraming.h"
#include "transport/PluginState.h"

namespace kavelin::transport {

namespace {

constexpr std::string_view kSchemePrefix = "ovdcs:";
constexpr char kPseudoEndpoint[] = "http://ovdcs";
constexpr size_t kFlushThreshold = 4092;
constexpr uint32_t kIoArgument = 0x80000;
constexpr size_t kKeptRequestCapacity = 64 * 1024;
// A timed-out read means a slow device, not one that closed the stream.
constexpr HRESULT kTimedOut = static_cast<HRESULT>(0x80070102);
constexpr HRESULT kNotOpen = static_cast<HRESULT>(0x8000FFFF);
constexpr char kSettingsKey[] = "SOFTWARE\\Orvanta\\Plotara";
constexpr char kKeepOpenValue[] = "DirectConnectKeepOpen";
// Where the stream is created: in-process server, in-process handler and local server.
constexpr DWORD kStreamClassContext =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// The engine hooks of this plug-in (defined below the state they work on).
int ConnectHook(struct soap* soap, const char* endpoint, const char* host, int port);
int PostHook(struct soap* soap, const char* endpoint, const char* host, int port, const char* path,
             const char* action, ULONG64 count);
int SendHook(struct soap* soap, const char* bytes, size_t length);
size_t RecvHook(struct soap* soap, char* buffer, size_t size);
int CloseHook(struct soap* soap);

bool HasSchemePrefix(const char* url) {
    if (url == nullptr)
        return false;
    return kavelin::os::StartsWithIgnoringAsciiCase(url, kSchemePrefix);
}

// The device the stream is opened for: what follows the scheme prefix and any run of slashes
// and backslashes behind it; any other endpoint is taken whole.
const char* StreamTarget(const char* endpoint) {
    if (!HasSchemePrefix(endpoint))
        return endpoint;
    const char* target = endpoint + kSchemePrefix.size();
    while (*target == '/' || *target == '\\')
        ++target;
    return target;
}

// Whether the stream stays open between exchanges to the same target. Off unless asked for:
// a host's own data stream may expect one exchange per Open. Read once per service URL, as the
// proxy's timeouts are, not for every exchange.
bool KeepOpenConfigured() {
    return kavelin::os::ReadRegistryString(kSettingsKey, kKeepOpenValue) == "1";
}

// Why a stream call failed, in words where its code has a common meaning.
std::string ResultText(HRESULT result) {
    switch (result) {
    case kTimedOut:
        return "timed out";
    case kNotOpen:
        return "the stream is not open";
    case E_OUTOFMEMORY:
        return "out of memory";
    case E_INVALIDARG:
        return "invalid argument";
    default:
        break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "failure code 0x%08X", static_cast<unsigned>(result));
    return text;
}

// The log prints the stream reference's low 32 bits, 0 when there is none.
unsigned StreamBits(const IDataStream* stream) {
    return static_cast<unsigned>(reinterpret_cast<uintptr_t>(stream));
}

class DirectConnectState {
public:
    DirectConnectState() {
        IDataStream* created = nullptr;
        try {
            kavelin::os::CreateComponent(kDataStreamProgId, IDataStream::kInterfaceId,
                                         reinterpret_cast<void**>(&created),
                                         [] { return kStreamClassContext; });
        } catch (...) {
            // A host factory that throws is a creation failure like any other.
            created = nullptr;
        }
        mStream.Attach(created);
        if (mStream)
            KV_LOG(3, "OrvantaDCSPlugin::Constructor - data stream object creation succeeded!");
        else
            KV_LOG(1, "OrvantaDCSPlugin::Constructor - error: data stream object creation "
                      "failed!!!");
    }

    // Takes over the engine's transport; what it replaces is kept so that ending the context
    // leaves no hook behind that points into a plug-in that no longer exists.
    void TakeOver(struct soap* soap) {
        mSavedPost = soap->fpost;
        mSavedConnect = soap->fconnect;
        mSavedClose = soap->fclose;
        mSavedSend = soap->fsend;
        mSavedRecv = soap->frecv;
        soap->fconnect = ConnectHook;
        soap->fclose = CloseHook;
        soap->fpost = PostHook;
        soap->fsend = SendHook;
        soap->frecv = RecvHook;
    }

    void GiveBack(struct soap* soap) const {
        if (soap->fpost == PostHook)
            soap->fpost = mSavedPost;
        if (soap->fconnect == ConnectHook)
            soap->fconnect = mSavedConnect;
        if (soap->fclose == CloseHook)
            soap->fclose = mSavedClose;
        if (soap->fsend == SendHook)
            soap->fsend = mSavedSend;
        if (soap->frecv == RecvHook)
            soap->frecv = mSavedRecv;
    }

    int Connect(struct soap* soap, const char* endpoint) {
        mFailure = {};
        if (endpoint == nullptr || *endpoint == '\0' || !mStream) {
            KV_LOG(1,
                   "OrvantaDCSPlugin::connect - error: invalid url: %s -or- data stream is "
                   "null: 0x%X",
                   endpoint == nullptr ? "" : endpoint, StreamBits(mStream.Get()));
            mFailure.summary = mStream ? "the data stream did not open: the service URL is empty"
                                       : "the data stream did not open: the data stream "
                                         "component could not be created";
            return -1;
        }
        mRequest.clear();
        mResendable = false;
        if (mOpen && mKeepOpen && mOpenEndpoint == endpoint && !PlaybackEnabled()) {
            // The stream may have been closed by the device while idle, or hold bytes nobody
            // asked for (the stream then refuses the request): the request can go once more
            // on a new one, as long as nothing of the answer has come.
            mResendable = true;
            TellKeptAlive(soap);
            return 0;
        }
        if (mOpen) {
            mStream->Close();
            mOpen = false;
        }
        // In playback the answers come from files; nothing may reach a device.
        if (PlaybackEnabled())
            return 0;
        const int result = Open(endpoint);
        if (result == 0 && mKeepOpen)
            TellKeptAlive(soap);
        return result;
    }

    // Opens the stream for `endpoint`; 0 or the failed Open's result.
    int Open(const char* endpoint) {
        KV_LOG(3, "OrvantaDCSPlugin::connect - attempting to open data stream for url: %s",
               endpoint);
        const kavelin::platform::BstrString wideTarget(StreamTarget(endpoint));
        kavelin::platform::BstrString status;
        const HRESULT result = mStream->Open(wideTarget.Get(), 0, 1, 0, status.Receive());
        if (FAILED(result)) {
            KV_LOG(1, "OrvantaDCSPlugin::connect - error: data stream open failed!!! | hr=0x%X",
                   static_cast<unsigned>(result));
            // A failed Open may say why in its status text.
            const std::string reason = status.Get() != nullptr ? status.Narrow() : std::string();
            mFailure.summary = std::string("the data stream did not open: ") + endpoint + ": " +
                               (reason.empty() ? ResultText(result) : reason);
            mFailure.result = result;
            return result;
        }
        KV_LOG(3, "OrvantaDCSPlugin::connect - data stream opened successfully!");
        mOpen = true;
        mOpenEndpoint = endpoint;
        // Any success code means the stream is ready; the engine reads non-zero as failure.
        return 0;
    }

    int Post(struct soap* soap, const char* host, int port, const char* path, const char* action,
             ULONG64 count) const {
        KV_LOG(5, "OrvantaDCSPlugin::fpost()");
        if (mSavedPost == nullptr)
            return 0;
        return mSavedPost(soap, kPseudoEndpoint, host, port, path, action, count);
    }

    int Send(const char* bytes, size_t length) {
        if (!mStream) {
            KV_LOG(1, "OrvantaDCSPlugin::send - error: data stream is null!!!");
            mSendBuffer.clear();
            return -1;
        }
        const std::string_view chunk(bytes, bytes == nullptr ? 0 : length);
        if (mKeepOpen) {
            // Header and envelope go in one Write, at the first receive, and stay here until
            // the answer begins in case they must go again.
            mRequest.append(chunk);
            return 0;
        }
        if (StartsEnvelope(chunk)) {
            // What came before the envelope is the HTTP header block.
            const HRESULT result = WriteBuffered();
            if (FAILED(result)) {
                KV_LOG(1, "OrvantaDCSPlugin::send - error: writing data failed!!!");
                NoteFailure("writing the request to", result);
                return -1;
            }
        }
        mSendBuffer.append(chunk);
        if (EndsEnvelope(mSendBuffer) || mSendBuffer.size() >= kFlushThreshold) {
            const HRESULT result = WriteBuffered();
            if (FAILED(result)) {
                KV_LOG(1, "OrvantaDCSPlugin::send - error: writing data failed!!!");
                NoteFailure("writing the request to", result);
                return -1;
            }
        }
        return 0;
    }

    size_t Recv(char* buffer, size_t size) {
        if (!mStream) {
            KV_LOG(1, "OrvantaDCSPlugin::recv - error: data stream is null!!!");
            return 0;
        }
        if (mKeepOpen)
            return RecvKeptOpen(buffer, size);
        // A request whose end was not recognised is still waiting here.
        if (!mSendBuffer.empty()) {
            const HRESULT written = WriteBuffered();
            if (FAILED(written)) {
                KV_LOG(1, "OrvantaDCSPlugin::recv - error: writing remaining data failed!!!");
                KV_LOG(1, "OrvantaDCSPlugin::recv - error: read data failed!!!");
                NoteFailure("writing the request to", written);
                return 0;
            }
        }
        uint32_t count = 0;
        const HRESULT result = Read(buffer, size, &count);
        if (FAILED(result)) {
            KV_LOG(1, "OrvantaDCSPlugin::recv - error: read data failed!!!");
            NoteFailure("reading the answer from", result);
            return 0;
        }
        return count;
    }

    const DirectConnectFailure& Failure() const { return mFailure; }

    void Close() {
        if (mStream && mOpen) {
            KV_LOG(3, "OrvantaDCSPlugin::close - closing data stream!");
            mStream->Close();
            mOpen = false;
        }
    }

private:
    static void TellKeptAlive(struct soap* soap) {
        // As the engine marks a connection it opened itself: asked for, not yet confirmed by
        // the answer. So the request says keep-alive and the exchange ends without fclose.
        if (soap->keep_alive == 0)
            soap->keep_alive = -1;
    }

    HRESULT Read(char* buffer, size_t size, uint32_t* count) {
        const uint32_t maximum = size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size);
        *count = 0;
        const HRESULT result =
            mStream->Read(maximum, reinterpret_cast<uint8_t*>(buffer), count, kIoArgument);
        // A count beyond the buffer would make the engine read past it.
        if (*count > maximum)
            *count = maximum;
        return result;
    }

    // Small requests keep their buffer for the next; a large document's memory goes.
    void DropRequest() {
        if (mRequest.capacity() > kKeptRequestCapacity)
            std::string().swap(mRequest);
        mRequest.clear();
    }

    HRESULT WriteRequest() {
        if (mRequest.size() > UINT32_MAX)
            return E_INVALIDARG;
        return mStream->Write(static_cast<uint32_t>(mRequest.size()),
                              reinterpret_cast<const uint8_t*>(mRequest.data()), kIoArgument);
    }

    // A reused stream that the device has closed while idle, or that holds bytes nobody asked
    // for, is replaced once: a new one, the request again.
    bool Resend() {
        mResendable = false;
        KV_LOG(3, "OrvantaDCSPlugin::recv - the kept-open data stream cannot carry the request; "
                  "sending it again on a new one");
        mStream->Close();
        mOpen = false;
        if (Open(mOpenEndpoint.c_str()) != 0)
            return false;
        return SUCCEEDED(WriteRequest());
    }

    size_t RecvKeptOpen(char* buffer, size_t size) {
        if (!mRequest.empty() && mOpen) {
            const HRESULT written = WriteRequest();
            if (FAILED(written) && !(mResendable && Resend())) {
                DropRequest();
                KV_LOG(1, "OrvantaDCSPlugin::recv - error: writing remaining data failed!!!");
                KV_LOG(1, "OrvantaDCSPlugin::recv - error: read data failed!!!");
                // A failed reopen has already said why.
                if (mFailure.summary.empty())
                    NoteFailure("writing the request to", written);
                return 0;
            }
        }
        uint32_t count = 0;
        HRESULT result = Read(buffer, size, &count);
        const bool closedBeforeAnswer =
            !mRequest.empty() && result != kTimedOut && (FAILED(result) || count == 0);
        if (closedBeforeAnswer && mResendable && Resend())
            result = Read(buffer, size, &count);
        // The answer has begun (or failed): the request is not sent again.
        DropRequest();
        mResendable = false;
        if (FAILED(result)) {
            KV_LOG(1, "OrvantaDCSPlugin::recv - error: read data failed!!!");
            NoteFailure("reading the answer from", result);
            return 0;
        }
        return count;
    }

    // A read or write that timed out is told by how long the exchange took; any other
    // failure by its code, with the target the stream was opened for.
    void NoteFailure(const char* what, HRESULT result) {
        if (result == kTimedOut)
            return;
        mFailure.summary = std::string(what) + " the data stream " + mOpenEndpoint +
                           " failed: " + ResultText(result);
        mFailure.result = result;
    }

    // One Write of everything buffered, which is then dropped whatever the result.
    HRESULT WriteBuffered() {
        HRESULT result = E_INVALIDARG;
        if (mSendBuffer.size() <= UINT32_MAX)
            result =
                mStream->Write(static_cast<uint32_t>(mSendBuffer.size()),
                               reinterpret_cast<const uint8_t*>(mSendBuffer.data()), kIoArgument);
        mSendBuffer.clear();
        return result;
    }

    bool mOpen = false;
    CPComPtr<IDataStream> mStream;
    std::string mSendBuffer;
    // Kept-open mode; the endpoint the open stream was opened for.
    bool mKeepOpen = KeepOpenConfigured();
    std::string mOpenEndpoint;
    // The whole request of the current exchange, until its answer begins.
    std::string mRequest;
    // Why the current exchange failed here, for the operation's cause; empty otherwise.
    DirectConnectFailure mFailure;
    // The stream was reused from an earlier exchange and the request has not gone again yet.
    bool mResendable = false;
    decltype(soap::fpost) mSavedPost = nullptr;
    decltype(soap::fconnect) mSavedConnect = nullptr;
    decltype(soap::fclose) mSavedClose = nullptr;
    decltype(soap::fsend) mSavedSend = nullptr;
    decltype(soap::frecv) mSavedRecv = nullptr;
};

// The hooks: each finds its state first and does nothing without one; none lets an
// exception reach the engine.

int ConnectHook(struct soap* soap, const char* endpoint, const char*, int) {
    return WithPluginState<DirectConnectState>(
        soap, kOrvantaDCSPluginId, 0, -1,
        [&](DirectConnectState& state) { return state.Connect(soap, endpoint); });
}

int PostHook(struct soap* soap, const char*, const char* host, int port, const char* path,
             const char* action, ULONG64 count) {
    return WithPluginState<DirectConnectState>(
        soap, kOrvantaDCSPluginId, 0, int{SOAP_EOM}, [&](DirectConnectState& state) {
            return state.Post(soap, host, port, path, action, count);
        });
}

int SendHook(struct soap* soap, const char* bytes, size_t length) {
    return WithPluginState<DirectConnectState>(
        soap, kOrvantaDCSPluginId, 0, -1,
        [&](DirectConnectState& state) { return state.Send(bytes, length); });
}

// The engine bounds a whole transfer only on the sockets it reads itself; the stream's reads
// are bounded one by one, so the whole answer is bounded here.
bool TransferTimedOut(const struct soap* soap) {
    return soap->transfer_timeout > 0 &&
           std::difftime(std::time(nullptr), static_cast<std::time_t>(soap->start)) >
               static_cast<double>(soap->transfer_timeout);
}

size_t RecvHook(struct soap* soap, char* buffer, size_t size) {
    if (TransferTimedOut(soap)) {
        KV_LOG(1, "OrvantaDCSPlugin::recv - error: the answer took longer than %d s",
               soap->transfer_timeout);
        return 0;
    }
    return WithPluginState<DirectConnectState>(
        soap, kOrvantaDCSPluginId, size_t{0}, size_t{0},
        [&](DirectConnectState& state) { return state.Recv(buffer, size); });
}

int CloseHook(struct soap* soap) {
    // Closing has no failure to report.
    return WithPluginState<DirectConnectState>(soap, kOrvantaDCSPluginId, 0, 0,
                                               [](DirectConnectState& state) {
                                                   state.Close();
                                                   return 0;
                                               });
}

void DeleteHook(struct soap* soap, struct soap_plugin* plugin) {
    KV_LOG(5, "OrvantaDCSPlugin::Delete()");
    DeletePluginState<DirectConnectState>(soap, plugin);
}

} // namespace

DirectConnectFailure OrvantaDCSPluginFailure(struct soap* soap) {
    const auto* state =
        static_cast<DirectConnectState*>(soap_lookup_plugin(soap, kOrvantaDCSPluginId));
    return state != nullptr ? state->Failure() : DirectConnectFailure{};
}

int OrvantaDCSPlugin(struct soap* soap, struct soap_plugin* plugin, void* serviceUrl) {
    const char* url = static_cast<const char*>(serviceUrl);
    if (!HasSchemePrefix(url)) {
        KV_LOG(3, "OrvantaDCSPlugin::Attach - skipping plugin attach for service url: %s",
               url == nullptr ? "" : url);
        return -1;
    }
    if (AttachPluginState<DirectConnectState>(soap, plugin, kOrvantaDCSPluginId, DeleteHook) ==
        nullptr)
        return -1;
    KV_LOG(3, "OrvantaDCSPlugin::Attach - attaching direct connect plugin for service url: %s",
           url);
    return 0;
}

} // namespace kavelin::transport
