# Writes the services' WSDL as C++ text for the simulated device, which serves it at ?wsdl.
# Run as: cmake -DINPUT_DIR=<corrected descriptions> -DOUTPUT=<file.cpp> -P this file.
file(READ ${INPUT_DIR}/BaseService.wsdl base_service)
file(READ ${INPUT_DIR}/XDMAccessService.wsdl xdm_access_service)
file(WRITE ${OUTPUT} "// Generated from the corrected WSDL; edit the binding's headers instead.
#include <string>

namespace kavelin::device {

const std::string& BaseServiceWsdl() {
    static const std::string text = R\"kavelin_wsdl(${base_service})kavelin_wsdl\";
    return text;
}

const std::string& XdmAccessServiceWsdl() {
    static const std::string text = R\"kavelin_wsdl(${xdm_access_service})kavelin_wsdl\";
    return text;
}

} // namespace kavelin::device
")
