#pragma once

#include "XmlSupport.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

// The device's data model: one XML document read by XPath and written by merging fragments.
//
// Writing: the posted fragment's root must be the document's root element. Each element of
// the fragment names the element of the document at the same place: same namespace and local
// name, and the same `id` attribute when the fragment gives one, otherwise the same position
// among its same-named siblings. A fragment leaf (no element children) replaces that
// element's text. Nothing is created or removed, and a fragment that does not fit changes
// nothing at all. Host writes may only touch leaves marked access="rw".
namespace kavelin::device {

struct XdmChange {
    std::string path;    // XPath of the changed leaf, such as
                         // /dd:Printer/dd:Trays/dd:Tray[@id='2']/dd:MediaSize
    std::string section; // local name of the top-level element it lies under, such as Trays
    std::string value;   // the new text
};

class XdmStore {
public:
    // False with a reason when the text is not a usable document.
    bool Load(const std::string& text, std::string* error);

    // Evaluates `xpath` with the namespace prefixes given, and no others unless prefixes are
    // lenient (then the dictionary namespace is known as "dd" unless the caller rebinds it). A
    // node set gives its nodes as XML text one after another; a string, number or boolean
    // gives its string value. A prefix the expression uses but nobody maps is named in `error`.
    bool Query(const std::string& xpath,
               const std::vector<std::pair<std::string, std::string>>& prefixes,
               std::string* result, std::string* error) const;

    // Merges `fragment` (rules above). `hostWrite` enforces the access marks.
    bool Merge(const xmlNode* fragment, bool hostWrite, std::vector<XdmChange>* changes,
               std::string* error);

    // XPaths of every leaf a host may write, in document order.
    std::vector<std::string> SettablePaths() const;

    // Whether "dd" resolves without being mapped (DeviceOptions::lenientPrefixes). A device
    // knows only the prefixes a request maps, so the programs turn this off: a host that
    // forgets its prefix map must fail here as it would there.
    void SetLenientPrefixes(bool lenient);

    std::string Text() const;
    std::string DictionaryNamespace() const;

private:
    mutable std::mutex mMutex;
    XmlDocPtr mDoc;
    bool mLenientPrefixes = true;
};

} // namespace kavelin::device
