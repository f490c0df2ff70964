#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

using ::testing::HasSubstr;

namespace fs = std::filesystem;

// The playback host's "name=answer" lines, for the library loaded by the name `library` from
// the current directory `directory`.
std::map<std::string, std::string> RunHost(const std::string& url, const std::string& library,
                                           const std::string& directory) {
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

// Every operation is answered from its file beside the library, also for a URL without a host:
// playback connects nowhere. A host may load the library through a symbolic link kept in its own
// folder: the answers are then those beside the link, not those beside the file it points to.
TEST(PlaybackEndToEnd, EveryOperationIsAnsweredFromTheFolderOfTheNameTheLibraryWasLoadedBy) {
    const kavelin_test::ScratchFolder scratch("playback");
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
    std::string answer = kavelin_test::FileText(startSession);
    const size_t id = answer.find("session-1-67ca317e");
    ASSERT_NE(id, std::string::npos);
    answer.replace(id, 18, "session-9-0badc0de");
    std::ofstream(startSession, std::ios::binary | std::ios::trunc) << answer;

    const fs::path logPath = base / "playback.log";
    // Playback on, logged to the scratch folder.
    const kavelin_test::ScopedRegistry registry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n\"Logging-Infra\"=\"file," +
        logPath.string() + ",134\"\r\n");
    const std::string built = KAVELIN_LIBRARY_PATH;
    // The URL, the library's name, the current directory, and StartSession's "=answer" or the
    // failure's "!" line.
    using Row = std::tuple<const char*, std::string, std::string, const char*>;
    const Row cases[] = {
        {"ovdcs://playback/device", built, ".", "=session-1-67ca317e"},
        {"http://", built, ".", "=session-1-67ca317e"},
        {"http://:80/BaseService", built, ".", "=session-1-67ca317e"},
        {"ovdcs://playback/device", (withAnswers / name).string(), ".", "=session-9-0badc0de"},
        {"ovdcs://playback/device", "./" + name.string(), withAnswers.string(),
         "=session-9-0badc0de"},
        {"ovdcs://playback/device", (withoutAnswers / name).string(), ".",
         "!StartSession Failed!!!"},
    };
    for (const auto& [url, library, directory, startSession] : cases) {
        SCOPED_TRACE(url + (" loaded as " + library) + " from " + directory);
        std::map<std::string, std::string> answers = RunHost(url, library, directory);
        EXPECT_EQ(answers["exit"], "0");
        EXPECT_EQ(answers["StartSession"], startSession);
        if (startSession[0] == '!')
            continue;
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
    const std::string log = kavelin_test::FileText(logPath);
    EXPECT_THAT(log, HasSubstr("SoapMsgLogging::Attach - attaching SoapMsgLogging plugin."));
    EXPECT_THAT(log, HasSubstr("SoapOut >>\n<?xml"));
}

} // namespace
