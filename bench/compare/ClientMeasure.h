#pragma once

#include <functional>

// The measuring loop every client program of the comparison shares, so that each kind of
// client is timed the same way. A client program is run as
//     <program> URL CALLS [RSS_MARK]
// and prints one line on standard output:
//     calls=N wall_ns=W cpu_ns=C rss_mark_kb=M rss_kb=R peak_kb=P
// wall and CPU time cover the CALLS measured calls only (after a warm-up that also opens the
// connection and the session); rss_mark_kb is the resident size after RSS_MARK measured calls
// (0 when not asked), rss_kb after the last one, peak_kb the largest it has been.
struct ClientArguments {
    const char* url = nullptr;
    long calls = 0;
    long rssMark = 0;
};

// Reads the arguments; false (after a line on standard error) when they are unusable.
bool ReadClientArguments(int argc, char** argv, ClientArguments& arguments);

// Runs `call` for the warm-up and then `arguments.calls` times, prints the result line and
// returns the program's exit status: 1 as soon as a call returns false.
int MeasureCalls(const ClientArguments& arguments, const std::function<bool()>& call);
