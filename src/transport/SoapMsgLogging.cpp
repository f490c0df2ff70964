#include "transport/SoapMsgLogging.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <stdsoap2.h>

#include "os/kernel/File.h"
#include "os/kernel/ModulePath.h"
#include "platform/Logging.h"
#include "transport/EnvelopeFraming.h"
#include "transport/PluginState.h"

namespace kavelin::transport {

namespace {

constexpr char kOutgoingFormat[] = "SoapOut >>\n%s";
constexpr uint8_t kDumpLevel = 6;
constexpr size_t kPieceSize = 480;
constexpr std::string_view kActionHeader = "SOAPAction:";
constexpr std::string_view kActionDelimiters = ": \n\"'";
constexpr std::string_view kResponseSuffix = "Res.txt";
constexpr std::string_view kFolderName = "SoapMsgs";
constexpr size_t kPlaybackReadLimit = 4096;

int SendHook(struct soap* soap, const char* bytes, size_t length);
size_t RecvHook(struct soap* soap, char* buffer, size_t size);

// The folder of the response files: the directory of the library's own file, then SoapMsgs.
// Empty when the library cannot tell where it lives, so that no file is ever looked up
// relative to wherever the process happens to run.
std::string ResponseFolder() {
    const std::string module = kavelin::os::LibraryPath();
    // The folder takes the separator the path itself uses.
    const size_t separator = module.find_last_of(kavelin::os::kPathSeparators);
    if (separator == std::string::npos)
        return {};
    return module.substr(0, separator + 1).append(kFolderName).append(1, module[separator]);
}

// An action names a file inside the folder only; anything that could step out of it names none.
bool NamesFileInFolder(std::string_view token) {
    return !token.empty() &&
           token.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           token.find("..") == std::string_view::npos;
}

class PlaybackState {
public:
    PlaybackState() : mFolder(ResponseFolder()) {}

    void TakeOver(struct soap* soap) {
        mSavedSend = soap->fsend;
        soap->fsend = SendHook;
        mSavedRecv = soap->frecv;
        soap->frecv = RecvHook;
    }

    // Leaves no hook behind that points into a plug-in that no longer exists.
    void GiveBack(struct soap* soap) const {
        if (soap->fsend == SendHook)
            soap->fsend = mSavedSend;
        if (soap->frecv == RecvHook)
            soap->frecv = mSavedRecv;
    }

    int Send(const char* bytes, size_t length) {
        const std::string_view chunk(bytes, bytes == nullptr ? 0 : length);
        // What came before the envelope is the HTTP header block: one entry of its own.
        if (!mOutBuffer.empty() && StartsEnvelope(chunk)) {
            LogInPieces(mOutBuffer);
            mOutBuffer.clear();
        }
        mOutBuffer.append(chunk);
        const bool logged = EndsEnvelope(mOutBuffer) || mOutBuffer.size() > kPieceSize;
        if (logged)
            LogInPieces(mOutBuffer);
        UpdateResponsePath();
        // Every request starts its answer from the beginning of its file.
        mResponseFile.reset();
        mAnswerMissing = false;
        if (logged)
            mOutBuffer.clear();
        return SOAP_OK;
    }

    bool AnswerMissing() const { return mAnswerMissing; }

    size_t Recv(char* buffer, size_t size) {
        if (!mResponseFile && !mResponsePath.empty()) {
            // Only a regular file answers: a FIFO or a device there would hold the host's
            // thread without a bound. The engine bounds the answer's size ("MaxAnswerSize").
            mResponseFile = kavelin::os::File::OpenForReading(mResponsePath);
            mReadPosition = 0;
        }
        mAnswerMissing = !mResponseFile;
        if (mAnswerMissing)
            return 0;
        const size_t limit = size < kPlaybackReadLimit ? size : kPlaybackReadLimit;
        const size_t got = mResponseFile->ReadAt(mReadPosition, buffer, limit).value_or(0);
        mReadPosition += got;
        return got;
    }

private:
    static void LogInPieces(std::string_view bytes) {
        for (size_t at = 0; at < bytes.size(); at += kPieceSize) {
            const std::string piece(bytes.substr(at, kPieceSize));
            KV_LOG(kDumpLevel, kOutgoingFormat, piece.c_str());
        }
    }

    // The SOAP action of the request names its answer; a request without one keeps the
    // previous answer's file.
    // Only the HTTP header block counts: a document inside the envelope may hold the same text.
    void UpdateResponsePath() {
        const std::string_view headerBlock =
            std::string_view(mOutBuffer).substr(0, HeaderBlockEnd());
        const size_t header = headerBlock.find(kActionHeader);
        if (header == std::string::npos || header == 0)
            return;
        std::string_view token;
        const size_t start =
            mOutBuffer.find_first_not_of(kActionDelimiters, header + kActionHeader.size());
        if (start != std::string::npos) {
            const size_t end = mOutBuffer.find_first_of(kActionDelimiters, start);
            token = std::string_view(mOutBuffer).substr(start, end - start);
        }
        if (mFolder.empty() || !NamesFileInFolder(token))
            mResponsePath.clear();
        else
            mResponsePath = std::string(mFolder).append(token).append(kResponseSuffix);
    }

    // Where the headers end: the empty line after them, else the envelope's first markup.
    size_t HeaderBlockEnd() const {
        const size_t emptyLine = mOutBuffer.find("\r\n\r\n");
        if (emptyLine != std::string::npos)
            return emptyLine;
        return mOutBuffer.find('<');
    }

    std::string mFolder;
    std::string mOutBuffer;
    std::string mResponsePath;
    std::optional<kavelin::os::File> mResponseFile;
    uint64_t mReadPosition = 0;
    bool mAnswerMissing = false;
    decltype(soap::fsend) mSavedSend = nullptr;
    decltype(soap::frecv) mSavedRecv = nullptr;
};

// The hooks: each finds its state first and does nothing without one; none lets an
// exception reach the engine.

int SendHook(struct soap* soap, const char* bytes, size_t length) {
    return WithPluginState<PlaybackState>(
        soap, kSoapMsgLoggingId, 0, int{SOAP_EOM},
        [&](PlaybackState& state) { return state.Send(bytes, length); });
}

size_t RecvHook(struct soap* soap, char* buffer, size_t size) {
    return WithPluginState<PlaybackState>(
        soap, kSoapMsgLoggingId, size_t{0}, size_t{0},
        [&](PlaybackState& state) { return state.Recv(buffer, size); });
}

void DeleteHook(struct soap* soap, struct soap_plugin* plugin) {
    DeletePluginState<PlaybackState>(soap, plugin);
}

} // namespace

bool SoapMsgLoggingAnswerMissing(struct soap* soap) {
    const auto* state = static_cast<PlaybackState*>(soap_lookup_plugin(soap, kSoapMsgLoggingId));
    return state != nullptr && state->AnswerMissing();
}

int SoapMsgLogging(struct soap* soap, struct soap_plugin* plugin, void*) {
    if (AttachPluginState<PlaybackState>(soap, plugin, kSoapMsgLoggingId, DeleteHook) == nullptr)
        return -1;
    KV_LOG(3, "SoapMsgLogging::Attach - attaching SoapMsgLogging plugin.");
    return 0;
}

} // namespace kavelin::transport
