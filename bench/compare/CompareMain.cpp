// The comparison bench: the proxy against a bare gSOAP client, a raw socket, Python's HTTP
// client, direct connect with the stream kept open or not, and playback, all sending the same
// GetData request to a canned-answer server (and the proxy and the bare client also to the
// simulated device), in one run: every client kind runs in its own child process, the kinds
// take turns round by round, and everything is pinned to one core, so client and server share
// it as on a loaded host. The table gives medians over the rounds and their spread.
//     bench_compare [--rounds N] [--calls N] [--long] [--cpu N]
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "HttpExchange.h"
#include "Samples.h"

namespace {

namespace fs = std::filesystem;

struct Options {
    int rounds = 15;
    long calls = 1500;
    long rssCalls = 100000;
    int cpu = -1;
};

enum class Program { Proxy, Gsoap, Raw, Python };
enum class Target { CannedHttp, DeviceHttp, CannedUnix, Playback };
enum class Registry { Small, SmallKeptOpen, Large, LargeKeptOpen, Playback };

struct ClientKind {
    const char* label;
    Program program;
    Target target;
    Registry registry;
    bool boundedWaits = false; // the bare client with the proxy's connect and I/O timeouts
};

const std::vector<ClientKind> kKinds = {
    {"proxy, HTTP (dlopen)", Program::Proxy, Target::CannedHttp, Registry::Small},
    {"bare gSOAP client, HTTP", Program::Gsoap, Target::CannedHttp, Registry::Small},
    {"bare gSOAP, proxy's timeouts, HTTP", Program::Gsoap, Target::CannedHttp, Registry::Small,
     true},
    {"raw socket, HTTP", Program::Raw, Target::CannedHttp, Registry::Small},
    {"Python http.client", Program::Python, Target::CannedHttp, Registry::Small},
    {"proxy, ovdcs per exchange, 1 KB reg", Program::Proxy, Target::CannedUnix, Registry::Small},
    {"proxy, ovdcs per exchange, 88 KB reg", Program::Proxy, Target::CannedUnix, Registry::Large},
    {"proxy, ovdcs kept open, 1 KB reg", Program::Proxy, Target::CannedUnix,
     Registry::SmallKeptOpen},
    {"proxy, ovdcs kept open, 88 KB reg", Program::Proxy, Target::CannedUnix,
     Registry::LargeKeptOpen},
    {"proxy, playback", Program::Proxy, Target::Playback, Registry::Playback},
    {"proxy, HTTP, kavelin-device", Program::Proxy, Target::DeviceHttp, Registry::Small},
    {"bare gSOAP, kavelin-device", Program::Gsoap, Target::DeviceHttp, Registry::Small},
};
enum KindIndex {
    kProxy,
    kBare,
    kBareBounded,
    kRaw,
    kPython,
    kDirect,
    kDirectLarge,
    kKept,
    kKeptLarge,
    kPlayback,
    kProxyDevice,
    kBareDevice
};

struct Ratio {
    const char* label;
    int numerator;
    int denominator;
    double target; // 0: no target
};

const std::vector<Ratio> kRatios = {
    {"proxy / bare gSOAP", kProxy, kBare, 1.3},
    {"proxy / bare gSOAP, proxy's timeouts", kProxy, kBareBounded, 0},
    {"proxy / raw socket", kProxy, kRaw, 0},
    {"proxy / Python http.client", kProxy, kPython, 3.0},
    {"ovdcs per exchange / HTTP", kDirect, kProxy, 0.7},
    {"ovdcs kept open / HTTP", kKept, kProxy, 0.95},
    {"ovdcs per exchange, 88 KB / 1 KB reg", kDirectLarge, kDirect, 0},
    {"ovdcs kept open, 88 KB / 1 KB reg", kKeptLarge, kKept, 0.90},
    {"playback / HTTP", kPlayback, kProxy, 0},
    {"proxy / bare, kavelin-device", kProxyDevice, kBareDevice, 0},
};

struct Sample {
    int round = 0;
    double callsPerSecond = 0;
    double cpuMicrosPerCall = 0;
    long rssMarkKilobytes = 0;
    long rssKilobytes = 0;
    long peakKilobytes = 0;
};

// The answers of the size rows: GetData results of these many bytes.
constexpr long kAnswerBytes[] = {1024, 100 * 1024, 10 * 1024 * 1024, 60 * 1024 * 1024};
constexpr int kAnswerRounds = 3;
// The largest answer may make the process at most this many times its size at its peak.
constexpr double kMostPeakPerAnswerByte = 2.5;

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--long")
            options.rssCalls = 1000000;
        else if (option == "--rounds" && hasValue)
            options.rounds = std::atoi(argv[++i]);
        else if (option == "--calls" && hasValue)
            options.calls = std::atol(argv[++i]);
        else if (option == "--cpu" && hasValue)
            options.cpu = std::atoi(argv[++i]);
        else
            return false;
    }
    return options.rounds > 0 && options.rounds <= 100 && options.calls > 0 &&
           options.calls <= 10000000;
}

// Pins this process, and so every child it starts, to one core: the given one, or the last
// one this process may use.
int PinToOneCore(int wanted) {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    sched_getaffinity(0, sizeof allowed, &allowed);
    int cpu = wanted;
    for (int c = CPU_SETSIZE - 1; cpu < 0 && c >= 0; --c)
        if (CPU_ISSET(c, &allowed))
            cpu = c;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cpu, &one);
    return sched_setaffinity(0, sizeof one, &one) == 0 ? cpu : -1;
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// A registry file of at least `bytes` bytes: the settings, then unrelated keys as filler.
void WriteRegistry(const fs::path& path, size_t bytes, bool keepOpen, const std::string& log) {
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n";
    if (keepOpen)
        text += "\"DirectConnectKeepOpen\"=\"1\"\r\n";
    if (!log.empty())
        text += "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\r\n"
                "\"OVCOM.Kavelin\"=\"" +
                log + "\"\r\n";
    for (int key = 0; text.size() < bytes; ++key)
        text += "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Filler\\Key" + std::to_string(key) +
                "]\r\n\"Name\"=\"some value of a typical length\"\r\n";
    std::ofstream(path, std::ios::binary) << text;
}

class Comparison {
public:
    Comparison(const Options& options, fs::path scratch)
        : mOptions(options), mScratch(std::move(scratch)) {}

    bool Start();
    void CheckSameBytes();
    void RunRounds();
    void PrintTable() const;
    void MeasureResidentMemory();
    void MeasureAnswerSizes();

private:
    std::vector<std::string> Arguments(const ClientKind& kind, long calls, long rssMark) const;
    ChildProcess::Environment Environment(const ClientKind& kind) const;
    bool RunKind(const ClientKind& kind, long calls, long rssMark, Sample& sample) const;
    bool Run(const ClientKind& kind, const std::vector<std::string>& arguments, long calls,
             Sample& sample) const;
    std::string LastRequest() const;

    Options mOptions;
    fs::path mScratch;
    std::unique_ptr<ChildProcess> mServer;
    std::unique_ptr<ChildProcess> mDevice;
    std::string mCannedUrl;
    std::string mDeviceUrl;
    std::string mUnixSocket;
    bool mHavePython = false;
    std::map<int, std::vector<Sample>> mSamples;
};

// Waits for the "listening on 127.0.0.1:PORT" line of a server child and returns its URL.
std::string ListeningUrl(ChildProcess& server, bool waitForUnix) {
    std::string url;
    std::string line;
    while (server.ReadLine(line, 20)) {
        unsigned port = 0;
        if (std::sscanf(line.c_str(), "listening on 127.0.0.1:%u", &port) == 1)
            url = "http://127.0.0.1:" + std::to_string(port) + "/xdm/ixa/IXDMAccessSet.asmx";
        if (!url.empty() && (!waitForUnix || line.starts_with("listening on unix:")))
            break;
    }
    return url;
}

bool Comparison::Start() {
    WriteRegistry(mScratch / "small.reg", 1024, false, "");
    WriteRegistry(mScratch / "small-kept-open.reg", 1024, true, "");
    WriteRegistry(mScratch / "large.reg", 88 * 1024, false, "");
    WriteRegistry(mScratch / "large-kept-open.reg", 88 * 1024, true, "");
    // The playback bit with no log level: the requests are answered, nothing is logged.
    WriteRegistry(mScratch / "playback.reg", 1024, false,
                  "file," + (mScratch / "playback.log").string() + ",128");
    const auto written = std::chrono::steady_clock::now();

    mUnixSocket = (mScratch / "canned.sock").string();
    const std::string answers =
        (fs::path(KAVELIN_LIBRARY_PATH).parent_path() / "SoapMsgs").string();
    mServer = std::make_unique<ChildProcess>(std::vector<std::string>{COMPARE_PROGRAM_DIR
                                                                      "/compare-canned-server",
                                                                      answers, mUnixSocket, "3600"},
                                             ChildProcess::Environment{});
    mCannedUrl = ListeningUrl(*mServer, true);
    mDevice = std::make_unique<ChildProcess>(
        std::vector<std::string>{KAVELIN_DEVICE_PROGRAM, "--port", "0", "--duration", "3600"},
        ChildProcess::Environment{});
    mDeviceUrl = ListeningUrl(*mDevice, false);
    mHavePython = std::system("python3 -c '' >/dev/null 2>&1") == 0;
    if (mCannedUrl.empty() || mDeviceUrl.empty()) {
        std::fprintf(stderr, "bench_compare: the canned server or kavelin-device did not start\n");
        return false;
    }
    // A registry file changed in the last two seconds is read at every open; configuration
    // on a real machine has settled long before.
    std::this_thread::sleep_until(written + std::chrono::milliseconds(2100));
    return true;
}

std::vector<std::string> Comparison::Arguments(const ClientKind& kind, long calls,
                                               long rssMark) const {
    std::string url = mCannedUrl;
    if (kind.target == Target::DeviceHttp)
        url = mDeviceUrl;
    else if (kind.target == Target::CannedUnix)
        url = "ovdcs://unix" + mUnixSocket;
    else if (kind.target == Target::Playback)
        url = "ovdcs:playback";
    const std::string request = (mScratch / "request.http").string();
    const std::string count = std::to_string(calls);
    const std::string mark = std::to_string(rssMark);
    switch (kind.program) {
    case Program::Proxy:
        return {COMPARE_PROGRAM_DIR "/compare-proxy-client", url, count, mark};
    case Program::Gsoap:
        return {COMPARE_PROGRAM_DIR "/compare-gsoap-client", url, count, mark};
    case Program::Raw:
        return {COMPARE_PROGRAM_DIR "/compare-raw-client", url, count, mark, request};
    case Program::Python:
        return {"python3", COMPARE_PYTHON_CLIENT, url, count, mark, request};
    }
    return {};
}

ChildProcess::Environment Comparison::Environment(const ClientKind& kind) const {
    const char* files[] = {"small.reg", "small-kept-open.reg", "large.reg", "large-kept-open.reg",
                           "playback.reg"};
    return {{"KAVELIN_LIBRARY", KAVELIN_LIBRARY_PATH},
            {"KAVELIN_REGISTRY", (mScratch / files[static_cast<int>(kind.registry)]).string()},
            {"COMPARE_BOUNDED_WAITS", kind.boundedWaits ? "1" : "0"}};
}

bool Comparison::RunKind(const ClientKind& kind, long calls, long rssMark, Sample& sample) const {
    if (kind.program == Program::Python && !mHavePython)
        return false;
    return Run(kind, Arguments(kind, calls, rssMark), calls, sample);
}

bool Comparison::Run(const ClientKind& kind, const std::vector<std::string>& arguments, long calls,
                     Sample& sample) const {
    const int bound = 60 + static_cast<int>(calls / 1000);
    const std::string line = RunToEnd(arguments, Environment(kind), bound);
    long done = 0;
    long long wall = 0;
    long long cpu = 0;
    if (std::sscanf(line.c_str(),
                    "calls=%ld wall_ns=%lld cpu_ns=%lld rss_mark_kb=%ld rss_kb=%ld peak_kb=%ld",
                    &done, &wall, &cpu, &sample.rssMarkKilobytes, &sample.rssKilobytes,
                    &sample.peakKilobytes) < 5 ||
        done <= 0 || wall <= 0) {
        std::fprintf(stderr, "bench_compare: %s gave no result\n", kind.label);
        return false;
    }
    sample.callsPerSecond = 1e9 * static_cast<double>(done) / static_cast<double>(wall);
    sample.cpuMicrosPerCall = 1e-3 * static_cast<double>(cpu) / static_cast<double>(done);
    return true;
}

std::string Comparison::LastRequest() const {
    std::string answer;
    const int sock = ConnectToUrl(mCannedUrl.c_str());
    if (sock < 0)
        return answer;
    if (!SendAll(sock, "GET /last-request HTTP/1.1\r\n\r\n") || !ReadAnswer(sock, answer))
        answer.clear();
    close(sock);
    const size_t body = answer.find("\r\n\r\n");
    return body == std::string::npos ? std::string() : answer.substr(body + 4);
}

// The time stamp is the only part of the request that may differ from call to call.
std::string WithoutTimeStamp(std::string request) {
    const size_t begin = request.find("<dd:TimeStamp>");
    const size_t end = request.find("</dd:TimeStamp>");
    if (begin != std::string::npos && end != std::string::npos && end > begin)
        request.erase(begin + 14, end - begin - 14);
    return request;
}

void Comparison::CheckSameBytes() {
    Sample ignored;
    std::string proxyRequest;
    if (RunKind(kKinds[kProxy], 1, 0, ignored))
        proxyRequest = LastRequest();
    std::ofstream(mScratch / "request.http", std::ios::binary) << proxyRequest;
    std::printf("request bytes (proxy: %zu) the same from:", proxyRequest.size());
    for (const int kind : {kBare, kRaw, kPython}) {
        const bool ran = RunKind(kKinds[kind], 1, 0, ignored);
        const bool same = ran && !proxyRequest.empty() &&
                          WithoutTimeStamp(LastRequest()) == WithoutTimeStamp(proxyRequest);
        std::printf(" %s %s;", kKinds[kind].label, !ran ? "not run" : same ? "yes" : "NO");
    }
    std::printf("\n");
}

void Comparison::RunRounds() {
    for (int round = 0; round < mOptions.rounds; ++round) {
        // Each round starts with another kind, so no kind always follows the same one.
        for (size_t step = 0; step < kKinds.size(); ++step) {
            const size_t kind = (step + static_cast<size_t>(round)) % kKinds.size();
            Sample sample;
            sample.round = round;
            if (RunKind(kKinds[kind], mOptions.calls, 0, sample))
                mSamples[static_cast<int>(kind)].push_back(sample);
        }
    }
}

void Comparison::PrintTable() const {
    std::printf("\n%-38s %10s %8s %8s %12s %8s %6s\n", "client", "calls/s", "spread", "best",
                "CPU us/call", "spread", "best");
    for (size_t kind = 0; kind < kKinds.size(); ++kind) {
        const auto found = mSamples.find(static_cast<int>(kind));
        if (found == mSamples.end()) {
            std::printf("%-38s %10s\n", kKinds[kind].label, "not run");
            continue;
        }
        std::vector<double> rates, cpu;
        for (const Sample& sample : found->second) {
            rates.push_back(sample.callsPerSecond);
            cpu.push_back(sample.cpuMicrosPerCall);
        }
        const Summary rate = Summarise(rates);
        const Summary time = Summarise(cpu);
        std::printf("%-38s %10.0f %7.1f%% %8.0f %12.1f %7.1f%% %6.1f\n", kKinds[kind].label,
                    rate.median, rate.SpreadPercent(), rate.high, time.median, time.SpreadPercent(),
                    time.low);
    }
    std::printf("\n%-38s %7s %17s %7s %7s  %s\n", "ratio of calls/s", "median", "rounds min..max",
                "best", "by CPU", "target");
    for (const Ratio& ratio : kRatios) {
        const auto top = mSamples.find(ratio.numerator);
        const auto bottom = mSamples.find(ratio.denominator);
        if (top == mSamples.end() || bottom == mSamples.end()) {
            std::printf("%-38s %7s\n", ratio.label, "n/a");
            continue;
        }
        // Round by round: the two kinds ran close together, so the ratio's spread is the noise.
        // The CPU figure is the same comparison from the clients' CPU per call alone.
        std::vector<double> rates, cpu, topRates, bottomRates;
        for (const Sample& a : top->second)
            topRates.push_back(a.callsPerSecond);
        for (const Sample& b : bottom->second)
            bottomRates.push_back(b.callsPerSecond);
        for (const Sample& a : top->second)
            for (const Sample& b : bottom->second)
                if (a.round == b.round) {
                    rates.push_back(a.callsPerSecond / b.callsPerSecond);
                    cpu.push_back(b.cpuMicrosPerCall / a.cpuMicrosPerCall);
                }
        const Summary rate = Summarise(rates);
        // Within the noise: the median misses, but at least a quarter of the rounds meet it.
        std::string verdict;
        if (ratio.target > 0)
            verdict = ">= " + std::to_string(ratio.target).substr(0, 4) +
                      (rate.median >= ratio.target          ? ": met"
                       : rate.upperQuartile >= ratio.target ? ": met within the noise"
                                                            : ": MISSED");
        // Interference only ever slows a round, so the best rounds are the least disturbed.
        const double best = Summarise(topRates).high / Summarise(bottomRates).high;
        std::printf("%-38s %7.3f %8.3f..%-8.3f %7.3f %7.3f  %s\n", ratio.label, rate.median,
                    rate.low, rate.high, best, Summarise(cpu).median, verdict.c_str());
    }
}

void Comparison::MeasureResidentMemory() {
    std::printf("\nresident memory over %ld calls on one connection (%s):\n", mOptions.rssCalls,
                mOptions.rssCalls >= 1000000 ? "--long" : "1M calls with --long");
    for (const int kind : {kProxy, kBare}) {
        Sample sample;
        if (!RunKind(kKinds[kind], mOptions.rssCalls, 1000, sample))
            continue;
        std::printf("  %-36s after 1k: %ld KB, after %ldk: %ld KB (%+ld KB); %.0f calls/s\n",
                    kKinds[kind].label, sample.rssMarkKilobytes, mOptions.rssCalls / 1000,
                    sample.rssKilobytes, sample.rssKilobytes - sample.rssMarkKilobytes,
                    sample.callsPerSecond);
    }
}

// The proxy over HTTP with answers from 1 KB to 60 MB: the time per KB should not grow with
// the size, and the process at its peak stays within a small multiple of the largest answer.
void Comparison::MeasureAnswerSizes() {
    std::map<long, std::vector<Sample>> samples;
    const auto callsFor = [this](long bytes) {
        return std::clamp((32l << 20) / bytes, 3l, mOptions.calls);
    };
    for (int round = 0; round < kAnswerRounds; ++round)
        for (const long bytes : kAnswerBytes) {
            const size_t path = mCannedUrl.find('/', std::strlen("http://"));
            const std::string url = mCannedUrl.substr(0, path) + "/answer/" + std::to_string(bytes);
            Sample sample;
            if (Run(kKinds[kProxy],
                    {COMPARE_PROGRAM_DIR "/compare-proxy-client", url,
                     std::to_string(callsFor(bytes)), "0"},
                    callsFor(bytes), sample))
                samples[bytes].push_back(sample);
        }
    std::printf("\n%-14s %6s %12s %10s %8s %12s %12s\n", "GetData answer", "calls", "CPU us/call",
                "CPU us/KB", "spread", "peak RSS KB", "peak / size");
    for (const long bytes : kAnswerBytes) {
        std::vector<double> perKilobyte;
        long peak = 0;
        for (const Sample& sample : samples[bytes]) {
            perKilobyte.push_back(sample.cpuMicrosPerCall * 1024.0 / static_cast<double>(bytes));
            peak = std::max(peak, sample.peakKilobytes);
        }
        const Summary time = Summarise(perKilobyte);
        const double peakPerByte = 1024.0 * static_cast<double>(peak) / static_cast<double>(bytes);
        // Below a megabyte the process's own size is all the peak says.
        const std::string ratio =
            bytes < (1l << 20) ? "-" : std::to_string(peakPerByte).substr(0, 4);
        const std::string verdict =
            bytes != kAnswerBytes[std::size(kAnswerBytes) - 1]
                ? ""
                : (peakPerByte <= kMostPeakPerAnswerByte ? "  <= 2.5: met" : "  <= 2.5: MISSED");
        std::printf("%10ld KB %6ld %12.1f %10.3f %7.1f%% %12ld %12s%s\n", bytes / 1024,
                    callsFor(bytes), time.median * static_cast<double>(bytes) / 1024.0, time.median,
                    time.SpreadPercent(), peak, ratio.c_str(), verdict.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--rounds N] [--calls N] [--long] [--cpu N]\n", argv[0]);
        return 2;
    }
    const int cpu = PinToOneCore(options.cpu);
    const fs::path scratch =
        fs::temp_directory_path() / ("kavelin-compare-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    int status = 1;
    {
        Comparison comparison(options, scratch);
        if (comparison.Start()) {
            std::printf("GetData with a one-entry prefix map, %d rounds of %ld calls per client, "
                        "interleaved; clients and servers pinned to CPU %d\n",
                        options.rounds, options.calls, cpu);
            std::printf("load average at start: %s\n", LoadAverage().c_str());
            comparison.CheckSameBytes();
            comparison.RunRounds();
            comparison.PrintTable();
            comparison.MeasureResidentMemory();
            comparison.MeasureAnswerSizes();
            std::printf("\nload average at end: %s\n", LoadAverage().c_str());
            status = 0;
        }
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    return status;
}
