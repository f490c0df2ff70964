#include "LogTestSupport.h"

#include "os/kernel/LastError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <tuple>

namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST_F(LogTest, ConfigurationValueGrammar) {
    // "value>level destination" rows, the destination by its initial: Console, Debug, File, file
    // With a limit, Off. Only a regular file: the file a link names would become everyone's.
    std::istringstream rows(
        "Console,2>2C;debug,3>3D;DEBUG,3,trailing,text>3D;console,133>133C;file,{log},5>5F;"
        "File,{log},512,5>5W;file,{log},512,5,more>5W;5>0O;file,{log}>0O;file,{log},>0O;"
        "printer,3>0O;>0O;file,{dir}/missing/x.log,5>0O;file,{dir}/link.log,5>0O;"
        "file,/dev/null,5>0O;");
    const LogDestination destinations[] = {Console, Debug, File, FileWithLimit, Off};
    std::filesystem::create_symlink(PathOf("x.log"), PathOf("link.log"));
    for (std::string row; std::getline(rows, row, ';');) {
        const size_t split = row.rfind('>');
        const int level = std::stoi(row.substr(split + 1));
        const LogDestination destination = destinations[std::string_view("CDFWO").find(row.back())];
        const auto value = Replace(Replace(row.substr(0, split), "{log}", PathOf("x.log")), "{dir}",
                                   mDir.string());
        ParseLogConfig(value.c_str());
        EXPECT_EQ(CurrentLogLevel(), level) << value;
        if (destination != Off) {
            // Only the destination in use accepts another open.
            EXPECT_EQ(OpenLog(1, destination, nullptr, 0), level) << value;
            const LogDestination other = destination == Console ? Debug : Console;
            EXPECT_EQ(OpenLog(1, other, nullptr, 0), 0) << value;
        }
        CloseFully();
    }
    EXPECT_EQ(CurrentLogLevel(), 0);
    EXPECT_FALSE(PlaybackEnabled());
}

TEST_F(LogTest, ConfigurationLookupOrder) {
    const std::string own = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n";
    const std::string product = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n"
                                "\"Logging-Infra\"=\"console,3\"\n";
    // The case, the registry's text and the level logging starts at.
    using Row = std::tuple<const char*, std::string, uint8_t>;
    const Row cases[] = {
        {"component value", own + "\"OVCOM.Kavelin\"=\"console,4\"\n@=\"console,6\"\n" + product,
         4},
        {"component value, other case", own + "\"ovcom.kavelin\"=\"console,4\"\n", 4},
        {"default value", own + "\"Other.Component\"=\"console,5\"\n@=\"console,6\"\n", 6},
        {"key without a usable value stops the search", own + "\"Other\"=\"console,5\"\n" + product,
         0},
        {"product value", product, 3},
        {"nothing configured", "", 0},
        {"rejected value", own + "@=\"5\"\n", 0},
    };
    for (const auto& [name, text, level] : cases) {
        const kavelin_test::ScopedRegistry registry(text);
        CaptureStdout();
        EXPECT_EQ(StartLogging("OVCOM.Kavelin"), level) << name;
        StopLogging();
        const auto out = GetCapturedStdout();
        const std::string banners = level >= 4 ? "OVCOM.Kavelin:: ---Start Logging---\r\n"
                                                 "OVCOM.Kavelin:: ---End Logging---\r\n"
                                               : "";
        EXPECT_EQ(out, banners) << name;
        EXPECT_EQ(CurrentLogLevel(), 0) << name;
    }
}

// Logging keeps the caller's last error, and a line from another thread still carries the
// process id first.
TEST_F(LogTest, FileLinesCarryThePrefixAndEndWithCrLf) {
    const auto path = PathOf("x.log");
    ASSERT_EQ(OpenLog(5, File, path.c_str(), 0), 5);
    kavelin::os::SetLastErrorCode(1234);
    errno = EDOM;
    Log(3, "IBaseSoap - Constructor");
    EXPECT_EQ(kavelin::os::LastErrorCode(), 1234u);
    EXPECT_EQ(errno, EDOM);
    std::thread([] { Log(5, "ends in a feed: %d\n", 7); }).join();
    Log(6, "above the level");
    CloseLog();
    const auto lines = LinesOf(Read(path));
    ASSERT_EQ(lines.size(), 2u) << Read(path);
    EXPECT_EQ(AfterFilePrefix(lines[0], 3, getpid()), "::IBaseSoap - Constructor\r");
    EXPECT_EQ(AfterFilePrefix(lines[1], 5, getpid()), "::ends in a feed: 7");
}

TEST_F(LogTest, CountedOpenAndClose) {
    CaptureStdout();
    EXPECT_EQ(OpenLog(3, Console, nullptr, 0), 3);
    EXPECT_EQ(OpenLog(6, Console, nullptr, 0), 3) << "a second open keeps the first level";
    EXPECT_EQ(OpenLog(6, Debug, nullptr, 0), 0) << "another destination is refused";
    CloseLog();
    Log(3, "still open");
    CloseLog();
    Log(1, "closed");
    EXPECT_EQ(GetCapturedStdout(), "::still open\r\n");
    EXPECT_EQ(CurrentLogLevel(), 0);
    EXPECT_EQ(OpenLog(2, Off, nullptr, 0), 0);
    EXPECT_EQ(OpenLog(2, File, nullptr, 0), 0) << "a file log needs a path";
    EXPECT_EQ(CurrentLogLevel(), 0);
}

TEST_F(LogTest, StringArgumentsShareTheLine) {
    const std::string longNarrow(2000, 'a');
    const std::u16string longWide(2000, u'w');
    const std::string pad100(98, '.');    // with "%s": a 100-character format
    const std::string pad100Two(96, '.'); // with two "%s": 100 characters as well
    const void* narrow = longNarrow.c_str();
    const void* wide = longWide.c_str();
    // The format, its two arguments, and how many 'a's and 'w's of them the line keeps.
    using Row = std::tuple<std::string, const void*, const void*, long, long>;
    const Row cases[] = {
        {pad100 + "%s", narrow, nullptr, 922, 0},
        {pad100 + "%S", wide, nullptr, 0, 922},
        {pad100Two + "%s%S", narrow, wide, 460, 460},
        {std::string(95, '.') + "%.10s", narrow, nullptr, 10, 0}, // explicit precision wins
        {std::string(96, '.') + "%1s", narrow, nullptr, 1152 - 3 - 2 - 96, 0}, // width: no limit
    };
    for (const auto& [format, first, second, expectedA, expectedW] : cases) {
        CaptureStdout();
        OpenLog(1, Console, nullptr, 0);
        Log(1, format.c_str(), first, second);
        CloseLog();
        const auto out = GetCapturedStdout();
        EXPECT_EQ(std::count(out.begin(), out.end(), 'a'), expectedA) << format;
        EXPECT_EQ(std::count(out.begin(), out.end(), 'w'), expectedW) << format;
        EXPECT_EQ(out.substr(out.size() - 2), "\r\n") << format;
    }
}

TEST_F(LogTest, LongFormatIsCutWithAWarning) {
    const std::string format = std::string(511, 'x') + std::string(89, 'y');
    CaptureStdout();
    OpenLog(1, Console, nullptr, 0);
    Log(1, format.c_str());
    CloseLog();
    EXPECT_EQ(GetCapturedStdout(), "::WARNING!!! LogMessage() format string > 512 chars:" +
                                       std::string(511, 'x') + "\r\n");
}

TEST_F(LogTest, FormattingStaysInsideTheLine) {
    const std::string component(400, 'c');
    const std::u16string wide = u"\U0001F5A8 " + std::u16string(1500, u'\u00E9');
    const std::string narrow(3000, 'n');
    int untouched = 12345;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"many numbers",
         [&] {
             Log(1, "%d %i %ld %lld %hd %hhd %u %lu %llu %zu %jd %f %e %g %Lf %p %x %o %c", 1, 2,
                 3L, 4LL, 5, 6, 7u, 8UL, 18446744073709551615ull, size_t{7}, intmax_t{9}, 1e300,
                 -1e300, 2.5, 1e4000L, static_cast<void*>(&untouched), 255u, 8u, 'z');
         }},
        {"wide padded", [&] { Log(1, "%-1200S|%S", wide.c_str(), wide.c_str()); }},
        {"huge widths", [&] { Log(1, "%1000000d%.1000000f%*d", 1, 2.0, 5000, 3); }},
        {"narrow padded", [&] { Log(1, "%-5000s%5000.4000s", narrow.c_str(), narrow.c_str()); }},
        {"percent and unknown", [&] { Log(1, "100%% %y %"); }},
        {"no write through %n", [&] { Log(1, "%n%s", &untouched, narrow.c_str()); }},
        {"null strings", [&] { Log(1, "%s %S", nullptr, nullptr); }},
    };
    const kavelin_test::ScopedRegistry registry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n@=\"console,1\"\n");
    for (const auto& [name, log] : cases) {
        CaptureStdout();
        ASSERT_EQ(StartLogging(component.c_str()), 1);
        log();
        StopLogging();
        const auto out = GetCapturedStdout();
        EXPECT_LE(out.size(), 1151u) << name;
        EXPECT_EQ(out.substr(0, 261), std::string(259, 'c') + "::") << name;
        EXPECT_EQ(out.substr(out.size() - 2), "\r\n") << name;
    }
    EXPECT_EQ(untouched, 12345);
}

TEST_F(LogTest, TrimKeepsTheLastKilobytesOnAWholeLine) {
    // 600 KB of numbered 100-byte lines.
    std::string original;
    for (int i = 0; original.size() < 600 * 1024; ++i) {
        const auto number = std::to_string(i);
        original += std::string(8 - number.size(), '0') + number + std::string(91, '.') + "\n";
    }
    // Only the first, a limit of 512 KB, trims; no limit, one too large, none at all or one
    // past 32 bits keep the file whole.
    for (const std::string config : {"file,{log},512,5", "file,{log},0,5", "file,{log},2048,5",
                                     "file,{log},5", "file,{log},4294967297,5"}) {
        SCOPED_TRACE(config);
        const bool trimmed = config == "file,{log},512,5";
        const auto path = PathOf("trim.log");
        std::ofstream(path, std::ios::binary) << original;
        ParseLogConfig(Replace(config, "{log}", path).c_str());
        ASSERT_EQ(CurrentLogLevel(), 5);
        Log(1, "last line");
        CloseLog();
        const auto content = Read(path);
        const auto lastLine = content.substr(content.rfind('\n', content.size() - 3) + 1);
        EXPECT_NE(lastLine.find("::last line\r\n"), std::string::npos);
        if (!trimmed) {
            EXPECT_EQ(content.substr(0, original.size()), original);
            continue;
        }
        EXPECT_LE(content.size(), 512u * 1024);
        // The cut falls right after the first line feed of the last 512 KB of the file.
        const size_t grownSize = original.size() + lastLine.size();
        const size_t cut = original.find('\n', grownSize - 512 * 1024) + 1;
        EXPECT_EQ(content, original.substr(cut) + lastLine);
    }
}

// A regular file that takes no more bytes: a child process with a file size limit of 0 (and the
// signal that would end it ignored) logs, its debugger channel (standard error) on a pipe.
TEST_F(LogTest, FailedWriteMovesTheLogToTheDebuggerAndKeepsTheLastError) {
    const auto path = PathOf("full.log");
    const auto [passed, text] = InChild(STDERR_FILENO, [&] {
        // Limited once the log is open: the mutex's own shared file must still grow.
        const bool opened = OpenLog(3, File, path.c_str(), 0) == 3;
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit = {};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &limit);
        kavelin::os::SetLastErrorCode(1234);
        errno = EDOM;
        Log(1, "first");
        Log(1, "second");
        const bool kept = kavelin::os::LastErrorCode() == 1234u && errno == EDOM;
        return opened && kept && OpenLog(3, Debug, nullptr, 0) == 3;
    });
    EXPECT_TRUE(passed);
    EXPECT_NE(text.find("/1] ::first\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("::second\r\n"), std::string::npos) << text;
}

// Every process derives the same mutex from the path, whatever its case.
TEST_F(LogTest, MutexIsNamedAfterTheLowerCasedPath) {
    const auto path = PathOf("Zone Log (1).LOG");
    ASSERT_EQ(OpenLog(3, File, path.c_str(), 0), 3);
    EXPECT_TRUE(std::filesystem::exists(LogMutexObject(path))) << LogMutexName(path);
    CloseLog();
    EXPECT_FALSE(std::filesystem::exists(LogMutexObject(path)));
}

} // namespace
