// The kavelin program against the kavelin-device program: real processes, real sockets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>

#include "ChildProcess.h"
#include "DeviceProcess.h"

namespace e2e {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr char kDictionary[] = "dd=http://schemas.orvanta.example/schemas/imaging/con/"
                               "dictionaries/1.0/";

// Children see an empty registry and no device named in their environment, whatever the
// machine running the tests has configured.
class KavelinProgram : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kavelin-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        mFolder = pattern;
        mRegistry = mFolder + "/empty.reg";
        std::ofstream(mRegistry).flush();
        mEnvironment.set["KAVELIN_REGISTRY"] = mRegistry;
        // The logs a failed playback keeps land here and go with the folder.
        mEnvironment.set["TMPDIR"] = mFolder;
        mEnvironment.unset = {"KAVELIN_URL", "KAVELIN_LIBRARY", "OVXORB_SOAP_SERVICE_PORT"};
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    RunResult Kavelin(std::vector<std::string> arguments, const std::string& input = {}) {
        return RunProgram(KAVELIN_CLI_PROGRAM, arguments, mEnvironment, input);
    }
    RunResult KavelinAt(const DeviceProcess& device, std::vector<std::string> arguments,
                        const std::string& input = {}) {
        arguments.insert(arguments.begin(), {"--url", device.Url()});
        return Kavelin(arguments, input);
    }

    std::string mFolder;
    std::string mRegistry;
    ChildEnvironment mEnvironment;
};

struct CommandCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* stdoutPattern; // the whole output, as a regular expression
};

TEST_F(KavelinProgram, EachCommandAnswersFromTheDeviceAndEndsItsSession) {
    const std::vector<CommandCase> cases = {
        {"state", {"get-data", "string(//dd:Status/dd:State)", "--prefix", kDictionary}, "Idle\n"},
        {"a number, without prefixes",
         {"get-data", "count(//*[local-name()='Consumable'])"},
         "5\n"},
        {"settable", {"settable"}, "(.|\n)*Path(.|\n)*\n"},
        {"events", {"events"}, "StatusChanged\nConsumableChanged\n(.+\n)+"},
        {"subscribe",
         {"subscribe", "--event", "StatusChanged", "--cookie", "a<&>'\"b", "--reliability", "Retry",
          "--filter", "Color=Black", "--fallback", "http://127.0.0.1:9/EventCallback"},
         "\\S+\n"},
        {"set-data", {"set-data", "-"}, ""},
    };
    const std::string document =
        "<dd:Printer xmlns:dd=\"http://schemas.orvanta.example/schemas/imaging/con/"
        "dictionaries/1.0/\"><dd:Identity><dd:Location>Room 7</dd:Location></dd:Identity>"
        "</dd:Printer>";
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceProcess device;
        ASSERT_TRUE(device.Running());
        const RunResult run = KavelinAt(device, c.arguments, document);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(c.stdoutPattern))) << run.out;
        const std::vector<std::string> operations = device.Operations();
        ASSERT_GE(operations.size(), 3u);
        EXPECT_EQ(operations.front(), "StartSession");
        EXPECT_EQ(operations.back(), "EndSession");
    }
}

TEST_F(KavelinProgram, WrittenDataAndSubscriptionsLastOnTheDeviceBetweenRuns) {
    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    const std::string document =
        "<dd:Printer xmlns:dd=\"http://schemas.orvanta.example/schemas/imaging/con/"
        "dictionaries/1.0/\"><dd:Identity><dd:Location>Room &amp; 7</dd:Location>"
        "</dd:Identity></dd:Printer>";
    ASSERT_EQ(KavelinAt(device, {"set-data", "-", "--results-details"}, document).exitCode, 0);
    EXPECT_EQ(KavelinAt(device, {"get-data", "string(//dd:Location)", "--prefix", kDictionary}).out,
              "Room & 7\n");

    const RunResult subscribed =
        KavelinAt(device, {"subscribe", "--event", "MediaChanged", "--fallback", "http://x/cb"});
    ASSERT_EQ(subscribed.exitCode, 0) << subscribed.err;
    const std::string id = subscribed.out.substr(0, subscribed.out.size() - 1);
    const RunResult unsubscribed = KavelinAt(device, {"unsubscribe", id});
    EXPECT_EQ(unsubscribed.exitCode, 0) << unsubscribed.err;
    EXPECT_THAT(unsubscribed.out, IsEmpty());
    EXPECT_EQ(KavelinAt(device, {"unsubscribe", id}).exitCode, 1) << "cancelled twice";
}

TEST_F(KavelinProgram, AFailedExchangeIsRetriedInAFreshSession) {
    DeviceProcess device({"--fail", "GetData:1"});
    ASSERT_TRUE(device.Running());
    const RunResult run =
        KavelinAt(device, {"get-data", "string(//dd:Status/dd:State)", "--prefix", kDictionary});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Idle\n");
    EXPECT_EQ(device.Operations(),
              (std::vector<std::string>{"StartSession", "GetData", "EndSession", "StartSession",
                                        "GetData", "EndSession"}));
}

struct FailureCase {
    const char* name;
    std::vector<std::string> deviceArguments;
    std::vector<std::string> arguments;
    const char* failureText;
};

TEST_F(KavelinProgram, FailedOperationsExitWithOneAndTheFailureTextAndCode) {
    const std::vector<FailureCase> cases = {
        {"both exchanges fail", {"--fail", "GetData:2"}, {"get-data", "/"}, "Get Data Failed!!!"},
        {"device rejects the path", {}, {"get-data", "//undeclared:x"}, "Get Data Failed!!!"},
        {"unknown subscription", {}, {"unsubscribe", "no-such-id"}, "Unsubscribe Failed!!!"},
        {"no delivery address",
         {},
         {"subscribe", "--event", "StatusChanged"},
         "Subscribe Failed!!!"},
        {"session refused", {"--fail", "StartSession:5"}, {"events"}, "StartSession Failed!!!"},
        {"empty document", {}, {"set-data", "-"}, "Set Data Failed!!!"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceProcess device(c.deviceArguments);
        ASSERT_TRUE(device.Running());
        const RunResult run = KavelinAt(device, c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_THAT(run.out, IsEmpty());
        EXPECT_THAT(run.err, HasSubstr(c.failureText));
        EXPECT_THAT(run.err, HasSubstr("0x80004005"));
    }
}

struct UsageCase {
    std::vector<std::string> arguments;
    const char* message;
};

TEST_F(KavelinProgram, UsageErrorsExitWithTwoBeforeAnyDeviceIsContacted) {
    const std::vector<UsageCase> cases = {
        {{}, "no command given"},
        {{"print"}, "unknown command 'print'"},
        {{"get-data"}, "get-data takes one XPath expression"},
        {{"get-data", "/", "--prefix", "nameonly"}, "--prefix needs PREFIX=NAMESPACE"},
        {{"get-data", "/", "--prefix", "=urn:x"}, "--prefix needs PREFIX=NAMESPACE"},
        {{"get-data", "/", "--prefix", "a=b", "--prefix-map", "f"}, "exclude each other"},
        {{"subscribe"}, "subscribe needs --event NAME or --info FILE"},
        {{"subscribe", "--event", "E", "--reliability", "retry"}, "--reliability is one of"},
        {{"events", "--repeat", "0"}, "--repeat needs a whole number"},
        {{"events", "--url"}, "--url needs a value"},
        {{"events", "--results-details"}, "unknown option --results-details"},
        {{"set-data", "/nonexistent/doc.xml"}, "cannot read /nonexistent/doc.xml"},
        {{"events", "--registry", "/nonexistent.reg"}, "cannot read registry file"},
        {{"subscribe", "--event", std::string("a\x01") + "b", "--fallback", "x"},
         "control character"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.message);
        // A URL nobody listens on: reaching it would fail with 1, not 2.
        std::vector<std::string> arguments = c.arguments;
        mEnvironment.set["KAVELIN_URL"] = "http://127.0.0.1:1/";
        const RunResult run = Kavelin(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_THAT(run.out, IsEmpty());
    }
}

TEST_F(KavelinProgram, HelpGoesToStandardOutputForTheProgramAndEachCommand) {
    for (const char* command :
         {"", "get-data", "set-data", "settable", "events", "subscribe", "unsubscribe"}) {
        SCOPED_TRACE(command);
        std::vector<std::string> arguments = {"--help"};
        if (*command != '\0')
            arguments.insert(arguments.begin(), command);
        const RunResult run = Kavelin(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_THAT(run.out, HasSubstr(std::string("usage: kavelin ") + command));
    }
}

TEST_F(KavelinProgram, PlaybackAnswersFromTheSampleResponsesAndSendsNothing) {
    // Over HTTP the connection is still made, so a device is there to take it and must see
    // no request; without a URL, playback needs no device at all.
    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    const std::vector<std::vector<std::string>> urls = {{"--url", device.Url()}, {}};
    for (const std::vector<std::string>& url : urls) {
        SCOPED_TRACE(url.empty() ? "no URL" : "HTTP URL");
        std::vector<std::string> quietArguments = url;
        quietArguments.insert(quietArguments.end(), {"--playback", "events"});
        const RunResult quiet = Kavelin(quietArguments);
        EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
        EXPECT_THAT(quiet.out, HasSubstr("StatusChanged\n"));
        EXPECT_THAT(quiet.err, IsEmpty()) << "the log of a quiet playback goes to a file";

        std::vector<std::string> verboseArguments = url;
        verboseArguments.insert(verboseArguments.end(), {"--playback", "-v", "get-data", "/"});
        const RunResult verbose = Kavelin(verboseArguments);
        EXPECT_EQ(verbose.exitCode, 0);
        EXPECT_THAT(verbose.out, HasSubstr("black-toner"));
        EXPECT_THAT(verbose.err, HasSubstr("SoapOut >>"));
        EXPECT_THAT(verbose.err, HasSubstr("IXDMAccessSoap::GetData - Enter"));
    }
    EXPECT_THAT(device.Operations(), IsEmpty());
}

TEST_F(KavelinProgram, AnAnswerThatCannotBeWrittenExitsWithOne) {
    // The shell hands the program a standard output on which every write fails.
    const RunResult run = RunProgram(
        "/bin/sh",
        {"-c", "exec \"$0\" \"$@\" >/dev/full", KAVELIN_CLI_PROGRAM, "--playback", "get-data", "/"},
        mEnvironment);
    EXPECT_EQ(run.exitCode, 1) << run.err;
}

TEST_F(KavelinProgram, WithoutAUrlTheBuiltInDeviceAnswers) {
    const RunResult run = Kavelin({"get-data", "string(//dd:Model)", "--prefix", kDictionary});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Plotara C4250dn\n");
}

TEST_F(KavelinProgram, RepeatRunsTheOperationOnOneProxyAndOneSession) {
    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    const RunResult run = KavelinAt(device, {"--repeat", "3", "-v", "settable"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("IXDMAccessSoap::GetSettable - Exit"));
    EXPECT_EQ(device.Operations(),
              (std::vector<std::string>{"StartSession", "GetSettable", "GetSettable", "GetSettable",
                                        "EndSession"}));
}

TEST_F(KavelinProgram, RegistryFilesGivenOnTheCommandLineConfigureTheLibrary) {
    const std::string registry = mFolder + "/log.reg";
    std::ofstream(registry) << "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\r\n"
                               "@=\"debug,3\"\r\n";
    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    const RunResult run = KavelinAt(device, {"--registry", registry, "events"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.err, HasSubstr("OVCOM.Kavelin::"));
    EXPECT_THAT(run.err, Not(HasSubstr(" - Enter"))) << "level 3 leaves out entry lines";
}

TEST_F(KavelinProgram, AnInstalledTreeLoadsItsOwnLibraryAndPlaysBackItsOwnAnswers) {
    const std::string prefix = mFolder + "/prefix";
    const RunResult install =
        RunProgram(KAVELIN_CMAKE_COMMAND, {"--install", KAVELIN_BUILD_DIR, "--prefix", prefix},
                   mEnvironment, {}, std::chrono::seconds(120));
    ASSERT_EQ(install.exitCode, 0) << install.err;
    for (const char* file : {"/include/kavelin/Kavelin.h", "/bin/kavelin-device",
                             "/lib/SoapMsgs/GetSupportedEventsRes.txt"})
        EXPECT_TRUE(std::filesystem::exists(prefix + file)) << file;

    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    mEnvironment.set["LD_DEBUG"] = "files"; // the loader names every file it loads
    const RunResult run = RunProgram(prefix + "/bin/kavelin",
                                     {"--url", device.Url(), "--playback", "events"}, mEnvironment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, HasSubstr("StatusChanged\n"));
    EXPECT_THAT(run.err, HasSubstr("file=" + prefix + "/bin/../lib/libkavelin.so.0"));
    EXPECT_THAT(device.Operations(), IsEmpty());
}

} // namespace
} // namespace e2e
