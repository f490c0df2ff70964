#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ScopedRegistry.h"

namespace {

using ::testing::HasSubstr;

// The playback host's "name=answer" lines.
std::map<std::string, std::string> RunHost(const std::string& url) {
    const std::string command =
        std::string(KAVELIN_PLAYBACK_HOST) + " '" + KAVELIN_LIBRARY_PATH + "' '" + url + "'";
    std::map<std::string, std::string> answers;
    FILE* output = popen(command.c_str(), "r");
    if (output == nullptr)
        return answers;
    char line[65536];
    while (std::fgets(line, sizeof line, output) != nullptr) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        const size_t split = text.find_first_of("=!");
        if (split != std::string::npos)
            answers[text.substr(0, split)] = text.substr(split);
    }
    answers["exit"] = std::to_string(pclose(output));
    return answers;
}

TEST(PlaybackEndToEnd, EveryOperationIsAnsweredFromItsFileBesideTheLibrary) {
    const std::filesystem::path logPath = std::filesystem::temp_directory_path() /
                                          ("playback-e2e-" + std::to_string(::getpid()) + ".log");
    std::filesystem::remove(logPath);
    const kavelin::testing::ScopedRegistry registry(
        "playback-e2e", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n"
                        "\"Logging-Infra\"=\"file," +
                            logPath.string() + ",134\"\r\n");
    std::map<std::string, std::string> answers = RunHost("ovdcs://playback/device");
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
    std::ifstream in(logPath, std::ios::binary);
    const std::string log{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_THAT(log, HasSubstr("SoapMsgLogging::Attach - attaching SoapMsgLogging plugin."));
    EXPECT_THAT(log, HasSubstr("SoapOut >>\n<?xml"));
    std::filesystem::remove(logPath);
}

} // namespace
