#include "platform/CPWStringBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "kavelin/ComBstr.h"
#include "os/text/Text.h"
#include "platform/Logging.h"

namespace {

using PropertyValue = CPWStringBuffer::PropertyValue;

size_t WideLength(const char16_t* text) {
    return std::char_traits<char16_t>::length(text);
}

// Centred text keeps at least 32 characters of block, doubles short texts and gives long ones
// up to about 512 spare characters. Zero when the capacity would not fit 32 bits.
uint32_t CapacityFor(uint32_t length, bool headroom) {
    if (!headroom)
        return length;
    if (length < 256)
        return std::max<uint32_t>(2 * length, 32);
    const double grown = static_cast<double>(length) * (1.0 + 512.0 / (256.0 + length));
    return grown >= static_cast<double>(UINT32_MAX) ? 0 : static_cast<uint32_t>(grown);
}

constexpr uint32_t kNarrowHeaderBytes = sizeof(uint32_t);

struct PropertyAccess {
    PropertyValue (*get)(CPWStringBuffer&);
    void (*set)(CPWStringBuffer&, PropertyValue);
};

PropertyValue AsValue(const char16_t* pointer) {
    return reinterpret_cast<PropertyValue>(pointer);
}

uint32_t ToUint32(PropertyValue value) {
    return static_cast<uint32_t>(std::min<PropertyValue>(value, UINT32_MAX));
}

// Indexed by property id; id 0 has no property.
const PropertyAccess kProperties[] = {
    {nullptr, nullptr},
    {[](CPWStringBuffer& b) -> PropertyValue { return b.GetLength(); }, nullptr},
    {[](CPWStringBuffer& b) -> PropertyValue { return b.GetCapacity(); }, nullptr},
    {[](CPWStringBuffer& b) { return AsValue(b.GetRawBuffer()); }, nullptr},
    {[](CPWStringBuffer& b) { return AsValue(b.GetString()); }, nullptr},
    {[](CPWStringBuffer& b) { return AsValue(b.GetString()); }, nullptr},
    {[](CPWStringBuffer& b) -> PropertyValue { return b.GetUserData(); },
     [](CPWStringBuffer& b, PropertyValue v) { b.SetUserData(ToUint32(v)); }},
    {[](CPWStringBuffer& b) -> PropertyValue { return b.GetOffset(); },
     [](CPWStringBuffer& b, PropertyValue v) { b.SetOffset(ToUint32(v)); }},
    {[](CPWStringBuffer& b) { return AsValue(b.DetachBuffer()); }, nullptr},
};

const PropertyAccess& PropertyFor(int id) {
    if (id < 1 || id > 8)
        throw -1;
    return kProperties[id];
}

} // namespace

CPWStringBuffer::CPWStringBuffer(const char16_t* text, uint32_t userValue, bool centre) {
    Assign(text, centre);
    mUserData = userValue;
}

CPWStringBuffer::~CPWStringBuffer() {
    Free();
}

PropertyValue CPWStringBuffer::GetProperty(int id) {
    return PropertyFor(id).get(*this);
}

void CPWStringBuffer::SetProperty(int id, PropertyValue value) {
    const PropertyAccess& property = PropertyFor(id);
    if (property.set == nullptr)
        throw -1;
    property.set(*this, value);
}

uint32_t CPWStringBuffer::GetLength() {
    const char16_t* text = GetString();
    return text == nullptr ? 0 : static_cast<uint32_t>(WideLength(text));
}

uint32_t CPWStringBuffer::GetCapacity() {
    if (mBuffer == nullptr)
        return 0;
    if (mCapacity == 0)
        mCapacity = static_cast<uint32_t>(WideLength(mBuffer));
    return mCapacity;
}

char16_t* CPWStringBuffer::GetString() {
    return mBuffer == nullptr ? nullptr : mBuffer + GetOffset();
}

uint32_t CPWStringBuffer::GetOffset() {
    mOffset = 0;
    const uint32_t capacity = GetCapacity();
    // Never beyond the terminator, whatever was written into the raw block.
    if (mBuffer != nullptr && mBuffer[0] == 0 && capacity >= 3)
        mOffset = std::min<uint32_t>(mBuffer[1], capacity);
    return mOffset;
}

void CPWStringBuffer::SetOffset(uint32_t value) {
    const uint32_t capacity = GetCapacity();
    // A start past the terminator would make every reader run off the block.
    mOffset = std::min({value, kMaxOffset, mBuffer == nullptr ? value : capacity});
    if (mOffset > 1 && capacity > 2) {
        mBuffer[0] = 0;
        mBuffer[1] = static_cast<char16_t>(mOffset);
    } else {
        mOffset = 0;
        if (mBuffer != nullptr && mBuffer[0] == 0 && capacity >= 1)
            mBuffer[1] = 0;
    }
    KV_LOG(6, "CPWStringBuffer::SetOffset - mOffset=%d", static_cast<int>(mOffset));
}

char16_t* CPWStringBuffer::DetachBuffer() {
    char16_t* block = mBuffer;
    mBuffer = nullptr;
    Free();
    return block;
}

char16_t* CPWStringBuffer::Allocate(uint32_t length, bool headroom) {
    SysFreeString(AsOleText(mBuffer));
    mBuffer = nullptr;
    FreeNarrowCopy();
    mOffset = 0;
    mCapacity = CapacityFor(length, headroom);
    if (mCapacity >= length)
        mBuffer = AsUtf16Text(SysAllocStringLen(nullptr, mCapacity));
    if (mBuffer != nullptr) {
        mBuffer[0] = 0;
        SetOffset((mCapacity - length) / 2);
        // A block of capacity 0 has only its terminator.
        if (mOffset != 0)
            mBuffer[mOffset] = 0;
        else if (mCapacity >= 1)
            mBuffer[1] = 0;
    } else {
        mCapacity = 0;
    }
    KV_LOG(6, "CPWStringBuffer::Allocate - refsize=%d | mBuffer=%X | mCapacity=%d | mOffset=%d",
           static_cast<int>(length),
           static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(mBuffer)),
           static_cast<int>(mCapacity), static_cast<int>(mOffset));
    return mBuffer;
}

void CPWStringBuffer::Assign(const char16_t* text, bool centre) {
    if (text == nullptr) {
        Erase();
        return;
    }
    const size_t textLength = WideLength(text);
    if (textLength >= UINT32_MAX)
        return;
    // Text that lies inside our own block is copied out before the block changes.
    std::u16string ownCopy;
    if (mBuffer != nullptr && text >= mBuffer && text <= mBuffer + GetCapacity()) {
        ownCopy.assign(text, textLength);
        text = ownCopy.c_str();
    }
    const auto length = static_cast<uint32_t>(textLength);
    if (mBuffer != nullptr && GetCapacity() > length)
        mBuffer[0] = 0;
    else if (Allocate(length, true) == nullptr)
        return;
    SetOffset(centre ? (GetCapacity() - length) / 2 : 0);
    std::memcpy(mBuffer + mOffset, text, (textLength + 1) * sizeof(char16_t));
}

bool CPWStringBuffer::Erase() {
    if (mBuffer == nullptr || GetLength() == 0)
        return false;
    SetOffset(GetCapacity() / 3);
    mBuffer[mOffset] = 0;
    // An empty text at the block's start must not leave a character where the offset is read.
    if (mOffset == 0)
        mBuffer[1] = 0;
    return true;
}

const char* CPWStringBuffer::ToNarrow(const char* fallback) {
    const char16_t* text = GetString();
    if (text == nullptr || *text == 0) {
        FreeNarrowCopy();
        return fallback;
    }
    std::string narrow;
    try {
        narrow = kavelin::os::WideToNarrow(text, kavelin::os::NarrowCodePage::System);
    } catch (const std::bad_alloc&) {
        narrow.clear();
    }
    // Bytes needed, terminator included; 0 means the conversion could not be made.
    const size_t required = narrow.empty() ? 0 : narrow.size() + 1;
    if (required == 0 || required > UINT32_MAX - 36) {
        KV_LOG(1, "Assertion failed: %s, file %s, line %d", "mbstrRequired",
               "..\\..\\..\\..\\..\\platformservices", 828);
        FreeNarrowCopy();
        return fallback;
    }
    const auto bytes = static_cast<uint32_t>(required);
    uint32_t recorded = 0;
    if (mNarrowCopy != nullptr)
        std::memcpy(&recorded, mNarrowCopy, kNarrowHeaderBytes);
    if (mNarrowCopy == nullptr || recorded <= bytes) {
        FreeNarrowCopy();
        mNarrowCopy = static_cast<uint8_t*>(std::malloc(bytes + 36));
        if (mNarrowCopy == nullptr)
            return fallback;
        recorded = bytes + 24;
        std::memcpy(mNarrowCopy, &recorded, kNarrowHeaderBytes);
    }
    char* copy = reinterpret_cast<char*>(mNarrowCopy + kNarrowHeaderBytes);
    std::memcpy(copy, narrow.c_str(), bytes);
    return copy;
}

void CPWStringBuffer::Free() {
    SysFreeString(AsOleText(mBuffer));
    mBuffer = nullptr;
    FreeNarrowCopy();
    mCapacity = 0;
    mOffset = 0;
    mUserData = 0;
}

void CPWStringBuffer::FreeNarrowCopy() {
    std::free(mNarrowCopy);
    mNarrowCopy = nullptr;
}
