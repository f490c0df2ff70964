#include "os/com/ComClassTable.h"
#include "os/text/AsciiCase.h"

#include <algorithm>

namespace kavelin::os {
namespace {

bool SameProgId(std::u16string_view left, std::u16string_view right) {
    return EqualsIgnoringAsciiCase(left, right);
}

const ComClass* FindByProgId(const std::vector<ComClass>& classes, std::u16string_view progId) {
    auto found = std::find_if(classes.begin(), classes.end(), [&](const ComClass& entry) {
        return SameProgId(entry.progId, progId);
    });
    return found == classes.end() ? nullptr : &*found;
}

const ComClass* FindByClassId(const std::vector<ComClass>& classes, REFCLSID clsid) {
    auto found = std::find_if(classes.begin(), classes.end(),
                              [&](const ComClass& entry) { return entry.clsid == clsid; });
    return found == classes.end() ? nullptr : &*found;
}

} // namespace

ComClassTable& ComClassTable::Instance() {
    static ComClassTable table;
    return table;
}

std::vector<ComClass>& ComClassTable::ClassesOf(ComClassOrigin origin) {
    return origin == ComClassOrigin::Host ? mHostClasses : mBuiltInClasses;
}

void ComClassTable::Register(ComClassOrigin origin, std::u16string_view progId, REFCLSID clsid,
                             DWORD contexts, ComFactory factory) {
    ComClass entry{std::u16string(progId), clsid, contexts, std::move(factory)};
    std::lock_guard lock(mMutex);
    std::vector<ComClass>& classes = ClassesOf(origin);
    auto existing = std::find_if(classes.begin(), classes.end(), [&](const ComClass& known) {
        return SameProgId(known.progId, progId);
    });
    if (existing != classes.end())
        *existing = std::move(entry);
    else
        classes.push_back(std::move(entry));
}

bool ComClassTable::Unregister(ComClassOrigin origin, std::u16string_view progId) {
    std::lock_guard lock(mMutex);
    std::vector<ComClass>& classes = ClassesOf(origin);
    const auto removed = std::erase_if(
        classes, [&](const ComClass& known) { return SameProgId(known.progId, progId); });
    return removed != 0;
}

std::optional<CLSID> ComClassTable::FindClassId(std::u16string_view progId) const {
    std::lock_guard lock(mMutex);
    const ComClass* found = FindByProgId(mHostClasses, progId);
    if (found == nullptr)
        found = FindByProgId(mBuiltInClasses, progId);
    if (found == nullptr)
        return std::nullopt;
    return found->clsid;
}

std::optional<ComClass> ComClassTable::FindClass(REFCLSID clsid) const {
    std::lock_guard lock(mMutex);
    const ComClass* found = FindByClassId(mHostClasses, clsid);
    if (found == nullptr)
        found = FindByClassId(mBuiltInClasses, clsid);
    if (found == nullptr)
        return std::nullopt;
    // A copy, so that the factory runs outside the lock and may itself register classes.
    return *found;
}

void RegisterBuiltInClass(std::u16string_view progId, REFCLSID clsid, DWORD contexts,
                          ComFactory factory) {
    ComClassTable::Instance().Register(ComClassOrigin::BuiltIn, progId, clsid, contexts,
                                       std::move(factory));
}

} // namespace kavelin::os
