// The C interface: each function drives the proxy from `maker` through its virtual interface,
// as a C++ host does, so that exchanges, retries and log lines are the proxy's own.
#include <new>
#include <vector>

#include "capi/HandleCall.h"
#include "capi/ReturnedText.h"
#include "kavelin/kavelin_c.h"
#include "platform/PlatformServices.h"
#include "platform/RemoteArray.h"

struct kavelin_session {
    CPComPtr<ISessionInfo> object;
};

namespace {

using kavelin::capi::CopyList;
using kavelin::capi::CopyText;
using kavelin::capi::HandleCall;

// An optional document or address: null is the empty text the proxy takes for "none".
std::string Optional(const char* text) {
    return text != nullptr ? text : "";
}

} // namespace

extern "C" {

KAVELIN_API kavelin_proxy* kavelin_create(void) {
    auto* handle = new (std::nothrow) kavelin_proxy;
    if (handle == nullptr)
        return nullptr;
    try {
        handle->proxy = maker();
    } catch (...) {
        delete handle;
        return nullptr;
    }
    return handle;
}

KAVELIN_API void kavelin_destroy(kavelin_proxy* proxy) {
    if (proxy == nullptr)
        return;
    try {
        demaker(proxy->proxy);
    } catch (...) { // the destructor ends the session; nothing of it may reach a C caller
    }
    delete proxy;
}

KAVELIN_API kavelin_session* kavelin_session_create(void) {
    auto* session = new (std::nothrow) kavelin_session;
    if (session != nullptr && FAILED(session->object.CreateInstance(kSessionInfoProgId))) {
        delete session;
        return nullptr;
    }
    return session;
}

KAVELIN_API void kavelin_session_release(kavelin_session* session) {
    delete session;
}

KAVELIN_API kavelin_status kavelin_initialize(kavelin_proxy* proxy, const char* url,
                                              kavelin_session* session) {
    if (url == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) {
        p.Initialize(url, session != nullptr ? session->object : CPComPtr<ISessionInfo>());
    });
}

KAVELIN_API kavelin_status kavelin_start_session(kavelin_proxy* proxy, char** session_id) {
    return HandleCall(proxy, [&](IBaseSoap& p) {
        const std::string id = p.StartSession();
        if (session_id != nullptr)
            *session_id = CopyText(id);
    });
}

KAVELIN_API kavelin_status kavelin_end_session(kavelin_proxy* proxy) {
    return HandleCall(proxy, [](IBaseSoap& p) { p.EndSession(); });
}

KAVELIN_API kavelin_status kavelin_get_data(kavelin_proxy* proxy, const char* path,
                                            const char* prefix_map, char** answer) {
    if (path == nullptr || answer == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) {
        *answer = CopyText(p.GetData(path, Optional(prefix_map), 0, 0));
    });
}

KAVELIN_API kavelin_status kavelin_set_data(kavelin_proxy* proxy, const char* document,
                                            int results_details) {
    if (document == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) {
        p.SetData(document, results_details != 0 ? 1 : 0, 0, 0); // true, or it throws
    });
}

KAVELIN_API kavelin_status kavelin_get_settable(kavelin_proxy* proxy, char** answer) {
    if (answer == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) { *answer = CopyText(p.GetSettable(0)); });
}

KAVELIN_API kavelin_status kavelin_get_supported_events(kavelin_proxy* proxy, char*** events,
                                                        size_t* count) {
    if (events == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) {
        const kavelin::platform::ReturnedArray returned(p.GetSupportedEvents());
        std::vector<std::string> names;
        if (returned && returned->mElements != nullptr)
            names.assign(returned->mElements, returned->mElements + returned->mCount);
        *events = CopyList(names);
        if (count != nullptr)
            *count = names.size();
    });
}

KAVELIN_API kavelin_status kavelin_subscribe(kavelin_proxy* proxy, const char* description,
                                             const char* filter, const char* fallback_address,
                                             char** subscription_id) {
    if (description == nullptr || subscription_id == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) {
        *subscription_id =
            CopyText(p.Subscribe(description, Optional(filter), Optional(fallback_address)));
    });
}

KAVELIN_API kavelin_status kavelin_unsubscribe(kavelin_proxy* proxy, const char* subscription_id) {
    if (subscription_id == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    return HandleCall(proxy, [&](IBaseSoap& p) { p.Unsubscribe(subscription_id); });
}

KAVELIN_API void kavelin_free(void* text) {
    std::free(text);
}

KAVELIN_API const char* kavelin_failure_text(const kavelin_proxy* proxy) {
    return proxy != nullptr ? proxy->failureText.c_str() : "";
}

KAVELIN_API int32_t kavelin_failure_code(const kavelin_proxy* proxy) {
    return proxy != nullptr ? proxy->failureCode : 0;
}

KAVELIN_API const char* kavelin_failure_cause(const kavelin_proxy* proxy) {
    return proxy != nullptr ? proxy->failureCause.c_str() : "";
}
}
