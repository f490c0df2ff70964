#pragma once

#include <string>

#include "Invocation.h"

namespace kavelin::cli {

// The document arguments of the operation, from the command's options or read unchanged from
// the files it names, all read before the library is loaded so that a bad file costs nothing.
struct RequestDocuments {
    std::string prefixMap;
    std::string xdmDocument;
    std::string subscriptionInfo;
    std::string filter;
};

// Throws UsageError when a file cannot be read.
RequestDocuments ReadRequestDocuments(const Invocation& invocation);

} // namespace kavelin::cli
