#pragma once

#include <atomic>

#include "kavelin/ComObject.h"

namespace kavelin_test {

// A COM object that counts the instances alive, so tests see creations and releases.
class LiveObject final : public kavelin::ComObject<IUnknown> {
public:
    static inline std::atomic<int> alive{0};
    static constexpr CLSID kClassId = kavelin::MakeGuid("{11111111-2222-3333-4444-555555555555}");

    LiveObject() { ++alive; }

private:
    ~LiveObject() override { --alive; }
};

} // namespace kavelin_test
