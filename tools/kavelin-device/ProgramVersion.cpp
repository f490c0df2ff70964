#include "ProgramVersion.h"

#include <cstdlib>
#include <libxml/globals.h>

namespace kavelin::device {

namespace {

// libxml2 numbers its releases as one decimal, major * 10000 + minor * 100 + patch; the one
// this process loaded may be newer than the one it was built with.
std::string Libxml2Version() {
    const long number = std::strtol(xmlParserVersion, nullptr, 10);
    return std::to_string(number / 10000) + '.' + std::to_string(number / 100 % 100) + '.' +
           std::to_string(number % 100);
}

} // namespace

std::string VersionText(const std::string& program, const std::vector<std::string>& components) {
    std::string text = program + " " KAVELIN_VERSION "\n";
    for (const std::string& component : components)
        text += component + '\n';
    return text + "libxml2 " + Libxml2Version() + '\n';
}

} // namespace kavelin::device
