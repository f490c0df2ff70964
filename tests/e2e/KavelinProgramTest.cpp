// The kavelin program against the kavelin-device program: real processes, real sockets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "support/CannedServer.h"
#include "support/ChildProcess.h"
#include "support/DeviceProcess.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace kavelin_test {
namespace {

using ::testing::AllOf;
using ::testing::AnyOf;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr char kDictionary[] = "dd=http://schemas.orvanta.example/schemas/imaging/con/"
                               "dictionaries/1.0/";

// A printer document holding `inner`.
std::string Printer(const std::string& inner) {
    return std::string("<dd:Printer xmlns:dd=\"") + (kDictionary + 3) + "\">" + inner +
           "</dd:Printer>";
}

// Children see an empty registry and no device named in their environment, whatever the
// machine running the tests has configured.
class KavelinProgram : public ::testing::Test {
protected:
    void SetUp() override {
        mRegistry = mFolder + "/empty.reg";
        std::ofstream(mRegistry).flush();
        mEnvironment.set["KAVELIN_REGISTRY"] = mRegistry;
        // The logs a failed playback keeps land here and go with the folder.
        mEnvironment.set["TMPDIR"] = mFolder;
        mEnvironment.unset = {"KAVELIN_URL", "KAVELIN_LIBRARY", "OVXORB_SOAP_SERVICE_PORT"};
    }

    RunResult Kavelin(std::vector<std::string> arguments, const std::string& input = {}) {
        return RunProgram(KAVELIN_CLI_PROGRAM, arguments, mEnvironment, input);
    }
    RunResult KavelinAt(const DeviceProcess& device, std::vector<std::string> arguments,
                        const std::string& input = {}, int seconds = 30) {
        EXPECT_TRUE(device.Running());
        arguments.insert(arguments.begin(), {"--url", device.Url()});
        return RunProgram(KAVELIN_CLI_PROGRAM, arguments, mEnvironment, input,
                          std::chrono::seconds(seconds));
    }

    const ScratchFolder mScratch{"kavelin-e2e"};
    const std::string mFolder = mScratch.Path();
    std::string mRegistry;
    ChildEnvironment mEnvironment;
};

// The words of `text`, split at spaces.
std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST_F(KavelinProgram, WrittenDataAndSubscriptionsLastOnTheDeviceBetweenRuns) {
    DeviceProcess device;
    const std::string document =
        Printer("<dd:Identity><dd:Location>Room &amp; 7</dd:Location></dd:Identity>");
    ASSERT_EQ(KavelinAt(device, {"set-data", "-", "--results-details"}, document).exitCode, 0);
    EXPECT_EQ(KavelinAt(device, {"get-data", "string(//dd:Location)", "--prefix", kDictionary}).out,
              "Room & 7\n");

    const RunResult subscribed =
        KavelinAt(device, {"subscribe", "--event", "MediaChanged", "--fallback", "http://x/cb"});
    const RunResult unsubscribed = KavelinAt(device, {"unsubscribe", Words(subscribed.out).at(0)});
    EXPECT_EQ(unsubscribed.exitCode, 0) << unsubscribed.err;
    EXPECT_THAT(unsubscribed.out, IsEmpty());
}

// Each command answers from the device inside one session it ends; repeats and several
// expressions share it; a failed exchange is retried in a new one.
TEST_F(KavelinProgram, EachRunHoldsTheSessionsItNeedsAndNoMore) {
    const std::string state = std::string("string(//dd:Status/dd:State) --prefix ") + kDictionary;
    const std::tuple<std::string, std::string, const char*, std::string> cases[] = {
        // The device's words, the command's words, its output (a regular expression), operations.
        {"", "get-data " + state, "Idle\n", "GetData"},
        {"", "get-data count(//*[local-name()='Consumable'])", "5\n", "GetData"},
        {"", "settable", "(.|\n)*Path(.|\n)*\n", "GetSettable"},
        {"", "events", "StatusChanged\nConsumableChanged\n(.+\n)+", "GetSupportedEvents"},
        {"",
         "subscribe --event StatusChanged --cookie a<&>'\"b --reliability Retry --filter "
         "Color=Black --fallback http://127.0.0.1:9/EventCallback",
         "\\S+\n", "Subscribe"},
        {"", "set-data -", "", "SetData"},
        {"", "--repeat 3 settable", "(.|\n)*", "GetSettable GetSettable GetSettable"},
        {"", "get-data / count(/*) string(/)", "(.|\n)*", "GetData GetData GetData"},
        {"--fail GetData:1", "get-data " + state, "Idle\n",
         "GetData EndSession StartSession GetData"},
        {"--twice GetData:1", "get-data " + state, "Idle\n", "GetData"},
    };
    const std::string document =
        Printer("<dd:Identity><dd:Location>Room 7</dd:Location></dd:Identity>");
    for (const auto& [deviceWords, command, output, operations] : cases) {
        SCOPED_TRACE(command);
        DeviceProcess device(Words(deviceWords));
        const RunResult run = KavelinAt(device, Words(command), document);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(output))) << run.out;
        EXPECT_EQ(device.Operations(), Words("StartSession " + operations + " EndSession"));
    }
}

TEST_F(KavelinProgram, FailedOperationsExitWithOneAndTheFailureTextCodeAndCause) {
    const std::string readOnly = Printer("<dd:Identity><dd:Model>X</dd:Model></dd:Identity>");
    const std::string unloadable = mFolder + "/map.xml";
    std::ofstream(unloadable) << "<PrefixMap>";
    const std::string fault = "the device answered with a Fault: ";
    const std::string stream = "ovdcs:unix" + mFolder + "/nobody.sock";
    const struct {
        std::string device, arguments, input; // words, words, standard input
        const char* failure;                  // before " Failed!!!"
        std::string cause;                    // what follows the text and code
        int seconds = 30;                     // the run ends by then
    } cases[] = {
        {"", "get-data //dd:[", "", "Get Data", fault + "invalid XPath expression: //dd:["},
        {"", "get-data count(//dd:Tray)", "", "Get Data", fault + "unknown namespace prefix 'dd'"},
        {"", "set-data -", readOnly, "Set Data",
         fault + "element is not settable: /dd:Printer/dd:Identity/dd:Model"},
        {"", "--url http://127.0.0.1:1/ events", "", "StartSession",
         "the device refused the connection"},
        {"", "--url " + stream + " events", "", "StartSession",
         "the data stream did not open: " + stream + ": No such file or directory"},
        {"--delay 5000", "--timeout 1 settable", "", "StartSession", "timed out after 1 s", 4},
        {"--delay 5000", "--max-time 2 settable", "", "StartSession", "timed out after 2 s", 8},
        {"--drip GetData:2", "--max-time 2 get-data /", "", "Get Data", "timed out after 2 s"},
        {"--oversize GetData:2", "get-data /", "", "Get Data",
         "the answer was too large (over 67108864 bytes)"},
        {"", "unsubscribe no-such-id", "", "Unsubscribe",
         fault + "no such subscription: no-such-id"},
        {"", "subscribe --event StatusChanged", "", "Subscribe",
         fault + "Subscribe without a delivery address"},
        {"", "get-data / --prefix-map " + unloadable, "", "Get Data",
         "the prefix map did not load"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments + " " + c.cause);
        DeviceProcess device(Words(c.device));
        const RunResult run = KavelinAt(device, Words(c.arguments), c.input, c.seconds);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_THAT(run.out, IsEmpty());
        EXPECT_THAT(run.err, HasSubstr(std::string("kavelin: ") + c.failure +
                                       " Failed!!! (code 0x80004005): " + c.cause));
    }
}

TEST_F(KavelinProgram, GetDataPrintsTheAnswerAsSentOrOneNodeALine) {
    const char* trayNames = "//dd:Tray/dd:Name";
    const std::string element = std::string("<dd:Name xmlns:dd=\"") + (kDictionary + 3) + "\">";
    const std::string joined = element + "Multipurpose tray</dd:Name>" + element +
                               "Tray 2</dd:Name>" + element + "Tray 3</dd:Name>\n";
    const std::string lines = element + "Multipurpose tray</dd:Name>\n" + element +
                              "Tray 2</dd:Name>\n" + element + "Tray 3</dd:Name>\n";
    // (the expressions and options, the output, the exit code)
    const std::tuple<std::vector<std::string>, std::string, int> cases[] = {
        {{trayNames}, joined, 0},
        {{trayNames, "--lines"}, lines, 0},
        {{trayNames, "--text"}, "Multipurpose tray\nTray 2\nTray 3\n", 0},
        {{"string(//dd:Model)", "--lines"}, "Plotara C4250dn\n", 0},
        {{"//dd:Model", "--text"}, "Plotara C4250dn\n", 0},
        {{"//dd:Nothing", "--lines"}, "", 0},
        {{"//dd:Nothing", "--text", "--fail-empty"}, "", 3},
        {{"string(//dd:Model)", "--fail-empty"}, "Plotara C4250dn\n", 0},
        // Text, not markup: neither splits it nor resolves its references.
        {{"concat('a &amp; b <c>', '')", "--text"}, "a &amp; b <c>\n", 0},
        {{"concat('<c> &lt;', '')", "--lines"}, "<c> &lt;\n", 0},
        {{"string(//dd:Model)", "count(//dd:Tray)"}, "Plotara C4250dn\n3\n", 0},
        {{"count(/*)", "/dd:None", "count(/*)"}, "1\n\n1\n", 0},
        {{"string(//dd:Model)", "//dd:[", "/"}, "Plotara C4250dn\n", 1},
    };
    DeviceProcess device;
    for (auto [arguments, out, exitCode] : cases) {
        SCOPED_TRACE(arguments[0] + " " + out);
        arguments.insert(arguments.begin(), {"get-data", "--prefix", kDictionary});
        const RunResult run = KavelinAt(device, arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        EXPECT_EQ(run.out, out);
    }
}

TEST_F(KavelinProgram, UsageErrorsExitWithTwoBeforeAnyDeviceIsContacted) {
    const struct {
        std::string arguments; // words
        const char* message;
        std::string setting = {}; // NAME=value in the environment, over a URL nobody listens on
        std::string input = {};
    } cases[] = {
        {"", "no command given"},
        {"print", "unknown command 'print'"},
        {"get-dta /", "unknown command 'get-dta' (did you mean get-data?)"},
        {"get-data / --prefx a=b", "unknown option --prefx (did you mean --prefix?)"},
        {"events", "no device named: give --url URL, set $KAVELIN_URL, or use --simulate",
         "KAVELIN_URL="},
        {"events", "$KAVELIN_URL '127.0.0.1:28909': it has no scheme",
         "KAVELIN_URL=127.0.0.1:28909"},
        {"get-data / --lines --text", "--lines and --text exclude each other"},
        {"get-data / --text --lines", "--lines and --text exclude each other"},
        {"events --timeout 0", "--timeout needs a whole number from 1 to 86400"},
        {"subscribe --event E", "$OVXORB_SOAP_SERVICE_PORT 'abc' is not a port number",
         "OVXORB_SOAP_SERVICE_PORT=abc"},
        {"get-data", "get-data takes one or more XPath expressions"},
        {"get-data / --json --text", "--json excludes --text"},
        {"get-data / --prefix nameonly", "--prefix needs PREFIX=NAMESPACE"},
        {"get-data / --prefix =urn:x", "--prefix needs PREFIX=NAMESPACE"},
        {"get-data / --prefix a=b --prefix-map f", "exclude each other"},
        {"subscribe", "subscribe needs --event NAME or --info FILE"},
        {"subscribe --event E --reliability retry", "--reliability is one of"},
        {"events --repeat 0", "--repeat needs a whole number"},
        {"events --url", "--url needs a value"},
        {"events --url 127.0.0.1:28909", "it has no scheme; give http://host[:port]/path"},
        {"events --url htp://127.0.0.1/", "its scheme is not supported"},
        {"events --url https://127.0.0.1/", "HTTPS is not supported"},
        {"events --url http://:80/", "it names no host"},
        {"events --url http://127.0.0.1:0/", "its port is not a number from 1 to 65535"},
        {"events --results-details", "unknown option --results-details"},
        {"set-data /nonexistent/doc.xml", "cannot read /nonexistent/doc.xml"},
        // Documents are read up to a bound: an endless input is refused, not held in memory.
        {"set-data /dev/zero", "/dev/zero is larger than 67108864 bytes"},
        {"get-data / --prefix-map /dev/zero", "/dev/zero is larger than 67108864"},
        {"subscribe --info /dev/zero", "/dev/zero is larger than 67108864 bytes"},
        {"set-data -", "standard input is larger than 67108864 bytes", "",
         std::string(64 * 1024 * 1024 + 1, ' ')},
        {"events --registry /nonexistent.reg", "cannot read registry file"},
        {"subscribe --event a\001b --fallback x", "control character"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ChildEnvironment environment = mEnvironment;
        environment.set["KAVELIN_URL"] = "http://127.0.0.1:1/"; // reaching it would exit with 1
        const size_t equals = c.setting.find('=');
        if (equals != std::string::npos)
            environment.set[c.setting.substr(0, equals)] = c.setting.substr(equals + 1);
        const RunResult run =
            RunProgram(KAVELIN_CLI_PROGRAM, Words(c.arguments), environment, c.input);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_THAT(run.err, HasSubstr("Try 'kavelin "));
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 3) << run.err;
        EXPECT_THAT(run.out, IsEmpty());
    }
}

TEST_F(KavelinProgram, JsonOutputParsesAndHoldsWhatThePlainOutputHolds) {
    const std::tuple<std::string, std::string, const char*> cases[] = {
        // The command's words; what --json replaces; Python over `v`, the JSON values printed
        // one a line, giving the plain run's output, or its standard error for a failure
        // (each(key, objects) puts each object's `key` on a line).
        {"get-data //dd:Tray/dd:Name", "--lines", "each('markup', v[0]['nodes'])"},
        {"get-data //dd:Tray/dd:Name", "--text", "each('text', v[0]['nodes'])"},
        {"get-data count(/*) //dd:Tray/@id", "", "each('answer', v[0])"},
        {"settable", "--lines", "each('text', v[0]['nodes'])"},
        {"events", "", "''.join(e + '\\n' for e in v)"},
        {"get-data //dd:[", "", "'kavelin: %(failure)s (code %(code)s): %(cause)s\\n' % v[0]"},
    };
    DeviceProcess device;
    const auto parsed = [&](const std::string& json, const std::string& expression) {
        return RunProgram("/usr/bin/python3",
                          {"-c", "import json, sys\nv = [json.loads(line) for line in "
                                 "sys.stdin.read().split('\\n')[:-1]]\neach = lambda key, xs: "
                                 "''.join(x[key] + '\\n' for x in xs)\nprint(" +
                                     expression + ", end='')"},
                          mEnvironment, json);
    };
    for (const auto& [command, plainOnly, plain] : cases) {
        SCOPED_TRACE(command + " " + plainOnly);
        const std::string words =
            command +
            (command.starts_with("get-data") ? " --prefix " + std::string(kDictionary) : "");
        const RunResult plainRun = KavelinAt(device, Words(words + " " + plainOnly));
        const RunResult json = KavelinAt(device, Words(words + " --json"));
        EXPECT_EQ(json.exitCode, plainRun.exitCode);
        const RunResult rebuilt = parsed(plainRun.exitCode == 0 ? json.out : json.err, plain);
        EXPECT_EQ(rebuilt.exitCode, 0) << rebuilt.err;
        EXPECT_EQ(rebuilt.out, plainRun.exitCode == 0 ? plainRun.out : plainRun.err);
    }
    // Ids differ from run to run: the one subscribe --json prints is the one cancelled.
    const RunResult subscribed = KavelinAt(
        device, {"--json", "subscribe", "--event", "StatusChanged", "--fallback", "http://x/cb"});
    const std::string id = parsed(subscribed.out, "v[0]['subscription']").out;
    EXPECT_THAT(id, ::testing::StartsWith("subscription-"));
    EXPECT_EQ(KavelinAt(device, {"--json", "unsubscribe", id}).out,
              "{\"subscription\":\"" + id + "\",\"cancelled\":true}\n");
}

TEST_F(KavelinProgram, TraceShowsEachRequestAndAnswerWholeAsTheyCrossedTheWire) {
    std::vector<std::string> answers;
    for (const std::string name : {"StartSession", "GetSupportedEvents", "EndSession"})
        answers.push_back(FileText(KAVELIN_SAMPLE_ANSWERS "/" + name + "Res.txt"));
    // A device's control characters are shown as escapes, not sent to the terminal.
    const size_t server = answers[1].find("kavelin-device");
    ASSERT_NE(server, std::string::npos);
    answers[1].replace(server, 14, "kav\x1b[2J-device");
    const auto expected = [&](const std::vector<std::string>& requests) {
        std::string trace;
        for (size_t i = 0; i < requests.size() && i < answers.size(); ++i) {
            std::string answer = answers[i];
            if (i == 1)
                answer.replace(server, 14, "kav\\x1b[2J-device");
            trace += "kavelin: trace: request, " + std::to_string(requests[i].size()) +
                     " bytes:\n" + requests[i] + "\nkavelin: trace: answer, " +
                     std::to_string(answers[i].size()) + " bytes:\n" + answer + "\n";
        }
        return trace;
    };
    for (const std::string& unixPath : {std::string(), mFolder + "/device.sock"}) {
        CannedServer device(answers, unixPath);
        const std::string url =
            unixPath.empty() ? device.Url("/BaseService") : "ovdcs:unix" + unixPath;
        const RunResult run = Kavelin({"--trace", "--url", url, "events"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(device.Requests().size(), 3u);
        EXPECT_EQ(run.err, expected(device.Requests()));
    }
}

TEST_F(KavelinProgram, BothProgramsTellTheirVersionAndHaveHelpManualPagesAndCompletion) {
    for (const char* program : {KAVELIN_CLI_PROGRAM, KAVELIN_DEVICE_PROGRAM}) {
        const RunResult version = RunProgram(program, {"--version"}, mEnvironment);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_THAT(version.out, HasSubstr("libxml2 2."));
    }
    const RunResult deviceHelp = RunProgram(KAVELIN_DEVICE_PROGRAM, {"--help"}, mEnvironment);
    EXPECT_EQ(deviceHelp.exitCode, 0);
    EXPECT_THAT(deviceHelp.out, HasSubstr("  --port N "));
    for (const std::string page : {"kavelin.1", "kavelin-device.1"}) {
        const RunResult man =
            RunProgram("/usr/bin/man", {"-l", KAVELIN_MAN_DIR "/" + page}, mEnvironment);
        EXPECT_EQ(man.exitCode, 0) << man.err;
        EXPECT_THAT(man.out, HasSubstr("SYNOPSIS"));
    }
    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    const auto offered = [&](std::vector<std::string> words) {
        words.insert(words.begin(), {"-c",
                                     "source " KAVELIN_COMPLETION "; COMP_WORDS=(\"$@\"); "
                                     "COMP_CWORD=$(($# - 1)); _kavelin; echo \"${COMPREPLY[*]}\"",
                                     "bash", KAVELIN_CLI_PROGRAM});
        return RunProgram("/bin/bash", words, mEnvironment).out;
    };
    EXPECT_EQ(offered({""}), "get-data set-data settable events subscribe unsubscribe watch\n");
    EXPECT_EQ(offered({"--url", device.Url(), "watch", "--event", "Status"}), "StatusChanged\n");
    // Help goes to standard output, for the program and each command.
    for (const std::string command :
         {"", "get-data", "set-data", "settable", "events", "subscribe", "unsubscribe"}) {
        SCOPED_TRACE(command);
        const RunResult run = Kavelin(Words(command + " --help"));
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_THAT(run.out, HasSubstr("usage: kavelin " + command));
    }
}

// Without a URL, playback needs no device at all (the installed tree's run plays back over
// HTTP with a device that must see nothing).
TEST_F(KavelinProgram, PlaybackAnswersFromTheSampleResponsesAndSendsNothing) {
    const RunResult quiet = Kavelin({"--playback", "events"});
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_THAT(quiet.out, HasSubstr("StatusChanged\n"));
    EXPECT_THAT(quiet.err, IsEmpty()) << "the log of a quiet playback goes to a file";
    const RunResult verbose = Kavelin({"--playback", "-v", "get-data", "/"});
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_THAT(verbose.out, HasSubstr("black-toner"));
    EXPECT_THAT(verbose.err,
                AllOf(HasSubstr("SoapOut >>"), HasSubstr("IXDMAccessSoap::GetData - Enter")));
}

TEST_F(KavelinProgram, AnAnswerThatCannotBeWrittenExitsWithOne) {
    // The shell hands the program a standard output on which every write fails.
    const RunResult run = RunProgram(
        "/bin/sh",
        {"-c", "exec \"$0\" \"$@\" >/dev/full", KAVELIN_CLI_PROGRAM, "--playback", "get-data", "/"},
        mEnvironment);
    EXPECT_EQ(run.exitCode, 1) << run.err;
}

TEST_F(KavelinProgram, SimulateStartsTheBuiltInDeviceAndSaysSoUnlessQuiet) {
    const RunResult run =
        Kavelin({"--simulate", "get-data", "string(//dd:Model)", "--prefix", kDictionary});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Plotara C4250dn\n");
    EXPECT_EQ(run.err,
              "kavelin: using a built-in simulated device; it keeps nothing after this run\n");
    EXPECT_THAT(Kavelin({"-q", "--simulate", "events"}).err, IsEmpty());
}

TEST_F(KavelinProgram, AnInterruptedRunRemovesItsTemporaryFolder) {
    DeviceProcess device({"--delay", "5000"});
    ASSERT_TRUE(device.Running());
    const std::string folder = mFolder + "/interrupted";
    std::filesystem::create_directory(folder);
    // The spawned child inherits this process's environment.
    setenv("TMPDIR", folder.c_str(), 1);
    setenv("KAVELIN_REGISTRY", mRegistry.c_str(), 1);
    const std::optional<int> child = SpawnProgram(
        KAVELIN_CLI_PROGRAM, {"-v", "--url", device.Url(), "events"}, mFolder + "/interrupted.out");
    unsetenv("TMPDIR");
    unsetenv("KAVELIN_REGISTRY");
    ASSERT_TRUE(child);
    // The run waits for the slow device, its log's registry file in place.
    for (int i = 0; i < 100 && std::filesystem::is_empty(folder); ++i)
        usleep(20000);
    ASSERT_FALSE(std::filesystem::is_empty(folder));
    StopChild(*child);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(KavelinProgram, TheDeviceProgramNamesEachRefusal) {
    DeviceProcess device;
    ASSERT_TRUE(device.Running());
    const std::string port = device.Url().substr(17, device.Url().find('/', 17) - 17);
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> refused = {
        {{"--no-such-option"}, 2, "unknown option --no-such-option"},
        {{"--drip", "GetData"}, 2, "--drip needs OP:N, got 'GetData'"},
        {{"--fail", "NoSuchOp:1"}, 2, "--fail: 'NoSuchOp' is not an operation of this device"},
        {{"--data", "/dev/zero"}, 2, "/dev/zero is larger than 67108864 bytes"},
        {{"--data", "/nonexistent"}, 2, "cannot read /nonexistent: No such file or directory"},
        {{"--port", port}, 1, "cannot start on 127.0.0.1:" + port + ": "}};
    for (const auto& [arguments, exitCode, message] : refused) {
        const RunResult run = RunProgram(KAVELIN_DEVICE_PROGRAM, arguments, mEnvironment);
        EXPECT_EQ(run.exitCode, exitCode) << arguments[0];
        EXPECT_THAT(run.err, HasSubstr("kavelin-device: " + message));
    }
}

// The library still loads and works; the host names each unusable file once.
TEST_F(KavelinProgram, ARegistryFileThatIsNoRegularFileIsNoFileWithOneLine) {
    const std::string fifo = mFolder + "/fifo.reg";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = mFolder + "/huge.reg";
    std::ofstream(huge) << std::string(4 * 1024 * 1024 + 1, '\n');
    for (const std::string& file : {mFolder, fifo, std::string("/dev/zero"), huge}) {
        for (const bool onCommandLine : {true, false}) {
            SCOPED_TRACE(file + (onCommandLine ? " given with --registry" : " in the environment"));
            mEnvironment.set["KAVELIN_REGISTRY"] = mRegistry + (onCommandLine ? "" : ":" + file);
            const RunResult run =
                Kavelin(Words((onCommandLine ? "--registry " + file : "") +
                              " --simulate get-data string(//dd:Model) --prefix " + kDictionary));
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.out, "Plotara C4250dn\n");
            const std::string line = "kavelin: registry file " + file + " is ";
            const size_t first = run.err.find(line);
            EXPECT_NE(first, std::string::npos) << run.err;
            EXPECT_EQ(run.err.find(line, first + 1), std::string::npos) << run.err;
        }
    }
}

TEST_F(KavelinProgram, ALogSettingThatLeavesTheLogOffIsWarnedAboutOnce) {
    const std::string writable = mFolder + "/kavelin.log";
    // Nobody reads it: a check that waited for a reader would never end.
    const std::string fifo = mFolder + "/reader-less.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = mFolder + "/link.log";
    std::filesystem::create_symlink(writable, link);
    const std::string refused =
        " is not a regular file (a link, device, FIFO or folder is refused)";
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"bogus,5", "it is not console,<level>, debug,<level> or file,<path>,<level>"},
        {"debug,x", "its level is not a number above 0"},
        {"file,/nonexistent/folder/x.log,5",
         "the file /nonexistent/folder/x.log cannot be opened: No such file or directory"},
        {"file," + fifo + ",5", "the file " + fifo + refused},
        {"file," + link + ",5", "the file " + link + refused},
        {"file," + writable + ",5", std::nullopt},
        {"debug,3", std::nullopt},
    };
    const std::string registry = mFolder + "/log.reg";
    for (const auto& [value, problem] : cases) {
        SCOPED_TRACE(value);
        kavelin_test::WriteRegistryFile(
            registry, std::string("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-"
                                  "Infra]\r\n\"OVCOM.Kavelin\"=\"") +
                          value + "\"\r\n");
        const RunResult run = Kavelin({"-q", "--simulate", "--registry", registry, "events"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        if (!problem) {
            // Level 3 leaves out entry lines; a file keeps the lines off standard error.
            EXPECT_EQ(run.err.find("OVCOM.Kavelin::") != std::string::npos, value == "debug,3");
            EXPECT_THAT(run.err, Not(AnyOf(HasSubstr("warning"), HasSubstr(" - Enter"))));
        } else {
            EXPECT_EQ(run.err, "kavelin: warning: the log setting \"" + value +
                                   "\" leaves the library's log off: " + *problem + "\n");
        }
    }
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
} // namespace kavelin_test
