#pragma once

#include <string>
#include <thread>

struct soap;

// A host that uses gSOAP itself, with its own generated binding on Debian's shared runtime.
namespace kavelin_test {

// Serves the host's echo on 127.0.0.1 for `exchanges` calls, then stops.
class GuestServer {
public:
    explicit GuestServer(int exchanges);
    ~GuestServer();
    const std::string& Url() const { return mUrl; }

private:
    struct soap* mSoap;
    std::string mUrl;
    std::thread mThread;
};

// The host's own client call: the echo, or the status it failed with.
std::string GuestEcho(const std::string& url, const std::string& text);

} // namespace kavelin_test
