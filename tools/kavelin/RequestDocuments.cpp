#include "RequestDocuments.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iostream>

#include "ParameterDocuments.h"
#include "UsageError.h"

namespace kavelin::cli {

namespace {

// The same bound as the library's default answer cap: a document past it is no request a
// device would take, and an endless input (/dev/zero, a pipe that never ends) must not run
// the host out of memory.
constexpr std::size_t kMaxInputBytes = 64 * 1024 * 1024;
constexpr std::size_t kReadPiece = 64 * 1024;

// The whole of `in`, or false once it holds more than kMaxInputBytes.
bool ReadAtMostTheBound(std::istream& in, std::string& text) {
    char piece[kReadPiece];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        if (text.size() + static_cast<std::size_t>(in.gcount()) > kMaxInputBytes)
            return false;
        text.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    return true;
}

std::string TooLarge(const std::string& name) {
    return name + " is larger than " + std::to_string(kMaxInputBytes) +
           " bytes (64 MiB), the largest document kavelin sends";
}

// "-" is standard input.
std::string ReadInputFile(const std::string& path, Command command) {
    std::string text;
    if (path == "-") {
        if (!ReadAtMostTheBound(std::cin, text))
            throw UsageError(TooLarge("standard input"), command);
        return text;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError("cannot read " + path + ": " + std::strerror(errno), command);
    if (!ReadAtMostTheBound(file, text))
        throw UsageError(TooLarge(path), command);
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
