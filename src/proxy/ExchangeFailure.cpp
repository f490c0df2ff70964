#include "proxy/ExchangeFailure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "binding/Binding.h"
#include "binding/FaultDetailText.h"
#include "os/text/AsciiCase.h"
#include "platform/VisibleText.h"
#include "transport/OrvantaDCSPlugin.h"
#include "transport/SoapMsgLogging.h"

namespace kavelin::proxy {

namespace {

constexpr std::pair<int, const char*> kEngineErrorNames[] = {
    {SOAP_EOF, "SOAP_EOF"},
    {SOAP_OK, "SOAP_OK"},
    {SOAP_CLI_FAULT, "SOAP_CLI_FAULT"},
    {SOAP_SVR_FAULT, "SOAP_SVR_FAULT"},
    {SOAP_TAG_MISMATCH, "SOAP_TAG_MISMATCH"},
    {SOAP_TYPE, "SOAP_TYPE"},
    {SOAP_SYNTAX_ERROR, "SOAP_SYNTAX_ERROR"},
    {SOAP_NO_TAG, "SOAP_NO_TAG"},
    {SOAP_IOB, "SOAP_IOB"},
    {SOAP_MUSTUNDERSTAND, "SOAP_MUSTUNDERSTAND"},
    {SOAP_NAMESPACE, "SOAP_NAMESPACE"},
    {SOAP_USER_ERROR, "SOAP_USER_ERROR"},
    {SOAP_FATAL_ERROR, "SOAP_FATAL_ERROR"},
    {SOAP_FAULT, "SOAP_FAULT"},
    {SOAP_NO_METHOD, "SOAP_NO_METHOD"},
    {SOAP_NO_DATA, "SOAP_NO_DATA"},
    {SOAP_GET_METHOD, "SOAP_GET_METHOD"},
    {SOAP_PUT_METHOD, "SOAP_PUT_METHOD"},
    {SOAP_PATCH_METHOD, "SOAP_PATCH_METHOD"},
    {SOAP_DEL_METHOD, "SOAP_DEL_METHOD"},
    {SOAP_HTTP_METHOD, "SOAP_HTTP_METHOD"},
    {SOAP_EOM, "SOAP_EOM"},
    {SOAP_MOE, "SOAP_MOE"},
    {SOAP_HDR, "SOAP_HDR"},
    {SOAP_NULL, "SOAP_NULL"},
    {SOAP_DUPLICATE_ID, "SOAP_DUPLICATE_ID"},
    {SOAP_MISSING_ID, "SOAP_MISSING_ID"},
    {SOAP_HREF, "SOAP_HREF"},
    {SOAP_UDP_ERROR, "SOAP_UDP_ERROR"},
    {SOAP_TCP_ERROR, "SOAP_TCP_ERROR"},
    {SOAP_HTTP_ERROR, "SOAP_HTTP_ERROR"},
    {SOAP_SSL_ERROR, "SOAP_SSL_ERROR"},
    {SOAP_ZLIB_ERROR, "SOAP_ZLIB_ERROR"},
    {SOAP_DIME_ERROR, "SOAP_DIME_ERROR"},
    {SOAP_DIME_HREF, "SOAP_DIME_HREF"},
    {SOAP_DIME_MISMATCH, "SOAP_DIME_MISMATCH"},
    {SOAP_DIME_END, "SOAP_DIME_END"},
    {SOAP_MIME_ERROR, "SOAP_MIME_ERROR"},
    {SOAP_MIME_HREF, "SOAP_MIME_HREF"},
    {SOAP_MIME_END, "SOAP_MIME_END"},
    {SOAP_VERSIONMISMATCH, "SOAP_VERSIONMISMATCH"},
    {SOAP_PLUGIN_ERROR, "SOAP_PLUGIN_ERROR"},
    {SOAP_DATAENCODINGUNKNOWN, "SOAP_DATAENCODINGUNKNOWN"},
    {SOAP_REQUIRED, "SOAP_REQUIRED"},
    {SOAP_PROHIBITED, "SOAP_PROHIBITED"},
    {SOAP_OCCURS, "SOAP_OCCURS"},
    {SOAP_LENGTH, "SOAP_LENGTH"},
    {SOAP_PATTERN, "SOAP_PATTERN"},
    {SOAP_FD_EXCEEDED, "SOAP_FD_EXCEEDED"},
    {SOAP_UTF_ERROR, "SOAP_UTF_ERROR"},
    {SOAP_LEVEL, "SOAP_LEVEL"},
    {SOAP_FIXED, "SOAP_FIXED"},
    {SOAP_EMPTY, "SOAP_EMPTY"},
    {SOAP_END_TAG, "SOAP_END_TAG"},
};

// The engine reports an HTTP answer without a SOAP envelope by its status code.
constexpr int kFirstHttpStatus = 100;
constexpr int kLastHttpStatus = 599;
constexpr int kFirstSuccessStatus = 200;
constexpr int kLastSuccessStatus = 299;
// A receive that ran out of time took at least its limit; this slack absorbs clock rounding.
constexpr std::chrono::milliseconds kTimerSlack{250};

bool IsHttpStatus(int error) {
    return error >= kFirstHttpStatus && error <= kLastHttpStatus;
}

bool IsSuccessStatus(int error) {
    return error >= kFirstSuccessStatus && error <= kLastSuccessStatus;
}

std::string HexCode(int error) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(error));
    return text;
}

std::string Seconds(int seconds) {
    return std::to_string(seconds) + " s";
}

bool RanFor(std::chrono::milliseconds elapsed, int limitSeconds) {
    return limitSeconds > 0 && elapsed + kTimerSlack >= std::chrono::seconds(limitSeconds);
}

std::string SystemErrorText(int errnum) {
    return std::strerror(errnum);
}

// The engine's own text for a failure it raised itself (kept in its fault string).
std::string EngineText(struct soap* soap) {
    const char* text = soap_fault_string(soap);
    return text != nullptr ? text : "";
}

std::string TransportSummary(struct soap* soap, int error, std::chrono::milliseconds elapsed) {
    if (error == SOAP_TCP_ERROR) {
        if (soap->errnum == ECONNREFUSED)
            return "the device refused the connection";
        if (soap->errnum == 0 && RanFor(elapsed, soap->connect_timeout))
            return "connecting timed out after " + Seconds(soap->connect_timeout);
        if (soap->errnum == ETIMEDOUT)
            return "connecting timed out";
        return "could not connect: " +
               (soap->errnum != 0 ? SystemErrorText(soap->errnum) : EngineText(soap));
    }
    if (error == SOAP_EOF) {
        if (transport::SoapMsgLoggingAnswerMissing(soap))
            return "no playback answer for this request (see the log for the file looked for)";
        if (soap->errnum != 0)
            return "the connection failed: " + SystemErrorText(soap->errnum);
        // Both limits end a transfer the same way; the whole-transfer one is the longer.
        if (RanFor(elapsed, soap->transfer_timeout))
            return "timed out after " + Seconds(soap->transfer_timeout);
        const int ioSeconds = soap->recv_timeout > 0 ? soap->recv_timeout : soap->send_timeout;
        if (RanFor(elapsed, ioSeconds))
            return "timed out after " + Seconds(ioSeconds);
        return "the connection closed mid-answer";
    }
    if (error == SOAP_EOM)
        return soap->recv_maxlength > 0 ? "the answer was too large (over " +
                                              std::to_string(soap->recv_maxlength) + " bytes)"
                                        : "the answer was too large";
    return {};
}

// The answer's declared type names something other than XML (a web page, plain text).
bool DeclaredNotXml(const struct soap* soap) {
    if (soap->http_content == nullptr || *soap->http_content == '\0')
        return false;
    return os::AsciiLowered(soap->http_content).find("xml") == std::string::npos;
}

// An answer without a SOAP envelope, by what the device said it was.
std::string NotSoapSummary(const struct soap* soap) {
    std::string summary = "not a SOAP answer (HTTP " + std::to_string(soap->status);
    if (soap->http_content != nullptr && *soap->http_content != '\0')
        summary += std::string(", ") + soap->http_content;
    return summary + ")";
}

std::string DecodeSummary(int error) {
    switch (error) {
    case SOAP_NO_TAG:
    case SOAP_SYNTAX_ERROR:
    case SOAP_VERSIONMISMATCH:
    case SOAP_NAMESPACE:
    case SOAP_UTF_ERROR:
    case SOAP_LEVEL:
    case SOAP_END_TAG:
        return "not a SOAP answer";
    default:
        return "the answer could not be decoded";
    }
}

} // namespace

std::string EngineErrorName(int error) {
    for (const auto& [code, name] : kEngineErrorNames)
        if (code == error)
            return name;
    if (IsHttpStatus(error))
        return "HTTP " + std::to_string(error);
    return "engine error " + std::to_string(error);
}

namespace {

// Every text of a cause may hold what the device sent: made visible and bounded before it
// reaches the host, a terminal or the log.
CPExceptionCause Visible(CPExceptionCause cause) {
    for (std::string* text : {&cause.summary, &cause.faultCode, &cause.faultString,
                              &cause.faultDetail, &cause.engineErrorName})
        *text = platform::VisibleText(*text, platform::kVisibleTextLimit);
    return cause;
}

CPExceptionCause Describe(struct soap* soap, int status, std::chrono::milliseconds elapsed) {
    CPExceptionCause cause;
    const int error = status;
    cause.engineError = error;
    cause.engineErrorName = EngineErrorName(error);
    if (IsHttpStatus(soap->status))
        cause.httpStatus = soap->status;

    // Past the cap the engine stops reading as if the answer had ended, and reports whatever
    // that did to the decoding: the cap is the cause. A declared length over the cap counts too.
    if (soap->recv_maxlength > 0 &&
        (soap->count > soap->recv_maxlength || soap->length > soap->recv_maxlength)) {
        cause.summary =
            "the answer was too large (over " + std::to_string(soap->recv_maxlength) + " bytes)";
        return cause;
    }
    if (error == SOAP_FAULT || error == SOAP_CLI_FAULT || error == SOAP_SVR_FAULT) {
        if (soap->fault != nullptr) {
            if (soap->fault->faultcode != nullptr)
                cause.faultCode = soap->fault->faultcode;
            cause.faultString = EngineText(soap);
            cause.faultDetail = binding::FaultDetailText(soap);
        }
        cause.summary = "the device answered with a Fault";
        if (!cause.faultString.empty())
            cause.summary += ": " + cause.faultString;
        return cause;
    }
    // The direct-connect transport knows best why its data stream failed. A stream that did
    // not open hands its own result to the engine as the status, named as what it is.
    if (const transport::DirectConnectFailure stream = transport::OrvantaDCSPluginFailure(soap);
        !stream.summary.empty()) {
        cause.summary = stream.summary;
        if (stream.result != S_OK && stream.result == error)
            cause.engineErrorName = "stream result " + HexCode(error);
        return cause;
    }
    if ((IsHttpStatus(error) && !IsSuccessStatus(error)) || error == SOAP_HTTP_ERROR) {
        const int status = IsHttpStatus(error) ? error : cause.httpStatus;
        cause.summary = "the device answered with HTTP status " + std::to_string(status);
        return cause;
    }
    cause.summary = TransportSummary(soap, error, elapsed);
    if (!cause.summary.empty())
        return cause;
    // What is left is an answer that could not be read. One that says it is no XML is not
    // SOAP, however it ended. Otherwise, when the last read found no more bytes, the answer
    // ended (or stopped coming) before its XML did, whatever the decoder made of that: the
    // engine even reports the success status it had read.
    if (soap->version == 0 && DeclaredNotXml(soap))
        cause.summary = NotSoapSummary(soap);
    else if (cause.httpStatus != 0 && soap->buflen == 0)
        cause.summary = TransportSummary(soap, SOAP_EOF, elapsed);
    else if (IsSuccessStatus(error) || soap->version == 0)
        cause.summary = NotSoapSummary(soap);
    else
        cause.summary = DecodeSummary(error) + " (" + cause.engineErrorName + ")";
    return cause;
}

} // namespace

CPExceptionCause DescribeFailedExchange(struct soap* soap, int status,
                                        std::chrono::milliseconds elapsed) {
    return Visible(Describe(soap, status, elapsed));
}

CPExceptionCause CauseWithoutExchange(std::string summary) {
    CPExceptionCause cause;
    cause.summary = std::move(summary);
    return cause;
}

std::string CauseLogText(const CPExceptionCause& cause) {
    std::string text =
        cause.summary + " (" + cause.engineErrorName + " " + std::to_string(cause.engineError);
    if (cause.httpStatus != 0)
        text += ", HTTP " + std::to_string(cause.httpStatus);
    if (!cause.faultCode.empty())
        text += ", " + cause.faultCode;
    if (!cause.faultDetail.empty())
        text += ", " + cause.faultDetail;
    return text + ")";
}

} // namespace kavelin::proxy
