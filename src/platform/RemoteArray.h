#pragma once

#include <string>
#include <vector>

#include "kavelin/RemoteArray.h"

namespace kavelin::platform {

// A new array holding copies of `items` in order, for the host to own; a null element block
// when `items` is empty.
RemoteArray* MakeRemoteArray(const std::vector<std::string>& items);

} // namespace kavelin::platform
