#pragma once

#include <string>
#include <string_view>

namespace kavelin::os {

// The text without a document type declaration that declares nothing: "<!DOCTYPE name>" in
// the prolog, with neither an internal subset nor an external identifier. Such a declaration
// changes nothing in the document, so the DOM may load it although it refuses every other
// DTD. Any other text comes back unchanged (and a DOCTYPE in it is refused by the parser).
std::u16string WithoutEmptyDocumentType(std::u16string_view text);

} // namespace kavelin::os
