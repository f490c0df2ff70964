// The slots that only answer: the reserved ones, and the data-access ones of the base proxy
// (the object from `maker` overrides those). They release their arguments and never throw.
#include "proxy/BaseSoapProxy.h"

namespace kavelin::proxy {

namespace {
const char kNotImplemented[] = "not implemented";
} // namespace

std::string BaseSoapProxy::Reserved0(std::string, int32_t) {
    return kNotImplemented;
}
std::string BaseSoapProxy::Reserved1(std::string, int32_t) {
    return kNotImplemented;
}
std::string BaseSoapProxy::Reserved2(std::string, int32_t) {
    return kNotImplemented;
}
void BaseSoapProxy::Reserved3(std::string, std::string, int32_t) {}
void BaseSoapProxy::Reserved4(std::string, int32_t) {}
int32_t BaseSoapProxy::Reserved11(std::string) {
    return 0;
}
// Hosts compare this answer, misspelling included.
std::string BaseSoapProxy::GetData(std::string, std::string, int32_t, int32_t) {
    return "not implemeneted";
}
bool BaseSoapProxy::SetData(std::string, uint8_t, int32_t, int32_t) {
    return false;
}
std::string BaseSoapProxy::GetSettable(int32_t) {
    return kNotImplemented;
}
std::string BaseSoapProxy::Reserved16(int32_t) {
    return kNotImplemented;
}
std::string BaseSoapProxy::Reserved17(std::string, int32_t) {
    return kNotImplemented;
}
bool BaseSoapProxy::Reserved18(std::string, std::string, int32_t) {
    return false;
}
bool BaseSoapProxy::Reserved19(std::string, int32_t) {
    return false;
}

} // namespace kavelin::proxy
