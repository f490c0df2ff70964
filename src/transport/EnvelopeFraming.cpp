#include "transport/EnvelopeFraming.h"

namespace kavelin::transport {

namespace {
constexpr std::string_view kEnvelopeStart = "<?xml";
constexpr std::string_view kEnvelopeEnd = "</SOAP-ENV:Envelope>";
constexpr std::string_view kBlanks = " \t\r\n";
} // namespace

bool StartsEnvelope(std::string_view chunk) {
    return chunk.starts_with(kEnvelopeStart);
}

bool EndsEnvelope(std::string_view buffered) {
    const size_t last = buffered.find_last_not_of(kBlanks);
    return last != std::string_view::npos && buffered.substr(0, last + 1).ends_with(kEnvelopeEnd);
}

} // namespace kavelin::transport
