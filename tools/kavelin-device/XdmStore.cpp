#include "XdmStore.h"

#include <algorithm>
#include <cstring>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

namespace kavelin::device {

namespace {

constexpr const char* kDictionaryPrefix = "dd";

std::string AttributeText(const xmlNode* node, const char* name) {
    xmlChar* value = xmlGetNoNsProp(node, BAD_CAST name);
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

bool HasAttribute(const xmlNode* node, const char* name) {
    return xmlHasNsProp(node, BAD_CAST name, nullptr) != nullptr;
}

bool SameName(const xmlNode* a, const xmlNode* b) {
    if (std::strcmp(reinterpret_cast<const char*>(a->name),
                    reinterpret_cast<const char*>(b->name)) != 0) {
        return false;
    }
    const char* aNs = a->ns ? reinterpret_cast<const char*>(a->ns->href) : "";
    const char* bNs = b->ns ? reinterpret_cast<const char*>(b->ns->href) : "";
    return std::strcmp(aNs, bNs) == 0;
}

std::string StepName(const xmlNode* node) {
    std::string step = kDictionaryPrefix;
    step += ':';
    step += reinterpret_cast<const char*>(node->name);
    if (HasAttribute(node, "id")) {
        step += "[@id='" + AttributeText(node, "id") + "']";
    }
    return step;
}

// The element of `target`'s children that `posted` (a child of the fragment) names.
xmlNode* MatchChild(xmlNode* target, const xmlNode* posted) {
    const bool byId = HasAttribute(posted, "id");
    const std::string id = byId ? AttributeText(posted, "id") : "";
    std::size_t position = 0;
    if (!byId) {
        for (const xmlNode* sibling = posted->prev; sibling; sibling = sibling->prev) {
            if (sibling->type == XML_ELEMENT_NODE && SameName(sibling, posted) &&
                !HasAttribute(sibling, "id")) {
                ++position;
            }
        }
    }
    for (xmlNode* child = target->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE || !SameName(child, posted)) {
            continue;
        }
        if (byId ? AttributeText(child, "id") == id : position-- == 0) {
            return child;
        }
    }
    return nullptr;
}

void ReplaceText(xmlNode* node, const std::string& text) {
    while (node->children) {
        xmlNode* child = node->children;
        xmlUnlinkNode(child);
        xmlFreeNode(child);
    }
    xmlAddChild(node, xmlNewDocText(node->doc, BAD_CAST text.c_str()));
}

struct MergeWalk {
    bool hostWrite;
    std::vector<XdmChange> changes;
    std::string error;

    bool Walk(xmlNode* target, const xmlNode* posted, const std::string& path,
              const std::string& section) {
        if (FirstElementChild(posted) == nullptr) {
            return Leaf(target, posted, path, section);
        }
        for (const xmlNode* child = posted->children; child; child = child->next) {
            if (child->type != XML_ELEMENT_NODE) {
                continue;
            }
            xmlNode* match = MatchChild(target, child);
            const std::string childPath = path + "/" + StepName(child);
            if (!match) {
                error = "no such element in the data model: " + childPath;
                return false;
            }
            const std::string childSection =
                section.empty() ? reinterpret_cast<const char*>(child->name) : section;
            if (!Walk(match, child, childPath, childSection)) {
                return false;
            }
        }
        return true;
    }

    bool Leaf(xmlNode* target, const xmlNode* posted, const std::string& path,
              const std::string& section) {
        if (FirstElementChild(target) != nullptr) {
            error = "element holds structured data and cannot be replaced by text: " + path;
            return false;
        }
        if (hostWrite && AttributeText(target, "access") != "rw") {
            error = "element is not settable: " + path;
            return false;
        }
        const std::string value = NodeText(posted);
        if (NodeText(target) != value) {
            ReplaceText(target, value);
            changes.push_back({path, section, value});
        }
        return true;
    }
};

void CollectSettable(const xmlNode* node, const std::string& path, std::vector<std::string>& out) {
    const std::string here = path + "/" + StepName(node);
    if (FirstElementChild(node) == nullptr) {
        if (AttributeText(node, "access") == "rw") {
            out.push_back(here);
        }
        return;
    }
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            CollectSettable(child, here, out);
        }
    }
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

// The first prefix of a qualified name in `xpath` (outside its string literals) that is not
// among `known`; empty when there is none.
std::string UnmappedPrefix(const std::string& xpath, const std::vector<std::string>& known) {
    char quote = 0;
    for (std::size_t i = 0; i < xpath.size(); ++i) {
        const char c = xpath[i];
        if (quote != 0 || c == '"' || c == '\'') {
            quote = quote == 0 ? c : (c == quote ? 0 : quote);
            continue;
        }
        const bool axis = i + 1 < xpath.size() && xpath[i + 1] == ':';
        if (c != ':' || axis || i == 0 || xpath[i - 1] == ':' || !IsNameChar(xpath[i - 1])) {
            continue;
        }
        std::size_t start = i;
        while (start > 0 && IsNameChar(xpath[start - 1])) {
            --start;
        }
        const std::string prefix = xpath.substr(start, i - start);
        if (std::find(known.begin(), known.end(), prefix) == known.end()) {
            return prefix;
        }
    }
    return {};
}

// Errors are reported to the caller as a fault; libxml2 printing them too would only be noise.
void IgnoreXPathError(void*, xmlError*) {}

struct XPathContextDeleter {
    void operator()(xmlXPathContext* context) const { xmlXPathFreeContext(context); }
};
struct XPathObjectDeleter {
    void operator()(xmlXPathObject* object) const { xmlXPathFreeObject(object); }
};

} // namespace

bool XdmStore::Load(const std::string& text, std::string* error) {
    XmlDocPtr doc = ParseXml(text, error);
    if (!doc) {
        return false;
    }
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (!root->ns || !root->ns->href) {
        *error = "the data model's root element has no namespace";
        return false;
    }
    std::lock_guard lock(mMutex);
    mDoc = std::move(doc);
    return true;
}

bool XdmStore::Query(const std::string& xpath,
                     const std::vector<std::pair<std::string, std::string>>& prefixes,
                     std::string* result, std::string* error) const {
    std::lock_guard lock(mMutex);
    if (!mDoc) {
        *error = "no data model loaded";
        return false;
    }
    std::unique_ptr<xmlXPathContext, XPathContextDeleter> context(xmlXPathNewContext(mDoc.get()));
    context->error = IgnoreXPathError;
    std::vector<std::string> known;
    if (mLenientPrefixes) {
        const xmlNode* root = xmlDocGetRootElement(mDoc.get());
        xmlXPathRegisterNs(context.get(), BAD_CAST kDictionaryPrefix, root->ns->href);
        known.emplace_back(kDictionaryPrefix);
    }
    for (const auto& [prefix, url] : prefixes) {
        if (xmlXPathRegisterNs(context.get(), BAD_CAST prefix.c_str(), BAD_CAST url.c_str()) != 0) {
            *error = "invalid namespace prefix: " + prefix;
            return false;
        }
        known.push_back(prefix);
    }
    std::unique_ptr<xmlXPathObject, XPathObjectDeleter> object(
        xmlXPathEvalExpression(BAD_CAST xpath.c_str(), context.get()));
    if (!object && context->lastError.code == XML_XPATH_UNDEF_PREFIX_ERROR) {
        const std::string prefix = UnmappedPrefix(xpath, known);
        *error = "unknown namespace prefix" + (prefix.empty() ? "" : " '" + prefix + "'") +
                 " (not in the request's prefix map): " + xpath;
        return false;
    }
    if (!object) {
        *error = "invalid XPath expression: " + xpath;
        return false;
    }
    result->clear();
    if (object->type == XPATH_NODESET) {
        const xmlNodeSet* nodes = object->nodesetval;
        for (int i = 0; nodes && i < nodes->nodeNr; ++i) {
            const xmlNode* node = nodes->nodeTab[i];
            *result += node->type == XML_ELEMENT_NODE ? SerializeNode(node) : NodeText(node);
        }
        return true;
    }
    xmlChar* text = xmlXPathCastToString(object.get());
    *result = text ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    return true;
}

bool XdmStore::Merge(const xmlNode* fragment, bool hostWrite, std::vector<XdmChange>* changes,
                     std::string* error) {
    std::lock_guard lock(mMutex);
    if (!mDoc) {
        *error = "no data model loaded";
        return false;
    }
    xmlNode* root = xmlDocGetRootElement(mDoc.get());
    if (!fragment || fragment->type != XML_ELEMENT_NODE || !SameName(root, fragment)) {
        *error = "the document's root element must be the data model's root element";
        return false;
    }
    // Work on a copy so that a fragment failing half-way leaves the model as it was.
    XmlDocPtr copy(xmlCopyDoc(mDoc.get(), 1));
    MergeWalk walk{hostWrite, {}, {}};
    const std::string rootPath = "/" + StepName(root);
    if (!walk.Walk(xmlDocGetRootElement(copy.get()), fragment, rootPath, "")) {
        *error = walk.error;
        return false;
    }
    mDoc = std::move(copy);
    *changes = std::move(walk.changes);
    return true;
}

std::vector<std::string> XdmStore::SettablePaths() const {
    std::lock_guard lock(mMutex);
    std::vector<std::string> paths;
    if (!mDoc) {
        return paths;
    }
    const xmlNode* root = xmlDocGetRootElement(mDoc.get());
    for (const xmlNode* child = root->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            CollectSettable(child, "/" + StepName(root), paths);
        }
    }
    return paths;
}

std::string XdmStore::Text() const {
    std::lock_guard lock(mMutex);
    if (!mDoc) {
        return {};
    }
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(mDoc.get(), &text, &size, "UTF-8");
    std::string out(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
    xmlFree(text);
    return out;
}

void XdmStore::SetLenientPrefixes(bool lenient) {
    std::lock_guard lock(mMutex);
    mLenientPrefixes = lenient;
}

std::string XdmStore::DictionaryNamespace() const {
    std::lock_guard lock(mMutex);
    if (!mDoc) {
        return {};
    }
    return reinterpret_cast<const char*>(xmlDocGetRootElement(mDoc.get())->ns->href);
}

} // namespace kavelin::device
