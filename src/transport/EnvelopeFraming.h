#pragma once

#include <string_view>

// Where a request that the engine hands over in pieces starts and ends its SOAP envelope: both
// plug-ins treat what comes before the envelope as the HTTP header block, and act once the
// envelope is whole.
namespace kavelin::transport {

// Whether `chunk` begins the envelope (its XML declaration).
bool StartsEnvelope(std::string_view chunk);

// Whether `buffered` ends with the envelope's end tag. Blanks after the tag are still its end:
// the engine follows it with a line break, which may arrive in the same piece.
bool EndsEnvelope(std::string_view buffered);

} // namespace kavelin::transport
