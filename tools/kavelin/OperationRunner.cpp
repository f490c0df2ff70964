#include "OperationRunner.h"

#include "platform/RemoteArray.h"

namespace kavelin::cli {

namespace {

void AddEvents(RemoteArray* returned, std::vector<std::string>& answers) {
    const platform::ReturnedArray events(returned);
    for (int32_t i = 0; events && events->mElements != nullptr && i < events->mCount; ++i)
        answers.push_back(events->mElements[i]);
}

void RunOnce(IBaseSoap& proxy, const Invocation& invocation, const RequestDocuments& documents,
             std::vector<std::string>& answers) {
    switch (invocation.command) {
    case Command::GetData:
        for (const std::string& xpath : invocation.xpaths)
            answers.push_back(proxy.GetData(xpath, documents.prefixMap, 0, 0));
        break;
    case Command::SetData:
        proxy.SetData(documents.xdmDocument, invocation.resultsDetails ? 1 : 0, 0, 0);
        break;
    case Command::Settable:
        answers.push_back(proxy.GetSettable(0));
        break;
    case Command::Events:
        AddEvents(proxy.GetSupportedEvents(), answers);
        break;
    case Command::Subscribe:
        answers.push_back(proxy.Subscribe(documents.subscriptionInfo, documents.filter,
                                          invocation.fallbackAddress));
        break;
    case Command::Unsubscribe:
        proxy.Unsubscribe(invocation.subscriptionId);
        answers.push_back(invocation.subscriptionId);
        break;
    case Command::Watch: // runs on its own (WatchCommand.h)
    case Command::None:
        break;
    }
}

} // namespace

void RunOperation(IBaseSoap& proxy, const Invocation& invocation, const RequestDocuments& documents,
                  std::vector<std::string>& answers) {
    for (long run = 0; run < invocation.repeat; ++run) {
        answers.clear();
        RunOnce(proxy, invocation, documents, answers);
    }
}

} // namespace kavelin::cli
