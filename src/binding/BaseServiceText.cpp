// The base service's typed text (bsi.h).
#include "binding/TypedText.h"

KAVELIN_TYPED_TEXT(xsd__anyURI, "xsd:anyURI")
KAVELIN_TYPED_TEXT(IdentifierText, nullptr)
