#pragma once

// Namespace names the simulated device speaks. The device answers in these namespaces and
// matches requests by namespace name, never by prefix, as any SOAP peer must.
namespace kavelin::device::ns {

inline constexpr const char* kSoapEnvelope = "http://schemas.xmlsoap.org/soap/envelope/";
inline constexpr const char* kSoap12Envelope = "http://www.w3.org/2003/05/soap-envelope";
inline constexpr const char* kXsi = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kXsd = "http://www.w3.org/2001/XMLSchema";

// The maker's schema host; the dictionary namespace of the data model is taken from the
// loaded XDM document's root element, so only the document names it.
#define KAVELIN_DEVICE_SCHEMA_HOST "http://schemas.orvanta.example"
inline constexpr const char* kBsi =
    KAVELIN_DEVICE_SCHEMA_HOST "/schemas/imaging/con/bsi/2003/08/21";
inline constexpr const char* kIxaGetData =
    KAVELIN_DEVICE_SCHEMA_HOST "/schemas/imaging/con/ixa/2004/07/20";
inline constexpr const char* kIxaSetData =
    KAVELIN_DEVICE_SCHEMA_HOST "/schemas/imaging/con/ixa/2005/05/05";
#undef KAVELIN_DEVICE_SCHEMA_HOST

} // namespace kavelin::device::ns
