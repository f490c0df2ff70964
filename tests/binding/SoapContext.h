#pragma once

#include "binding/Binding.h"

#include <cstring>
#include <memory>
#include <sstream>
#include <string>

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

// An engine context whose input is a document held in memory, so the generated readers run
// over the real runtime without a socket.
class InMemoryAnswer {
public:
    explicit InMemoryAnswer(const std::string& document) : mInput(document) { mSoap->is = &mInput; }
    struct soap* soap() {
        return mSoap.get();
    }
    // The document's element decoded by its name or xsi:type; null where nothing knows it.
    const void* Element(int* type) {
        return soap_begin_recv(soap()) ? nullptr : soap_getelement(soap(), nullptr, type);
    }

private:
    std::istringstream mInput; // outlives the context that reads it
    SoapContext mSoap = NewSoapContext();
};

// The namespace names the binding uses for these prefixes.
inline std::string NamespaceOf(const char* prefix) {
    for (const Namespace* row = namespaces; row->id; ++row)
        if (std::strcmp(row->id, prefix) == 0)
            return row->ns;
    return {};
}

// An enumeration's conversions over its numeric value, whatever its type. Reading a text that
// is refused leaves the value as it was.
struct EnumerationText {
    const char* (*toText)(struct soap*, LONG64);
    int (*fromText)(struct soap*, const char*, LONG64*);
};

template <typename Enum, const char* (*ToText)(struct soap*, Enum),
          int (*FromText)(struct soap*, const char*, Enum*)>
EnumerationText TextOf() {
    return {[](struct soap* soap, LONG64 value) { return ToText(soap, Enum(value)); },
            [](struct soap* soap, const char* text, LONG64* value) {
                Enum read = Enum(*value);
                const int status = FromText(soap, text, &read);
                *value = read;
                return status;
            }};
}

#define KV_ENUMERATION_TEXT(Type) TextOf<Type, soap_##Type##2s, soap_s2##Type>()

} // namespace kavelin_test
