#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kavelin::cli {

enum class Command { None, GetData, SetData, Settable, Events, Subscribe, Unsubscribe, Watch };

using NamePair = std::pair<std::string, std::string>;

// How get-data prints the answer: as the device sent it, one top-level node a line, or the
// text content of each node a line.
enum class AnswerFormat { AsSent, Lines, Text };

// Everything one run of the command-line host was asked to do, as read from its arguments.
struct Invocation {
    // Global options.
    std::optional<std::string> url;
    std::vector<std::string> registryFiles;
    bool verbose = false;
    bool playback = false;
    long repeat = 1;
    bool help = false;
    bool version = false;
    bool quiet = false;
    // Answers and failures as JSON (failures on standard error), one value a line.
    bool json = false;
    // Each request and answer on standard error, whole, as they crossed the wire.
    bool trace = false;
    bool simulate = false;
    // Whole seconds for the library's waits in this run: each wait (connecting, each send and
    // receive) and the whole of one answer.
    std::optional<long> waitSeconds;
    std::optional<long> answerSeconds;

    Command command = Command::None;

    // get-data: the expressions, asked in order in one session
    std::vector<std::string> xpaths;
    std::vector<NamePair> prefixes;
    std::optional<std::string> prefixMapFile;
    AnswerFormat answerFormat = AnswerFormat::AsSent; // settable takes --lines too
    bool failEmpty = false;

    // set-data: a file name, or "-" for standard input
    std::string documentSource;
    bool resultsDetails = false;

    // subscribe
    std::optional<std::string> eventName;
    std::optional<std::string> cookie;
    std::optional<std::string> reliability;
    std::vector<NamePair> filters;
    std::string fallbackAddress;
    std::optional<std::string> infoFile;
    std::optional<std::string> filterDocFile;

    // unsubscribe
    std::string subscriptionId;

    // watch (also --cookie, --reliability and --filter of subscribe)
    std::vector<std::string> watchEvents;
    std::string listenAddress; // empty: the address through which this computer reaches the device
    std::uint16_t listenPort = 0;
    long watchCount = 0; // 0: no limit
    std::optional<double> watchDuration;
    double watchCheckSeconds = 30; // how often the device is asked whether it still answers
};

// The name a command is typed as, e.g. "get-data"; empty for Command::None.
const char* CommandName(Command command);

} // namespace kavelin::cli
