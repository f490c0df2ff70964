#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kavelin/ComBase.h"

// The process's COM class registrations: ProgID -> CLSID -> factory, with the class contexts
// each class supports. Built-in classes come with the library; a host class registered under
// the same ProgID hides the built-in one until the host removes it. Safe to use from any thread.
namespace kavelin::os {

using ComFactory = std::function<HRESULT(IUnknown* outer, REFIID iid, void** object)>;

enum class ComClassOrigin { BuiltIn, Host };

struct ComClass {
    std::u16string progId;
    CLSID clsid;
    DWORD contexts;
    ComFactory factory;
};

class ComClassTable {
public:
    static ComClassTable& Instance();

    // Adds the class, or replaces the one of the same origin and ProgID.
    void Register(ComClassOrigin origin, std::u16string_view progId, REFCLSID clsid, DWORD contexts,
                  ComFactory factory);
    // False when no class of that origin has the ProgID.
    bool Unregister(ComClassOrigin origin, std::u16string_view progId);

    // ProgIDs compare without regard to ASCII case, as in the Windows registry.
    std::optional<CLSID> FindClassId(std::u16string_view progId) const;
    std::optional<ComClass> FindClass(REFCLSID clsid) const;

private:
    std::vector<ComClass>& ClassesOf(ComClassOrigin origin);

    mutable std::mutex mMutex;
    // Searched in this order: host classes first.
    std::vector<ComClass> mHostClasses;
    std::vector<ComClass> mBuiltInClasses;
};

// The one line with which the library adds a built-in component, for example
//   os::RegisterBuiltInClass(u"OVCOM.X", kClsid, CLSCTX_INPROC_SERVER, &CreateComObject<X>);
void RegisterBuiltInClass(std::u16string_view progId, REFCLSID clsid, DWORD contexts,
                          ComFactory factory);

} // namespace kavelin::os
