#pragma once

#include <functional>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kavelin_test {

// A second process for the tests of what processes share: a forked child runs `take`, tells
// the parent whether it succeeded, then lives `lifeMs` milliseconds (0: until it is ended)
// with what it took. It never outlives the test process.
class ForkedChild {
public:
    explicit ForkedChild(const std::function<bool()>& take, unsigned lifeMs = 0) {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        mPid = fork();
        if (mPid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const char byte = take() ? 'y' : 'n';
            (void)!write(ready[1], &byte, 1);
            lifeMs != 0 ? usleep(lifeMs * 1000) : pause();
            _exit(0);
        }
        char byte = 0;
        mTook = mPid > 0 && read(ready[0], &byte, 1) == 1 && byte == 'y';
        close(ready[0]);
        close(ready[1]);
    }
    ~ForkedChild() { End(); }
    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;

    bool Took() const { return mTook; }
    // Waits for the child's end, killing it first unless it is to finish its life: what it
    // held is then abandoned.
    void End(bool kill = true) {
        if (mPid <= 0)
            return;
        if (kill)
            ::kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
        mPid = 0;
    }

private:
    pid_t mPid = 0;
    bool mTook = false;
};

} // namespace kavelin_test
