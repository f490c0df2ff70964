#include "VersionText.h"

#include <stdsoap2.h>

#include "ProgramVersion.h"

namespace kavelin::cli {

// The library compiles its own gSOAP runtime from the same sources as this program's listener,
// so the version this program was built with is the library's.
std::string VersionText() {
    constexpr long kGsoap = GSOAP_VERSION; // major * 100000 + minor * 1000 + patch
    return device::VersionText("kavelin", {"gSOAP " + std::to_string(kGsoap / 100000) + '.' +
                                           std::to_string(kGsoap / 1000 % 100) + '.' +
                                           std::to_string(kGsoap % 1000)});
}

} // namespace kavelin::cli
