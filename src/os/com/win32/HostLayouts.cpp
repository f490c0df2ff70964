#include <windows.h>

#include <cstddef>
#include <string>
#include <type_traits>

#include "kavelin/CPComPtr.h"
#include "kavelin/DataStream.h"
#include "kavelin/ISessionInfo.h"
#include "kavelin/RemoteArray.h"

// What a Windows host built against the public headers relies on, checked wherever the library
// is compiled: a change here breaks every host built before it, and the 32-bit build is the one
// the hosts run but no test here can run.
namespace {

constexpr bool k32Bit = sizeof(void*) == 4;

// The log file's and its mutex's security attributes: 12 bytes on 32-bit Windows.
static_assert(sizeof(SECURITY_ATTRIBUTES) == (k32Bit ? 12 : 24));

// The list the host takes over: the element block, then the count; the host frees the block
// with its own delete[], one libstdc++ string each.
static_assert(std::is_standard_layout_v<RemoteArray>);
static_assert(offsetof(RemoteArray, mElements) == 0);
static_assert(offsetof(RemoteArray, mCount) == sizeof(void*));
static_assert(sizeof(RemoteArray) == 2 * sizeof(void*));
static_assert(sizeof(std::string) == (k32Bit ? 24 : 32));

// The session-information holder that crosses the virtual interface: the interface pointer,
// then a one-byte flag, padded to the pointer's alignment.
struct HostComPtr {
    ISessionInfo* pointer;
    bool flag;
};
static_assert(sizeof(CPComPtr<ISessionInfo>) == sizeof(HostComPtr));
static_assert(sizeof(HostComPtr) == 2 * sizeof(void*));
static_assert(alignof(CPComPtr<ISessionInfo>) == alignof(HostComPtr));

#if defined(__i386__)
// On 32-bit Windows the callee of a COM method pops its arguments (__stdcall), where an
// ordinary member function is __thiscall: a mismatch unbalances the stack at the first call.
static_assert(std::is_same_v<decltype(&IUnknown::AddRef), ULONG (__stdcall IUnknown::*)()>);
static_assert(std::is_same_v<decltype(&ISessionInfo::get_SessionID),
                             HRESULT (__stdcall ISessionInfo::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDataStream::Close), HRESULT (__stdcall IDataStream::*)()>);
// The comparison does see the convention: the same method without it is another type.
static_assert(
    !std::is_same_v<decltype(&ISessionInfo::get_SessionID), HRESULT (ISessionInfo::*)(BSTR*)>);
#endif

} // namespace
