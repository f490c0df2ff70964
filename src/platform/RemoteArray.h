#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kavelin/RemoteArray.h"

namespace kavelin::platform {

// A new array holding copies of `items` in order, for the host to own; a null element block
// when `items` is empty.
RemoteArray* MakeRemoteArray(const std::vector<std::string>& items);

// An array a proxy returned: the host owns it and its element block, freed together.
struct RemoteArrayDeleter {
    void operator()(RemoteArray* array) const {
        delete[] array->mElements;
        delete array;
    }
};
using ReturnedArray = std::unique_ptr<RemoteArray, RemoteArrayDeleter>;

} // namespace kavelin::platform
