// The cost of one GetData exchange by the paths a host can choose: HTTP with and without a
// prefix map, direct connect over a Unix socket with the stream opened per exchange or kept
// open, and with a small or a large registry file. The device is the kavelin-device program in
// a child process (KAVELIN_DEVICE_PROGRAM overrides its path), so the figures are the proxy's.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "components/BuiltInComponents.h"
#include "kavelin/Kavelin.h"
#include "os/registry/Registry.h"

namespace {

namespace fs = std::filesystem;

constexpr char kMap[] = "<PrefixMap><Prefix>dd</Prefix><URL>http://schemas.orvanta.example/"
                        "schemas/imaging/con/dictionaries/1.0/</URL></PrefixMap>";
constexpr char kPath[] = "string(//dd:Status/dd:State)";

std::string DeviceProgram() {
    if (const char* program = std::getenv("KAVELIN_DEVICE_PROGRAM"))
        return program;
    return (fs::path(KAVELIN_LIBRARY_PATH).parent_path() / "tools" / "kavelin-device" /
            "kavelin-device")
        .string();
}

fs::path Scratch() {
    static const fs::path folder = [] {
        const fs::path path =
            fs::temp_directory_path() / ("kavelin-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// The device program on an ephemeral port and a Unix socket, stopped with the object.
class DeviceProcess {
public:
    DeviceProcess() : mSocket((Scratch() / "device.sock").string()) {
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
            execl(program.c_str(), program.c_str(), "--port", "0", "--unix", mSocket.c_str(),
                  "--duration", "900", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(output[1]);
        FILE* lines = fdopen(output[0], "r");
        char line[512];
        while (lines != nullptr && std::fgets(line, sizeof(line), lines) != nullptr) {
            unsigned port = 0;
            if (std::sscanf(line, "listening on 127.0.0.1:%u", &port) == 1)
                mHttpUrl =
                    "http://127.0.0.1:" + std::to_string(port) + "/xdm/ixa/IXDMAccessSet.asmx";
            if (std::string(line).starts_with("listening on unix:"))
                break;
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
    const std::string& HttpUrl() const { return mHttpUrl; }
    std::string DirectUrl() const { return "ovdcs://unix" + mSocket; }

private:
    std::string mSocket;
    pid_t mPid = -1;
    std::string mHttpUrl;
};

DeviceProcess& Device() {
    static DeviceProcess device;
    return device;
}

// A registry file of about `bytes` bytes: the settings, then unrelated keys as filler. All are
// written at start and left to settle, as configuration on a real machine has: a file changed
// within the last moments is read again at every open.
std::string RegistryFile(size_t bytes, bool keepOpen) {
    const fs::path path =
        Scratch() / ("registry-" + std::to_string(bytes) + "-" + std::to_string(keepOpen) + ".reg");
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n";
    if (keepOpen)
        text += "\"DirectConnectKeepOpen\"=\"1\"\r\n";
    for (int key = 0; text.size() < bytes; ++key)
        text += "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Filler\\Key" + std::to_string(key) +
                "]\r\n\"Name\"=\"some value of a typical length\"\r\n";
    if (!fs::exists(path))
        std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

void RunGetData(benchmark::State& state, const std::string& url, const char* map) {
    IXDMAccessSoap* proxy = maker();
    proxy->Initialize(url, CPComPtr<ISessionInfo>());
    try {
        proxy->GetData(kPath, map, 0, 0);
        for (auto _ : state)
            benchmark::DoNotOptimize(proxy->GetData(kPath, map, 0, 0));
    } catch (const CPException& failure) {
        state.SkipWithError(failure.what());
    }
    demaker(proxy);
    state.counters["calls_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void Prepare(size_t registryBytes, bool keepOpen) {
    ::setenv("KAVELIN_REGISTRY", RegistryFile(registryBytes, keepOpen).c_str(), 1);
}

// Arguments: prefix map (0, 1).
void BM_GetDataHttp(benchmark::State& state) {
    Prepare(1024, false);
    RunGetData(state, Device().HttpUrl(), state.range(0) != 0 ? kMap : "");
}
BENCHMARK(BM_GetDataHttp)->Arg(0)->Arg(1)->UseRealTime();

// Arguments: kept open (0, 1), registry file bytes.
void BM_GetDataDirect(benchmark::State& state) {
    Prepare(static_cast<size_t>(state.range(1)), state.range(0) != 0);
    RunGetData(state, Device().DirectUrl(), kMap);
}
BENCHMARK(BM_GetDataDirect)
    ->Args({0, 1024})
    ->Args({0, 88 * 1024})
    ->Args({1, 1024})
    ->Args({1, 88 * 1024})
    ->UseRealTime();

// Opening the settings key, as the log, the stream and the plug-in do.
void BM_OpenSettingsKey(benchmark::State& state) {
    Prepare(static_cast<size_t>(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            kavelin::os::RegistryKey::OpenLocalMachine("SOFTWARE\\Orvanta\\Plotara"));
}
BENCHMARK(BM_OpenSettingsKey)->Arg(1024)->Arg(88 * 1024);

} // namespace

int main(int argc, char** argv) {
    RegisterBuiltInComponents();
    for (const size_t bytes : {1024, 88 * 1024})
        for (const bool keepOpen : {false, true})
            RegistryFile(bytes, keepOpen);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(Scratch(), ignored);
    return 0;
}
