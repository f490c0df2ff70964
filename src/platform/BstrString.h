#pragma once

#include <string>
#include <string_view>

#include "kavelin/ComBase.h"

// Owns one BSTR: the value handed to a COM put, or received from a COM get.
namespace kavelin::platform {

class BstrString {
public:
    BstrString() = default;
    // Raises _com_error(E_OUTOFMEMORY) when the string cannot be allocated.
    explicit BstrString(std::string_view narrow);
    BstrString(const BstrString&) = delete;
    BstrString& operator=(const BstrString&) = delete;
    ~BstrString();

    BSTR Get() const { return mValue; }
    // The slot a COM get writes into; whatever was held is freed first.
    BSTR* Receive();
    std::string Narrow() const;

private:
    BSTR mValue = nullptr;
};

} // namespace kavelin::platform
