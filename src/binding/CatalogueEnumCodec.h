#pragma once

// Conversions shared by the catalogue's enumerations. soapcpp2 rejects a number outside an
// enumeration's table, but a device may send values newer than our tables, so each catalogued
// enumeration is a custom-serialised type whose operations are defined here over its code table.
#include "soapH.h"

namespace kavelin::binding {

// The value's text from the table, else the value as a decimal number.
const char* CodeToText(struct soap* soap, const soap_code_map* table, LONG64 code);

// An absent text leaves `code` unchanged; a text from the table (compared exactly; when
// `qualified`, first as normalised through the namespace table, then as written) gives its
// code; a decimal number gives that number; anything else fails with SOAP_TYPE.
int TextToCode(struct soap* soap, const soap_code_map* table, bool qualified, const char* text,
               LONG64* code);

// Writes `text` as the content of element `tag`.
int WriteEnumElement(struct soap* soap, const char* tag, int id, const char* type,
                     const char* text);

// Reads an enumeration element, or a reference to one, the way generated readers do.
template <typename Enum>
Enum* ReadEnumElement(struct soap* soap, const char* tag, Enum* value, const char* type, int typeId,
                      int (*fromText)(struct soap*, const char*, Enum*)) {
    if (soap_element_begin_in(soap, tag, 0, type))
        return nullptr;
    value = static_cast<Enum*>(soap_id_enter(soap, soap->id, value, typeId, sizeof(Enum), nullptr,
                                             nullptr, nullptr, nullptr));
    if (!value)
        return nullptr;
    if (*soap->href != '#') {
        const int error = fromText(soap, soap_value(soap), value);
        if ((soap->body && soap_element_end_in(soap, tag)) || error)
            return nullptr;
        return value;
    }
    value = static_cast<Enum*>(soap_id_forward(soap, soap->href, value, 0, typeId, typeId,
                                               sizeof(Enum), 0, nullptr, nullptr));
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return value;
}

template <typename Enum>
int TextToEnum(struct soap* soap, const soap_code_map* table, bool qualified, const char* text,
               Enum* value) {
    LONG64 code = *value;
    const int error = TextToCode(soap, table, qualified, text, &code);
    if (error == SOAP_OK)
        *value = static_cast<Enum>(code);
    return error;
}

} // namespace kavelin::binding

// The five custom serializer operations soapcpp2 expects of an enumeration `Type`.
#define KAVELIN_CATALOGUE_ENUMERATION(Type, table, qualified)                                      \
    void soap_default_##Type(struct soap*, Type* value) {                                          \
        *value = static_cast<Type>(0);                                                             \
    }                                                                                              \
    const char* soap_##Type##2s(struct soap * soap, Type value) {                                  \
        return kavelin::binding::CodeToText(soap, table, value);                                   \
    }                                                                                              \
    int soap_s2##Type(struct soap* soap, const char* text, Type* value) {                          \
        return kavelin::binding::TextToEnum(soap, table, qualified, text, value);                  \
    }                                                                                              \
    int soap_out_##Type(struct soap* soap, const char* tag, int id, const Type* value,             \
                        const char* type) {                                                        \
        return kavelin::binding::WriteEnumElement(                                                 \
            soap, tag, soap_embedded_id(soap, id, value, SOAP_TYPE_##Type), type,                  \
            soap_##Type##2s(soap, *value));                                                        \
    }                                                                                              \
    Type* soap_in_##Type(struct soap* soap, const char* tag, Type* value, const char* type) {      \
        return kavelin::binding::ReadEnumElement(soap, tag, value, type, SOAP_TYPE_##Type,         \
                                                 soap_s2##Type);                                   \
    }

// An enumeration alias: the operations of `Type`, converting through those of `Target`.
#define KAVELIN_CATALOGUE_ENUMERATION_ALIAS(Type, Target)                                          \
    void soap_default_##Type(struct soap* soap, Type* value) {                                     \
        soap_default_##Target(soap, value);                                                        \
    }                                                                                              \
    const char* soap_##Type##2s(struct soap * soap, Type value) {                                  \
        return soap_##Target##2s(soap, value);                                                     \
    }                                                                                              \
    int soap_s2##Type(struct soap* soap, const char* text, Type* value) {                          \
        return soap_s2##Target(soap, text, value);                                                 \
    }                                                                                              \
    int soap_out_##Type(struct soap* soap, const char* tag, int id, const Type* value,             \
                        const char* type) {                                                        \
        return kavelin::binding::WriteEnumElement(                                                 \
            soap, tag, soap_embedded_id(soap, id, value, SOAP_TYPE_##Type), type,                  \
            soap_##Type##2s(soap, *value));                                                        \
    }                                                                                              \
    Type* soap_in_##Type(struct soap* soap, const char* tag, Type* value, const char* type) {      \
        return kavelin::binding::ReadEnumElement(soap, tag, value, type, SOAP_TYPE_##Type,         \
                                                 soap_s2##Type);                                   \
    }
