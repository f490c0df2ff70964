#include "platform/PlatformServices.h"

#include <array>
#include <optional>

#include "os/com/ComCreation.h"
#include "os/registry/Registry.h"
#include "platform/CPWStringBuffer.h"

namespace PlatformServices {
namespace {

constexpr DWORD kDefaultClassContext =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;
constexpr DWORD kForcedClassContext = CLSCTX_LOCAL_SERVER;
constexpr uint32_t kValueBufferBytes = 260;

// True when the override key holds a terminated string value named `progId`.
bool IsForcedOutOfProcess(const char* progId) {
    const std::optional<kavelin::os::RegistryKey> key =
        kavelin::os::RegistryKey::OpenLocalMachine(kForceToOutOfProcKey);
    if (!key) {
        KV_LOG(8, "PlatformServices::CreateInstance() could not find forcekey");
        return false;
    }
    KV_LOG(8, "PlatformServices::CreateInstance() found forcekey");
    std::array<uint8_t, kValueBufferBytes> data{};
    uint32_t type = kavelin::os::RegNone;
    uint32_t size = kValueBufferBytes;
    const long status = key->QueryValue(progId == nullptr ? "" : progId, &type, data.data(), &size);
    const bool found = status == kavelin::os::kErrorSuccess &&
                       (type == kavelin::os::RegSz || type == kavelin::os::RegExpandSz) &&
                       size >= 1 && size <= kValueBufferBytes && data[size - 1] == 0;
    if (found)
        KV_LOG(8, "PlatformServices::CreateInstance() found string value in forcekey");
    else
        KV_LOG(8, "PlatformServices::CreateInstance() string value in forcekey not found");
    return found;
}

} // namespace

HRESULT CreateInstance(const char16_t* progId, REFIID iid, void** object) {
    bool resolved = false;
    HRESULT result = E_FAIL;
    try {
        result = kavelin::os::CreateComponent(progId, iid, object, [&] {
            resolved = true;
            KV_LOG(8, "PlatformServices::CreateInstance() CLSIDFromProgID succeeded");
            CPWStringBuffer progIdBuffer(progId, 0, true);
            KV_LOG(8, "PlatformServices::CreateInstance() just created temp");
            return IsForcedOutOfProcess(progIdBuffer.ToNarrow(nullptr)) ? kForcedClassContext
                                                                        : kDefaultClassContext;
        });
    } catch (...) {
        KV_LOG(9, "CI 5");
        if (object != nullptr && *object != nullptr) {
            static_cast<IUnknown*>(*object)->Release();
            *object = nullptr;
        }
        result = E_FAIL;
        KV_LOG(1, "PlatformServices::CreateInstance() caught exception.");
    }
    if (!resolved)
        KV_LOG(1, "PlatformServices::CreateInstance() unable to resolve CLSID");
    if (FAILED(result))
        KV_LOG(1, "PlatformServices::CreateInstance() returning FAIL.");
    else
        KV_LOG(8, "PlatformServices::CreateInstance() returning SUCCESS.");
    return result;
}

} // namespace PlatformServices
