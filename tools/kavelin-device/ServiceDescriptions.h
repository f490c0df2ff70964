#pragma once

#include <optional>
#include <string>

// The services' WSDL, as shipped, for GET <path>?wsdl.
namespace kavelin::device {

// The WSDL a GET of `target` asks for, or nothing when its query is not "wsdl": the XDM access
// service's at its endpoint path "/xdm/ixa/IXDMAccessSet.asmx", the base service's at any
// other path. Its endpoint address becomes http://<host><path> when `host` (the request's Host
// header) is a plain host[:port]; any other host leaves the shipped address.
std::optional<std::string> ServiceDescriptionFor(const std::string& target,
                                                 const std::string& host);

// The WSDL texts, embedded at build time.
const std::string& BaseServiceWsdl();
const std::string& XdmAccessServiceWsdl();

} // namespace kavelin::device
