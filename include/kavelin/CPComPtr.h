#pragma once

#include <utility>

#include "kavelin/ComBase.h"

// A COM reference holder. Its layout (the interface pointer, then a one-byte flag) crosses the
// proxy's virtual interface, so hosts and the library must agree on it.
template <typename T> class CPComPtr {
public:
    CPComPtr() = default;
    // Takes a reference of its own; the caller keeps its reference.
    explicit CPComPtr(T* object) : mPointer(object) {
        if (mPointer != nullptr)
            mPointer->AddRef();
    }
    CPComPtr(const CPComPtr& other) : mPointer(other.mPointer), mFlag(other.mFlag) {
        if (mPointer != nullptr)
            mPointer->AddRef();
    }
    CPComPtr(CPComPtr&& other) noexcept
        : mPointer(std::exchange(other.mPointer, nullptr)),
          mFlag(std::exchange(other.mFlag, false)) {}
    ~CPComPtr() { Release(); }

    // The new object gains its reference before the old one loses its own, so assigning a
    // holder to itself (or to another holder of the same last reference) keeps the object.
    CPComPtr& operator=(const CPComPtr& other) {
        if (other.mPointer != nullptr)
            other.mPointer->AddRef();
        T* previous = std::exchange(mPointer, other.mPointer);
        mFlag = other.mFlag;
        if (previous != nullptr)
            previous->Release();
        return *this;
    }
    CPComPtr& operator=(CPComPtr&& other) noexcept {
        if (this != &other) {
            Release();
            mPointer = std::exchange(other.mPointer, nullptr);
            mFlag = std::exchange(other.mFlag, false);
        }
        return *this;
    }

    // Drops the reference and clears both fields.
    void Release() {
        T* previous = std::exchange(mPointer, nullptr);
        mFlag = false;
        if (previous != nullptr)
            previous->Release();
    }

    // Takes over a reference the caller already owns.
    void Attach(T* object) {
        Release();
        mPointer = object;
    }

    // Hands the reference to the caller and leaves the holder empty.
    T* Detach() {
        mFlag = false;
        return std::exchange(mPointer, nullptr);
    }

    T* Get() const { return mPointer; }
    T* operator->() const { return mPointer; }
    explicit operator bool() const { return mPointer != nullptr; }
    bool Flag() const { return mFlag; }

    // Creates the class registered for `progId`, asked for T's interface, into this holder
    // (which is emptied first). Defined inside the library (platform/PlatformServices.h).
    HRESULT CreateInstance(const char16_t* progId);

private:
    T* mPointer = nullptr;
    bool mFlag = false;
};
