// Placeholders for the data-access and event operations until their own files land
// (IXDMAccessSoapData.cpp and IBaseSoapEvents.cpp): whoever adds those deletes this file.
#include "proxy/XDMAccessSoapProxy.h"

namespace kavelin::proxy {

namespace {
[[noreturn]] void NotImplemented() {
    throw CPException("not implemented", E_FAIL);
}
} // namespace

std::string BaseSoapProxy::Subscribe(std::string, std::string, std::string) {
    NotImplemented();
}
void BaseSoapProxy::Unsubscribe(std::string) {
    NotImplemented();
}
RemoteArray* BaseSoapProxy::GetSupportedEvents() {
    NotImplemented();
}
std::string XDMAccessSoapProxy::GetData(std::string, std::string, int32_t, int32_t) {
    NotImplemented();
}
bool XDMAccessSoapProxy::SetData(std::string, uint8_t, int32_t, int32_t) {
    NotImplemented();
}
std::string XDMAccessSoapProxy::GetSettable(int32_t) {
    NotImplemented();
}

} // namespace kavelin::proxy
