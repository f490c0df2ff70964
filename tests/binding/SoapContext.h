#pragma once

#include "binding/Binding.h"

#include <memory>

namespace kavelin_test {

// An engine context set up as the proxy sets up its own: the binding's modes and namespace
// table.
struct SoapDeleter {
    void operator()(struct soap* soap) const {
        soap_destroy(soap);
        soap_end(soap);
        soap_free(soap);
    }
};
using SoapContext = std::unique_ptr<struct soap, SoapDeleter>;

inline SoapContext NewSoapContext() {
    SoapContext soap(soap_new1(kavelin::binding::kEngineMode));
    soap_set_namespaces(soap.get(), namespaces);
    return soap;
}

} // namespace kavelin_test
