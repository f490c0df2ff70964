#include "ClientMeasure.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/ResidentSize.h"

namespace {

using kavelin_test::ResidentKilobytes;

// Enough calls to open the connection, start the session and settle the caches and the
// allocator before anything is timed.
constexpr long kWarmUpCalls = 200;

long long CpuNanoseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto nanoseconds = [](const timeval& t) {
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_usec * 1000LL;
    };
    return nanoseconds(usage.ru_utime) + nanoseconds(usage.ru_stime);
}

} // namespace

bool ReadClientArguments(int argc, char** argv, ClientArguments& arguments) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s URL CALLS [RSS_MARK]\n", argv[0]);
        return false;
    }
    arguments.url = argv[1];
    arguments.calls = std::strtol(argv[2], nullptr, 10);
    arguments.rssMark = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 0;
    if (arguments.calls <= 0 || arguments.rssMark < 0) {
        std::fprintf(stderr, "%s: CALLS must be above 0 and RSS_MARK not below 0\n", argv[0]);
        return false;
    }
    return true;
}

int MeasureCalls(const ClientArguments& arguments, const std::function<bool()>& call) {
    // A few calls of a large answer settle the allocator as well as many small ones.
    for (long n = 0; n < std::min(kWarmUpCalls, arguments.calls); ++n)
        if (!call())
            return 1;
    long markKilobytes = 0;
    const long long cpuStart = CpuNanoseconds();
    const auto wallStart = std::chrono::steady_clock::now();
    for (long n = 1; n <= arguments.calls; ++n) {
        if (!call())
            return 1;
        // Read inside the timed loop only once, so the figure stays the calls' own.
        if (n == arguments.rssMark)
            markKilobytes = ResidentKilobytes();
    }
    const auto wall = std::chrono::steady_clock::now() - wallStart;
    const long long cpu = CpuNanoseconds() - cpuStart;
    std::printf(
        "calls=%ld wall_ns=%lld cpu_ns=%lld rss_mark_kb=%ld rss_kb=%ld peak_kb=%ld\n",
        arguments.calls,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count()),
        cpu, markKilobytes, ResidentKilobytes(), ResidentKilobytes("VmHWM:"));
    return 0;
}
