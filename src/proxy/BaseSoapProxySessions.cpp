#include <string_view>
#include <vector>

#include "platform/BstrString.h"
#include "platform/Logging.h"
#include "platform/VisibleText.h"
#include "proxy/BaseSoapProxy.h"
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

void PutProperty(ISessionInfo& sessionInfo, HRESULT (STDMETHODCALLTYPE ISessionInfo::*put)(BSTR),
                 const std::string& text) {
    platform::BstrString value(text);
    (sessionInfo.*put)(value.Get());
}

[[noreturn]] void FailStartSession(const CPExceptionCause& cause) {
    KV_LOG(1, "IBaseSoap::StartSession - error: start session failed throwing exception!!!");
    throw CPExceptionWithCause("StartSession Failed!!!", E_FAIL, cause);
}
} // namespace

std::string BaseSoapProxy::StartSession() {
    KV_LOG(5, "IBaseSoap::StartSession - Enter");
    const ProxyUseGuard use(User(), "IBaseSoap::StartSession", FailStartSession);
    std::string sessionId;
    ReadSessionInfo(&sessionId);
    if (!sessionId.empty()) {
        KV_LOG(2, "IBaseSoap::StartSession - warning: session has already been established: %s",
               sessionId.c_str());
        FailStartSession(CauseWithoutExchange("a session already exists: " + sessionId));
    }
    if (mServiceUrl.empty()) {
        KV_LOG(1, "IBaseSoap::StartSession - error: no service url has been set!!!");
        FailStartSession(CauseWithoutExchange("no service URL has been set"));
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

    // Two attempts with the same request and nothing in between: this is the session start
    // itself, so the retry rule of the other operations (restart the session) cannot apply.
    bool succeeded = false;
    for (int attempt = 0; attempt < 2 && !succeeded; ++attempt) {
        PrepareExchange(TimeStampUse::Point);
        KV_LOG(3, "IBaseSoap::StartSession - invoking gSoap start session function.");
        succeeded = RunExchange("IBaseSoap::StartSession", [&] {
            return soap_call___bsiwsdl__StartSession(Soap(), ServiceUrl(), "StartSession", &request,
                                                     &response);
        });
        if (!succeeded)
            KV_LOG(1, "IBaseSoap::StartSession - error: gSoap start session failed attempting a "
                      "retry!!!");
    }
    if (!succeeded)
        FailStartSession(LastCause());

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
        mSessionId.__item = grantedId;
        mHeaderCarriesSessionId = true;
        RebuildHeader();
    }
    KV_LOG(5, "IBaseSoap::StartSession - Exit | sessionid=%s",
           platform::VisibleText(mSessionId.__item, platform::kVisibleTextLimit).c_str());
    return mSessionId.__item;
}

void BaseSoapProxy::EndSession() {
    KV_LOG(5, "IBaseSoap::EndSession - Enter");
    const ProxyUseGuard use(User(), "IBaseSoap::EndSession");
    if (use.Refused())
        return;
    std::string sessionId;
    ReadSessionInfo(&sessionId);
    if (sessionId.empty()) {
        KV_LOG(2, "IBaseSoap::EndSession - warning: no session has exist to end!");
    } else {
        PrepareExchange(TimeStampUse::Point);
        // The device's answer, or its failure, changes nothing: the session is over here.
        char* answer = nullptr;
        soap_call___bsiwsdl__EndSession(Soap(), ServiceUrl(), "EndSession", nullptr, &answer);
        mHeaderCarriesSessionId = false;
        RebuildHeader();
        if (mSessionInfo) {
            const std::string empty;
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_SessionID, empty);
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_SessionData, empty);
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Language, empty);
            PutProperty(*mSessionInfo.Get(), &ISessionInfo::put_Roles, empty);
        }
    }
    KV_LOG(5, "IBaseSoap::EndSession - Exit");
}

} // namespace kavelin::proxy
