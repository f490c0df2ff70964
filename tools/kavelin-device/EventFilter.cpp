#include "EventFilter.h"

#include <algorithm>
#include <map>

namespace kavelin::device {

namespace {

std::string LastStep(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ParentPath(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// "dd:Consumable[@id='black-toner']" gives "black-toner"; a step without an id gives "".
std::string StepId(const std::string& step) {
    const std::string open = "[@id='";
    const auto start = step.find(open);
    if (start == std::string::npos) {
        return {};
    }
    const auto end = step.find('\'', start + open.size());
    return end == std::string::npos ? std::string()
                                    : step.substr(start + open.size(), end - start - open.size());
}

std::string LocalName(const std::string& step) {
    const std::string name = step.substr(0, step.find('['));
    const auto colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

// Only names made of these reach an XPath expression.
bool IsPlainName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_' || c == '.';
    });
}

std::string PropertyOf(const XdmChange& change, const std::string& name, const XdmStore& xdm) {
    if (name == "Path") {
        return change.path;
    }
    if (name == "Section") {
        return change.section;
    }
    if (name == "Element") {
        return LocalName(LastStep(change.path));
    }
    if (name == "Item") {
        return StepId(LastStep(ParentPath(change.path)));
    }
    if (name == "Value") {
        return change.value;
    }
    std::string sibling;
    std::string error;
    if (!IsPlainName(name) ||
        !xdm.Query("string(" + ParentPath(change.path) + "/*[local-name()='" + name + "'])", {},
                   &sibling, &error)) {
        return {};
    }
    return sibling;
}

} // namespace

std::vector<XdmChange> FilterChanges(const FilterPairs& filter,
                                     const std::vector<XdmChange>& changes, const XdmStore& xdm) {
    std::map<std::string, std::vector<std::string>> wanted;
    for (const auto& [name, value] : filter) {
        wanted[name].push_back(value);
    }
    std::vector<XdmChange> passed;
    for (const XdmChange& change : changes) {
        const bool matches = std::all_of(wanted.begin(), wanted.end(), [&](const auto& entry) {
            const std::string actual = PropertyOf(change, entry.first, xdm);
            return std::find(entry.second.begin(), entry.second.end(), actual) !=
                   entry.second.end();
        });
        if (matches) {
            passed.push_back(change);
        }
    }
    return passed;
}

} // namespace kavelin::device
