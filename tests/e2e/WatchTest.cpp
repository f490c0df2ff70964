// kavelin watch against the kavelin-device program: real processes, real sockets, the device's
// own deliveries and hand-made ones.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <tuple>

#include "device/RawHttpClient.h"
#include "support/ChildProcess.h"
#include "support/DeviceProcess.h"
#include "support/ScratchPath.h"

namespace kavelin_test {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

using Clock = std::chrono::steady_clock;

constexpr char kBsi[] = "http://schemas.orvanta.example/schemas/imaging/con/bsi/2003/08/21";
constexpr char kSoap[] = "http://schemas.xmlsoap.org/soap/envelope/";

// Polls `done` until it holds or `limit` passes; whether it held.
template <typename Done>
bool Until(Done done, std::chrono::seconds limit = std::chrono::seconds(20)) {
    for (const auto deadline = Clock::now() + limit; Clock::now() < deadline;
         std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (done())
            return true;
    return false;
}

std::string Printer(const std::string& inner) {
    return "<dd:Printer xmlns:dd='http://schemas.orvanta.example/schemas/imaging/con/"
           "dictionaries/1.0/'>" +
           inner + "</dd:Printer>";
}

std::string Identity(const std::string& element, const std::string& value) {
    return Printer("<dd:Identity><dd:" + element + ">" + value + "</dd:" + element +
                   "></dd:Identity>");
}

std::string Envelope(const std::string& body) {
    return std::string("<s:Envelope xmlns:s='") + kSoap + "' xmlns:b='" + kBsi + "'><s:Body>" +
           body + "</s:Body></s:Envelope>";
}

std::string DeliverEnvelope(const std::string& name, const std::string& subscription) {
    return Envelope("<b:Deliver><b:Event><b:Properties><b:Name>" + name +
                    "</b:Name><b:SubscriptionID>" + subscription +
                    "</b:SubscriptionID></b:Properties></b:Event></b:Deliver>");
}

// One request on a fresh connection; the whole answer, or what came of it in time.
std::string Post(unsigned port, const std::string& body) {
    RawHttpClient client = RawHttpClient::Tcp(static_cast<uint16_t>(port));
    const RawResponse answer = client.Post(body, "", "/EventCallback");
    return answer.head + answer.body;
}

// A running `kavelin watch`, its output and errors in files of the folder.
class Watch {
public:
    Watch(const std::string& folder, std::vector<std::string> arguments)
        : mOutFile(folder + "/watch.out"), mErrorFile(folder + "/watch.err") {
        arguments.insert(arguments.begin(), "watch");
        mPid = SpawnProgram(KAVELIN_CLI_PROGRAM, arguments, mOutFile, mErrorFile).value_or(-1);
    }
    ~Watch() {
        if (mPid > 0 && !mExited)
            StopChild(mPid);
    }

    // Waits until the watch subscribed `count` times; its listening port, 0 on timeout.
    unsigned WaitSubscribed(size_t count) {
        const std::regex listening("listening on [0-9.]+:([0-9]+)"), subscribed("subscribed to ");
        std::smatch port;
        std::string err;
        const bool ready = Until([&] {
            err = Err();
            return std::distance(std::sregex_iterator(err.begin(), err.end(), subscribed),
                                 std::sregex_iterator()) >= static_cast<long>(count) &&
                   std::regex_search(err, port, listening);
        });
        return ready ? static_cast<unsigned>(std::stoul(port[1])) : 0;
    }

    // The id of the first subscription the watch reported.
    std::string Subscription() const {
        std::smatch id;
        const std::string err = Err();
        return std::regex_search(err, id, std::regex("subscribed to [^:]+: (\\S+)")) ? id[1].str()
                                                                                     : "";
    }

    // The exit code once it ends by itself, -1 if it does not within the limit.
    int WaitForExit(std::chrono::seconds limit = std::chrono::seconds(20)) {
        int status = 0;
        if (!Until([&] { return waitpid(mPid, &status, WNOHANG) == mPid; }, limit))
            return -1;
        mExited = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int Terminate() {
        mExited = true;
        return StopChild(mPid);
    }

    // The whole lines written so far.
    std::vector<std::string> Lines() const {
        std::istringstream out(FileText(mOutFile));
        std::vector<std::string> lines;
        for (std::string line; std::getline(out, line) && !out.eof();) // a line not yet ended
            lines.push_back(line);
        return lines;
    }
    std::string Err() const { return FileText(mErrorFile); }
    int Pid() const { return mPid; }

private:
    std::string mOutFile;
    std::string mErrorFile;
    int mPid = -1;
    bool mExited = false;
};

size_t OpenFiles(int pid) {
    const std::filesystem::path fds = "/proc/" + std::to_string(pid) + "/fd";
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(fds),
                                             std::filesystem::directory_iterator()));
}

class WatchProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(mFolder + "/empty.reg").flush();
        // The watch and set-data children take the device from this process's environment.
        setenv("KAVELIN_REGISTRY", (mFolder + "/empty.reg").c_str(), 1);
        setenv("TMPDIR", mFolder.c_str(), 1);
        unsetenv("OVXORB_SOAP_SERVICE_PORT");
        ASSERT_TRUE(mDevice.Running());
        setenv("KAVELIN_URL", mDevice.Url().c_str(), 1);
    }
    // The next test's scratch folder must not be sought in this one's, gone by then.
    void TearDown() override { unsetenv("TMPDIR"); }

    void SetData(const std::string& document) {
        const RunResult run = RunProgram(KAVELIN_CLI_PROGRAM, {"set-data", "-"}, {}, document);
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    size_t DeviceCount(const std::string& operation) const {
        const auto operations = mDevice.Operations();
        return static_cast<size_t>(std::count(operations.begin(), operations.end(), operation));
    }

    const ScratchFolder mScratch{"kavelin-e2e-watch"};
    const std::string mFolder = mScratch.Path();
    DeviceProcess mDevice;
};

TEST_F(WatchProgram, AFilterKeepsOutTheChangesItDoesNotName) {
    const std::string tray = Printer("<dd:Trays><dd:Tray id='3'><dd:MediaSize>kept-item&#x9b;"
                                     "</dd:MediaSize></dd:Tray></dd:Trays>");
    // (name, filter, the change that passes; Location changes first and is kept out)
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"element", "Element=Contact", Identity("Contact", "kept-element&#x9b;")},
        {"path", "Path=/dd:Printer/dd:Identity/dd:Name", Identity("Name", "kept-path&#x9b;")},
        {"item", "Item=3", tray},
    };
    for (const auto& [name, filter, change] : cases) {
        SCOPED_TRACE(name);
        Watch watch(mFolder,
                    {"--event", "DataChanged", "--count", "1", "--json", "--filter", filter});
        ASSERT_NE(watch.WaitSubscribed(1), 0u) << watch.Err();
        SetData(Identity("Location", std::string("Hall-") + name));
        SetData(change); // with a C1 CSI
        EXPECT_EQ(watch.WaitForExit(), 0) << watch.Err();
        const auto lines = watch.Lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_THAT(lines[0], AllOf(HasSubstr("\"event\":\"DataChanged\""),
                                    HasSubstr(std::string("kept-") + name + "\\u009b"),
                                    Not(HasSubstr("\xc2\x9b")), Not(HasSubstr("Hall-"))));
    }
}

TEST_F(WatchProgram, EveryWayOfStoppingCancelsEverySubscription) {
    const size_t supported = 6; // the device's events; a watch without --event takes them all
    // Ended by its duration, by its count, or by SIGTERM.
    const std::vector<std::string> cases[] = {{"--duration", "0.5"}, {"--count", "1"}, {}};
    size_t subscribed = 0;
    for (const std::vector<std::string>& arguments : cases) {
        SCOPED_TRACE(arguments.empty() ? "SIGTERM" : arguments[0]);
        Watch watch(mFolder, arguments);
        ASSERT_NE(watch.WaitSubscribed(supported), 0u) << watch.Err();
        subscribed += supported;
        if (!arguments.empty() && arguments[0] == "--count")
            SetData(Identity("Contact", "stop@example.com"));
        EXPECT_EQ(arguments.empty() ? watch.Terminate() : watch.WaitForExit(), 0) << watch.Err();
        EXPECT_EQ(DeviceCount("Subscribe"), subscribed);
        EXPECT_EQ(DeviceCount("Unsubscribe"), subscribed);
        EXPECT_EQ(DeviceCount("EndSession"), DeviceCount("StartSession"));
    }
}

TEST_F(WatchProgram, ADeviceThatStopsAnsweringEndsTheWatchWithOneAndTheCause) {
    std::optional<DeviceProcess> device(std::in_place);
    ASSERT_TRUE(device->Running());
    setenv("KAVELIN_URL", device->Url().c_str(), 1);
    Watch watch(mFolder, {"--event", "StatusChanged", "--check", "1", "--timeout", "1"});
    ASSERT_NE(watch.WaitSubscribed(1), 0u) << watch.Err();
    device.reset();
    EXPECT_EQ(watch.WaitForExit(std::chrono::seconds(4)), 1) << watch.Err();
    EXPECT_THAT(watch.Err(), HasSubstr("kavelin: the device does not answer: GetSupportedEvents "
                                       "Failed!!! (code 0x80004005): the device refused the "
                                       "connection"));
}

// A malformed delivery gets a fault and the watch goes on: the deliveries SetData causes
// then arrive in order with the cookie.
TEST_F(WatchProgram, AMalformedDeliveryGetsAFaultAndTheWatchGoesOn) {
    Watch watch(mFolder, {"--event", "ConfigurationChanged", "--cookie", "desk-7", "--count", "3",
                          "--duration", "30"});
    const unsigned port = watch.WaitSubscribed(1);
    ASSERT_NE(port, 0u) << watch.Err();
    const std::pair<std::string, const char*> cases[] = {
        // A delivery, and a piece of the fault it gets.
        {"plain text", "not a SOAP envelope"},
        {Envelope("<x:Other xmlns:x='urn:x'/>"), "not a bsi:Deliver request"},
        {Envelope("<b:Deliver><b:Event><b:Properties><b:Sequence>many</b:Sequence>"
                  "</b:Properties></b:Event></b:Deliver>"),
         "b:Sequence"},
        {DeliverEnvelope(std::string(2 << 20, 'x'), "s"), "request larger than"},
        {DeliverEnvelope("Forged", "subscription-1-0"), "not a subscription of this"},
    };
    for (const auto& [body, fault] : cases) {
        SCOPED_TRACE(fault);
        EXPECT_THAT(Post(port, body), AllOf(HasSubstr("HTTP/1.1 500"), HasSubstr("SOAP-ENV:Fault"),
                                            HasSubstr(fault)));
        EXPECT_THAT(watch.Err(), HasSubstr("refused: "));
    }
    EXPECT_TRUE(watch.Lines().empty());
    for (const char* room : {"Room-1", "Room-2", "Room-3"})
        SetData(Identity("Location", room));
    EXPECT_EQ(watch.WaitForExit(), 0) << watch.Err();
    EXPECT_THAT(watch.Err(), HasSubstr("listening on 127.0.0.1:")); // where the device is
    const auto lines = watch.Lines();
    ASSERT_EQ(lines.size(), 3u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_THAT(lines[i], AllOf(HasSubstr(" ConfigurationChanged subscription-"),
                                    HasSubstr("ClientCookie=CliCook:desk-7"),
                                    HasSubstr(">Room-" + std::to_string(i + 1) + "<")));
    }
    EXPECT_EQ(DeviceCount("Unsubscribe"), 1u);
}

// Deliveries one at a time all arrive, and a crowd of connections holds none of them up.
TEST_F(WatchProgram, AFloodOfDeliveriesStaysBoundedAndLosesNone) {
    constexpr size_t kDeliveries = 2000;
    constexpr size_t kCrowd = 200;
    Watch watch(mFolder, {"--event", "DataChanged", "--duration", "120"});
    const unsigned port = watch.WaitSubscribed(1);
    ASSERT_NE(port, 0u) << watch.Err();
    const std::string id = watch.Subscription();
    // Control characters from outside reach the terminal as escapes only.
    ASSERT_THAT(Post(port, DeliverEnvelope("Warm&#27;]52;c;&#x9b;&#13;&#10;up", id)),
                HasSubstr("DeliverResponse"));
    const size_t filesBefore = OpenFiles(watch.Pid());

    size_t answered = 0;
    for (size_t i = 0; i < kDeliveries; ++i)
        answered += Post(port, DeliverEnvelope("Flood-" + std::to_string(i), id))
                        .find("bsi:DeliverResponse") != std::string::npos;
    EXPECT_EQ(answered, kDeliveries);
    ASSERT_TRUE(Until([&] { return watch.Lines().size() > kDeliveries; }));

    // A crowd that says nothing, or begins a request and stops, holds no delivery up, and
    // leaves no descriptor behind.
    std::vector<RawHttpClient> crowd;
    for (size_t i = 0; i < kCrowd; ++i) {
        crowd.push_back(RawHttpClient::Tcp(static_cast<uint16_t>(port)));
        ASSERT_TRUE(crowd.back().Connected() && (i % 2 == 0 || crowd.back().Send("POST")));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_THAT(Post(port, DeliverEnvelope("Crowded", id)), HasSubstr("bsi:DeliverResponse"));
    crowd.clear();
    EXPECT_TRUE(
        Until([&] { return OpenFiles(watch.Pid()) <= filesBefore; }, std::chrono::seconds(5)));
    const auto lines = watch.Lines();
    EXPECT_THAT(lines[0],
                AllOf(HasSubstr("Warm\\x1b]52;c;\\u009b\\r\\nup"), Not(HasSubstr("\x1b"))));
    for (size_t i = 0; i < kDeliveries; ++i)
        ASSERT_THAT(lines[i + 1], HasSubstr(" Flood-" + std::to_string(i) + " ")) << i;
    EXPECT_THAT(lines.back(), HasSubstr(" Crowded "));
    EXPECT_EQ(watch.Terminate(), 0);
}

} // namespace
} // namespace kavelin_test
