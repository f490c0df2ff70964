#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <tuple>

#include "os/com/ComClassTable.h"
#include "os/text/Text.h"
#include "os/xmldom/XmlDom.h"
#include "os/xmldom/XmlDomPtr.h"
#include "os/xmldom/posix/XmlDomDocumentObject.h"

namespace {

using kavelin::os::Utf8ToUtf16;

class XmlDomTest : public ::testing::Test {
protected:
    void SetUp() override {
        kavelin::os::RegisterXmlDomClass();
        ASSERT_EQ(mDocument.CreateInstance(), S_OK);
        mDocument.setProperty(u"SelectionLanguage", u"XPath");
    }

    bool Load(const std::string& text) { return mDocument.loadXML(Utf8ToUtf16(text)); }

    // The text of each selected node, each followed by '|'.
    std::string SelectTexts(const std::string& expression) {
        std::string texts;
        const kavelin::os::XmlDomNodeListPtr nodes = mDocument.selectNodes(Utf8ToUtf16(expression));
        for (int32_t i = 0; i < nodes.length(); ++i)
            texts += kavelin::os::Utf16ToUtf8(nodes.item(i).text()) + "|";
        return texts;
    }

    kavelin::os::XmlDomDocumentPtr mDocument;
};

HRESULT ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const _com_error& error) {
        return error.Error();
    }
    return S_OK;
}

TEST_F(XmlDomTest, SelectsInDocumentOrderWithXPathNamespaceRules) {
    // (the document, the expression, the texts selected)
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"<r><PrefixMap><Prefix>a</Prefix><URL>u1</URL><Prefix>b</Prefix><URL>u2</URL>"
         "</PrefixMap></r>",
         "//PrefixMap/*[local-name()='Prefix' or local-name()='URL']", "a|u1|b|u2|"},
        // A union is answered in document order, not in the order of its operands.
        {"<r><b>2</b><a>1</a><b>3</b></r>", "//a | //b", "2|1|3|"},
        // Unprefixed names match elements in no namespace only ...
        {"<r xmlns='urn:x'><EventName>e</EventName></r>", "//EventName", ""},
        // ... while local-name() reaches children in any namespace.
        {"<FilterOn xmlns:p='urn:p'><p:Name>n</p:Name><Value>v</Value></FilterOn>",
         "//FilterOn/*[local-name()='Name' or local-name()='Value']", "n|v|"},
        {"<r><c>\n   spaced value\t\n</c><c><![CDATA[<raw> & ]]>tail</c><c>&lt;&#x41;&amp;</c></r>",
         "//c", "spaced value|<raw> & tail|<A&|"},
        {"<r><c><d>one</d><!-- note --><d>two</d></c><e a='attr'/></r>", "//c | //@a",
         "onetwo|attr|"},
        {"<r>\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xA8</r>", "/r",
         "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xA8|"},
    };
    for (const auto& [document, expression, texts] : cases) {
        SCOPED_TRACE(document);
        ASSERT_TRUE(Load(document));
        EXPECT_EQ(SelectTexts(expression), texts);
    }
}

TEST_F(XmlDomTest, RefusesMalformedAndHostileDocumentsAsAResult) {
    std::string deep; // 5000 nested elements
    for (size_t i = 0; i < 5000; ++i)
        deep.insert(3 * i, "<a></a>");
    const std::string hugeText = "<a>" + std::string(11 * 1024 * 1024, 'x') + "</a>";
    const std::string laughs = "<!DOCTYPE l [<!ENTITY a 'aaaaaaaaaa'>"
                               "<!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>"
                               "<!ENTITY c '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'>"
                               "<!ENTITY d '&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;'>]><l>&d;&d;&d;</l>";
    // (the document, whether it loads)
    const std::pair<std::string, bool> cases[] = {
        {"<r><x>1</x></r>", true},
        // The declared encoding is not applied a second time.
        {"<?xml version='1.0' encoding='ISO-8859-1'?><r>\xC3\xA9</r>", true},
        {"", false},
        {"<r><x>1</r>", false},
        {"<a/><b/>", false},
        {"<r>&nbsp;</r>", false},
        {"just text", false},
        {laughs, false},
        {"<!DOCTYPE r [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><r>&x;</r>", false},
        {"<!DOCTYPE r SYSTEM 'http://127.0.0.1:1/never.dtd'><r/>", false},
        // A DOCTYPE that declares nothing changes nothing in the document.
        {"<!DOCTYPE r><r><x>1</x></r>", true},
        {"<?xml version='1.0'?>\n<!-- c --><?pi x?>\n<!DOCTYPE  r  >\n<r/>", true},
        {"<!DOCTYPE r []><r/>", false},
        {"<!DOCTYPE r PUBLIC 'p' 'http://127.0.0.1:1/d.dtd'><r/>", false},
        {"<!DOCTYPE r %p;><r/>", false}, // a parameter entity after the name
        {"<!DOCTYPE r><!DOCTYPE r><r/>", false},
        {deep, false},
        {hugeText, false},
    };
    for (const auto& [document, loads] : cases) {
        SCOPED_TRACE(document.substr(0, 100));
        EXPECT_EQ(Load(document), loads);
        // A refused text leaves the document empty: nothing of an earlier load survives.
        if (!loads) {
            EXPECT_FALSE(mDocument.selectSingleNode(u"//x"));
            EXPECT_EQ(mDocument.selectNodes(u"//*").length(), 0);
        }
        ASSERT_TRUE(Load("<r><x>previous</x></r>"));
    }
}

TEST_F(XmlDomTest, FailuresRaiseComErrorsWithTheirResults) {
    ASSERT_TRUE(Load("<r><x>1</x><x>2</x><x>3</x></r>"));
    kavelin::os::XmlDomDocumentPtr neverCreated;
    const std::pair<std::function<void()>, HRESULT> cases[] = {
        {[&] { mDocument.selectNodes(u"//x").item(3).text(); }, E_POINTER}, // past the end
        {[&] { mDocument.selectSingleNode(u"//y").text(); }, E_POINTER},    // no match
        {[&] { mDocument.selectNodes(u"//x["); }, E_FAIL},
        {[&] { mDocument.selectSingleNode(u"count(//x)"); }, E_FAIL}, // no nodes
        {[&] { mDocument.setProperty(u"SelectionLanguage", u"XSLPattern"); }, E_FAIL},
        {[&] { mDocument.setProperty(u"ProhibitDTD", u"XPath"); }, E_INVALIDARG},
        {[&] { neverCreated.loadXML(u"<r/>"); }, E_POINTER},
        {[&] { mDocument.selectNodes(u"//x").item(2).text(); }, S_OK}, // the last item
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ErrorOf(cases[i].first), cases[i].second) << "case " << i;
}

// Classes a host registers hide the built-in 4.0 here, as a missing or broken 4.0 would on
// Windows.
TEST_F(XmlDomTest, FallsBackToSixOnlyWhereFourCannotBeCreated) {
    using kavelin::os::kXmlDomFallbackProgId, kavelin::os::kXmlDomProgId;
    kavelin::os::ComClassTable& table = kavelin::os::ComClassTable::Instance();
    constexpr auto kHost = kavelin::os::ComClassOrigin::Host;
    const auto fails = [](IUnknown*, REFIID, void** object) {
        *object = nullptr;
        return E_FAIL;
    };
    // (4.0 fails, 6.0 registered, the class created)
    using Row = std::tuple<bool, bool, const char16_t*>;
    for (const auto& [fourFails, sixRegistered, progId] :
         {Row{false, true, kXmlDomProgId}, Row{true, true, kXmlDomFallbackProgId},
          Row{true, false, nullptr}}) {
        SCOPED_TRACE(progId == nullptr ? "neither" : kavelin::os::Utf16ToUtf8(progId));
        if (fourFails)
            table.Register(kHost, kXmlDomProgId,
                           kavelin::MakeGuid("{5C7D1F4E-0A2B-4C3D-9E8F-1A2B3C4D5E01}"),
                           CLSCTX_INPROC_SERVER, fails);
        if (sixRegistered)
            table.Register(kHost, kXmlDomFallbackProgId,
                           kavelin::MakeGuid("{5C7D1F4E-0A2B-4C3D-9E8F-1A2B3C4D5E02}"),
                           CLSCTX_INPROC_SERVER,
                           &kavelin::CreateComObject<kavelin::os::XmlDomDocumentObject>);
        kavelin::os::XmlDomDocumentPtr document;
        EXPECT_EQ(SUCCEEDED(document.CreateInstance()), progId != nullptr);
        EXPECT_EQ(document.ProgId(), progId);
        EXPECT_TRUE(!document || document.loadXML(u"<r/>"));
        table.Unregister(kHost, kXmlDomProgId);
        table.Unregister(kHost, kXmlDomFallbackProgId);
    }
}

TEST_F(XmlDomTest, SelectedNodesOutliveTheirDocumentsNextLoad) {
    ASSERT_TRUE(Load("<r><x>kept</x></r>"));
    const kavelin::os::XmlDomNodeListPtr nodes = mDocument.selectNodes(u"//x");
    const kavelin::os::XmlDomNodePtr node = mDocument.selectSingleNode(u"//x");
    ASSERT_TRUE(Load("<other/>"));
    EXPECT_EQ(nodes.item(0).text(), u"kept");
    EXPECT_EQ(node.text(), u"kept");
}

} // namespace
