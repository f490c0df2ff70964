#include "UsageSimulation.h"

#include "XmlSupport.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace kavelin::device {

namespace {

constexpr long kLowPercent = 10;
constexpr long kSheetsPerStep = 12;

struct Counter {
    const char* name;
    long step;
};
constexpr Counter kCounters[] = {
    {"TotalPages", 20}, {"ColorPages", 8}, {"MonoPages", 12}, {"DuplexSheets", 5}};

// Toner of each colour and the drum wear at different rates, so they run low one by one.
long PercentPerStep(const std::string& id) {
    if (id == "black-toner") {
        return 3;
    }
    if (id == "drum") {
        return 1;
    }
    return 2;
}

bool ReadNumber(const std::string& text, long* value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return ec == std::errc{} && end == text.data() + text.size();
}

std::string ConsumableState(long percent) {
    if (percent == 0) {
        return "Empty";
    }
    return percent <= kLowPercent ? "Low" : "OK";
}

std::vector<xmlNode*> Children(const xmlNode* parent, const char* localName) {
    std::vector<xmlNode*> found;
    for (xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE &&
            std::string(reinterpret_cast<const char*>(child->name)) == localName) {
            found.push_back(child);
        }
    }
    return found;
}

std::string IdOf(const xmlNode* node) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>("id"));
    std::string id = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return id;
}

// Element names in the fragment take the document's prefix for its root namespace.
class FragmentWriter {
public:
    explicit FragmentWriter(const xmlNode* root) {
        if (root->ns && root->ns->prefix) {
            mPrefix = reinterpret_cast<const char*>(root->ns->prefix) + std::string(":");
        }
    }
    std::string Name(const xmlNode* node) const {
        return mPrefix + reinterpret_cast<const char*>(node->name);
    }
    std::string Name(const char* localName) const { return mPrefix + localName; }
    std::string Leaf(const char* localName, const std::string& text) const {
        return "<" + Name(localName) + ">" + EscapeXml(text) + "</" + Name(localName) + ">";
    }
    std::string Open(const xmlNode* node) const {
        const std::string id = IdOf(node);
        return "<" + Name(node) + (id.empty() ? "" : " id=\"" + EscapeXml(id) + "\"") + ">";
    }
    std::string Close(const xmlNode* node) const { return "</" + Name(node) + ">"; }

private:
    std::string mPrefix;
};

std::string ConsumablesStep(const xmlNode* root, const FragmentWriter& writer) {
    std::string items;
    for (const xmlNode* section : Children(root, "Consumables")) {
        for (const xmlNode* item : Children(section, "Consumable")) {
            long percent = 0;
            const xmlNode* level = ChildByLocalName(item, "LevelPercent");
            if (!level || !ReadNumber(NodeText(level), &percent) || percent <= 0) {
                continue;
            }
            percent = std::max(0L, percent - PercentPerStep(IdOf(item)));
            items += writer.Open(item) + writer.Leaf("LevelPercent", std::to_string(percent));
            if (ChildByLocalName(item, "State")) {
                items += writer.Leaf("State", ConsumableState(percent));
            }
            items += writer.Close(item);
        }
        if (!items.empty()) {
            return writer.Open(section) + items + writer.Close(section);
        }
    }
    return {};
}

// The tray with the most sheets feeds this step's pages.
std::string TraysStep(const xmlNode* root, const FragmentWriter& writer) {
    for (const xmlNode* section : Children(root, "Trays")) {
        const xmlNode* fullest = nullptr;
        long most = 0;
        for (const xmlNode* tray : Children(section, "Tray")) {
            long sheets = 0;
            const xmlNode* level = ChildByLocalName(tray, "Level");
            if (level && ReadNumber(NodeText(level), &sheets) && sheets > most) {
                fullest = tray;
                most = sheets;
            }
        }
        if (fullest) {
            return writer.Open(section) + writer.Open(fullest) +
                   writer.Leaf("Level", std::to_string(std::max(0L, most - kSheetsPerStep))) +
                   writer.Close(fullest) + writer.Close(section);
        }
    }
    return {};
}

std::string CountersStep(const xmlNode* root, const FragmentWriter& writer) {
    for (const xmlNode* section : Children(root, "Counters")) {
        std::string counters;
        for (const Counter& counter : kCounters) {
            long value = 0;
            const xmlNode* node = ChildByLocalName(section, counter.name);
            if (node && ReadNumber(NodeText(node), &value)) {
                counters += writer.Leaf(counter.name, std::to_string(value + counter.step));
            }
        }
        if (!counters.empty()) {
            return writer.Open(section) + counters + writer.Close(section);
        }
    }
    return {};
}

} // namespace

std::string UsageStep(const std::string& document) {
    std::string error;
    const XmlDocPtr doc = ParseXml(document, &error);
    const xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root) {
        return {};
    }
    const FragmentWriter writer(root);
    const std::string consumables = ConsumablesStep(root, writer);
    const std::string trays = TraysStep(root, writer);
    if (consumables.empty() && trays.empty()) {
        return {}; // nothing to print with
    }
    std::string fragment = "<" + writer.Name(root);
    if (root->ns) {
        fragment += std::string(" xmlns") + (root->ns->prefix ? ":" : "") +
                    (root->ns->prefix ? reinterpret_cast<const char*>(root->ns->prefix) : "") +
                    "=\"" + EscapeXml(reinterpret_cast<const char*>(root->ns->href)) + "\"";
    }
    fragment +=
        ">" + consumables + trays + CountersStep(root, writer) + "</" + writer.Name(root) + ">";
    return fragment;
}

UsageSimulation::UsageSimulation(std::chrono::milliseconds period, Read read, Apply apply)
    : mPeriod(period), mRead(std::move(read)), mApply(std::move(apply)) {}

UsageSimulation::~UsageSimulation() {
    Stop();
}

void UsageSimulation::Start() {
    mStop = false;
    mWorker = std::thread([this] { Run(); });
}

void UsageSimulation::Stop() {
    {
        std::lock_guard lock(mMutex);
        mStop = true;
    }
    mWake.notify_all();
    if (mWorker.joinable()) {
        mWorker.join();
    }
}

void UsageSimulation::Run() {
    for (;;) {
        {
            std::unique_lock lock(mMutex);
            if (mWake.wait_for(lock, mPeriod, [&] { return mStop; })) {
                return;
            }
        }
        const std::string fragment = UsageStep(mRead());
        if (!fragment.empty()) {
            mApply(fragment);
        }
    }
}

} // namespace kavelin::device
