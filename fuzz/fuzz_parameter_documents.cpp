// Arbitrary text as each of the host's parameter documents: the prefix map, the subscription
// information and the filter. A DOM failure after loading is a _com_error by design; anything
// else escaping, a crash or a sanitizer report is a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "os/xmldom/XmlDom.h"
#include "proxy/ParameterDocuments.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (kavelin::os::RegisterXmlDomClass(), true);
    (void)registered;
    const std::string document(reinterpret_cast<const char*>(data), size);
    using namespace kavelin::proxy;
    try {
        ReadPrefixMap(document);
    } catch (const _com_error&) {
    }
    kavelin::os::XmlDomDocumentPtr dom;
    dom.CreateInstance();
    try {
        ReadSubscriptionInfo(dom, document, "http://fallback.example/cb");
    } catch (const _com_error&) {
    }
    try {
        ReadFilter(dom, document);
    } catch (const _com_error&) {
    }
    return 0;
}
