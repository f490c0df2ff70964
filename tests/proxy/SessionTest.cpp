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
    std::string envelope = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                           "<SOAP-ENV:Envelope "
                           "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                           "xmlns:bsi=\"" +
                           std::string(kBsiNamespace) + "\">";
    if (!header.empty())
        envelope += "<SOAP-ENV:Header>" + header + "</SOAP-ENV:Header>";
    envelope += "<SOAP-ENV:Body><bsi:StartSessionResponse>" + ticket +
                "</bsi:StartSessionResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return ScriptedAnswer{ScriptedAnswer::Kind::Envelope, envelope};
}

size_t Occurrences(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

TEST(StartSession, RefusesWithoutAnyExchange) {
    struct Case {
        const char* name;
        bool withUrl;
        std::u16string heldSession;
        int level;
        std::string line;
    };
    const Case cases[] = {
        {"session exists", true, u"s-9", 2,
         "IBaseSoap::StartSession - warning: session has already been established: s-9"},
        {"no url", false, u"", 1,
         "IBaseSoap::StartSession - error: no service url has been set!!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto device = StartDevice();
        RecordingSessionInfo* info = nullptr;
        CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
        info->PresetSessionId(c.heldSession);
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(c.withUrl ? device->BaseServiceUrl() : "", held);
        const LogCapture log = ProcessLog();
        try {
            proxy->StartSession();
            ADD_FAILURE() << "no exception";
        } catch (const CPException& failure) {
            EXPECT_STREQ(failure.what(), "StartSession Failed!!!");
            EXPECT_EQ(failure.GetErrorCode(), E_FAIL);
        }
        EXPECT_EQ(log.Count(c.level, c.line), 1);
        EXPECT_EQ(log.Count(1, "IBaseSoap::StartSession - error: start session failed throwing "
                               "exception!!!"),
                  1);
        EXPECT_THAT(Operations(*device), IsEmpty());
        EXPECT_EQ(info->Writes().size(), 0u);
    }
}

TEST(StartSession, TriesTwiceWithTheSameRequest) {
    struct Case {
        int failures;
        bool succeeds;
    };
    const std::string retryLine =
        "IBaseSoap::StartSession - error: gSoap start session failed attempting a retry!!!";
    for (const Case c : {Case{0, true}, Case{1, true}, Case{2, false}}) {
        Started s = InitializedProxy();
        s.device->FailNext("StartSession", c.failures);
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
        EXPECT_EQ(threw, !c.succeeds) << c.failures << " failures";
        EXPECT_EQ(log.Count(1, retryLine), c.failures) << c.failures << " failures";
        EXPECT_EQ(log.Count(3, "IBaseSoap::StartSession - invoking gSoap start session function."),
                  c.succeeds ? c.failures + 1 : 2);
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), static_cast<size_t>(c.succeeds ? c.failures + 1 : 2));
        for (const auto& request : requests) {
            EXPECT_EQ(request.soapAction, "StartSession");
            EXPECT_EQ(request.body.substr(request.body.find("<SOAP-ENV:Body>")),
                      requests[0].body.substr(requests[0].body.find("<SOAP-ENV:Body>")));
        }
        if (c.succeeds) {
            EXPECT_FALSE(sessionId.empty());
            EXPECT_EQ(Narrow(s.info->SessionId()), sessionId);
            EXPECT_EQ(log.Count(5, "IBaseSoap::StartSession - Exit | sessionid=" + sessionId), 1);
        } else {
            EXPECT_THAT(s.info->SessionId(), IsEmpty());
        }
    }
}

TEST(StartSession, RequestsTheRolesAndStoresTheGrantedOnes) {
    struct Case {
        std::u16string roles;
        size_t requested;
        std::u16string stored;
    };
    const Case cases[] = {
        {u"admin,user", 2, u"admin,user"},
        {u",admin,,user,", 2, u"admin,user"},
        {u" admin", 1, u" admin"},
    };
    for (const Case& c : cases) {
        Started s = InitializedProxy();
        s.info->PresetRoles(c.roles);
        s.proxy->StartSession();
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(Occurrences(requests[0].body, "<bsi:RequestedRole>"), c.requested)
            << requests[0].body;
        EXPECT_NE(requests[0].body.find("<bsi:UserNameToken>guest</bsi:UserNameToken>"),
                  std::string::npos);
        EXPECT_NE(requests[0].body.find("<bsi:Password>zqvk</bsi:Password>"), std::string::npos);
        EXPECT_EQ(s.info->Roles(), c.stored);
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
    struct Case {
        std::string registry;
        std::u16string preset;
        std::string requested; // empty: no language element at all
        bool defaulted;
    };
    const Case cases[] = {
        {key + "\"" + user + "\"=\"en-us\"\n", u"", "en-US", false},
        {key + "\"" + user + "\"=\"fr\"\n", u"", "fr-FR", false},
        {key + "\"" + user + "\"=\"\"\n", u"", "-", false},
        {key + "\"" + user + "\"=\"zh-hant-tw\"\n", u"", "zh-HANT-TW", false},
        {key + "\"someone-else\"=\"it-it\"\n@=\"de-at\"\n", u"", "de-AT", false},
        {key + "\"" + user + "\"=\"" + std::string(260, 'x') + "\"\n@=\"de-at\"\n", u"", "de-AT",
         false},
        {"", u"pt-BR", "pt-BR", true},
        {"", u"", "", true},
    };
    for (const Case& c : cases) {
        ScopedRegistry registry(c.registry);
        Started s = InitializedProxy();
        s.info->PresetLanguage(c.preset);
        const LogCapture log = ProcessLog();
        s.proxy->StartSession();
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), 1u);
        if (c.requested.empty()) {
            EXPECT_EQ(requests[0].body.find("RequestedLanguage"), std::string::npos);
        } else {
            EXPECT_EQ(Occurrences(requests[0].body, "<bsi:RequestedLanguage>" + c.requested +
                                                        "</bsi:RequestedLanguage>"),
                      1u)
                << c.registry << requests[0].body;
        }
        EXPECT_EQ(log.Count(5, "Cannot read registry entry containing the EPC language, "
                               "defaulting to english."),
                  c.defaulted ? 1 : 0)
            << c.registry;
    }
}

TEST(EndSession, SendsOneRequestOnlyForAnExistingSession) {
    struct Case {
        const char* name;
        bool session;
        int failures;
        size_t requests;
    };
    const Case cases[] = {
        {"no session", false, 0, 0},
        {"session", true, 0, 1},
        {"session, device fails", true, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started s = InitializedProxy();
        if (c.session)
            s.proxy->StartSession();
        s.device->ClearRequests();
        s.device->FailNext("EndSession", c.failures);
        const LogCapture log = ProcessLog();
        s.proxy->EndSession();
        EXPECT_EQ(s.device->Requests().size(), c.requests);
        EXPECT_EQ(log.Count(2, "IBaseSoap::EndSession - warning: no session has exist to end!"),
                  c.session ? 0 : 1);
        EXPECT_EQ(log.Count(5, "IBaseSoap::EndSession - Exit"), 1);
        if (c.session) {
            const auto writes = s.info->Writes();
            ASSERT_GE(writes.size(), 4u);
            EXPECT_THAT(std::vector(writes.end() - 4, writes.end()),
                        ElementsAre(Write{"SessionID", u""}, Write{"SessionData", u""},
                                    Write{"Language", u""}, Write{"Roles", u""}));
        }
    }
}

} // namespace
