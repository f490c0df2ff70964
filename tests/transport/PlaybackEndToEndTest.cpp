#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

using ::testing::HasSubstr;

// Settings that turn playback on and log to `logPath`.
std::string PlaybackSettings(const std::filesystem::path& logPath) {
    return "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n"
           "\"Logging-Infra\"=\"file," +
           logPath.string() + ",134\"\r\n";
}

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The playback host's "name=answer" lines, for the library loaded by the name `library` from
// the current directory `directory`.
std::map<std::string, std::string> RunHost(const std::string& url,
                                           const std::string& library = KAVELIN_LIBRARY_PATH,
                                           const std::string& directory = ".") {
    // The shell only changes folder; the names reach the host as they are.
    const kavelin_test::RunResult run = kavelin_test::RunProgram(
        "/bin/sh",
        {"-c", "cd \"$0\" && exec \"$@\"", directory, KAVELIN_PLAYBACK_HOST, library, url}, {});
    std::map<std::string, std::string> answers = {{"exit", std::to_string(run.exitCode)}};
    std::istringstream lines(run.out);
    for (std::string text; std::getline(lines, text);) {
        const size_t split = text.find_first_of("=!");
        if (split != std::string::npos)
            answers[text.substr(0, split)] = text.substr(split);
    }
    return answers;
}

// Also for a URL without a host: playback connects nowhere.
TEST(PlaybackEndToEnd, EveryOperationIsAnsweredFromItsFileBesideTheLibrary) {
    const fs::path logPath = kavelin_test::ScratchPath("playback-e2e", ".log");
    fs::remove(logPath);
    const kavelin_test::ScopedRegistry registry(PlaybackSettings(logPath));
    for (const char* url : {"ovdcs://playback/device", "http://", "http://:80/BaseService"}) {
        SCOPED_TRACE(url);
        std::map<std::string, std::string> answers = RunHost(url);
        EXPECT_EQ(answers["exit"], "0");
        EXPECT_EQ(answers["StartSession"], "=session-1-67ca317e");
        EXPECT_THAT(answers["GetData"], HasSubstr("id=\"black-toner\""));
        EXPECT_EQ(answers["SetData"], "=true");
        EXPECT_THAT(answers["GetSettable"], HasSubstr("dd:MediaType"));
        EXPECT_EQ(answers["Subscribe"], "=subscription-1-02df12bc");
        EXPECT_THAT(answers["GetSupportedEvents"], HasSubstr("MediaChanged"));
        EXPECT_EQ(answers["Unsubscribe"], "=done");
        EXPECT_EQ(answers["EndSession"], "=done");
        // Nothing reached the data stream: not even an open.
        EXPECT_EQ(answers["streamCalls"], "=0");
    }
    const std::string log = ReadFile(logPath);
    EXPECT_THAT(log, HasSubstr("SoapMsgLogging::Attach - attaching SoapMsgLogging plugin."));
    EXPECT_THAT(log, HasSubstr("SoapOut >>\n<?xml"));
    fs::remove(logPath);
}

// A host may load the library through a symbolic link kept in its own folder: the answers are
// then those beside the link, not those beside the file it points to.
TEST(PlaybackEndToEnd, AnswersComeFromTheFolderOfTheNameTheLibraryWasLoadedBy) {
    const kavelin_test::ScratchFolder scratch("playback-link");
    const fs::path base = scratch.Path();
    const fs::path withAnswers = base / "with-answers";
    const fs::path withoutAnswers = base / "without-answers";
    const fs::path name = fs::path(KAVELIN_LIBRARY_PATH).filename();
    for (const fs::path& folder : {withAnswers, withoutAnswers}) {
        fs::create_directories(folder);
        fs::create_symlink(KAVELIN_LIBRARY_PATH, folder / name);
    }
    // The link's own answers differ from the built ones in the session ID only (same length, so
    // the answer's Content-Length still holds).
    fs::copy(fs::path(KAVELIN_LIBRARY_PATH).parent_path() / "SoapMsgs", withAnswers / "SoapMsgs");
    const fs::path startSession = withAnswers / "SoapMsgs" / "StartSessionRes.txt";
    std::string answer = ReadFile(startSession);
    const size_t id = answer.find("session-1-67ca317e");
    ASSERT_NE(id, std::string::npos);
    answer.replace(id, 18, "session-9-0badc0de");
    std::ofstream(startSession, std::ios::binary | std::ios::trunc) << answer;

    const fs::path logPath = base / "playback.log";
    const kavelin_test::ScopedRegistry registry(PlaybackSettings(logPath));
    const struct {
        const char* name;
        std::string library;
        std::string directory;
        const char* startSession; // "=answer" or the failure's "!" line
    } cases[] = {
        {"its own name", KAVELIN_LIBRARY_PATH, ".", "=session-1-67ca317e"},
        {"a link by its full name", (withAnswers / name).string(), ".", "=session-9-0badc0de"},
        {"a link by a relative name", "./" + name.string(), withAnswers.string(),
         "=session-9-0badc0de"},
        {"a link in a folder without answers", (withoutAnswers / name).string(), ".",
         "!StartSession Failed!!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<std::string, std::string> answers =
            RunHost("ovdcs://playback/device", c.library, c.directory);
        EXPECT_EQ(answers["exit"], "0");
        EXPECT_EQ(answers["StartSession"], c.startSession);
    }
}

} // namespace
