// kavelin-device: the simulated printing device as a program, for host developers and for
// tests that want the device in a process of its own.
#include "DeviceServer.h"
#include "OperationHandler.h"
#include "ProgramVersion.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::atomic<bool> gStopRequested{false};

extern "C" void OnSignal(int) {
    gStopRequested = true;
}

// One line of the help text per option; a new option adds its row here.
struct OptionHelp {
    const char* spelling;
    const char* meaning;
};

constexpr OptionHelp kOptionHelp[] = {
    {"--port N", "TCP port on 127.0.0.1 (default 0: an ephemeral port, printed at start)"},
    {"--unix PATH", "also listen on a Unix-domain socket at PATH (an old socket is replaced)"},
    {"--data FILE", "the XDM document to serve instead of the built-in sample printer"},
    {"--duration SECONDS", "stop after this long (default 0: until SIGINT or SIGTERM)"},
    {"--fail OP:N", "a SOAP Fault (HTTP 500) for the next N requests of OP (empty: any); repeats"},
    {"--drip OP:N", "send the answer to the next N requests of OP one byte every 250 ms"},
    {"--oversize OP:N", "a 65 MiB answer (over a client's 64 MiB cap) to the next N of OP"},
    {"--twice OP:N", "answer the next N requests of OP twice, the copy right behind the answer"},
    {"--delay MS", "wait this many milliseconds before every answer"},
    {"--simulate-usage SECONDS", "print on this period: consumables run low, counters rise"},
    {"-v", "one line per request on standard error"},
    {"-h, --help", "this text"},
    {"--version", "the program's version and those of the libraries it runs on"},
};

// A command line the device cannot use: the message names the problem.
struct UsageProblem {
    std::string message;
};

void Help() {
    std::printf("usage: kavelin-device [OPTIONS]\n\n"
                "A simulated printing device serving the base and XDM access services over "
                "HTTP.\nIt prints the addresses it listens on, then serves until stopped.\n\n");
    for (const OptionHelp& option : kOptionHelp)
        std::printf("  %-26s %s\n", option.spelling, option.meaning);
    std::printf("\nExit status: 0 after a normal stop, 1 when it cannot start, 2 for a usage "
                "error.\n");
}

// A whole number from 0 to `max` for `option`.
long long Number(const std::string& option, const std::string& text, long long max) {
    long long value = 0;
    const auto [last, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || last != text.data() + text.size() || value < 0 || value > max) {
        throw UsageProblem{option + " needs a whole number from 0 to " + std::to_string(max) +
                           ", got '" + text + "'"};
    }
    return value;
}

// Seconds with an optional fraction, at least a millisecond and at most `max`.
std::chrono::milliseconds Seconds(const std::string& option, const std::string& text, double max) {
    double seconds = 0;
    const auto [last, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec != std::errc{} || last != text.data() + text.size() || !(seconds >= 0.001) ||
        seconds > max) {
        throw UsageProblem{option + " needs seconds from 0.001 to " +
                           std::to_string(static_cast<long>(max)) + ", got '" + text + "'"};
    }
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
}

// A data model past this is no printer's; an endless file (/dev/zero) must not exhaust memory.
constexpr std::size_t kMaxDataModelBytes = 64 * 1024 * 1024;

// The whole of the file `path`, at most kMaxDataModelBytes of it.
std::string ReadDataModel(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw UsageProblem{"cannot read " + path + ": " + std::strerror(errno)};
    }
    std::string text;
    char piece[64 * 1024];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        if (text.size() + static_cast<std::size_t>(in.gcount()) > kMaxDataModelBytes) {
            throw UsageProblem{path + " is larger than " + std::to_string(kMaxDataModelBytes) +
                               " bytes"};
        }
        text.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw UsageProblem{"cannot read " + path + ": " + std::strerror(errno)};
    }
    if (text.empty()) {
        throw UsageProblem{path + " is empty"};
    }
    return text;
}

// A fault option, OP:N: the next N requests of OP ("" = any) misbehave as it says.
struct Failure {
    std::string option;
    std::string operation;
    int count;
};

constexpr const char* kFailureOptions[] = {"--fail", "--drip", "--oversize", "--twice"};

bool IsFailureOption(const std::string& arg) {
    for (const char* option : kFailureOptions) {
        if (arg == option) {
            return true;
        }
    }
    return false;
}

// OP:N, OP empty (any operation) or one the device serves: a misspelt one would never match.
Failure ReadFailure(const std::string& option, const std::string& text) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos) {
        throw UsageProblem{option + " needs OP:N, got '" + text + "'"};
    }
    Failure failure{option, text.substr(0, colon),
                    static_cast<int>(Number(option, text.substr(colon + 1), 1000000))};
    std::string known;
    for (const char* operation : kavelin::device::kDeviceOperations) {
        if (failure.operation.empty() || failure.operation == operation) {
            return failure;
        }
        known += (known.empty() ? "" : ", ") + std::string(operation);
    }
    throw UsageProblem{option + ": '" + failure.operation +
                       "' is not an operation of this device (" + known + ")"};
}

void Apply(const Failure& failure, kavelin::device::DeviceServer& device) {
    if (failure.option == "--drip") {
        device.DripNext(failure.operation, failure.count);
    } else if (failure.option == "--oversize") {
        device.OversizeNext(failure.operation, failure.count);
    } else if (failure.option == "--twice") {
        device.AnswerTwiceNext(failure.operation, failure.count);
    } else {
        device.FailNext(failure.operation, failure.count);
    }
}

struct Settings {
    kavelin::device::DeviceOptions options;
    std::vector<Failure> failures;
    long long duration = 0;
    long long delay = 0;
    bool help = false;
    bool version = false;
};

Settings ReadArguments(int argc, char** argv) {
    Settings settings;
    kavelin::device::DeviceOptions& options = settings.options;
    options.lenientPrefixes = false; // as strict as a device
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&] {
            if (i + 1 >= argc) {
                throw UsageProblem{arg + " needs a value"};
            }
            return std::string(argv[++i]);
        };
        if (arg == "-h" || arg == "--help") {
            settings.help = true;
        } else if (arg == "--version") {
            settings.version = true;
        } else if (arg == "-v") {
            options.verbose = true;
        } else if (arg == "--port") {
            options.tcpPort = static_cast<std::uint16_t>(Number(arg, value(), 65535));
        } else if (arg == "--unix") {
            options.unixPath = value();
        } else if (arg == "--data") {
            options.xdmText = ReadDataModel(value());
        } else if (arg == "--duration") {
            settings.duration = Number(arg, value(), 7 * 24 * 3600);
        } else if (arg == "--delay") {
            settings.delay = Number(arg, value(), 600000);
        } else if (arg == "--simulate-usage") {
            options.usagePeriod = Seconds(arg, value(), 3600);
        } else if (IsFailureOption(arg)) {
            settings.failures.push_back(ReadFailure(arg, value()));
        } else {
            throw UsageProblem{"unknown option " + arg};
        }
    }
    return settings;
}

} // namespace

int main(int argc, char** argv) {
    Settings settings;
    try {
        settings = ReadArguments(argc, argv);
    } catch (const UsageProblem& problem) {
        std::fprintf(stderr,
                     "kavelin-device: %s\nTry 'kavelin-device --help' for more information.\n",
                     problem.message.c_str());
        return 2;
    }
    if (settings.help) {
        Help();
        return 0;
    }
    if (settings.version) {
        std::fputs(kavelin::device::VersionText("kavelin-device", {}).c_str(), stdout);
        return 0;
    }
    const kavelin::device::DeviceOptions& options = settings.options;
    kavelin::device::DeviceServer device(options);
    if (!device.Start()) {
        const std::string where = "127.0.0.1:" + std::to_string(*options.tcpPort) +
                                  (options.unixPath.empty() ? "" : " and unix:" + options.unixPath);
        std::fprintf(stderr, "kavelin-device: cannot start on %s: %s\n", where.c_str(),
                     device.LastError().c_str());
        return 1;
    }
    for (const Failure& failure : settings.failures) {
        Apply(failure, device);
    }
    device.SetDelay(std::chrono::milliseconds(settings.delay));

    if (device.Port() != 0) {
        std::printf("listening on 127.0.0.1:%u\n", static_cast<unsigned>(device.Port()));
    }
    if (!device.UnixPath().empty()) {
        std::printf("listening on unix:%s\n", device.UnixPath().c_str());
    }
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    const long long duration = settings.duration;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(duration);
    while (!gStopRequested && (duration == 0 || std::chrono::steady_clock::now() < deadline)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    device.Stop();
    return 0;
}
