// kavelin: the command-line host. It loads libkavelin.so like any host would, runs one
// operation on one proxy and hands the proxy back, which ends the device session.
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

#include "AnswerOutput.h"
#include "BuiltInDevice.h"
#include "CommandLine.h"
#include "FailureReport.h"
#include "JsonText.h"
#include "KavelinLibrary.h"
#include "LogSettingCheck.h"
#include "OperationRunner.h"
#include "RequestDocuments.h"
#include "RunEnvironment.h"
#include "ServiceChoice.h"
#include "ServiceUrlCheck.h"
#include "TerminalText.h"
#include "TimeLimitSettings.h"
#include "UsageError.h"
#include "UsageText.h"
#include "VersionText.h"
#include "WatchCommand.h"
#include "WireTrace.h"

namespace {

using namespace kavelin::cli;

constexpr int kSuccess = 0;
constexpr int kOperationFailed = 1;
constexpr int kUsageError = 2;
constexpr int kEmptyAnswer = 3;

// The problem in one line and where the whole usage is: a script's log keeps what went wrong,
// not pages of help.
int ReportUsageError(const UsageError& error) {
    const std::string command = error.command() == Command::None
                                    ? std::string()
                                    : std::string(CommandName(error.command())) + " ";
    std::cerr << "kavelin: " << error.what() << "\nTry 'kavelin " << command
              << "--help' for more information.\n";
    return kUsageError;
}

// The library puts $OVXORB_SOAP_SERVICE_PORT into the delivery address as it stands, so a
// value that is no port would make the device deliver to an address that cannot exist.
void CheckDeliveryPort(const Invocation& invocation) {
    const char* text = std::getenv("OVXORB_SOAP_SERVICE_PORT");
    if (invocation.command != Command::Subscribe || text == nullptr)
        return;
    const std::string port = text;
    unsigned number = 0;
    const auto [stop, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (error != std::errc() || stop != port.data() + port.size() || number < 1 || number > 65535)
        throw UsageError("$OVXORB_SOAP_SERVICE_PORT '" + port +
                             "' is not a port number from 1 to 65535",
                         invocation.command);
}

// What came before the failure on standard output; then the failure, the reason for a missing
// delivery address and the kept log one line each, or with --json one object holding them all,
// so that a script reads one format.
int ReportFailure(const std::string& text, HRESULT code, const CPExceptionCause* cause,
                  const Invocation& invocation, RunEnvironment& environment,
                  const std::vector<std::string>& answers) {
    std::cout << ForStandardOutput(AnswerOutput(invocation, answers)) << std::flush;
    std::string hint;
    if (invocation.command == Command::Subscribe && invocation.fallbackAddress.empty() &&
        std::getenv("OVXORB_SOAP_SERVICE_PORT") == nullptr)
        hint = "no delivery address: give --fallback ADDRESS or set OVXORB_SOAP_SERVICE_PORT";
    const std::string log = environment.KeepPlaybackLog();
    if (invocation.json) {
        std::string extra;
        if (!hint.empty())
            extra = "\"hint\":" + JsonString(hint);
        if (!log.empty())
            extra += (extra.empty() ? "" : ",") + std::string("\"log\":") + JsonString(log);
        std::cerr << FailureJson(text, code, cause, extra) << "\n";
        return kOperationFailed;
    }
    std::cerr << "kavelin: " << FailureText(text, code, cause) << "\n";
    if (!hint.empty())
        std::cerr << "kavelin: " << hint << "\n";
    if (!log.empty())
        std::cerr << "kavelin: the library's log of this run: " << log << "\n";
    return kOperationFailed;
}

int RunInvocation(const Invocation& invocation) {
    ServiceChoice service = ChooseService(invocation, std::getenv("KAVELIN_URL"));
    if (service.kind == ServiceChoice::Kind::Given && !invocation.url) {
        if (const std::optional<std::string> problem = ServiceUrlProblem(service.url))
            throw UsageError("$KAVELIN_URL '" + service.url + "': " + *problem + "; give " +
                                 kAcceptedUrlForms,
                             invocation.command);
    }
    CheckDeliveryPort(invocation);
    const RequestDocuments documents = ReadRequestDocuments(invocation);
    RunEnvironment environment(invocation);
    std::optional<BuiltInDevice> device;
    if (service.kind == ServiceChoice::Kind::BuiltInDevice) {
        // Its data and subscriptions vanish with the command: say so, or a write looks kept.
        if (!invocation.quiet)
            std::cerr << "kavelin: using a built-in simulated device; it keeps nothing after "
                         "this run\n";
        device.emplace();
        service.url = device->ServiceUrl();
    }
    if (const std::optional<std::string> problem = LogSettingProblem())
        std::cerr << "kavelin: warning: " << *problem << "\n";
    for (const std::string& warning : IgnoredLimitSettings())
        std::cerr << warning << "\n";
    // Loaded after the registry list is in place: the log is configured when it loads. It
    // outlives the try block, since a caught exception's code lives in the library.
    const KavelinLibrary library;
    // Made before the proxy and gone after it, so the session's last exchange shows too.
    std::optional<WireTrace> trace;
    if (invocation.trace)
        trace.emplace(reinterpret_cast<const void*>(library.maker()), std::cerr);
    // What the operation brought back, printed also when a failure cuts it short.
    std::vector<std::string> answers;
    try {
        const std::unique_ptr<IXDMAccessSoap, KavelinDemaker> proxy(library.maker()(),
                                                                    library.demaker());
        proxy->Initialize(service.url, CPComPtr<ISessionInfo>());
        if (invocation.command == Command::Watch)
            return RunWatch(*proxy, invocation, documents, service.url, std::cout, std::cerr);
        RunOperation(*proxy, invocation, documents, answers);
        std::cout << ForStandardOutput(AnswerOutput(invocation, answers)) << std::flush;
        if (!std::cout)
            return kOperationFailed;
        return invocation.failEmpty && AnyAnswerEmpty(invocation, answers) ? kEmptyAnswer
                                                                           : kSuccess;
    } catch (const CPException& failure) {
        return ReportFailure(failure.what(), failure.GetErrorCode(), GetExceptionCause(failure),
                             invocation, environment, answers);
    } catch (const _com_error& failure) {
        return ReportFailure("the XML component failed on a parameter document", failure.Error(),
                             nullptr, invocation, environment, answers);
    } catch (const std::exception& failure) {
        return ReportFailure(failure.what(), E_FAIL, nullptr, invocation, environment, answers);
    }
}

} // namespace

int main(int argc, char** argv) {
    Invocation invocation;
    try {
        invocation = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        return ReportUsageError(error);
    }
    if (invocation.help) {
        std::cout << UsageText(invocation.command);
        return kSuccess;
    }
    if (invocation.version) {
        std::cout << VersionText();
        return kSuccess;
    }
    try {
        return RunInvocation(invocation);
    } catch (const UsageError& error) {
        return ReportUsageError(error);
    } catch (const std::exception& error) {
        std::cerr << "kavelin: " << error.what() << "\n";
        return kOperationFailed;
    }
}
