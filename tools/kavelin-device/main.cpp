// kavelin-device: the simulated printing device as a program, for host developers and for
// tests that want the device in a process of its own.
#include "DeviceServer.h"

#include <atomic>
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
    {"--delay MS", "wait this many milliseconds before every answer"},
    {"--simulate-usage SECONDS", "print on this period: consumables run low, counters rise"},
    {"-v", "one line per request on standard error"},
    {"-h, --help", "this text"},
};

void Usage() {
    std::fprintf(stderr, "usage: kavelin-device [OPTIONS]; kavelin-device --help for each\n");
}

void Help() {
    std::printf("usage: kavelin-device [OPTIONS]\n\n"
                "A simulated printing device serving the base and XDM access services over "
                "HTTP.\nIt prints the addresses it listens on, then serves until stopped.\n\n");
    for (const OptionHelp& option : kOptionHelp)
        std::printf("  %-26s %s\n", option.spelling, option.meaning);
    std::printf("\nExit status: 0 after a normal stop, 1 when it cannot start, 2 for a usage "
                "error.\n");
}

bool ParseNumber(const char* text, long long max, long long* value) {
    const char* end = text + std::strlen(text);
    const auto [last, ec] = std::from_chars(text, end, *value);
    return ec == std::errc{} && last == end && *value >= 0 && *value <= max;
}

// Seconds with an optional fraction, more than 0 and at most `max`, to the millisecond.
bool ParseSeconds(const char* text, double max, std::chrono::milliseconds* value) {
    const char* end = text + std::strlen(text);
    double seconds = 0;
    const auto [last, ec] = std::from_chars(text, end, seconds);
    if (ec != std::errc{} || last != end || !(seconds >= 0.001) || seconds > max) {
        return false;
    }
    *value = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    return true;
}

// A data model past this is no printer's; an endless file (/dev/zero) must not exhaust memory.
constexpr std::size_t kMaxDataModelBytes = 64 * 1024 * 1024;

// The whole of `in` into `text`; false on a read error or past kMaxDataModelBytes.
bool ReadDataModel(std::istream& in, std::string& text) {
    char piece[64 * 1024];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        if (text.size() + static_cast<std::size_t>(in.gcount()) > kMaxDataModelBytes) {
            return false;
        }
        text.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    return !in.bad();
}

// A fault option, OP:N: the next N requests of OP ("" = any) misbehave as it says.
struct Failure {
    std::string option;
    std::string operation;
    int count;
};

constexpr const char* kFailureOptions[] = {"--fail", "--drip", "--oversize"};

bool IsFailureOption(const std::string& arg) {
    for (const char* option : kFailureOptions) {
        if (arg == option) {
            return true;
        }
    }
    return false;
}

void Apply(const Failure& failure, kavelin::device::DeviceServer& device) {
    if (failure.option == "--drip") {
        device.DripNext(failure.operation, failure.count);
    } else if (failure.option == "--oversize") {
        device.OversizeNext(failure.operation, failure.count);
    } else {
        device.FailNext(failure.operation, failure.count);
    }
}

} // namespace

int main(int argc, char** argv) {
    kavelin::device::DeviceOptions options;
    std::vector<Failure> failures;
    long long duration = 0;
    long long delay = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long number = 0;
        if (arg == "-h" || arg == "--help") {
            Help();
            return 0;
        } else if (arg == "-v") {
            options.verbose = true;
        } else if (arg == "--port" && hasValue && ParseNumber(argv[++i], 65535, &number)) {
            options.tcpPort = static_cast<std::uint16_t>(number);
        } else if (arg == "--unix" && hasValue) {
            options.unixPath = argv[++i];
        } else if (arg == "--data" && hasValue) {
            std::ifstream file(argv[++i], std::ios::binary);
            if (!file || !ReadDataModel(file, options.xdmText) || options.xdmText.empty()) {
                std::fprintf(stderr, "kavelin-device: cannot read %s (at most %zu bytes)\n",
                             argv[i], kMaxDataModelBytes);
                return 2;
            }
        } else if (arg == "--duration" && hasValue &&
                   ParseNumber(argv[++i], 7 * 24 * 3600, &duration)) {
        } else if (arg == "--delay" && hasValue && ParseNumber(argv[++i], 600000, &delay)) {
        } else if (arg == "--simulate-usage" && hasValue &&
                   ParseSeconds(argv[++i], 3600, &options.usagePeriod)) {
        } else if (IsFailureOption(arg) && hasValue) {
            const std::string failureText = argv[++i];
            const auto colon = failureText.rfind(':');
            if (colon == std::string::npos ||
                !ParseNumber(failureText.c_str() + colon + 1, 1000000, &number)) {
                Usage();
                return 2;
            }
            failures.push_back({arg, failureText.substr(0, colon), static_cast<int>(number)});
        } else {
            Usage();
            return 2;
        }
    }

    kavelin::device::DeviceServer device(options);
    if (!device.Start()) {
        std::fprintf(stderr, "kavelin-device: %s\n", device.LastError().c_str());
        return 1;
    }
    for (const Failure& failure : failures) {
        Apply(failure, device);
    }
    device.SetDelay(std::chrono::milliseconds(delay));

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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(duration);
    while (!gStopRequested && (duration == 0 || std::chrono::steady_clock::now() < deadline)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    device.Stop();
    return 0;
}
