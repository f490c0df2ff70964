#include "os/xmldom/posix/XmlDomTree.h"

#include "os/text/Text.h"
#include "os/xmldom/XmlDomDocumentType.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <mutex>

namespace kavelin::os {

namespace {

// No network, no DTD loading, no entity substitution, the parser's default size and depth
// limits (no XML_PARSE_HUGE), and no error text on the host's standard error. The text is
// already Unicode, so an encoding named in its declaration is not applied a second time.
constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_IGNORE_ENC;

void IgnoreError(void*, xmlErrorPtr) {}

// A document type declaration that reaches the parser stops the parse at once: its entities
// are what entity bombs and external entity tricks are made of, and nothing the library reads
// needs one. One that declares nothing is taken out before (WithoutEmptyDocumentType).
void RefuseDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    *static_cast<bool*>(parser->_private) = true;
    xmlStopParser(parser);
}

void InitialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

bool IsXmlSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

struct ParserDeleter {
    void operator()(xmlParserCtxtPtr parser) const { xmlFreeParserCtxt(parser); }
};
struct XPathObjectDeleter {
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};

} // namespace

std::shared_ptr<const XmlDomTree> XmlDomTree::Parse(std::u16string_view text) {
    InitialiseOnce();
    const std::string utf8 = Utf16ToUtf8(WithoutEmptyDocumentType(text));
    if (utf8.size() > static_cast<size_t>(INT32_MAX))
        return nullptr;
    std::unique_ptr<xmlParserCtxt, ParserDeleter> parser(xmlNewParserCtxt());
    if (!parser)
        return nullptr;
    bool refused = false;
    parser->_private = &refused;
    parser->sax->internalSubset = RefuseDocumentType;
    parser->sax->serror = IgnoreError;
    xmlDocPtr document = xmlCtxtReadMemory(parser.get(), utf8.data(), static_cast<int>(utf8.size()),
                                           nullptr, "UTF-8", kParseOptions);
    if (document == nullptr)
        return nullptr;
    if (refused || !parser->wellFormed || xmlDocGetRootElement(document) == nullptr) {
        xmlFreeDoc(document);
        return nullptr;
    }
    return std::shared_ptr<const XmlDomTree>(new XmlDomTree(document));
}

XmlDomTree::XmlDomTree(_xmlDoc* document)
    : mDocument(document), mXPath(xmlXPathNewContext(document)) {
    if (mXPath != nullptr)
        mXPath->error = IgnoreError;
}

XmlDomTree::~XmlDomTree() {
    xmlXPathFreeContext(mXPath);
    xmlFreeDoc(mDocument);
}

std::optional<std::vector<XmlDomTree::Node>>
XmlDomTree::Select(std::u16string_view expression) const {
    const std::string utf8 = Utf16ToUtf8(expression);
    // The expression travels as a C string: a zero inside would silently cut it short.
    if (utf8.find('\0') != std::string::npos)
        return std::nullopt;
    if (mXPath == nullptr)
        return std::nullopt;
    // Every query starts from the document node, whatever the last one left behind.
    mXPath->node = nullptr;
    mXPath->contextSize = -1;
    mXPath->proximityPosition = -1;
    std::unique_ptr<xmlXPathObject, XPathObjectDeleter> result(
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(utf8.c_str()), mXPath));
    if (!result || result->type != XPATH_NODESET)
        return std::nullopt;
    std::vector<Node> nodes;
    if (xmlNodeSetPtr set = result->nodesetval; set != nullptr) {
        xmlXPathNodeSetSort(set);
        nodes.reserve(static_cast<size_t>(set->nodeNr));
        for (int i = 0; i < set->nodeNr; ++i) {
            // Namespace nodes are copies owned by the result, gone once it is freed.
            if (set->nodeTab[i]->type != XML_NAMESPACE_DECL)
                nodes.push_back(set->nodeTab[i]);
        }
    }
    return nodes;
}

std::u16string XmlDomTree::Text(Node node) {
    xmlChar* content = xmlNodeGetContent(node);
    if (content == nullptr)
        return {};
    std::u16string text = Utf8ToUtf16(reinterpret_cast<const char*>(content));
    xmlFree(content);
    size_t first = 0;
    while (first < text.size() && IsXmlSpace(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && IsXmlSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

} // namespace kavelin::os
