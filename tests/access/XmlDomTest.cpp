#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>

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
    const struct Case {
        const char* document;
        const char* expression;
        const char* texts;
    } cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        ASSERT_TRUE(Load(c.document));
        EXPECT_EQ(SelectTexts(c.expression), c.texts);
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
    const struct Case {
        const char* name;
        std::string document;
        bool loads;
    } cases[] = {
        {"plain", "<r><x>1</x></r>", true},
        {"declared encoding is not applied twice",
         "<?xml version='1.0' encoding='ISO-8859-1'?><r>\xC3\xA9</r>", true},
        {"empty", "", false},
        {"not closed", "<r><x>1</r>", false},
        {"two roots", "<a/><b/>", false},
        {"undeclared entity", "<r>&nbsp;</r>", false},
        {"text only", "just text", false},
        {"entity bomb", laughs, false},
        {"external entity", "<!DOCTYPE r [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><r>&x;</r>",
         false},
        {"external subset", "<!DOCTYPE r SYSTEM 'http://127.0.0.1:1/never.dtd'><r/>", false},
        // A DOCTYPE that declares nothing changes nothing in the document.
        {"bare doctype", "<!DOCTYPE r><r><x>1</x></r>", true},
        {"bare doctype after declaration and comment",
         "<?xml version='1.0'?>\n<!-- c --><?pi x?>\n<!DOCTYPE  r  >\n<r/>", true},
        {"empty internal subset", "<!DOCTYPE r []><r/>", false},
        {"public identifier", "<!DOCTYPE r PUBLIC 'p' 'http://127.0.0.1:1/d.dtd'><r/>", false},
        {"parameter entity after the name", "<!DOCTYPE r %p;><r/>", false},
        {"two doctypes", "<!DOCTYPE r><!DOCTYPE r><r/>", false},
        {"deep nesting", deep, false},
        {"huge text node", hugeText, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Load(c.document), c.loads);
        // A refused text leaves the document empty: nothing of an earlier load survives.
        if (!c.loads) {
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
    const struct {
        bool fourFails;
        bool sixRegistered;
        const char16_t* progId;
    } cases[] = {
        {false, true, kXmlDomProgId}, {true, true, kXmlDomFallbackProgId}, {true, false, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.progId == nullptr ? "neither" : kavelin::os::Utf16ToUtf8(c.progId));
        if (c.fourFails)
            table.Register(kHost, kXmlDomProgId,
                           kavelin::MakeGuid("{5C7D1F4E-0A2B-4C3D-9E8F-1A2B3C4D5E01}"),
                           CLSCTX_INPROC_SERVER, fails);
        if (c.sixRegistered)
            table.Register(kHost, kXmlDomFallbackProgId,
                           kavelin::MakeGuid("{5C7D1F4E-0A2B-4C3D-9E8F-1A2B3C4D5E02}"),
                           CLSCTX_INPROC_SERVER,
                           &kavelin::CreateComObject<kavelin::os::XmlDomDocumentObject>);
        kavelin::os::XmlDomDocumentPtr document;
        EXPECT_EQ(SUCCEEDED(document.CreateInstance()), c.progId != nullptr);
        EXPECT_EQ(document.ProgId(), c.progId);
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
