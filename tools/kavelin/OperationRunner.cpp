#include "OperationRunner.h"

#include <memory>

#include "AnswerKind.h"
#include "AnswerNodes.h"

namespace kavelin::cli {

namespace {

// The array and its element block belong to the host once returned.
struct RemoteArrayDeleter {
    void operator()(RemoteArray* array) const {
        delete[] array->mElements;
        delete array;
    }
};

// Answers end with a line feed so that the shell prompt does not follow them on the same line.
std::string AsLine(std::string text) {
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

// Only nodes are split: the text of string() or concat() may hold '<' and '&' that are no
// markup, so it prints as it came.
std::string FormattedAnswer(const std::string& xpath, const std::string& answer,
                            AnswerFormat format) {
    if (format == AnswerFormat::AsSent || !AnswerIsNodes(xpath))
        return AsLine(answer);
    std::string lines;
    for (const AnswerNode& node : SplitAnswer(answer))
        lines += (format == AnswerFormat::Text ? node.text : node.markup) + '\n';
    return lines;
}

std::string EventLines(RemoteArray* returned) {
    const std::unique_ptr<RemoteArray, RemoteArrayDeleter> events(returned);
    std::string lines;
    for (int32_t i = 0; events && events->mElements != nullptr && i < events->mCount; ++i)
        lines += events->mElements[i] + '\n';
    return lines;
}

std::string RunOnce(IBaseSoap& proxy, const Invocation& invocation,
                    const RequestDocuments& documents) {
    switch (invocation.command) {
    case Command::GetData:
        return FormattedAnswer(invocation.xpath,
                               proxy.GetData(invocation.xpath, documents.prefixMap, 0, 0),
                               invocation.answerFormat);
    case Command::SetData:
        proxy.SetData(documents.xdmDocument, invocation.resultsDetails ? 1 : 0, 0, 0);
        return {};
    case Command::Settable:
        return AsLine(proxy.GetSettable(0));
    case Command::Events:
        return EventLines(proxy.GetSupportedEvents());
    case Command::Subscribe:
        return AsLine(proxy.Subscribe(documents.subscriptionInfo, documents.filter,
                                      invocation.fallbackAddress));
    case Command::Unsubscribe:
        proxy.Unsubscribe(invocation.subscriptionId);
        return {};
    case Command::Watch: // runs on its own (WatchCommand.h)
    case Command::None:
        break;
    }
    return {};
}

} // namespace

std::string RunOperation(IBaseSoap& proxy, const Invocation& invocation,
                         const RequestDocuments& documents) {
    std::string output;
    for (long run = 0; run < invocation.repeat; ++run)
        output = RunOnce(proxy, invocation, documents);
    return output;
}

} // namespace kavelin::cli
