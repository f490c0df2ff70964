#pragma once

#include <filesystem>
#include <string>

#include "Invocation.h"

namespace kavelin::cli {

// Puts the run's registry files in place before the library is loaded: the --registry files,
// then temporary files with the log value of -v or --playback and the time limits of --timeout
// and --max-time. The temporary folder goes away with the object.
class RunEnvironment {
public:
    // Throws UsageError for a --registry file that cannot be read, std::runtime_error when the
    // temporary file cannot be written.
    explicit RunEnvironment(const Invocation& invocation);
    ~RunEnvironment();
    RunEnvironment(const RunEnvironment&) = delete;
    RunEnvironment& operator=(const RunEnvironment&) = delete;

    // The log file of a playback run without -v, left in place for the user to read; empty
    // when the run has none.
    std::string KeepPlaybackLog();

private:
    std::filesystem::path mFolder;
    std::string mPlaybackLog;
    bool mKeepFolder = false;
};

} // namespace kavelin::cli
