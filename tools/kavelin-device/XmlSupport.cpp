#include "XmlSupport.h"

#include <climits>
#include <cstring>
#include <libxml/parser.h>

namespace kavelin::device {

XmlDocPtr ParseXml(std::string_view text, std::string* error) {
    if (text.size() > INT_MAX) {
        *error = "document too large";
        return nullptr;
    }
    // XML_PARSE_NOENT is deliberately absent: entities stay unexpanded.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    XmlDocPtr doc(
        xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, options));
    if (!doc) {
        const xmlError* last = xmlGetLastError();
        *error = last && last->message ? last->message : "not well-formed XML";
        while (!error->empty() && error->back() == '\n') {
            error->pop_back();
        }
        return nullptr;
    }
    if (doc->intSubset != nullptr) {
        *error = "document type declarations are not accepted";
        return nullptr;
    }
    if (xmlDocGetRootElement(doc.get()) == nullptr) {
        *error = "document has no root element";
        return nullptr;
    }
    return doc;
}

std::string EscapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string NodeText(const xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

xmlNode* FirstElementChild(const xmlNode* node) {
    for (xmlNode* child = node ? node->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            return child;
        }
    }
    return nullptr;
}

bool IsElement(const xmlNode* node, const char* namespaceName, const char* localName) {
    if (!node || node->type != XML_ELEMENT_NODE ||
        std::strcmp(reinterpret_cast<const char*>(node->name), localName) != 0) {
        return false;
    }
    if (namespaceName == nullptr) {
        return node->ns == nullptr;
    }
    return node->ns && node->ns->href &&
           std::strcmp(reinterpret_cast<const char*>(node->ns->href), namespaceName) == 0;
}

xmlNode* ChildByLocalName(const xmlNode* parent, const char* localName) {
    for (xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE &&
            std::strcmp(reinterpret_cast<const char*>(child->name), localName) == 0) {
            return child;
        }
    }
    return nullptr;
}

std::string SerializeNode(const xmlNode* node) {
    // Copying into a document of its own makes libxml2 declare the inherited namespaces.
    XmlDocPtr holder(xmlNewDoc(BAD_CAST "1.0"));
    xmlNode* copy = xmlDocCopyNode(const_cast<xmlNode*>(node), holder.get(), 1);
    if (!copy) {
        return {};
    }
    xmlDocSetRootElement(holder.get(), copy);
    xmlBuffer* buffer = xmlBufferCreate();
    xmlNodeDump(buffer, holder.get(), copy, 0, 0);
    std::string text(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                     static_cast<std::size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    return text;
}

} // namespace kavelin::device
