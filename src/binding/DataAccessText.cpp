// The data access service's typed text (ixa.h).
#include "binding/TypedText.h"

KAVELIN_TYPED_TEXT(ixagd__XPath_USCOREt, "ixagd:XPath_t")
KAVELIN_TYPED_TEXT(ixagd__Device_USCOREt, "ixagd:Device_t")
KAVELIN_TYPED_TEXT(xsd__NCName, "xsd:NCName")
