// Resident memory of one long-lived proxy over many exchanges with a loopback device. The
// device runs as a child process (the kavelin-device program), so only the proxy's memory is
// in the figures. Set KAVELIN_DEVICE_PROGRAM to use another build of the program.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "components/BuiltInComponents.h"
#include "kavelin/Kavelin.h"
#include "support/ResidentSize.h"

namespace {

using kavelin_test::ResidentKilobytes;

std::string DeviceProgram() {
    if (const char* program = std::getenv("KAVELIN_DEVICE_PROGRAM"))
        return program;
    return (std::filesystem::path(KAVELIN_LIBRARY_PATH).parent_path() / "tools" / "kavelin-device" /
            "kavelin-device")
        .string();
}

// The device program, started on an ephemeral port and stopped with the object.
class DeviceProcess {
public:
    DeviceProcess() {
        int output[2];
        if (pipe(output) != 0)
            return;
        mPid = fork();
        if (mPid == 0) {
            dup2(output[1], STDOUT_FILENO);
            close(output[0]);
            close(output[1]);
            const std::string program = DeviceProgram();
            // Bounded even if this process dies without stopping it.
            execl(program.c_str(), program.c_str(), "--port", "0", "--duration", "900",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(output[1]);
        FILE* lines = fdopen(output[0], "r");
        char line[256];
        while (lines != nullptr && std::fgets(line, sizeof(line), lines) != nullptr) {
            unsigned port = 0;
            if (std::sscanf(line, "listening on 127.0.0.1:%u", &port) == 1) {
                mUrl = "http://127.0.0.1:" + std::to_string(port) + "/BaseService";
                break;
            }
        }
        if (lines != nullptr)
            std::fclose(lines);
    }
    ~DeviceProcess() {
        if (mPid > 0) {
            kill(mPid, SIGTERM);
            waitpid(mPid, nullptr, 0);
        }
    }
    const std::string& Url() const { return mUrl; }

private:
    pid_t mPid = -1;
    std::string mUrl;
};

// Each session start and each session end is one exchange.
void RunExchanges(IXDMAccessSoap& proxy, long exchanges) {
    for (long done = 0; done < exchanges; done += 2) {
        proxy.StartSession();
        proxy.EndSession();
    }
}

void BM_ResidentMemoryOverExchanges(benchmark::State& state) {
    RegisterBuiltInComponents();
    DeviceProcess device;
    if (device.Url().empty()) {
        state.SkipWithError(("cannot start " + DeviceProgram()).c_str());
        return;
    }
    IXDMAccessSoap* proxy = maker();
    proxy->Initialize(device.Url(), CPComPtr<ISessionInfo>());
    long total = 0;
    for (auto _ : state) {
        RunExchanges(*proxy, 1000);
        const long afterThousand = ResidentKilobytes();
        RunExchanges(*proxy, 99000);
        const long afterHundredThousand = ResidentKilobytes();
        total += 100000;
        state.counters["rss_kb_after_1k"] = static_cast<double>(afterThousand);
        state.counters["rss_kb_after_100k"] = static_cast<double>(afterHundredThousand);
        state.counters["growth_kb"] = static_cast<double>(afterHundredThousand - afterThousand);
    }
    state.counters["exchanges_per_s"] =
        benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
    demaker(proxy);
}
BENCHMARK(BM_ResidentMemoryOverExchanges)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
