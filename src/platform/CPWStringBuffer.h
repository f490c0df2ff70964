#pragma once

#include <cstdint>
#include <type_traits>

// A growable wide-character buffer that keeps its text inside a larger block with free room on
// both sides, and a cached narrow form of the text.
//
// The start of the text travels in the block itself: when it is 2 or more, the block's first
// character is 0 and its second holds the start, so the block read as a plain string looks
// empty. A start of 1 is never stored.
class CPWStringBuffer;

// One byte that stands for a property of its buffer: reading it calls the property's getter,
// assigning to it the setter. Property k lies k bytes after the buffer's first byte, which is
// how it finds its buffer.
template <int Id, typename Value, bool Settable> class CPWStringBufferProperty {
public:
    CPWStringBufferProperty() = default;
    CPWStringBufferProperty(const CPWStringBufferProperty&) = delete;

    operator Value() const;
    CPWStringBufferProperty& operator=(Value value) requires Settable;

private:
    CPWStringBuffer& Owner() const;

    uint8_t mZero = 0;
};

class CPWStringBuffer {
public:
    // Every property value travels as this integer (pointers included).
    using PropertyValue = std::uintptr_t;
    static constexpr uint32_t kMaxOffset = 65535;

    explicit CPWStringBuffer(const char16_t* text = nullptr, uint32_t userValue = 0,
                             bool centre = true);
    CPWStringBuffer(const CPWStringBuffer&) = delete;
    CPWStringBuffer& operator=(const CPWStringBuffer&) = delete;
    ~CPWStringBuffer();

    // Property ids 1 to 8; any other id, and setting a property without a setter, throws the
    // integer -1.
    PropertyValue GetProperty(int id);
    void SetProperty(int id, PropertyValue value);

    uint32_t GetLength();
    uint32_t GetCapacity();
    char16_t* GetRawBuffer() const { return mBuffer; }
    char16_t* GetString();
    uint32_t GetUserData() const { return mUserData; }
    void SetUserData(uint32_t value) { mUserData = value; }
    uint32_t GetOffset();
    void SetOffset(uint32_t value);
    // Hands the block (offset header included) to the caller, who frees it with
    // SysFreeString, and leaves the buffer empty.
    char16_t* DetachBuffer();

    // A new block for `length` characters, the old text dropped; null when allocation fails.
    char16_t* Allocate(uint32_t length, bool headroom);
    void Assign(const char16_t* text, bool centre);
    // Empties the text, keeping its start at a third of the block; false if it was empty.
    bool Erase();
    // The text as UTF-8, valid until the next call or change; `fallback` for an empty text.
    const char* ToNarrow(const char* fallback);
    void Free();

    // The first byte of the object: proxies count their distance from it.
    const uint8_t mMarker = 0xAA;
    CPWStringBufferProperty<1, uint32_t, false> Length;
    CPWStringBufferProperty<2, uint32_t, false> Capacity;
    CPWStringBufferProperty<3, char16_t*, false> RawBuffer;
    CPWStringBufferProperty<4, char16_t*, false> String;
    CPWStringBufferProperty<5, char16_t*, false> WideString;
    CPWStringBufferProperty<6, uint32_t, true> UserData;
    CPWStringBufferProperty<7, uint32_t, true> Offset;
    CPWStringBufferProperty<8, char16_t*, false> Detach;

private:
    uint32_t mCapacity = 0;
    char16_t* mBuffer = nullptr;
    uint32_t mOffset = 0;
    // Heap block: a 32-bit capacity in bytes, then the UTF-8 text.
    uint8_t* mNarrowCopy = nullptr;
    uint32_t mUserData = 0;

    void FreeNarrowCopy();
};

template <int Id, typename Value, bool Settable>
CPWStringBuffer& CPWStringBufferProperty<Id, Value, Settable>::Owner() const {
    auto* self = reinterpret_cast<uint8_t*>(const_cast<CPWStringBufferProperty*>(this));
    return *reinterpret_cast<CPWStringBuffer*>(self - Id);
}

template <int Id, typename Value, bool Settable>
CPWStringBufferProperty<Id, Value, Settable>::operator Value() const {
    const CPWStringBuffer::PropertyValue value = Owner().GetProperty(Id);
    if constexpr (std::is_pointer_v<Value>)
        return reinterpret_cast<Value>(value);
    else
        return static_cast<Value>(value);
}

template <int Id, typename Value, bool Settable>
CPWStringBufferProperty<Id, Value, Settable>&
CPWStringBufferProperty<Id, Value, Settable>::operator=(Value value) requires Settable {
    Owner().SetProperty(Id, static_cast<CPWStringBuffer::PropertyValue>(value));
    return *this;
}
