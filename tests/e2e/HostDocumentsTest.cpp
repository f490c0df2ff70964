// The texts the command-line host builds for the library: the parameter documents must parse
// back to exactly the texts typed, and the log registry file must be read by the real registry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <libxml/parser.h>
#include <libxml/xpath.h>

#include "AnswerNodes.h"
#include "LogConfiguration.h"
#include "ParameterDocuments.h"
#include "UsageError.h"
#include "WatchDeliveryFraming.h"
#include "os/registry/Registry.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

using kavelin::cli::NamePair;

// The text of every node the expression selects, in document order.
std::vector<std::string> Select(const std::string& document, const char* expression) {
    std::vector<std::string> texts;
    xmlDocPtr doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr,
                                  nullptr, XML_PARSE_NONET);
    if (doc == nullptr)
        return {"(not well-formed)"};
    xmlXPathContextPtr context = xmlXPathNewContext(doc);
    xmlXPathObjectPtr result = xmlXPathEvalExpression(BAD_CAST expression, context);
    for (int i = 0; result && result->nodesetval && i < result->nodesetval->nodeNr; ++i) {
        xmlChar* text = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
        texts.emplace_back(reinterpret_cast<const char*>(text));
        xmlFree(text);
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    xmlFreeDoc(doc);
    return texts;
}

TEST(HostDocuments, TypedTextsSurviveTheDocumentsUnchangedAndInOrder) {
    const std::vector<std::string> texts = {
        "plain", "a<b>&c", "quote\"s 'n' more", "tab\tline\nfeed", "ünïcode", "]]>", ""};
    std::vector<NamePair> pairs;
    std::vector<std::string> flattened;
    for (size_t i = 0; i < texts.size(); ++i) {
        pairs.emplace_back(texts[i], texts[texts.size() - 1 - i]);
        flattened.insert(flattened.end(), {pairs.back().first, pairs.back().second});
    }

    // The selections the library makes on these documents.
    EXPECT_EQ(Select(kavelin::cli::PrefixMapDocument(pairs),
                     "//PrefixMap/*[local-name()='Prefix' or local-name()='URL']"),
              flattened);
    EXPECT_EQ(Select(kavelin::cli::FilterDocument(pairs),
                     "//FilterOn/*[local-name()='Name' or local-name()='Value']"),
              flattened);
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const std::string info = kavelin::cli::SubscriptionInfoDocument(text, text, text);
        for (const char* query : {"//EventName", "//ClientCookie", "//ReliabilityOption"})
            EXPECT_EQ(Select(info, query), std::vector<std::string>{text}) << query;
    }
}

TEST(HostDocuments, TextsXmlCannotCarryAreRefused) {
    for (const char* text : {"\x01", "a\x1f", "\x7f\x0b"}) {
        EXPECT_THROW(kavelin::cli::SubscriptionInfoDocument(text, {}, {}),
                     kavelin::cli::UsageError);
    }
}

// A get-data answer as the host splits it: each top-level node's markup, '=', its text.
TEST(HostDocuments, AnAnswerSplitsIntoItsTopLevelNodesAndTheirTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {"<a/><b>x</b>\n<c x='/>'/>", "<a/>=|<b>x</b>=x|<c x='/>'/>="},
        {"t<a><b/>1</a>", "t=t|<a><b/>1</a>=1"},
        {"<a>&#x800;&#2047;&apos;&quot;&lt;&no;</a>",
         "<a>&#x800;&#2047;&apos;&quot;&lt;&no;</a>=\xE0\xA0\x80\xDF\xBF'\"<&no;"},
        {"<a><![CDATA[<b>]]></a>", "<a><![CDATA[<b>]]></a>=<b>"},
    };
    for (const auto& [answer, expected] : cases) {
        std::string nodes;
        for (const kavelin::cli::AnswerNode& node : kavelin::cli::SplitAnswer(answer))
            nodes += (nodes.empty() ? "" : "|") + node.markup + "=" + node.text;
        EXPECT_EQ(nodes, expected) << answer;
    }
}

// A delivery in chunks as the watch frames it from the bytes in so far.
TEST(HostDocuments, ADeliveryInChunksIsWholeOnlyAfterItsLastChunk) {
    using State = kavelin::cli::RequestFrame::State;
    const std::string head = "POST /EventCallback HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n";
    const std::pair<std::string, State> cases[] = {
        {"3\r\nabc", State::Incomplete},
        {"3\r\nabc\r", State::Incomplete},
        {"3\r\nabcd\r\n", State::Malformed},
        {"3\r\nabc\r\n0\r\n\r\n", State::Whole},
    };
    for (const auto& [body, state] : cases)
        EXPECT_EQ(kavelin::cli::FrameRequest(head + body).state, state) << body;
}

TEST(HostDocuments, TheLogRegistryFileWinsOverEarlierFilesAndKeepsOddPaths) {
    const kavelin_test::ScratchFolder scratch("kavelin-e2e-reg");
    const std::string& folder = scratch.Path();
    const std::string earlier = folder + "/earlier.reg";
    const std::string later = folder + "/later.reg";
    kavelin_test::WriteRegistryFile(
        earlier, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\r\n"
                 "\"OVCOM.Kavelin\"=\"console,9\"\r\n@=\"console,1\"\r\n");
    const std::string value = "file,/tmp/odd \\\"dir\"/log,128";
    std::ofstream(later) << kavelin::cli::LogRegistryText(value);

    const std::string list = kavelin::cli::RegistrySearchList(earlier.c_str(), {later});
    setenv("KAVELIN_REGISTRY", list.c_str(), 1);
    EXPECT_EQ(kavelin::os::ReadRegistryString("SOFTWARE\\Orvanta\\Plotara\\Logging-Infra",
                                              "OVCOM.Kavelin"),
              value);
    unsetenv("KAVELIN_REGISTRY");

    // Unset or empty: the library's default file stays first in the list.
    for (const char* current : {static_cast<const char*>(nullptr), ""})
        EXPECT_EQ(kavelin::cli::RegistrySearchList(current, {later}),
                  "/etc/kavelin/registry.reg:" + later);
}

} // namespace
