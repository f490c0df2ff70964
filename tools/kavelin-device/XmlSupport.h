#pragma once

#include <libxml/tree.h>
#include <memory>
#include <string>
#include <string_view>

// libxml2 helpers shared by the device: owned documents, a safe parser, escaping.
namespace kavelin::device {

struct XmlDocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocDeleter>;

// Parses untrusted text: no network, no DTD loading, no entity expansion, libxml2's own
// depth limit, and a document with a DOCTYPE is refused. Null with a reason on failure.
XmlDocPtr ParseXml(std::string_view text, std::string* error);

// Text for character data and attribute values.
std::string EscapeXml(std::string_view text);

// The node's text content.
std::string NodeText(const xmlNode* node);

// The first element child of `node`, or null.
xmlNode* FirstElementChild(const xmlNode* node);

// True when `node` is an element of that namespace name and local name.
bool IsElement(const xmlNode* node, const char* namespaceName, const char* localName);

// Element children of `parent` with that local name (any namespace), first one or null.
xmlNode* ChildByLocalName(const xmlNode* parent, const char* localName);

// An element (with its subtree) as XML text; the namespaces it uses from its ancestors are
// declared on it, so the text stands alone.
std::string SerializeNode(const xmlNode* node);

} // namespace kavelin::device
