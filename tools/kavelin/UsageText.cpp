#include "UsageText.h"

namespace kavelin::cli {

namespace {

constexpr char kProgramUsage[] =
    R"(usage: kavelin [OPTIONS] COMMAND [ARGS]

Talks to a printing device through libkavelin.so: one session, one operation.

Commands:
  get-data XPATH...   the device's answer to each XPath expression, in one session
  set-data FILE|-     writes an XDM document
  settable            what the device lets a host set
  events              the events the device can deliver, one a line
  subscribe           subscribes to an event; prints the subscription id
  unsubscribe ID      cancels a subscription
  watch               subscribes and prints the events the device delivers

Options:
  --url URL        service URL (http://host[:port]/path or ovdcs:...; no HTTPS). Default:
                   $KAVELIN_URL; one of them, --simulate or --playback is needed.
  --simulate       answer from a built-in simulated device on 127.0.0.1 that keeps nothing
                   after the run (said on standard error unless -q)
  --timeout S      wait at most S whole seconds to connect and for each send or receive
  --max-time S     take at most S whole seconds for the whole of one answer
  --registry FILE  a registry file for the library, read after $KAVELIN_REGISTRY (may repeat)
  -v, --verbose    the library's log on standard error, level 5
  -q, --quiet      no notice about the built-in device
  --playback       answer from the sample responses beside the library; no device is used
  --repeat N       run the operation N times on one proxy and print the last answer
  --json           answers as JSON on standard output, one value a line, and a failure as a
                   JSON object on standard error
  --trace          each request and answer on standard error, whole, as they crossed the wire
  -h, --help       this text; 'kavelin COMMAND --help' for a command
  --version        the program's version and those of gSOAP and libxml2

Exit status: 0 success, 1 the operation failed (the failure text, then its cause), 2 usage
error, 3 get-data --fail-empty with an empty answer.
)";

constexpr char kGetDataUsage[] =
    R"(usage: kavelin get-data XPATH... [--prefix PREFIX=NAMESPACE]... [--prefix-map FILE]
                        [--lines | --text | --json] [--fail-empty]

Prints the device's answer to each XPath expression, as the device sent it, in order and in
one session; stops with status 1 at the first that fails, after the answers before it.
  --prefix PREFIX=NAMESPACE  a namespace prefix the expression uses (may repeat)
  --prefix-map FILE          a prefix-map document to send unchanged instead
  --lines                    one selected element (or run of text) of the answer a line
  --text                     the text content of each of them, one a line
                             (an answer that is text, e.g. of string(), prints unchanged)
  --json                     one JSON object: "xpath", "answer" and, when the answer is
                             nodes, "nodes" with the "markup" and "text" of each; an array
                             of such objects for several expressions
  --fail-empty               exit status 3 when an answer is empty

example: kavelin get-data '//dd:Status/dd:State' \
           --prefix dd=http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/
)";

constexpr char kSetDataUsage[] =
    R"(usage: kavelin set-data FILE|- [--results-details]

Writes the XDM document in FILE (or standard input for -). Prints nothing.
  --results-details  ask the device for the details of what changed
)";

constexpr char kSettableUsage[] =
    R"(usage: kavelin settable [--lines | --json]

Prints the device's settable-data document.
  --lines  the text of each of its nodes (the paths a host may set), one a line
  --json   {"answer":..., "nodes":[{"markup":..., "text":...}, ...]}
)";

constexpr char kEventsUsage[] =
    R"(usage: kavelin events [--json]

Prints the names of the events the device can deliver, one a line (--json: a JSON string a
line).
)";

constexpr char kSubscribeUsage[] =
    R"(usage: kavelin subscribe --event NAME [--cookie TEXT] [--reliability WORD]
                         [--filter NAME=VALUE]... [--fallback ADDRESS]
       kavelin subscribe --info FILE [--filter-doc FILE] [--fallback ADDRESS]

Subscribes to an event and prints the subscription id (--json: {"subscription":ID}).
  --event NAME         the event to deliver
  --cookie TEXT        a client cookie sent with the subscription
  --reliability WORD   NoRetry, Retry or PersistentRetry
  --filter NAME=VALUE  a filter pair (may repeat)
  --fallback ADDRESS   delivery address used when $OVXORB_SOAP_SERVICE_PORT is not set
  --info FILE          a subscription-information document to send unchanged
  --filter-doc FILE    a filter document to send unchanged
)";

constexpr char kWatchUsage[] =
    R"(usage: kavelin watch [--event NAME]... [--filter NAME=VALUE]... [--cookie TEXT]
                     [--reliability WORD] [--listen ADDRESS[:PORT]] [--count N]
                     [--duration SECONDS] [--check SECONDS] [--json]

Listens for the device's deliveries, subscribes (to every supported event without --event)
and prints one line per event: time received, event, subscription, then NAME=VALUE
properties. Stops on Ctrl-C or SIGTERM, after --count events or --duration seconds, and then
cancels every subscription it made; stops with status 1 when the device no longer answers.
Subscription ids go to standard error.
  --event NAME             an event to subscribe to (may repeat)
  --filter NAME=VALUE      a filter pair sent with each subscription (may repeat)
  --cookie TEXT            a client cookie sent with each subscription
  --reliability WORD       NoRetry, Retry or PersistentRetry
  --listen ADDRESS[:PORT]  the IPv4 address and port to listen on (default: the address this
                           computer reaches the device at, any port)
  --count N                stop after N events
  --duration SECONDS       stop after this long
  --check SECONDS          ask the device this often whether it still answers (default 30)
  --json                   one JSON object per event instead of a line
)";

constexpr char kUnsubscribeUsage[] =
    R"(usage: kavelin unsubscribe ID

Cancels the subscription with this id; prints nothing (--json:
{"subscription":ID,"cancelled":true}).
)";

} // namespace

std::vector<std::string> UsageOptionNames(Command command) {
    std::vector<std::string> names;
    for (const std::string& text : {UsageText(Command::None), UsageText(command)}) {
        for (size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) {
            const size_t end = text.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", at + 2);
            names.push_back(text.substr(at, end - at));
            at = end;
        }
    }
    return names;
}

std::string UsageText(Command command) {
    switch (command) {
    case Command::GetData:
        return kGetDataUsage;
    case Command::SetData:
        return kSetDataUsage;
    case Command::Settable:
        return kSettableUsage;
    case Command::Events:
        return kEventsUsage;
    case Command::Subscribe:
        return kSubscribeUsage;
    case Command::Unsubscribe:
        return kUnsubscribeUsage;
    case Command::Watch:
        return kWatchUsage;
    case Command::None:
        break;
    }
    return kProgramUsage;
}

} // namespace kavelin::cli
