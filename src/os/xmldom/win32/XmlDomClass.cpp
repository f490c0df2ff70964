#include "os/xmldom/XmlDom.h"

namespace kavelin::os {

// Windows has the DOM itself ("MSXML2.DOMDocument.4.0"); the library brings none.
void RegisterXmlDomClass() {}

} // namespace kavelin::os
