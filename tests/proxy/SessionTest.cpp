#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ProxyTestSupport.h"
#include "os/kernel/UserName.h"

using kavelin::device::ScriptedAnswer;
using namespace kavelin_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Write = RecordingSessionInfo::Write;

namespace {

constexpr char kBsiNamespace[] =
    "http://schemas.orvanta.example/schemas/imaging/con/bsi/2003/08/21";

// A StartSession answer written by hand: `header` goes into a SOAP header when not empty.
ScriptedAnswer StartSessionAnswer(const std::string& ticket, const std::string& header = "") {
    return {ScriptedAnswer::Kind::Envelope,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\""
            "http://schemas.xmlsoap.org/soap/envelope/\" xmlns:bsi=\"" +
                std::string(kBsiNamespace) + "\">" +
                (header.empty() ? "" : "<SOAP-ENV:Header>" + header + "</SOAP-ENV:Header>") +
                "<SOAP-ENV:Body><bsi:StartSessionResponse>" + ticket +
                "</bsi:StartSessionResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>"};
}

size_t Occurrences(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

TEST(StartSession, RefusesWithoutAnyExchange) {
    // (a URL given, the session the host holds, the level and line of the refusal)
    using Row = std::tuple<bool, std::u16string, int, std::string>;
    for (const auto& [withUrl, heldSession, level, line] :
         {Row{true, u"s-9", 2,
              "IBaseSoap::StartSession - warning: session has already been established: s-9"},
          Row{false, u"", 1, "IBaseSoap::StartSession - error: no service url has been set!!!"}}) {
        SCOPED_TRACE(line);
        auto device = StartDevice();
        RecordingSessionInfo* info = nullptr;
        CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
        info->PresetSessionId(heldSession);
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(withUrl ? device->BaseServiceUrl() : "", held);
        const LogCapture log = ProcessLog();
        try {
            proxy->StartSession();
            ADD_FAILURE() << "no exception";
        } catch (const CPException& failure) {
            EXPECT_STREQ(failure.what(), "StartSession Failed!!!");
            EXPECT_EQ(failure.GetErrorCode(), E_FAIL);
        }
        EXPECT_EQ(log.Count(level, line), 1);
        EXPECT_EQ(log.Count(1, "IBaseSoap::StartSession - error: start session failed throwing "
                               "exception!!!"),
                  1);
        EXPECT_THAT(Operations(*device), IsEmpty());
        EXPECT_EQ(info->Writes().size(), 0u);
    }
}

TEST(StartSession, TriesTwiceWithTheSameRequest) {
    const std::string retryLine =
        "IBaseSoap::StartSession - error: gSoap start session failed attempting a retry!!!";
    for (const int failures : {0, 1, 2}) {
        SCOPED_TRACE(std::to_string(failures) + " failures");
        const bool succeeds = failures < 2;
        Started s = InitializedProxy();
        s.device->FailNext("StartSession", failures);
        const LogCapture log = ProcessLog();
        std::string sessionId;
        bool threw = false;
        try {
            sessionId = s.proxy->StartSession();
        } catch (const CPException& failure) {
            threw = true;
            EXPECT_STREQ(failure.what(), "StartSession Failed!!!");
            EXPECT_EQ(failure.GetErrorCode(), E_FAIL);
        }
        EXPECT_EQ(threw, !succeeds);
        EXPECT_EQ(log.Count(1, retryLine), failures);
        EXPECT_EQ(log.Count(3, "IBaseSoap::StartSession - invoking gSoap start session function."),
                  succeeds ? failures + 1 : 2);
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), static_cast<size_t>(succeeds ? failures + 1 : 2));
        for (const auto& request : requests) {
            EXPECT_EQ(request.soapAction, "StartSession");
            EXPECT_EQ(request.body.substr(request.body.find("<SOAP-ENV:Body>")),
                      requests[0].body.substr(requests[0].body.find("<SOAP-ENV:Body>")));
        }
        if (succeeds) {
            EXPECT_FALSE(sessionId.empty());
            EXPECT_EQ(Narrow(s.info->SessionId()), sessionId);
            EXPECT_EQ(log.Count(5, "IBaseSoap::StartSession - Exit | sessionid=" + sessionId), 1);
        } else {
            EXPECT_THAT(s.info->SessionId(), IsEmpty());
        }
    }
}

TEST(StartSession, RequestsTheRolesAndStoresTheGrantedOnes) {
    // (roles the host gives, roles requested, roles stored)
    using Row = std::tuple<std::u16string, size_t, std::u16string>;
    for (const auto& [roles, requested, stored] :
         {Row{u"admin,user", 2, u"admin,user"}, Row{u",admin,,user,", 2, u"admin,user"},
          Row{u" admin", 1, u" admin"}}) {
        Started s = InitializedProxy();
        s.info->PresetRoles(roles);
        s.proxy->StartSession();
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(Occurrences(requests[0].body, "<bsi:RequestedRole>"), requested)
            << requests[0].body;
        EXPECT_NE(requests[0].body.find("<bsi:UserNameToken>guest</bsi:UserNameToken>"),
                  std::string::npos);
        EXPECT_NE(requests[0].body.find("<bsi:Password>zqvk</bsi:Password>"), std::string::npos);
        EXPECT_EQ(s.info->Roles(), stored);
    }
}

TEST(StartSession, PublishesTheTicketInOrder) {
    const std::string ticket = "<bsi:SessionID>t-1</bsi:SessionID>"
                               "<bsi:SessionLanguage>de-DE</bsi:SessionLanguage>";
    // The ticket inline, and behind a reference to an element that follows.
    for (const std::string& result :
         {"<bsi:StartSessionResult>" + ticket + "</bsi:StartSessionResult>",
          "<bsi:StartSessionResult href=\"#t\"/><bsi:Ticket id=\"t\">" + ticket +
              "</bsi:Ticket>"}) {
        SCOPED_TRACE(result);
        Started s = InitializedProxy();
        s.device->Script("StartSession", StartSessionAnswer(result));
        const LogCapture log = ProcessLog();
        EXPECT_EQ(s.proxy->StartSession(), "t-1");
        // No granted role: the roles are stored as an empty text, after the ID and the language.
        const auto writes = s.info->Writes();
        ASSERT_GE(writes.size(), 3u);
        const std::vector<Write> published(writes.end() - 3, writes.end());
        EXPECT_THAT(published, ElementsAre(Write{"SessionID", u"t-1"}, Write{"Language", u"de-DE"},
                                           Write{"Roles", u""}));
        EXPECT_EQ(log.Count(3, "IBaseSoap::StartSession - gSoap start session succeeded | "
                               "sessionid=t-1 | lang=de-DE | roles="),
                  1);
    }
}

// The engine decodes an answer's SOAP header into the structure the proxy sends from; the
// proxy's own session ID must still be the one it sends next, whatever the device put there.
TEST(StartSession, AnswerHeaderDoesNotReplaceTheProxysHeader) {
    Started s = InitializedProxy();
    s.device->Script(
        "StartSession",
        StartSessionAnswer("<bsi:StartSessionResult><bsi:SessionID>mine</bsi:SessionID>"
                           "<bsi:SessionLanguage>en-US</bsi:SessionLanguage>"
                           "</bsi:StartSessionResult>",
                           "<bsi:SessionID>theirs</bsi:SessionID>"),
        1);
    ASSERT_EQ(s.proxy->StartSession(), "mine");
    s.proxy->EndSession();
    s.proxy->StartSession();
    const auto requests = s.device->Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_NE(HeaderOf(requests[1].body).find("SessionID>mine</"), std::string::npos)
        << requests[1].body;
    // After EndSession the header carries the time stamp alone.
    EXPECT_EQ(HeaderOf(requests[2].body).find("SessionID"), std::string::npos) << requests[2].body;
    EXPECT_NE(HeaderOf(requests[2].body).find("TimeStamp"), std::string::npos);
}

TEST(StartSession, LanguageComesFromTheUsersRegistryValue) {
    const std::string user = kavelin::os::CurrentUserName();
    const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Lang]\n";
    const auto own = [&](const std::string& v) { return key + "\"" + user + "\"=\"" + v + "\"\n"; };
    // (the registry, the host's language, the one requested (empty: none at all)); the English
    // default is logged exactly when the registry holds no language.
    using Row = std::tuple<std::string, std::u16string, std::string>;
    for (const auto& [text, preset, requested] : {
             Row{own("en-us"), u"", "en-US"},
             Row{own("fr"), u"", "fr-FR"},
             Row{own(""), u"", "-"},
             Row{own("zh-hant-tw"), u"", "zh-HANT-TW"},
             Row{key + "\"someone-else\"=\"it-it\"\n@=\"de-at\"\n", u"", "de-AT"},
             Row{own(std::string(260, 'x')) + "@=\"de-at\"\n", u"", "de-AT"},
             Row{"", u"pt-BR", "pt-BR"},
             Row{"", u"", ""},
         }) {
        ScopedRegistry registry(text);
        Started s = InitializedProxy();
        s.info->PresetLanguage(preset);
        const LogCapture log = ProcessLog();
        s.proxy->StartSession();
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), 1u);
        if (requested.empty()) {
            EXPECT_EQ(requests[0].body.find("RequestedLanguage"), std::string::npos);
        } else {
            EXPECT_EQ(Occurrences(requests[0].body, "<bsi:RequestedLanguage>" + requested +
                                                        "</bsi:RequestedLanguage>"),
                      1u)
                << text << requests[0].body;
        }
        EXPECT_EQ(log.Count(5, "Cannot read registry entry containing the EPC language, "
                               "defaulting to english."),
                  text.empty() ? 1 : 0)
            << text;
    }
}

TEST(EndSession, SendsOneRequestOnlyForAnExistingSession) {
    // No session; a session; a session the device fails to end.
    using Row = std::pair<bool, int>;
    for (const auto& [session, failures] : {Row{false, 0}, Row{true, 0}, Row{true, 1}}) {
        SCOPED_TRACE(std::to_string(session) + " " + std::to_string(failures));
        Started s = InitializedProxy();
        if (session)
            s.proxy->StartSession();
        s.device->ClearRequests();
        s.device->FailNext("EndSession", failures);
        const LogCapture log = ProcessLog();
        s.proxy->EndSession();
        EXPECT_EQ(s.device->Requests().size(), session ? 1u : 0u);
        EXPECT_EQ(log.Count(2, "IBaseSoap::EndSession - warning: no session has exist to end!"),
                  session ? 0 : 1);
        EXPECT_EQ(log.Count(5, "IBaseSoap::EndSession - Exit"), 1);
        if (session) {
            const auto writes = s.info->Writes();
            ASSERT_GE(writes.size(), 4u);
            EXPECT_THAT(std::vector(writes.end() - 4, writes.end()),
                        ElementsAre(Write{"SessionID", u""}, Write{"SessionData", u""},
                                    Write{"Language", u""}, Write{"Roles", u""}));
        }
    }
}

} // namespace
