#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "os/kernel/LastError.h"
#include "os/xmldom/XmlDom.h"
#include "proxy/ProxyTestSupport.h"

using kavelin::device::DeviceOptions;
using kavelin::device::ScriptedAnswer;
using namespace kavelin_test;

namespace {

// The data-access answers' namespaces: x for GetData and GetSettable, y for SetData.
constexpr char kIxaNamespaces[] =
    "xmlns:x=\"http://schemas.orvanta.example/schemas/imaging/con/ixa/2004/07/20\" "
    "xmlns:y=\"http://schemas.orvanta.example/schemas/imaging/con/ixa/2005/05/05\"";
constexpr char kFallback[] = "http://fallback.example/cb";
constexpr char kEvent[] = "<S><EventName>StatusChange</EventName></S>";

// The host owns an array the proxy hands out, and its element block.
void FreeArray(RemoteArray* array) {
    if (array != nullptr) {
        delete[] array->mElements;
        delete array;
    }
}

// A device that answers without sessions, and a proxy whose host already holds one, so that
// the device sees only the requests of the operation under test.
struct Rig {
    explicit Rig(bool hostSession = true) {
        kavelin::os::RegisterXmlDomClass();
        DeviceOptions options;
        options.requireSession = false;
        device = StartDevice(options);
        held = NewSessionInfo(&info);
        if (hostSession)
            info->PresetSessionId(u"S-host");
        proxy = MakeProxy();
        proxy->Initialize(device->XdmServiceUrl(), held);
        device->SetSupportedEvents({"StatusChange", "e"});
    }
    std::string Body(size_t index) const { return device->Requests().at(index).body; }

    std::unique_ptr<kavelin::device::DeviceServer> device;
    RecordingSessionInfo* info = nullptr;
    CPComPtr<ISessionInfo> held;
    ProxyHandle proxy;
    const LogCapture log = ProcessLog();
};

ScriptedAnswer Answer(const std::string& body) {
    return {ScriptedAnswer::Kind::Envelope,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SOAP-ENV:Envelope "
            "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" " +
                std::string(kIxaNamespaces) + "><SOAP-ENV:Body>" + body +
                "</SOAP-ENV:Body></SOAP-ENV:Envelope>"};
}

// "ok", the CPException text, or the COM error's name.
std::string OutcomeOf(const std::function<void()>& call) {
    try {
        call();
        return "ok";
    } catch (const CPException& failure) {
        return failure.what();
    } catch (const _com_error& error) {
        return error.Error() == E_POINTER ? "E_POINTER" : "COM error";
    }
}

// The pieces of `text` between '|' separators.
std::vector<std::string> Pieces(const std::string& text) {
    std::vector<std::string> pieces;
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = std::min(text.find('|', at), text.size());
        pieces.push_back(text.substr(at, end - at));
    }
    return pieces;
}

// The map pairs its Prefix and URL nodes by position. A proxy keeps the last map it read:
// given twice in a row and after each other map, every map sends and logs on a kept proxy what
// it does on a fresh one, and a map that fails keeps failing.
TEST(GetData, PairsThePrefixMapByPositionAndForgetsTheLastMap) {
    struct Case {
        std::string map;
        const char* outcome;
        std::string sentPrefixes; // what the request carries; empty: no Prefixes element
        int level = 0;            // and the line logged at that level, when there is one
        std::string line;
    };
    const std::string a = "<Prefix>a</Prefix><URL>urn:a</URL>",
                      b = "<Prefix>b</Prefix><URL>urn:b</URL>";
    const Case cases[] = {
        {"", "ok", ""},
        {"<m><PrefixMap>" + a + b + "</PrefixMap></m>", "ok",
         "<Prefixes><PrefixMap>" + a + "</PrefixMap><PrefixMap>" + b + "</PrefixMap></Prefixes>"},
        {"<PrefixMap><URL>urn:a</URL><Prefix>a</Prefix></PrefixMap>", "ok",
         "<Prefixes><PrefixMap><Prefix>urn:a</Prefix><URL>a</URL></PrefixMap></Prefixes>"},
        // The odd map builds and logs its first entry before the missing partner is reached.
        {"<PrefixMap>" + a + "<Prefix>b</Prefix></PrefixMap>", "E_POINTER", "", 4,
         "IXDMAccessSoap::GetData - get data prefix: a | url: urn:a"},
        {"<PrefixMap><Prefix>a</PrefixMap>", "Get Data Failed!!!", "", 1,
         "IXDMAccessSoap::GetData - error: unable to load prefixes parameter data: "
         "<PrefixMap><Prefix>a</PrefixMap>"},
        {"<Other>" + a + "</Other>", "Get Data Failed!!!", ""},
    };
    struct Call {
        std::string outcome;
        LogLines lines;
        std::string body; // from the Body on; empty: nothing sent
        bool operator==(const Call&) const = default;
    };
    const auto call = [](Rig& rig, const std::string& map) {
        const LogCapture log = ProcessLog();
        const size_t before = rig.device->RequestCount();
        Call result;
        std::string answer;
        result.outcome = OutcomeOf([&] { answer = rig.proxy->GetData("/p:v", map, 0, 0); });
        result.lines = log.Lines();
        if (rig.device->RequestCount() > before) {
            EXPECT_EQ(answer, "<v>1</v>");
            const std::string body = rig.Body(before);
            result.body = body.substr(body.find("<SOAP-ENV:Body>"));
        }
        return result;
    };
    const ScriptedAnswer answer = Answer("<x:GetDataResponse><GetDataResult>&lt;v&gt;1&lt;/v&gt;</"
                                         "GetDataResult></x:GetDataResponse>");
    std::vector<Call> fresh;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.map);
        Rig rig;
        rig.device->Script("GetData", answer);
        fresh.push_back(call(rig, c.map));
        EXPECT_EQ(fresh.back().outcome, c.outcome);
        EXPECT_EQ(fresh.back().body.empty(), std::string(c.outcome) != "ok");
        if (c.level != 0) {
            EXPECT_EQ(std::ranges::count(fresh.back().lines, LogLines::value_type(c.level, c.line)),
                      1);
        }
        if (!c.sentPrefixes.empty())
            EXPECT_NE(fresh.back().body.find(c.sentPrefixes), std::string::npos);
        else
            EXPECT_EQ(fresh.back().body.find("<Prefixes"), std::string::npos);
    }
    Rig kept;
    kept.device->Script("GetData", answer);
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < fresh.size(); ++i) {
            SCOPED_TRACE(cases[i].map + " on a kept proxy");
            EXPECT_EQ(call(kept, cases[i].map), fresh[i]);
            EXPECT_EQ(call(kept, cases[i].map), fresh[i]);
        }
}

// Calls the proxy's operation of that name: "[answer]" for those that answer with a text, "ok"
// for the others.
std::string Call(IXDMAccessSoap& p, const std::string& operation) {
    if (operation == "GetData")
        return "[" + p.GetData("/", "", 0, 0) + "]";
    if (operation == "GetSettable")
        return "[" + p.GetSettable(0) + "]";
    if (operation == "SetData")
        p.SetData("<x/>", 0, 0, 0);
    else if (operation == "EndSession")
        p.EndSession();
    else if (operation == "Subscribe")
        p.Subscribe(kEvent, "", kFallback);
    else if (operation == "Unsubscribe")
        p.Unsubscribe("sub-1");
    else
        FreeArray(p.GetSupportedEvents());
    return "ok";
}

// An empty Body is no response structure to GetData, GetSettable and SetData; to every other
// operation it is a failed exchange, retried as any other. Either way the answer is read whole,
// so a kept-alive connection that the failure does not close carries the next exchange.
TEST(EmptyBody, EachOperationGivesItsOwnOutcome) {
    // (operation, outcome, the requests ('|' between them; each of the operation's name answered
    // empty), and whether the next GetData needs a session start as the operation left none)
    const std::tuple<std::string, const char*, const char*, bool> cases[] = {
        {"GetData", "[]", "GetData", false},
        {"GetSettable", "[]", "GetSettable", false},
        {"SetData", "ok", "SetData", false},
        {"StartSession", "StartSession Failed!!!", "StartSession|StartSession", true},
        {"EndSession", "ok", "EndSession", true},
        {"Subscribe", "Subscribe Failed!!!", "Subscribe|EndSession|StartSession|Subscribe", false},
        {"Unsubscribe", "Unsubscribe Failed!!!", "Unsubscribe|EndSession|StartSession|Unsubscribe",
         false},
        {"GetSupportedEvents", "GetSupportedEvents Failed!!!",
         "GetSupportedEvents|EndSession|StartSession|GetSupportedEvents", false},
    };
    for (const auto& [operation, result, requests, restarts] : cases) {
        SCOPED_TRACE(operation);
        Rig rig(operation != "StartSession");
        // Padded past the engine's buffer, so the envelope's end is still on the socket.
        ScriptedAnswer empty = Answer("");
        empty.text.insert(empty.text.rfind("</SOAP-ENV:Envelope>"), std::string(200000, ' '));
        std::vector<std::string> expected = Pieces(requests);
        rig.device->Script(operation, empty,
                           static_cast<int>(std::ranges::count(expected, operation)));
        std::string outcome;
        try {
            // StartSession runs as the session guard of GetData.
            outcome = Call(*rig.proxy, operation == "StartSession" ? "GetData" : operation);
        } catch (const CPException& thrown) {
            outcome = thrown.what();
        }
        EXPECT_EQ(outcome, result);
        EXPECT_EQ(OutcomeOf([&] { rig.proxy->GetData("/", "", 0, 0); }), "ok");
        if (restarts)
            expected.emplace_back("StartSession");
        expected.emplace_back("GetData");
        EXPECT_EQ(Operations(*rig.device), expected);
        // A failed exchange of the retry rule closes its connection; nothing else does.
        const auto sent = rig.device->Requests();
        EXPECT_EQ(sent.at(1).connection == sent.at(0).connection, !outcome.ends_with("Failed!!!"));
    }
}

// The document goes into the envelope as it stands, so only text that reads as one element
// there is sent; anything else fails before the exchange, with the reason as its cause.
TEST(DataAccess, SendsOnlyADocumentThatIsOneWellFormedElementAsItStands) {
    const std::string notOne = "the document is not one well-formed XML element";
    // (the document, the cause of its refusal; empty: sent)
    const std::pair<std::string, std::string> cases[] = {
        {"", "the document is empty"},
        {"</a></SOAP-ENV:Body></SOAP-ENV:Envelope><x/>", notOne}, // closes the envelope early
        {"<a/></XDM_Document></ixasd:SetData><x/>", notOne},      // an element, an injected one
        {"<a/><b/>", notOne},
        {"<a><b></a>", notOne},
        {"Room 7", notOne},
        {"<a>&nbsp;</a>", notOne},
        {"<!-- a --><!DOCTYPE a><a/>", notOne + ": it holds a document type declaration"},
        {"<?xml version=\"1.0\"?><a/>", notOne + ": it begins with an XML declaration"},
        {std::string("<a/>\0<b/>", 9), notOne + ": it holds a zero byte"},
        {"<dd:Printer xmlns:dd=\"urn:x\">\n  <dd:Name>Lab &amp; "
         "\xC3\xA9tage</dd:Name></dd:Printer>",
         ""},
        // A comment, a processing instruction and white space around.
        {"\n<!-- note --><?xml-stylesheet href=\"s\"?>\n<a>1</a>\n", ""},
        {"<a><![CDATA[</a></SOAP-ENV:Body>]]></a>", ""}, // markup in a CDATA section
    };
    for (const auto& [document, refusal] : cases) {
        SCOPED_TRACE(document);
        Rig rig;
        rig.device->Script("SetData", Answer("<y:SetDataResponse/>"));
        std::optional<CPExceptionCause> cause;
        try {
            EXPECT_TRUE(rig.proxy->SetData(document, 1, 0, 0));
        } catch (const CPException& failure) {
            EXPECT_STREQ(failure.what(), "Set Data Failed!!!");
            if (const CPExceptionCause* carried = GetExceptionCause(failure))
                cause = *carried;
        }
        if (!refusal.empty()) {
            ASSERT_TRUE(cause);
            EXPECT_EQ(cause->summary, refusal);
            EXPECT_EQ(rig.device->RequestCount(), 0u);
            const std::string error = "IXDMAccessSoap::SetData - error: ";
            EXPECT_EQ(rig.log.Count(1, error + "unable to send xdm document: " + refusal),
                      refusal.starts_with(notOne) ? 1 : 0);
            EXPECT_EQ(rig.log.Count(1, error + "set data failed throwing exception!!!"), 1);
            continue;
        }
        EXPECT_FALSE(cause) << cause->summary;
        ASSERT_EQ(rig.device->RequestCount(), 1u);
        const std::string body = rig.Body(0);
        EXPECT_NE(body.find("<XDM_Document>" + document + "</XDM_Document><ResultsDetails>true"),
                  std::string::npos)
            << body;
    }
}

TEST(RetryRule, RestartsTheSessionOnceAndRepeatsTheRequest) {
    // (operation, failure, "<interface>|<words>": "<interface>::<operation>" logs "gSoap <words>
    // function failed")
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"GetData", "Get Data Failed!!!", "IXDMAccessSoap|get data"},
        {"SetData", "Set Data Failed!!!", "IXDMAccessSoap|set data"},
        {"GetSettable", "Get Settable Failed!!!", "IXDMAccessSoap|get settable"},
        {"Subscribe", "Subscribe Failed!!!", "IBaseSoap|subscribe"},
        {"Unsubscribe", "Unsubscribe Failed!!!", "IBaseSoap|unsubscribe"},
        {"GetSupportedEvents", "GetSupportedEvents Failed!!!", "IBaseSoap|get supported events"},
    };
    for (const auto& [operation, failure, named] : cases) {
        for (const int failures : {1, 2}) {
            SCOPED_TRACE(std::string(operation) + " failing " + std::to_string(failures));
            Rig rig;
            // The device answers the first matching control: the failures come first.
            rig.device->FailNext(operation, failures);
            rig.device->Script("SetData", Answer("<y:SetDataResponse/>"));
            rig.device->Script("Unsubscribe", Answer("<x:UnsubscribeResponse/>"));
            EXPECT_EQ(OutcomeOf([&] { Call(*rig.proxy, operation); }),
                      failures == 1 ? "ok" : failure);
            EXPECT_EQ(
                Operations(*rig.device),
                (std::vector<std::string>{operation, "EndSession", "StartSession", operation}));
            const std::vector<std::string> words = Pieces(named);
            const std::string error = words[0] + "::" + operation + " - error: ";
            EXPECT_EQ(rig.log.Count(1, error + "gSoap " + words[1] +
                                           " function failed - attempting retry!!!"),
                      1);
            // Each failed attempt's cause carries the device's reason, literal answers' too.
            EXPECT_EQ(rig.log.Count(1, error +
                                           "exchange failed: the device answered with a Fault: "
                                           "injected fault for " +
                                           operation +
                                           " (SOAP_SVR_FAULT 2, HTTP 500, SOAP-ENV:Server, "
                                           "ServiceException: InternalError)"),
                      failures);
        }
    }
}

TEST(Subscribe, BuildsTheRequestFromTheDocuments) {
    const auto info = [](const std::string& inner) { return "<S>" + inner + "</S>"; };
    const std::string e = "<EventName>e</EventName>";
    const std::string fallback = "<bsi:ClientDeliveryAddress>http://fallback.example/cb<";
    const std::string reliability = "<bsi:ReliabilityOption>";
    const struct Case {
        std::string info;
        std::string filter;
        const char* port;
        std::string sent;       // pieces the request holds, '|' between them
        std::string absent;     // pieces it does not hold
        bool connected = false; // a connection to the device is open before
    } cases[] = {
        {info("<EventName>StatusChange</EventName><ClientCookie>c1</ClientCookie>"), "", "49152",
         "<bsi:EventName>StatusChange</bsi:EventName>|<bsi:ClientCookie>http://fallback.example/"
         "cbCliCook:c1</bsi:ClientCookie>|<bsi:ClientDeliveryAddress>http://127.0.0.1:49152/"
         "EventCallback<",
         "<bsi:FilterProperties"},
        {info(e + "<ClientCookie/>"), "", nullptr, "CliCook:</bsi:ClientCookie>|" + fallback, ""},
        {kEvent, "", nullptr, reliability + "NoRetry<", "<bsi:ClientCookie"},
        {info(e + "<ReliabilityOption>Retry</ReliabilityOption>"), "", nullptr,
         reliability + "Retry<", ""},
        {info("<ReliabilityOption>PersistentRetry</ReliabilityOption>" + e), "", nullptr,
         reliability + "PersistentRetry<", ""},
        {info(e + "<ReliabilityOption>retry</ReliabilityOption>"), "", nullptr,
         reliability + "NoRetry<", ""},
        {kEvent,
         "<F><FilterOn><Name>n1</Name><Value>v1</Value></FilterOn><FilterOn xmlns:q='urn:q'>"
         "<q:Name>n2</q:Name><Value>v2</Value></FilterOn></F>",
         nullptr,
         "<bsi:FilterProperties><bsi:FilterOn><bsi:Name>n1</bsi:Name><bsi:Value>v1</bsi:Value>"
         "</bsi:FilterOn><bsi:FilterOn><bsi:Name>n2</bsi:Name><bsi:Value>v2</bsi:Value>",
         ""},
        {kEvent, "<FilterOn><Value>v1</Value><Name>n1</Name></FilterOn>", nullptr,
         "<bsi:Name>v1</bsi:Name><bsi:Value>n1</bsi:Value>", ""},
        {kEvent, "<F><Name>n</Name><Value>v</Value></F>", "", fallback, "<bsi:FilterProperties"},
        {kEvent, "<!DOCTYPE F><FilterOn><Name>n</Name><Value>v</Value></FilterOn>", nullptr,
         "<bsi:FilterOn><bsi:Name>n</bsi:Name><bsi:Value>v</bsi:Value>", ""},
        // The local end of the route to the device, not the host's first interface.
        {kEvent, "", "49152", "<bsi:ClientDeliveryAddress>http://127.0.0.1:49152/EventCallback<",
         "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.info + c.filter + (c.connected ? " connected" : ""));
        if (c.port != nullptr)
            setenv("OVXORB_SOAP_SERVICE_PORT", c.port, 1);
        else
            unsetenv("OVXORB_SOAP_SERVICE_PORT");
        Rig rig;
        if (c.connected)
            FreeArray(rig.proxy->GetSupportedEvents());
        EXPECT_FALSE(rig.proxy->Subscribe(c.info, c.filter, kFallback).empty());
        ASSERT_EQ(rig.device->RequestCount(), c.connected ? 2u : 1u);
        const std::string body = rig.Body(c.connected ? 1 : 0);
        for (const std::string& text : Pieces(c.sent))
            EXPECT_NE(body.find(text), std::string::npos) << text << " in " << body;
        for (const std::string& text : Pieces(c.absent))
            EXPECT_EQ(body.find(text), std::string::npos) << text << " in " << body;
        EXPECT_EQ(rig.log.Count(2, "IBaseSoap::Subscribe - warning: unable to determine client "
                                   "delivery address - using: " +
                                       std::string(kFallback)),
                  c.port != nullptr && *c.port != '\0' ? 0 : 1);
    }
    unsetenv("OVXORB_SOAP_SERVICE_PORT");
}

TEST(Subscribe, UnusableDocumentsFailWithoutAnExchange) {
    const char* const noEvent = "unable determine target event from subscription info xml: ";
    // The line at level 1 after "IBaseSoap::Subscribe - error: ", before "invalid event target",
    // followed by the document it could not use (the filter where the info names the event);
    // null: the call fails with E_POINTER and logs none.
    using Row = std::tuple<const char*, const char*, const char*>; // info, filter, line
    for (const auto& [info, filter, line] : {
             Row{"<S><ClientCookie>c</ClientCookie></S>", "", noEvent},
             // A default namespace hides the event.
             Row{"<S xmlns='urn:x'><EventName>e</EventName></S>", "", noEvent},
             Row{"<S>", "", "unable to load subscription info xml: "},
             Row{kEvent, "<FilterOn><Name>n</Name></FilterOn>", nullptr},
             // A filter that was given must not be dropped: that would subscribe to every event.
             Row{kEvent, "<F>", "unable to load filter xml: "},
         }) {
        SCOPED_TRACE(std::string(info) + filter);
        Rig rig;
        // The "invalid event target" line names the last socket error, whatever it is.
        kavelin::os::SetLastErrorCode(0x2746);
        EXPECT_EQ(OutcomeOf([&] { rig.proxy->Subscribe(info, filter, kFallback); }),
                  line != nullptr ? "Subscribe Failed!!!" : "E_POINTER");
        EXPECT_EQ(rig.device->RequestCount(), 0u);
        if (line == nullptr)
            continue;
        const bool eventNamed = std::string(info) == kEvent;
        const std::string error = "IBaseSoap::Subscribe - error: ";
        EXPECT_EQ(rig.log.Count(1, error + line + (eventNamed ? filter : info)), 1);
        EXPECT_EQ(rig.log.Count(1, error + "invalid event target:  -or- unable to get host ip:  | "
                                           "wsa error code:0x2746"),
                  eventNamed ? 0 : 1);
        EXPECT_EQ(rig.log.Count(1, error + "subscribe failed - throwing exception!!!"), 1);
    }
}

TEST(Events, EmptyAnswersAndArguments) {
    Rig rig;
    EXPECT_EQ(OutcomeOf([&] { rig.proxy->Unsubscribe(""); }), "Unsubscribe Failed!!!");
    EXPECT_EQ(
        rig.log.Count(1, "IBaseSoap::Unsubscribe - error: subscription id is empty string!!!"), 1);
    EXPECT_EQ(rig.device->RequestCount(), 0u);

    // No events, no array (a list is read back end to end, by the host's events command).
    rig.device->SetSupportedEvents({});
    EXPECT_EQ(rig.proxy->GetSupportedEvents(), nullptr);
}

} // namespace
