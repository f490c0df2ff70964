#include "proxy/ParameterDocuments.h"

#include "os/text/Text.h"
#include "platform/Logging.h"

namespace kavelin::proxy {

namespace {

constexpr char16_t kPrefixNodes[] = u"//PrefixMap/*[local-name()='Prefix' or local-name()='URL']";
constexpr char16_t kFilterNodes[] = u"//FilterOn/*[local-name()='Name' or local-name()='Value']";

std::string Narrow(const std::u16string& text) {
    return os::WideToNarrow(text);
}

// Which XML component the operation got: 4.0, or 6.0 where 4.0 is not registered.
void LogDocumentClass(const char* operation, const os::XmlDomDocumentPtr& dom) {
    if (dom)
        KV_LOG(8, "%s - XML document class: %S", operation, dom.ProgId());
}

bool Load(os::XmlDomDocumentPtr& dom, const std::string& document) {
    return dom && dom.loadXML(os::NarrowToWide(document));
}

// Items i and i + 1 for i = 0, 2, 4, ... below the count: a lone last item meets a missing
// partner, whose text raises E_POINTER.
template <typename Pair, typename OnPair>
std::vector<Pair> ReadPairs(os::XmlDomDocumentPtr& dom, const char16_t* expression, OnPair onPair) {
    dom.setProperty(u"SelectionLanguage", u"XPath");
    const os::XmlDomNodeListPtr nodes = dom.selectNodes(expression);
    std::vector<Pair> pairs;
    for (int32_t i = 0; i < nodes.length(); i += 2) {
        Pair pair{Narrow(nodes.item(i).text()), Narrow(nodes.item(i + 1).text())};
        onPair(pair);
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

void LogPrefixPair(const PrefixMapEntry& entry) {
    KV_LOG(4, "IXDMAccessSoap::GetData - get data prefix: %s | url: %s", entry.prefix.c_str(),
           entry.url.c_str());
}

ReliabilityChoice ReliabilityFrom(const std::u16string& text) {
    if (text == u"Retry")
        return ReliabilityChoice::Retry;
    if (text == u"PersistentRetry")
        return ReliabilityChoice::PersistentRetry;
    return ReliabilityChoice::NoRetry;
}

} // namespace

std::optional<std::vector<PrefixMapEntry>> ReadPrefixMap(const std::string& document) {
    os::XmlDomDocumentPtr dom;
    dom.CreateInstance();
    LogDocumentClass("IXDMAccessSoap::GetData", dom);
    if (!Load(dom, document)) {
        KV_LOG(1, "IXDMAccessSoap::GetData - error: unable to load prefixes parameter data: %s",
               document.c_str());
        return std::nullopt;
    }
    return ReadPairs<PrefixMapEntry>(dom, kPrefixNodes, LogPrefixPair);
}

const std::vector<PrefixMapEntry>* PrefixMapReader::Read(const std::string& document) {
    if (mDocument == document) {
        for (const PrefixMapEntry& entry : mPairs)
            LogPrefixPair(entry);
        return &mPairs;
    }
    std::optional<std::vector<PrefixMapEntry>> pairs = ReadPrefixMap(document);
    if (!pairs)
        return nullptr;
    mPairs = std::move(*pairs);
    mDocument = document;
    return &mPairs;
}

SubscriptionDescription ReadSubscriptionInfo(os::XmlDomDocumentPtr& dom,
                                             const std::string& document,
                                             const std::string& fallbackAddress) {
    SubscriptionDescription description;
    LogDocumentClass("IBaseSoap::Subscribe", dom);
    if (!Load(dom, document)) {
        KV_LOG(1, "IBaseSoap::Subscribe - error: unable to load subscription info xml: %s",
               document.c_str());
        return description;
    }
    dom.setProperty(u"SelectionLanguage", u"XPath");
    const os::XmlDomNodePtr eventName = dom.selectSingleNode(u"//EventName");
    if (!eventName) {
        KV_LOG(1,
               "IBaseSoap::Subscribe - error: unable determine target event from subscription "
               "info xml: %s",
               document.c_str());
        return description;
    }
    description.eventName = Narrow(eventName.text());
    KV_LOG(3, "IBaseSoap::Subscribe - event target: %s", description.eventName.c_str());

    if (const os::XmlDomNodePtr cookie = dom.selectSingleNode(u"//ClientCookie")) {
        description.clientCookie = fallbackAddress + "CliCook:" + Narrow(cookie.text());
        KV_LOG(3, "IBaseSoap::Subscribe - client cookie: %s", description.clientCookie->c_str());
    }

    if (const os::XmlDomNodePtr reliability = dom.selectSingleNode(u"//ReliabilityOption")) {
        const std::u16string text = reliability.text();
        if (!text.empty()) {
            KV_LOG(3, "IBaseSoap::Subscribe - reliability option: %S", text.c_str());
            description.reliability = ReliabilityFrom(text);
        }
    }
    return description;
}

std::optional<std::vector<FilterPair>> ReadFilter(os::XmlDomDocumentPtr& dom,
                                                  const std::string& document) {
    if (document.empty())
        return std::vector<FilterPair>();
    if (!Load(dom, document)) {
        KV_LOG(1, "IBaseSoap::Subscribe - error: unable to load filter xml: %s", document.c_str());
        return std::nullopt;
    }
    return ReadPairs<FilterPair>(dom, kFilterNodes, [](const FilterPair&) {});
}

} // namespace kavelin::proxy
