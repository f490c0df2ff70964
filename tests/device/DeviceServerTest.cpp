#include "DeviceServer.h"
#include "RawHttpClient.h"

#include <gtest/gtest.h>

#include <tuple>
#include <unistd.h>

#include "support/CannedServer.h"

namespace kavelin_test {
namespace {

using namespace kavelin::device;

const std::string kDictionary =
    "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/";

const std::string kStartSession =
    "<b:StartSession><b:RequestTicket><b:Credentials><b:UserNameToken>guest</b:UserNameToken>"
    "<b:Password>zqvk</b:Password></b:Credentials><b:RequestedLanguage>fr-FR"
    "</b:RequestedLanguage><b:RequestedRole>admin</b:RequestedRole><b:RequestedRole>user"
    "</b:RequestedRole></b:RequestTicket></b:StartSession>";

std::string GetDataBody(const std::string& path, const std::string& prefix = "",
                        const std::string& url = "") {
    std::string body = "<g:GetData>";
    if (!prefix.empty()) {
        body += "<Prefixes><PrefixMap><Prefix>" + prefix + "</Prefix><URL>" + url +
                "</URL></PrefixMap></Prefixes>";
    }
    return body + "<Path>" + path + "</Path></g:GetData>";
}

std::string SetDataBody(const std::string& document, bool details = true) {
    return "<w:SetData><XDM_Document>" + document + "</XDM_Document><ResultsDetails>" +
           (details ? "true" : "false") + "</ResultsDetails></w:SetData>";
}

std::string Printer(const std::string& inner) {
    return "<p:Printer xmlns:p=\"" + kDictionary + "\">" + inner + "</p:Printer>";
}

class DeviceServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mDevice.Start()) << mDevice.LastError(); }

    RawHttpClient Connect() {
        RawHttpClient client = RawHttpClient::Tcp(mDevice.Port());
        EXPECT_TRUE(client.Connected());
        return client;
    }

    std::string StartSession(RawHttpClient& client) {
        const RawResponse answer = client.Post(Envelope(kStartSession), "StartSession");
        EXPECT_EQ(answer.status, 200) << answer.body;
        return ElementText(answer.body, "bsi:SessionID");
    }

    std::string Query(RawHttpClient& client, const std::string& session, const std::string& path) {
        const RawResponse answer =
            client.Post(Envelope(GetDataBody(path, "p", kDictionary), session), "GetData");
        EXPECT_EQ(answer.status, 200) << answer.body;
        return ElementText(answer.body, "GetDataResult");
    }

    DeviceServer mDevice;
};

TEST_F(DeviceServerTest, GrantsASessionAndKeepsItsConnectionAlive) {
    RawHttpClient client = Connect();
    const RawResponse started = client.Post(Envelope(kStartSession), "StartSession");
    const std::string session = ElementText(started.body, "bsi:SessionID");
    ASSERT_FALSE(session.empty());
    EXPECT_EQ(ElementText(started.body, "bsi:SessionLanguage"), "fr-FR");
    EXPECT_NE(started.body.find("<bsi:GrantedRole>admin</bsi:GrantedRole>"
                                "<bsi:GrantedRole>user</bsi:GrantedRole>"),
              std::string::npos);
    EXPECT_EQ(Query(client, session, "string(/p:Printer/p:Identity/p:Model)"), "Plotara C4250dn");

    const auto requests = mDevice.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].connection, requests[1].connection);
    EXPECT_EQ(requests[0].operation + " " + requests[1].operation + " " + requests[1].soapAction,
              "StartSession GetData GetData");
    ASSERT_EQ(mDevice.Sessions().size(), 1u);
    client.Post(Envelope("<b:EndSession/>", session), "EndSession");
    EXPECT_TRUE(mDevice.Sessions().empty());
}

TEST_F(DeviceServerTest, AnswersGetDataByXPathWithTheRequestsPrefixes) {
    // The expression with the prefix x bound by the request.
    const auto x = [](const std::string& path) { return GetDataBody(path, "x", kDictionary); };
    const std::tuple<std::string, int, std::string> cases[] = {
        // The request, the status, and GetDataResult for 200, a piece of the faultstring else.
        {x("string(/x:Printer/x:Trays/x:Tray[@id='2']/x:Capacity)"), 200, "550"},
        // A node set keeps the namespace declaration.
        {x("/x:Printer/x:Consumables/x:Consumable[@id='drum']/x:LevelPercent"), 200,
         "<dd:LevelPercent xmlns:dd=\"" + kDictionary + "\">64</dd:LevelPercent>"},
        {GetDataBody("count(//dd:Tray)"), 200, "3"},
        {x("/x:Printer/x:Scanner"), 200, ""},
        {GetDataBody("string(//dd:Tray[dd:Level &lt; 100]/dd:Name)"), 200, "Multipurpose tray"},
        {GetDataBody("/x:Printer", "x", "urn:other"), 200, ""},
        {GetDataBody("/nope:Printer"), 500, "unknown namespace prefix"},
        {GetDataBody("/dd:Printer[", "", ""), 500, "invalid XPath"},
        {"<g:GetData/>", 500, "without Path"},
    };
    RawHttpClient client = Connect();
    const std::string session = StartSession(client);
    for (const auto& [body, status, expected] : cases) {
        SCOPED_TRACE(body);
        const RawResponse answer = client.Post(Envelope(body, session), "GetData");
        ASSERT_TRUE(answer.complete);
        EXPECT_EQ(answer.status, status);
        if (status == 200)
            EXPECT_EQ(ElementText(answer.body, "GetDataResult"), expected);
        else
            EXPECT_NE(ElementText(answer.body, "faultstring").find(expected), std::string::npos);
    }
}

TEST_F(DeviceServerTest, SetDataChangesOnlyWhatFitsAndGetDataSeesIt) {
    const auto seen = [&](RawHttpClient& client, const std::string& session) {
        return Query(client, session, "string(/p:Printer/p:Identity/p:Location)") + "|" +
               Query(client, session, "string(/p:Printer/p:Trays/p:Tray[@id='3']/p:MediaSize)");
    };
    const std::pair<std::string, const char*> cases[] = {
        // The document, and the location and tray 3's size after it; null: refused, and
        // nothing of it applied.
        {Printer("<p:Identity><p:Location>Lab &amp; annex</p:Location></p:Identity>"),
         "Lab & annex|Letter"},
        {Printer("<p:Trays><p:Tray id=\"3\"><p:MediaSize>A3</p:MediaSize></p:Tray></p:Trays>"),
         "Lab & annex|A3"},
        {Printer("<p:Identity><p:Location>x</p:Location><p:Model>y</p:Model></p:Identity>"),
         nullptr},
        {Printer("<p:Trays><p:Tray id=\"3\"><p:MediaSize>B5</p:MediaSize></p:Tray>"
                 "<p:Tray id=\"9\"><p:MediaSize>A5</p:MediaSize></p:Tray></p:Trays>"),
         nullptr},
        {Printer("<p:Identity>flat</p:Identity>"), nullptr},
        {"<p:Scanner xmlns:p=\"" + kDictionary + "\"/>", nullptr},
        {"", nullptr},
    };
    RawHttpClient client = Connect();
    const std::string session = StartSession(client);
    for (const auto& [document, after] : cases) {
        SCOPED_TRACE(document);
        const std::string before = seen(client, session);
        const RawResponse answer = client.Post(Envelope(SetDataBody(document), session), "SetData");
        EXPECT_EQ(answer.status, after != nullptr ? 200 : 500) << answer.body;
        EXPECT_EQ(seen(client, session), after != nullptr ? after : before);
    }
    EXPECT_NE(mDevice.XdmDocument().find("<dd:MediaSize access=\"rw\">A3</dd:MediaSize>"),
              std::string::npos);
}

// The failures' Fault envelopes are read by the library's retry tests.
TEST_F(DeviceServerTest, FailsTheNextNRequestsOfOneOperation) {
    mDevice.FailNext("GetData", 2);
    RawHttpClient client = Connect();
    const std::string session = StartSession(client); // another operation: not failed
    std::vector<int> statuses;
    for (int i = 0; i < 3; ++i)
        statuses.push_back(
            client.Post(Envelope(GetDataBody("count(//dd:Tray)"), session), "GetData").status);
    EXPECT_EQ(statuses, (std::vector<int>{500, 500, 200}));
}

TEST_F(DeviceServerTest, RefusesDataAccessOutsideALiveSession) {
    RawHttpClient client = Connect();
    for (const std::string session : {"", "session-0-deadbeef"}) {
        const RawResponse answer = client.Post(Envelope(GetDataBody("1"), session), "GetData");
        EXPECT_EQ(answer.status, 500);
        EXPECT_NE(answer.body.find("InvalidSessionID"), std::string::npos);
    }
}

TEST_F(DeviceServerTest, ShapesAnswersAsToldAndPlaysScripts) {
    mDevice.CloseMidAnswerNext("StartSession", 1);
    EXPECT_FALSE(Connect().Post(Envelope(kStartSession)).complete);
    RawHttpClient client = Connect();
    mDevice.SetOmitSessionTicket(true);
    const RawResponse bare = client.Post(Envelope(kStartSession));
    EXPECT_TRUE(bare.complete);
    EXPECT_EQ(bare.body.find("SessionID"), std::string::npos);
    mDevice.SetOmitSessionTicket(false);
    mDevice.SetUseReturnElement(true);
    const RawResponse alternate = client.Post(Envelope(kStartSession));
    EXPECT_FALSE(ElementText(alternate.body, "bsi:return").empty()) << alternate.body;

    mDevice.Script("GetSupportedEvents", {ScriptedAnswer::Kind::Envelope, "<scripted/>"}, 1);
    const std::string events = Envelope("<b:GetSupportedEvents/>", mDevice.Sessions()[0].id);
    EXPECT_EQ(client.Post(events).body, "<scripted/>");
    EXPECT_NE(client.Post(events).body.find("<bsi:Event>ConsumableChanged</bsi:Event>"),
              std::string::npos);

    mDevice.AnswerTwiceNext("GetSupportedEvents", 1);
    const RawResponse once = client.Post(events);
    EXPECT_EQ(client.Read().body, once.body);

    mDevice.Script("", {ScriptedAnswer::Kind::RawHttp, "HTTP/1.1 503 Busy\r\n\r\n"}, 1);
    EXPECT_EQ(client.Post(events).status, 503);
    EXPECT_TRUE(client.WaitForClose());
}

TEST_F(DeviceServerTest, StopReturnsWhileClientsAreConnectedOrWaiting) {
    mDevice.NeverAnswerNext("", DeviceServer::kAlways);
    RawHttpClient idle = Connect();
    RawHttpClient waiting = Connect();
    ASSERT_TRUE(waiting.Send("POST / HTTP/1.1\r\nContent-Length: 0\r\n\r\n"));
    ASSERT_TRUE(mDevice.WaitForRequests(1, std::chrono::seconds(10)));
    mDevice.Stop();
    EXPECT_TRUE(idle.WaitForClose());
    EXPECT_TRUE(waiting.WaitForClose());
    EXPECT_FALSE(RawHttpClient::Tcp(mDevice.Port()).Connected());
}

// Malformed requests get their status and the device stays up; whole chunks, one with an
// extension, then a trailer, make the body the device reads.
TEST_F(DeviceServerTest, AnswersEachFramingWithItsStatusWithoutFallingOver) {
    const std::string longHeader = "X-Filler: " + std::string(20000, 'a') + "\r\n";
    const std::string envelope = Envelope(kStartSession);
    const std::size_t half = envelope.size() / 2;
    char sizes[2][32];
    std::snprintf(sizes[0], sizeof sizes[0], "%zx\r\n", half);
    std::snprintf(sizes[1], sizeof sizes[1], "%zx;ext=1\r\n", envelope.size() - half);
    const std::string head = "POST / HTTP/1.1\r\n";
    const std::string chunked = head + "Transfer-Encoding: chunked\r\n\r\n";
    const auto post = [&](const std::string& body) {
        return head + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    };
    const struct Case {
        const char* name;
        std::string request;
        int status;
    } cases[] = {
        {"not XML", post("<bad"), 500},
        {"not an envelope", post("<a/>"), 500},
        {"DOCTYPE refused", post("<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"), 500},
        {"empty Body", post(Envelope("")), 500},
        {"no body", post(""), 500},
        {"unknown operation", post(Envelope("<b:Reboot/>")), 500},
        {"garbage request line", "HELLO\r\n\r\n", 400},
        {"header without colon", head + "broken\r\n\r\n", 400},
        {"bad length", head + "Content-Length: -5\r\n\r\n", 400},
        {"no length", head + "\r\n", 411},
        {"body too large", head + "Content-Length: 99999999999\r\n\r\n", 413},
        {"header too large", head + longHeader + "\r\n", 431},
        {"bad chunk size", chunked + "zz\r\n", 400},
        {"chunk without CRLF", chunked + "2\r\nabcd\r\n0\r\n\r\n", 400},
        {"chunks past the body bound, together",
         chunked + "400000\r\n" + std::string(4 << 20, 'x') + "\r\n1\r\n", 413},
        {"unknown encoding", head + "Transfer-Encoding: gzip\r\n\r\n", 501},
        {"not POST", "GET / HTTP/1.1\r\n\r\n", 405},
        {"chunked",
         chunked + sizes[0] + envelope.substr(0, half) + "\r\n" + sizes[1] + envelope.substr(half) +
             "\r\n0\r\nX-Trailer: 1\r\n\r\n",
         200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RawHttpClient client = Connect();
        ASSERT_TRUE(client.Send(c.request));
        EXPECT_EQ(client.Read().status, c.status);
    }
    EXPECT_EQ(mDevice.Requests().back().body, envelope);
    RawHttpClient healthy = Connect();
    EXPECT_FALSE(StartSession(healthy).empty());
}

TEST(DeviceServerUnixSocket, ServesTheSameBytesOverAUnixSocket) {
    const std::string path = ::testing::TempDir() + "kavelin-device-test.sock";
    DeviceServer device({.tcpPort = std::nullopt, .unixPath = path});
    ASSERT_TRUE(device.Start()) << device.LastError();
    EXPECT_EQ(device.Port(), 0);
    RawHttpClient client = RawHttpClient::Unix(path);
    ASSERT_TRUE(client.Connected());
    EXPECT_FALSE(ElementText(client.Post(Envelope(kStartSession)).body, "bsi:SessionID").empty());
    device.Stop();
    EXPECT_NE(::access(path.c_str(), F_OK), 0);
}

TEST_F(DeviceServerTest, DeliversSubscribedEventsWhenTheDataChanges) {
    CannedServer listener({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"});
    RawHttpClient client = Connect();
    const std::string session = StartSession(client);
    const std::string subscribe =
        "<b:Subscribe><b:SubscriptionInfo><b:EventName>MediaChanged</b:EventName>"
        "<b:ReliabilityOption>NoRetry</b:ReliabilityOption><b:ClientCookie>A CliCook:c"
        "</b:ClientCookie></b:SubscriptionInfo><b:ClientDeliveryAddress>" +
        listener.Url("/EventCallback") + "</b:ClientDeliveryAddress></b:Subscribe>";
    const RawResponse subscribed = client.Post(Envelope(subscribe, session), "Subscribe");
    const std::string id = ElementText(subscribed.body, "bsi:SubscribeResult");
    ASSERT_FALSE(id.empty()) << subscribed.body;

    // A change elsewhere raises no MediaChanged; the tray change does.
    ASSERT_TRUE(mDevice.ApplyDeviceChange(
        Printer("<p:Counters><p:TotalPages>48214</p:TotalPages></p:Counters>")));
    client.Post(Envelope(SetDataBody(Printer("<p:Trays><p:Tray id=\"1\"><p:MediaType>Labels"
                                             "</p:MediaType></p:Tray></p:Trays>")),
                         session),
                "SetData");
    ASSERT_EQ(listener.Requests().size(), 1u);
    const std::string posted = listener.Requests()[0];
    EXPECT_NE(posted.find("POST /EventCallback HTTP/1.1"), std::string::npos);
    EXPECT_EQ(ElementText(posted, "bsi:SubscriptionID"), id);
    EXPECT_EQ(ElementText(posted, "bsi:Name"), "MediaChanged");
    EXPECT_EQ(ElementText(posted, "bsi:ClientCookie"), "A CliCook:c");
    EXPECT_NE(posted.find(">Labels</dd:Change>"), std::string::npos);
    ASSERT_TRUE(mDevice.WaitForDeliveries(1, std::chrono::seconds(10)));
    EXPECT_EQ(mDevice.Deliveries().at(0).httpStatus, 200);

    const std::string unsubscribe =
        "<b:Unsubscribe><b:SubscriptionID>" + id + "</b:SubscriptionID></b:Unsubscribe>";
    EXPECT_EQ(client.Post(Envelope(unsubscribe, session)).status, 200);
    EXPECT_EQ(client.Post(Envelope(unsubscribe, session)).status, 500);
    EXPECT_TRUE(mDevice.Subscriptions().empty());
}

// A connection that trickles its request holds its place only until the request's deadline,
// counted from its first byte.
TEST(DeviceServerLimits, TurnsAwayConnectionsBeyondTheBoundWhileARequestMayStillArrive) {
    DeviceServer device({.maxConnections = 1, .requestTimeout = std::chrono::milliseconds(300)});
    ASSERT_TRUE(device.Start()) << device.LastError();
    RawHttpClient first = RawHttpClient::Tcp(device.Port());
    ASSERT_TRUE(first.Send("POST / HTTP/1.1\r\n"));
    EXPECT_EQ(RawHttpClient::Tcp(device.Port()).Read().status, 503);
    RawResponse trickled; // a byte every 100 ms until the device answers
    for (int i = 0; i < 30 && !(trickled = first.Read(std::chrono::milliseconds(100))).complete;
         ++i)
        first.Send("X");
    EXPECT_EQ(trickled.status, 408);
    RawHttpClient next = RawHttpClient::Tcp(device.Port());
    ASSERT_TRUE(next.Send("POST / HTTP/1.1\r\nContent-Length: 0\r\n\r\n"));
    EXPECT_TRUE(next.Read().complete);
}

// A device that serves for days keeps only its latest requests, so its memory stays flat;
// the count still says how many came.
TEST(DeviceServerLimits, KeepsTheLatestRequestsAndCountsThemAll) {
    DeviceServer device({.requireSession = false, .journalCapacity = 3});
    ASSERT_TRUE(device.Start()) << device.LastError();
    RawHttpClient client = RawHttpClient::Tcp(device.Port());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(client.Post(Envelope(GetDataBody(std::to_string(i))), "GetData").status, 200);
    EXPECT_EQ(device.RequestCount(), 5u);
    EXPECT_TRUE(device.WaitForRequests(5, std::chrono::milliseconds(0)));
    std::vector<std::string> kept;
    for (const RecordedRequest& request : device.Requests())
        kept.push_back(ElementText(request.body, "Path"));
    EXPECT_EQ(kept, (std::vector<std::string>{"2", "3", "4"}));
}

} // namespace
} // namespace kavelin_test
