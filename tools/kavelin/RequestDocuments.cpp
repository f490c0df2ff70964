#include "RequestDocuments.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "ParameterDocuments.h"
#include "UsageError.h"

namespace kavelin::cli {

namespace {

// "-" is standard input.
std::string ReadInputFile(const std::string& path, Command command) {
    if (path == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>());
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError("cannot read " + path + ": " + std::strerror(errno), command);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw UsageError("cannot read " + path, command);
    return text;
}

} // namespace

RequestDocuments ReadRequestDocuments(const Invocation& invocation) {
    const Command command = invocation.command;
    RequestDocuments documents;
    switch (command) {
    case Command::GetData:
        documents.prefixMap = invocation.prefixMapFile
                                  ? ReadInputFile(*invocation.prefixMapFile, command)
                                  : PrefixMapDocument(invocation.prefixes);
        break;
    case Command::SetData:
        documents.xdmDocument = ReadInputFile(invocation.documentSource, command);
        break;
    case Command::Subscribe:
        documents.subscriptionInfo =
            invocation.infoFile ? ReadInputFile(*invocation.infoFile, command)
                                : SubscriptionInfoDocument(*invocation.eventName, invocation.cookie,
                                                           invocation.reliability);
        documents.filter = invocation.filterDocFile
                               ? ReadInputFile(*invocation.filterDocFile, command)
                               : FilterDocument(invocation.filters);
        break;
    case Command::Watch:
        documents.filter = FilterDocument(invocation.filters);
        break;
    default:
        break;
    }
    return documents;
}

} // namespace kavelin::cli
