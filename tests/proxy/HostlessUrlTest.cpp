#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "ProxyTestSupport.h"

using namespace kavelin_test;

namespace {

// Puts files in place of standard input and output for the object's life, so a test sees
// whether anything wrote to the one or read from the other.
class StandardStreamsOnFiles {
public:
    StandardStreamsOnFiles() {
        std::fflush(stdout);
        const std::string input = ScratchDirectory() + "/stdin";
        std::ofstream(input) << "HTTP/1.1 200 OK\r\n\r\n";
        mFiles[0] = open(input.c_str(), O_RDONLY);
        mFiles[1] =
            open((ScratchDirectory() + "/stdout").c_str(), O_CREAT | O_TRUNC | O_RDWR, 0600);
        for (int fd : {0, 1}) {
            mSaved[fd] = dup(fd);
            dup2(mFiles[fd], fd);
        }
    }
    ~StandardStreamsOnFiles() {
        for (int fd : {0, 1}) {
            dup2(mSaved[fd], fd);
            close(mSaved[fd]);
            close(mFiles[fd]);
        }
    }
    // Whether standard input was read from or standard output written to.
    bool Touched() const { return lseek(0, 0, SEEK_CUR) != 0 || lseek(1, 0, SEEK_END) != 0; }

private:
    int mFiles[2] = {-1, -1};
    int mSaved[2] = {-1, -1};
};

// The engine would write such a URL's request to standard output and read standard input.
TEST(ProxyHostlessUrl, FailsWithTheOperationTextAndLeavesTheStandardStreams) {
    for (const char* url : {"file:///etc/passwd", "http://", "http:///x", "http://:80/",
                            "https://127.0.0.1:1/Service", "/BaseService", "HTTP://"}) {
        SCOPED_TRACE(url);
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(url, CPComPtr<ISessionInfo>());
        std::string getDataFailure;
        bool settableFailed = false;
        bool touched = false;
        {
            // The test's own output goes to standard output too: checked once it is back.
            StandardStreamsOnFiles streams;
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
            touched = streams.Touched();
        }
        // As for any device that cannot be reached: the session it needs does not start.
        EXPECT_EQ(getDataFailure, "StartSession Failed!!!");
        EXPECT_TRUE(settableFailed);
        EXPECT_FALSE(touched);
    }
}

} // namespace
