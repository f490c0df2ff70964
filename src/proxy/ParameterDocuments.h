#pragma once

#include <optional>
#include <string>
#include <vector>

#include "os/xmldom/XmlDomPtr.h"

// Readers of the small XML documents that a host hands to the data-access and event
// operations. They log what they read with the operations' own texts. A DOM call that fails
// after a document has loaded raises _com_error, which the operations let through: an odd
// number of pair elements reaches a missing node and raises it with E_POINTER.
namespace kavelin::proxy {

struct PrefixMapEntry {
    std::string prefix;
    std::string url;
};

// The Prefix/URL elements under PrefixMap elements, paired by position in document order.
// Null (after the level-1 line) when the text does not load as a document.
std::optional<std::vector<PrefixMapEntry>> ReadPrefixMap(const std::string& document);

// Keeps the last prefix map that read and its pairs, so a host that polls with one map has it
// parsed once. The same text again gives the kept pairs and logs them as a fresh read would; a
// text that fails is never kept, so it fails (and logs) every time.
class PrefixMapReader {
public:
    // The pairs of `document`, or null (after the level-1 line) when it does not load. Valid
    // until the next call.
    const std::vector<PrefixMapEntry>* Read(const std::string& document);

private:
    std::optional<std::string> mDocument;
    std::vector<PrefixMapEntry> mPairs;
};

enum class ReliabilityChoice { NoRetry = 0, Retry = 1, PersistentRetry = 2 };

struct SubscriptionDescription {
    // Empty when the document does not load or names no event.
    std::string eventName;
    // The fallback address, "CliCook:" and the ClientCookie text, when that element exists.
    std::optional<std::string> clientCookie;
    ReliabilityChoice reliability = ReliabilityChoice::NoRetry;
};

// Reads the subscription-information document into `dom` (which may be empty: then nothing
// loads). Element names are matched in no namespace, first match in document order.
SubscriptionDescription ReadSubscriptionInfo(os::XmlDomDocumentPtr& dom,
                                             const std::string& document,
                                             const std::string& fallbackAddress);

struct FilterPair {
    std::string name;
    std::string value;
};

// The Name/Value children of FilterOn elements, paired by position in document order. An
// empty text gives no pairs; a text that does not load (or an empty `dom`) gives null, after
// the level-1 line: a filter that was asked for must not quietly widen the subscription.
std::optional<std::vector<FilterPair>> ReadFilter(os::XmlDomDocumentPtr& dom,
                                                  const std::string& document);

} // namespace kavelin::proxy
