#pragma once

#include <optional>
#include <string>

// The SetData request carries the host's document as literal XML, written as it stands, so a
// document is sent only when it reads as one element there: text such as
// "</a></SOAP-ENV:Body></SOAP-ENV:Envelope><x/>" would otherwise close the envelope early.
namespace kavelin::proxy {

// The cause of refusing `document`, or nothing when it can be sent byte for byte: it must load
// in the XML component (one well-formed element), must not begin with an XML declaration nor
// hold a document type declaration (each allowed only at the start of a whole document, not
// inside the envelope) and must hold no zero byte (the engine would stop writing there and
// drop the rest).
std::optional<std::string> WhyDocumentCannotBeSent(const std::string& document);

} // namespace kavelin::proxy
