#include "proxy/Operations.h"

#include "platform/Logging.h"
#include "platform/VisibleText.h"

namespace kavelin::proxy {

void Fail(const Operation& operation, const CPExceptionCause& cause) {
    KV_LOG(1, "%s", operation.failureLine);
    throw CPExceptionWithCause(operation.failureText, E_FAIL, cause);
}

void LogEnter(const Operation& operation) {
    KV_LOG(5, "%s - Enter", operation.name);
}

void LogExit(const Operation& operation, const std::string* result) {
    if (operation.exitDetail == nullptr || result == nullptr) {
        KV_LOG(5, "%s - Exit", operation.name);
        return;
    }
    KV_LOG(5, "%s - Exit%s%s", operation.name, operation.exitDetail,
           platform::VisibleText(*result, platform::kVisibleTextLimit).c_str());
}

} // namespace kavelin::proxy
