#pragma once

#include "binding/Binding.h"

#include <sstream>
#include <string>

namespace kavelin_test {

// An engine context whose input is a document held in memory, so the generated readers run
// over the real runtime without a socket. The context ends with the object.
class InMemoryAnswer {
public:
    explicit InMemoryAnswer(const std::string& document);
    ~InMemoryAnswer();
    InMemoryAnswer(const InMemoryAnswer&) = delete;
    InMemoryAnswer& operator=(const InMemoryAnswer&) = delete;

    struct soap* soap() {
        return &mSoap;
    }

private:
    std::istringstream mInput;
    struct soap mSoap;
};

// The namespace names the binding uses for these prefixes.
std::string NamespaceOf(const char* prefix);

} // namespace kavelin_test
