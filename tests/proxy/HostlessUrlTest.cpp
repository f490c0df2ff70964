#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ProxyTestSupport.h"

using namespace kavelin_test;

namespace {

// Puts pipes in place of standard input and output for the object's life, so a test sees
// whether anything wrote to the one or read from the other.
class StandardStreamsOnPipes {
public:
    StandardStreamsOnPipes() {
        std::fflush(stdout);
        mSavedIn = dup(STDIN_FILENO);
        mSavedOut = dup(STDOUT_FILENO);
        EXPECT_EQ(pipe(mIn), 0);
        EXPECT_EQ(pipe2(mOut, O_NONBLOCK), 0);
        EXPECT_EQ(write(mIn[1], kWaiting, sizeof kWaiting), static_cast<ssize_t>(sizeof kWaiting));
        dup2(mIn[0], STDIN_FILENO);
        dup2(mOut[1], STDOUT_FILENO);
    }
    ~StandardStreamsOnPipes() {
        dup2(mSavedIn, STDIN_FILENO);
        dup2(mSavedOut, STDOUT_FILENO);
        for (int fd : {mSavedIn, mSavedOut, mIn[0], mIn[1], mOut[0], mOut[1]})
            close(fd);
    }
    StandardStreamsOnPipes(const StandardStreamsOnPipes&) = delete;
    StandardStreamsOnPipes& operator=(const StandardStreamsOnPipes&) = delete;

    bool OutputWritten() const {
        char byte;
        return read(mOut[0], &byte, 1) > 0;
    }
    bool InputStillWaiting() const {
        char bytes[sizeof kWaiting] = {};
        fcntl(mIn[0], F_SETFL, O_NONBLOCK);
        return read(mIn[0], bytes, sizeof bytes) == static_cast<ssize_t>(sizeof kWaiting);
    }

private:
    static constexpr char kWaiting[] = "HTTP/1.1 200 OK\r\n\r\n";
    int mSavedIn = -1;
    int mSavedOut = -1;
    int mIn[2] = {-1, -1};
    int mOut[2] = {-1, -1};
};

// The engine would write such a URL's request to standard output and read standard input.
TEST(ProxyHostlessUrl, FailsWithTheOperationTextAndLeavesTheStandardStreams) {
    const char* urls[] = {"file:///etc/passwd",          "http://",      "http:///x", "http://:80/",
                          "https://127.0.0.1:1/Service", "/BaseService", "HTTP://"};
    for (const char* url : urls) {
        SCOPED_TRACE(url);
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(url, CPComPtr<ISessionInfo>());
        std::string getDataFailure;
        bool settableFailed = false;
        bool wrote = false;
        bool stillWaiting = false;
        {
            // The test's own output goes to standard output too: checked once it is back.
            StandardStreamsOnPipes streams;
            try {
                proxy->GetData("/", "", 0, 0);
            } catch (const CPException& failure) {
                getDataFailure = failure.what();
            }
            try {
                proxy->GetSettable(0);
            } catch (const CPException&) {
                settableFailed = true;
            }
            wrote = streams.OutputWritten();
            stillWaiting = streams.InputStillWaiting();
        }
        // As for any device that cannot be reached: the session it needs does not start.
        EXPECT_EQ(getDataFailure, "StartSession Failed!!!");
        EXPECT_TRUE(settableFailed);
        EXPECT_FALSE(wrote);
        EXPECT_TRUE(stillWaiting);
    }
}

} // namespace
