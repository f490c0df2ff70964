#include "VersionText.h"

namespace kavelin::cli {

// The XML component on Windows is the platform's MSXML, which names no version of its own here.
std::string VersionText() {
    return "kavelin " KAVELIN_VERSION "\n";
}

} // namespace kavelin::cli
