#include "CommandLine.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>

#include "ClosestName.h"
#include "ServiceUrlCheck.h"
#include "UsageError.h"
#include "UsageText.h"
#include "WatchOptions.h"

namespace kavelin::cli {

namespace {

constexpr long kLongestRepeat = 1000000;
// The library's own bound for its waits: a day.
constexpr long kLongestWait = 24 * 60 * 60;

struct CommandSpelling {
    Command command;
    const char* name;
};

constexpr std::array<CommandSpelling, 7> kCommands = {{
    {Command::GetData, "get-data"},
    {Command::SetData, "set-data"},
    {Command::Settable, "settable"},
    {Command::Events, "events"},
    {Command::Subscribe, "subscribe"},
    {Command::Unsubscribe, "unsubscribe"},
    {Command::Watch, "watch"},
}};

// The library maps only these words; anything else would silently mean no retry.
constexpr std::array<std::string_view, 3> kReliabilityWords = {"NoRetry", "Retry",
                                                               "PersistentRetry"};

std::optional<Command> CommandNamed(std::string_view name) {
    for (const CommandSpelling& spelling : kCommands) {
        if (name == spelling.name)
            return spelling.command;
    }
    return std::nullopt;
}

class CommandLineReader {
public:
    explicit CommandLineReader(const std::vector<std::string>& arguments) : mArguments(arguments) {}

    Invocation Read() {
        bool optionsEnded = false;
        for (mIndex = 0; mIndex < mArguments.size(); ++mIndex) {
            const std::string& argument = mArguments[mIndex];
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
                ReadOption(argument);
            } else {
                ReadPositional(argument);
            }
        }
        if (!mResult.help && !mResult.version)
            CheckComplete();
        return std::move(mResult);
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw UsageError(message, mResult.command);
    }

    [[noreturn]] void FailUnknown(const std::string& what, const std::string& typed,
                                  const std::vector<std::string>& known) const {
        const std::optional<std::string> closest = ClosestName(typed, known);
        Fail("unknown " + what + (closest ? " (did you mean " + *closest + "?)" : ""));
    }

    void ReadOption(const std::string& argument) {
        const size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
        mName = argument.substr(0, equals);
        mInlineValue.reset();
        if (equals != std::string::npos)
            mInlineValue = argument.substr(equals + 1);

        if (mName == "--help" || mName == "-h") {
            Flag();
            mResult.help = true;
        } else if (mName == "--version") {
            Flag();
            mResult.version = true;
        } else if (!ReadGlobalOption() && !ReadCommandOption()) {
            FailUnknown("option " + mName, mName, UsageOptionNames(mResult.command));
        }
    }

    bool ReadGlobalOption() {
        if (mName == "--url") {
            mResult.url = Value();
            if (const std::optional<std::string> problem = ServiceUrlProblem(*mResult.url))
                Fail("--url '" + *mResult.url + "': " + *problem + "; give " + kAcceptedUrlForms);
        } else if (mName == "--registry") {
            std::string file = Value();
            if (file.empty() || file.find(':') != std::string::npos)
                Fail("--registry needs a file name without ':'");
            mResult.registryFiles.push_back(std::move(file));
        } else if (mName == "-v" || mName == "--verbose") {
            Flag();
            mResult.verbose = true;
        } else if (mName == "-q" || mName == "--quiet") {
            Flag();
            mResult.quiet = true;
        } else if (mName == "--playback") {
            Flag();
            mResult.playback = true;
        } else if (mName == "--repeat") {
            mResult.repeat = WholeNumber(Value(), kLongestRepeat);
        } else if (mName == "--simulate") {
            Flag();
            mResult.simulate = true;
        } else if (mName == "--json") {
            Flag();
            mResult.json = true;
        } else if (mName == "--trace") {
            Flag();
            mResult.trace = true;
        } else if (mName == "--timeout") {
            mResult.waitSeconds = WholeNumber(Value(), kLongestWait);
        } else if (mName == "--max-time") {
            mResult.answerSeconds = WholeNumber(Value(), kLongestWait);
        } else {
            return false;
        }
        return true;
    }

    bool ReadCommandOption() {
        switch (mResult.command) {
        case Command::GetData:
            return ReadGetDataOption();
        case Command::Settable:
            if (mName != "--lines")
                return false;
            AnswerFormatOption(AnswerFormat::Lines);
            return true;
        case Command::SetData:
            if (mName != "--results-details")
                return false;
            Flag();
            mResult.resultsDetails = true;
            return true;
        case Command::Subscribe:
            return ReadSubscribeOption();
        case Command::Watch:
            return ReadWatchOption();
        default:
            return false;
        }
    }

    bool ReadGetDataOption() {
        if (mName == "--prefix") {
            mResult.prefixes.push_back(Pair("PREFIX=NAMESPACE"));
        } else if (mName == "--prefix-map") {
            mResult.prefixMapFile = Value();
        } else if (mName == "--lines") {
            AnswerFormatOption(AnswerFormat::Lines);
        } else if (mName == "--text") {
            AnswerFormatOption(AnswerFormat::Text);
        } else if (mName == "--fail-empty") {
            Flag();
            mResult.failEmpty = true;
        } else {
            return false;
        }
        return true;
    }

    bool ReadSubscribeOption() {
        if (mName == "--event") {
            mResult.eventName = Value();
        } else if (mName == "--cookie") {
            mResult.cookie = Value();
        } else if (mName == "--reliability") {
            mResult.reliability = Value();
        } else if (mName == "--filter") {
            mResult.filters.push_back(Pair("NAME=VALUE"));
        } else if (mName == "--fallback") {
            mResult.fallbackAddress = Value();
        } else if (mName == "--info") {
            mResult.infoFile = Value();
        } else if (mName == "--filter-doc") {
            mResult.filterDocFile = Value();
        } else {
            return false;
        }
        return true;
    }

    bool ReadWatchOption() {
        if (mName == "--event") {
            mResult.watchEvents.push_back(Value());
            if (mResult.watchEvents.back().empty())
                Fail("--event needs an event name");
        } else if (mName == "--cookie") {
            mResult.cookie = Value();
        } else if (mName == "--reliability") {
            mResult.reliability = Value();
        } else if (mName == "--filter") {
            mResult.filters.push_back(Pair("NAME=VALUE"));
        } else if (mName == "--listen") {
            ReadListenAddress(Value(), &mResult.listenAddress, &mResult.listenPort);
        } else if (mName == "--count") {
            mResult.watchCount = ReadWatchCount(Value());
        } else if (mName == "--duration") {
            mResult.watchDuration = ReadWatchSeconds(mName, Value());
        } else if (mName == "--check") {
            mResult.watchCheckSeconds = ReadWatchSeconds(mName, Value());
        } else {
            return false;
        }
        return true;
    }

    void ReadPositional(const std::string& argument) {
        if (mResult.command != Command::None) {
            mPositionals.push_back(argument);
            return;
        }
        const std::optional<Command> command = CommandNamed(argument);
        if (!command) {
            std::vector<std::string> names;
            for (const CommandSpelling& spelling : kCommands)
                names.emplace_back(spelling.name);
            FailUnknown("command '" + argument + "'", argument, names);
        }
        mResult.command = *command;
    }

    std::string Value() {
        if (mInlineValue)
            return *mInlineValue;
        if (mIndex + 1 >= mArguments.size())
            Fail(mName + " needs a value");
        return mArguments[++mIndex];
    }

    void Flag() const {
        if (mInlineValue)
            Fail(mName + " takes no value");
    }

    // NAME=VALUE split at the first '=': namespace names and filter values may hold '='.
    NamePair Pair(const char* shape) {
        const std::string text = Value();
        const size_t equals = text.find('=');
        if (equals == std::string::npos || equals == 0)
            Fail(mName + " needs " + shape + ", got '" + text + "'");
        return {text.substr(0, equals), text.substr(equals + 1)};
    }

    // A whole number from 1 to `most` for the current option.
    long WholeNumber(const std::string& text, long most) const {
        long number = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, number);
        if (error != std::errc() || stop != end || number < 1 || number > most)
            Fail(mName + " needs a whole number from 1 to " + std::to_string(most) + ", got '" +
                 text + "'");
        return number;
    }

    // --lines and --text split an answer in different ways; one run prints it one way.
    void AnswerFormatOption(AnswerFormat format) {
        Flag();
        if (mResult.answerFormat != AnswerFormat::AsSent && mResult.answerFormat != format)
            Fail("--lines and --text exclude each other");
        mResult.answerFormat = format;
    }

    void ExpectPositionals(size_t count, const char* what) const {
        if (mPositionals.size() != count)
            Fail(std::string(CommandName(mResult.command)) + " takes " + what);
    }

    void CheckComplete() {
        if (mResult.simulate && (mResult.url || mResult.playback))
            Fail(std::string("--simulate excludes ") + (mResult.url ? "--url" : "--playback"));
        // JSON holds the answer as sent and split, so a choice of one split means nothing there.
        if (mResult.json && mResult.answerFormat != AnswerFormat::AsSent)
            Fail(std::string("--json excludes ") +
                 (mResult.answerFormat == AnswerFormat::Lines ? "--lines" : "--text"));
        switch (mResult.command) {
        case Command::None:
            Fail("no command given");
        case Command::GetData:
            if (mPositionals.empty())
                Fail("get-data takes one or more XPath expressions");
            for (const std::string& xpath : mPositionals) {
                if (xpath.empty())
                    Fail("an XPath expression is empty");
            }
            mResult.xpaths = mPositionals;
            if (!mResult.prefixes.empty() && mResult.prefixMapFile)
                Fail("--prefix and --prefix-map exclude each other");
            break;
        case Command::SetData:
            ExpectPositionals(1, "one document file, or - for standard input");
            mResult.documentSource = mPositionals[0];
            break;
        case Command::Settable:
        case Command::Events:
            ExpectPositionals(0, "no arguments");
            break;
        case Command::Subscribe:
            ExpectPositionals(0, "options only");
            CheckSubscription();
            break;
        case Command::Watch:
            ExpectPositionals(0, "options only");
            CheckReliability();
            break;
        case Command::Unsubscribe:
            ExpectPositionals(1, "one subscription id");
            mResult.subscriptionId = mPositionals[0];
            if (mResult.subscriptionId.empty())
                Fail("the subscription id is empty");
            break;
        }
    }

    void CheckSubscription() const {
        const bool described = mResult.eventName || mResult.cookie || mResult.reliability;
        if (mResult.infoFile && described)
            Fail("--info excludes --event, --cookie and --reliability");
        if (!mResult.infoFile && !mResult.eventName)
            Fail("subscribe needs --event NAME or --info FILE");
        if (mResult.filterDocFile && !mResult.filters.empty())
            Fail("--filter and --filter-doc exclude each other");
        CheckReliability();
    }

    void CheckReliability() const {
        if (mResult.reliability) {
            bool known = false;
            for (std::string_view word : kReliabilityWords)
                known = known || *mResult.reliability == word;
            if (!known)
                Fail("--reliability is one of NoRetry, Retry, PersistentRetry");
        }
    }

    const std::vector<std::string>& mArguments;
    size_t mIndex = 0;
    std::string mName;
    std::optional<std::string> mInlineValue;
    std::vector<std::string> mPositionals;
    Invocation mResult;
};

} // namespace

const char* CommandName(Command command) {
    for (const CommandSpelling& spelling : kCommands) {
        if (spelling.command == command)
            return spelling.name;
    }
    return "";
}

Invocation ParseCommandLine(const std::vector<std::string>& arguments) {
    return CommandLineReader(arguments).Read();
}

} // namespace kavelin::cli
