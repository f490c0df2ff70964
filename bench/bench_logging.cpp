// The cost of the log: a call site whose level is off, and file lines per second with one and
// with two processes writing to the same file.
#include "platform/Logging.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string BenchLogPath() {
    return (std::filesystem::temp_directory_path() /
            ("kavelin-bench-" + std::to_string(getpid()) + ".log"))
        .string();
}

void BM_DisabledCallSite(benchmark::State& state) {
    CloseLog();
    int value = 0;
    for (auto _ : state) {
        KV_LOG(5, "IBaseSoap::GetData - Enter %d", ++value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_DisabledCallSite);

void WriteLines(const std::string& path, int64_t lines) {
    OpenLog(3, File, path.c_str(), 0);
    for (int64_t n = 0; n < lines; ++n)
        KV_LOG(3, "IBaseSoap::GetData - line %lld of %s", static_cast<long long>(n), "bench");
    CloseLog();
}

// Each iteration: `processes` forked writers of 2000 lines each to one fresh file.
void BM_FileLines(benchmark::State& state) {
    const int processes = static_cast<int>(state.range(0));
    constexpr int64_t kLinesPerProcess = 2000;
    const auto path = BenchLogPath();
    for (auto _ : state) {
        std::filesystem::remove(path);
        for (int p = 0; p < processes; ++p) {
            if (fork() == 0) {
                WriteLines(path, kLinesPerProcess);
                _exit(0);
            }
        }
        for (int p = 0; p < processes; ++p)
            wait(nullptr);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * processes * kLinesPerProcess);
}
BENCHMARK(BM_FileLines)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
