#include "os/kernel/ProcessInfo.h"

#include <atomic>
#include <pthread.h>
#include <unistd.h>

namespace kavelin::os {
namespace {

// The ids are asked of the kernel once per thread; a fork makes a new process (and a new
// thread), so every cached pair from before it is stale in the child.
std::atomic<uint32_t> gForkGeneration{1};

struct CachedIds {
    uint32_t generation = 0;
    uint32_t process = 0;
    uint32_t thread = 0;
};
thread_local CachedIds tIds;

void CountFork() {
    gForkGeneration.fetch_add(1, std::memory_order_relaxed);
}

const CachedIds& Ids() {
    static const bool registered = pthread_atfork(nullptr, nullptr, CountFork) == 0;
    const uint32_t generation = gForkGeneration.load(std::memory_order_relaxed);
    if (tIds.generation != generation || !registered) {
        tIds.process = static_cast<uint32_t>(getpid());
        tIds.thread = static_cast<uint32_t>(gettid());
        tIds.generation = generation;
    }
    return tIds;
}

} // namespace

uint32_t CurrentProcessId() {
    return Ids().process;
}

uint32_t CurrentThreadId() {
    return Ids().thread;
}

} // namespace kavelin::os
