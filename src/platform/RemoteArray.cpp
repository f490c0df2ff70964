#include "platform/RemoteArray.h"

#include <climits>
#include <memory>
#include <stdexcept>

#include "platform/Logging.h"
#include "platform/VisibleText.h"

void RemoteArray::Init(std::string* elements, int32_t count) {
    KV_LOG(3, "Entering RemoteArray::Init()");
    mCount = count;
    mElements = elements;
    if (count >= 1 && elements != nullptr) {
        for (int32_t i = 0; i < count; ++i)
            KV_LOG(4, "RemoteArray::Init() list element is %s",
                   kavelin::platform::VisibleText(elements[i], kavelin::platform::kVisibleTextLimit)
                       .c_str());
    }
    KV_LOG(3, "Exiting RemoteArray::Init()");
}

namespace kavelin::platform {

RemoteArray* MakeRemoteArray(const std::vector<std::string>& items) {
    if (items.size() > INT32_MAX)
        throw std::length_error("too many strings for a RemoteArray");
    auto array = std::make_unique<RemoteArray>();
    std::unique_ptr<std::string[]> elements;
    if (!items.empty()) {
        elements.reset(new std::string[items.size()]);
        for (size_t i = 0; i < items.size(); ++i)
            elements[i] = items[i];
    }
    array->Init(elements.release(), static_cast<int32_t>(items.size()));
    return array.release();
}

} // namespace kavelin::platform
