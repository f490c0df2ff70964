#include "os/xmldom/XmlDomDocumentType.h"

namespace kavelin::os {

namespace {

bool IsXmlSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Characters that cannot be part of the declaration's name: what would start an external
// identifier, a subset or another piece of markup.
bool EndsName(char16_t c) {
    return IsXmlSpace(c) || c == u'>' || c == u'[' || c == u'<' || c == u'"' || c == u'\'' ||
           c == u'%' || c == u'&';
}

class PrologReader {
public:
    explicit PrologReader(std::u16string_view text) : mText(text) {}

    size_t Position() const { return mAt; }

    void SkipSpace() {
        while (mAt < mText.size() && IsXmlSpace(mText[mAt]))
            ++mAt;
    }

    bool Take(std::u16string_view token) {
        if (mText.substr(mAt, token.size()) != token)
            return false;
        mAt += token.size();
        return true;
    }

    // Past the next `end`; false when it never comes.
    bool SkipPast(std::u16string_view end) {
        const size_t found = mText.find(end, mAt);
        if (found == std::u16string_view::npos)
            return false;
        mAt = found + end.size();
        return true;
    }

    // The XML declaration, comments, processing instructions and white space before the
    // document type declaration. False when the text ends inside one of them.
    bool SkipMisc() {
        for (;;) {
            SkipSpace();
            if (Take(u"<!--")) {
                if (!SkipPast(u"-->"))
                    return false;
            } else if (Take(u"<?")) {
                if (!SkipPast(u"?>"))
                    return false;
            } else {
                return true;
            }
        }
    }

    bool TakeName() {
        const size_t start = mAt;
        while (mAt < mText.size() && !EndsName(mText[mAt]))
            ++mAt;
        return mAt > start;
    }

private:
    std::u16string_view mText;
    size_t mAt = 0;
};

} // namespace

std::u16string WithoutEmptyDocumentType(std::u16string_view text) {
    PrologReader prolog(text);
    prolog.Take(u"\uFEFF");
    if (!prolog.SkipMisc())
        return std::u16string(text);
    const size_t start = prolog.Position();
    if (!prolog.Take(u"<!DOCTYPE"))
        return std::u16string(text);
    const size_t afterKeyword = prolog.Position();
    prolog.SkipSpace();
    if (prolog.Position() == afterKeyword || !prolog.TakeName())
        return std::u16string(text);
    prolog.SkipSpace();
    if (!prolog.Take(u">"))
        return std::u16string(text);
    std::u16string result(text.substr(0, start));
    result.append(text.substr(prolog.Position()));
    return result;
}

} // namespace kavelin::os
