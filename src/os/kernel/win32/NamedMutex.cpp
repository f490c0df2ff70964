#include "os/kernel/NamedMutex.h"

#include <windows.h>

namespace kavelin::os {

// The kernel's named mutex; abandonment and the object's lifetime are the kernel's.
struct NamedMutex::Shared {
    HANDLE handle;
};

std::unique_ptr<NamedMutex> NamedMutex::OpenOrCreate(std::string_view name) {
    const std::string objectName(name);
    // Every user's processes share the log, so the mutex has a null DACL (anyone may open it),
    // as a file log shared across sessions needs.
    SECURITY_DESCRIPTOR descriptor;
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), &descriptor, FALSE};
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))
        return nullptr;
    HANDLE handle = CreateMutexA(&attributes, FALSE, objectName.c_str());
    if (handle == nullptr && GetLastError() == ERROR_ACCESS_DENIED)
        handle = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, objectName.c_str());
    if (handle == nullptr)
        return nullptr;
    return std::unique_ptr<NamedMutex>(new NamedMutex(-1, new Shared{handle}, objectName));
}

NamedMutex::NamedMutex(int descriptor, Shared* shared, std::string objectName)
    : mDescriptor(descriptor), mShared(shared), mObjectName(std::move(objectName)),
      mOpenerProcess(static_cast<int>(GetCurrentProcessId())) {}

NamedMutex::~NamedMutex() {
    CloseHandle(mShared->handle);
    delete mShared;
}

MutexWait NamedMutex::Wait(uint32_t timeoutMs) {
    switch (WaitForSingleObject(mShared->handle, timeoutMs)) {
    case WAIT_OBJECT_0:
        return MutexWait::Obtained;
    case WAIT_ABANDONED:
        return MutexWait::Abandoned;
    case WAIT_TIMEOUT:
        return MutexWait::TimedOut;
    default:
        return MutexWait::Failed;
    }
}

void NamedMutex::Release() {
    ReleaseMutex(mShared->handle);
}

} // namespace kavelin::os
