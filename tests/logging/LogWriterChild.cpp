// A process that logs to a shared file: logging_child <path> <writer> <threads> <lines>.
#include "platform/Logging.h"

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    const int writer = std::atoi(argv[2]);
    const int threads = std::atoi(argv[3]);
    const int lines = std::atoi(argv[4]);
    if (OpenLog(3, File, argv[1], 0) != 3)
        return 3;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([=] {
            for (int n = 0; n < lines; ++n)
                KV_LOG(3, "child %d thread %d line %d %s", writer, t, n,
                       "padding-padding-padding-padding-padding");
        });
    for (auto& worker : workers)
        worker.join();
    CloseLog();
    return 0;
}
