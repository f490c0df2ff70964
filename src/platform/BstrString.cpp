#include "platform/BstrString.h"

#include "platform/StringConversion.h"

namespace kavelin::platform {

BstrString::BstrString(std::string_view narrow) : mValue(NarrowToBstr(narrow)) {}

BstrString::~BstrString() {
    SysFreeString(mValue);
}

BSTR* BstrString::Receive() {
    SysFreeString(mValue);
    mValue = nullptr;
    return &mValue;
}

std::string BstrString::Narrow() const {
    return BstrToNarrow(mValue);
}

} // namespace kavelin::platform
