#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _xmlDoc;
struct _xmlNode;
struct _xmlXPathContext;

namespace kavelin::os {

// One parsed document and the XPath 1.0 queries over it. The DOM objects share it: a node
// list or node taken from a document keeps the tree alive after the document loads another.
class XmlDomTree {
public:
    using Node = const _xmlNode*;

    // Null when the text is not a well-formed document, or is refused as unsafe: a document
    // type declaration with a subset or an external identifier (the door to entity bombs and
    // external entities), nesting deeper than the parser's limit, or a text node past its
    // size limit. Nothing is ever fetched.
    static std::shared_ptr<const XmlDomTree> Parse(std::u16string_view text);

    ~XmlDomTree();
    XmlDomTree(const XmlDomTree&) = delete;
    XmlDomTree& operator=(const XmlDomTree&) = delete;

    // The nodes an expression selects, in document order. Null when the expression does not
    // compile or does not yield a node-set. Unprefixed names match elements in no namespace.
    // Queries share one context, so one tree answers one thread at a time, as its document
    // object does.
    std::optional<std::vector<Node>> Select(std::u16string_view expression) const;

    // The text of a node: the concatenated character data below it, without the white space
    // that surrounds it (pretty-printed documents keep their values).
    static std::u16string Text(Node node);

private:
    explicit XmlDomTree(_xmlDoc* document);
    _xmlDoc* mDocument;
    // One evaluation context for every query on this document (null when it could not be
    // made): making one per query costs more than a small query itself.
    _xmlXPathContext* mXPath;
};

} // namespace kavelin::os
