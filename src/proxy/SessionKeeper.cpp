#include "proxy/SessionKeeper.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/BstrString.h"
#include "platform/Logging.h"
#include "platform/PlatformServices.h"
#include "proxy/ExchangeFailure.h"
#include "proxy/SessionLanguage.h"

namespace kavelin::proxy {

namespace {
// The fixed guest credential of every session.
constexpr char kGuestUser[] = "guest";
constexpr char kGuestPassword[] = "zqvk";

// The items of a comma-separated list, untrimmed, empty items skipped.
std::vector<std::string> SplitList(std::string_view list) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string_view::npos)
            end = list.size();
        if (end > start)
            items.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

std::string JoinList(const std::vector<std::string>& items) {
    std::string list;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            list += ',';
        list += items[i];
    }
    return list;
}

void ReadProperty(ISessionInfo& sessionInfo, HRESULT (STDMETHODCALLTYPE ISessionInfo::*get)(BSTR*),
                  std::string* output) {
    if (output == nullptr)
        return;
    // A failed get leaves the value null, which reads as an empty text.
    platform::BstrString value;
    (sessionInfo.*get)(value.Receive());
    *output = value.Narrow();
}

void PutProperty(ISessionInfo& sessionInfo, HRESULT (STDMETHODCALLTYPE ISessionInfo::*put)(BSTR),
                 const std::string& text) {
    platform::BstrString value(text);
    (sessionInfo.*put)(value.Get());
}
} // namespace

void SessionKeeper::ReadSessionInfo(std::string* sessionId, std::string* sessionData,
                                    std::string* language, std::string* roles) {
    if (!mSessionInfo) {
        mSessionInfo.CreateInstance(kSessionInfoProgId);
        if (!mSessionInfo)
            return;
    }
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_SessionID, sessionId);
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_SessionData, sessionData);
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_Language, language);
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_Roles, roles);
}

void SessionKeeper::Adopt(const std::string& sessionId) {
    if (mSessionInfo)
        PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_SessionID, sessionId);
    mExchanger.CarrySessionId(sessionId);
}

std::string SessionKeeper::Start() {
    const Operation& operation = operations::kStartSession;
    std::string sessionId;
    ReadSessionInfo(&sessionId);
    if (!sessionId.empty()) {
        KV_LOG(2, "IBaseSoap::StartSession - warning: session has already been established: %s",
               sessionId.c_str());
        Fail(operation, CauseWithoutExchange("a session already exists: " + sessionId));
    }
    if (mExchanger.ServiceUrl().empty()) {
        KV_LOG(1, "IBaseSoap::StartSession - error: no service url has been set!!!");
        Fail(operation, CauseWithoutExchange("no service URL has been set"));
    }

    if (const std::optional<std::string> language = ConfiguredSessionLanguage()) {
        if (mSessionInfo)
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Language, *language);
    } else {
        KV_LOG(5, "Cannot read registry entry containing the EPC language, defaulting to english.");
    }
    std::string languages;
    std::string roles;
    ReadSessionInfo(nullptr, nullptr, &languages, &roles);

    std::string password = kGuestPassword;
    bsi__UserNamePassword_USCOREt credentials;
    credentials.bsi__UserNameToken = kGuestUser;
    credentials.bsi__Password = &password;
    bsi__RequestTicket_USCOREt ticket;
    ticket.bsi__Credentials = &credentials;
    ticket.bsi__RequestedLanguage = SplitList(languages);
    ticket.bsi__RequestedRole = SplitList(roles);
    _bsi__StartSession request;
    request.bsi__RequestTicket = &ticket;
    _bsi__StartSessionResponse response;
    if (!mExchanger.Repeat(operation, [&](struct soap* soap, const char* url, const char* action) {
            return binding::StartSession(soap, url, action, &request, &response);
        }))
        Fail(operation, mExchanger.Cause());

    const bsi__SessionTicket_USCOREt* result = binding::ResultOf(response);
    if (result != nullptr && result->bsi__SessionID != nullptr) {
        const std::string& grantedId = result->bsi__SessionID->__item;
        const std::string grantedRoles = JoinList(result->bsi__GrantedRole);
        KV_LOG(3,
               "IBaseSoap::StartSession - gSoap start session succeeded | sessionid=%s | lang=%s "
               "| roles=%s",
               grantedId.c_str(), result->bsi__SessionLanguage.c_str(), grantedRoles.c_str());
        if (mSessionInfo) {
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_SessionID, grantedId);
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Language,
                        result->bsi__SessionLanguage);
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Roles, grantedRoles);
        }
        mExchanger.CarrySessionId(grantedId);
    }
    return mExchanger.SessionId();
}

void SessionKeeper::End() {
    std::string sessionId;
    ReadSessionInfo(&sessionId);
    if (sessionId.empty()) {
        KV_LOG(2, "IBaseSoap::EndSession - warning: no session has exist to end!");
        return;
    }
    // The device's answer, or its failure, changes nothing: the session is over here.
    char* answer = nullptr;
    mExchanger.Unchecked(operations::kEndSession,
                         [&](struct soap* soap, const char* url, const char* action) {
                             return binding::EndSession(soap, url, action, nullptr, &answer);
                         });
    mExchanger.DropSessionId();
    if (mSessionInfo) {
        const std::string empty;
        PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_SessionID, empty);
        PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_SessionData, empty);
        PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Language, empty);
        PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Roles, empty);
    }
}

std::string SessionKeeper::Guard() {
    std::string sessionId;
    ReadSessionInfo(&sessionId);
    if (!sessionId.empty())
        return sessionId;
    const char* failureText = operations::kStartSession.failureText;
    try {
        return Traced(operations::kStartSession, [this] { return Start(); });
    } catch (const CPException& failure) {
        const CPExceptionCause* cause = GetExceptionCause(failure);
        throw CPExceptionWithCause(failureText, E_FAIL,
                                   cause != nullptr ? *cause : mExchanger.Cause());
    } catch (...) {
        throw CPExceptionWithCause(failureText, E_FAIL,
                                   CauseWithoutExchange("starting the session raised an error"));
    }
}

bool SessionKeeper::Restart() {
    try {
        Traced(operations::kEndSession, [this] { End(); });
        if (Traced(operations::kStartSession, [this] { return Start(); }).empty()) {
            mExchanger.SetCause(CauseWithoutExchange(kNoSessionGranted));
            return false;
        }
    } catch (...) {
        // The restart's own failed exchange has left its cause.
        return false;
    }
    return true;
}

} // namespace kavelin::proxy
