#pragma once

#include <string>

namespace kavelin_test {

// A path in the temporary folder that no other test process and no earlier call uses:
// `name`, this process's id and a counter, then `extension`. Nothing is created there.
std::string ScratchPath(const std::string& name, const std::string& extension);

} // namespace kavelin_test
