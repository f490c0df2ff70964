#pragma once

#include <optional>
#include <string>
#include <vector>

// The registry text the host adds for one run so that -v and --playback take effect: the
// library reads its log configuration once, when it loads, so this must be in place before
// the host loads it.
namespace kavelin::cli {

// The "Logging-Infra" value for the run, or none when the user's own configuration stands.
//   -v              "debug,5"           the log on standard error
//   -v --playback   "debug,133"         the same with the playback bit
//   --playback      "file,LOG,128"      playback bit; the log, which then holds everything,
//                                       goes to a file instead of burying the answer
std::optional<std::string> LogValueFor(bool verbose, bool playback,
                                       const std::string& playbackLogPath);

// A registry file that sets the log value for the library's component, the most specific
// place it is looked up, so it wins over whatever the earlier files say.
std::string LogRegistryText(const std::string& logValue);

// The KAVELIN_REGISTRY list for the run: the current list (or the library's default file when
// it is unset or empty, so that file still applies), then `laterFiles`, whose values win.
std::string RegistrySearchList(const char* currentList, const std::vector<std::string>& laterFiles);

} // namespace kavelin::cli
