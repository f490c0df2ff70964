#pragma once

#include <cstdint>
#include <string>

// A list of strings handed to the host, which then owns it: the host frees the element block
// with delete[] and then the array object with delete. The library never frees either.
struct RemoteArray {
    // The strings, a block allocated with new[]; null when the list is empty.
    std::string* mElements = nullptr;
    int32_t mCount = 0;

    // Takes over `elements` (no copy) and records `count`. Defined inside the library.
    void Init(std::string* elements, int32_t count);
};
