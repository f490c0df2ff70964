#pragma once

// Typed text: strings written as generated code writes them, whose readers fail with SOAP_TYPE
// when an xsi:type attribute names another type. The generated string readers ignore the
// attribute, so each such type is a custom-serialised string whose operations are defined
// here.
#include "soapH.h"

#include <string>

namespace kavelin::binding {

int WriteText(struct soap* soap, const char* tag, int id, const std::string* text, const char* type,
              int typeId);

// Reads an element's text, or a reference to one, the way generated readers do; an xsi:type
// other than `declared` (when given) fails with SOAP_TYPE.
std::string* ReadTypedText(struct soap* soap, const char* tag, std::string* text,
                           const char* declared, int typeId);

} // namespace kavelin::binding

// The two custom serializer operations soapcpp2 expects of a string type `Type`. The declared
// type is the caller's when it passes one (an identifier passes its own class's name for its
// content), else `name`.
#define KAVELIN_TYPED_TEXT(Type, name)                                                             \
    int soap_out_##Type(struct soap* soap, const char* tag, int id, const std::string* text,       \
                        const char* type) {                                                        \
        return kavelin::binding::WriteText(soap, tag, id, text, type, SOAP_TYPE_##Type);           \
    }                                                                                              \
    std::string* soap_in_##Type(struct soap* soap, const char* tag, std::string* text,             \
                                const char* type) {                                                \
        return kavelin::binding::ReadTypedText(soap, tag, text, type && *type ? type : name,       \
                                               SOAP_TYPE_##Type);                                  \
    }
