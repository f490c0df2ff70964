#include "AnswerKind.h"

#include <array>
#include <vector>

namespace kavelin::cli {

namespace {

// The tokens of XPath 1.0 that decide the kind of an expression; the rest are Other.
enum class Token {
    Open,     // (
    Close,    // )
    OpenStep, // [
    CloseStep,
    Path,     // / or //
    Union,    // |
    Operator, // and or = != < <= > >= + - * div mod
    Literal,  // a quoted string or a number
    Function, // a name followed by (, other than a node type
    Variable, // $name
    Other     // a name test, an axis, @, ., .., ,
};

struct Lexeme {
    Token token;
    std::string_view text;
};

bool IsNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

constexpr std::array<std::string_view, 4> kNodeTypes = {"comment", "text", "processing-instruction",
                                                        "node"};

// After these, '*' and and/or/div/mod are a name test or a name, not an operator (the
// lexical rule of XPath 1.0, section 3.7).
bool OperandFollows(const std::vector<Lexeme>& lexemes) {
    if (lexemes.empty())
        return true;
    const Lexeme& last = lexemes.back();
    return last.token == Token::Open || last.token == Token::OpenStep ||
           last.token == Token::Path || last.token == Token::Union ||
           last.token == Token::Operator || last.text == "@" || last.text == "::" ||
           last.text == ",";
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : mText(text) {}

    std::vector<Lexeme> Read() {
        std::vector<Lexeme> lexemes;
        while (true) {
            while (mAt < mText.size() && IsSpace(mText[mAt]))
                ++mAt;
            if (mAt >= mText.size())
                return lexemes;
            lexemes.push_back(Next(lexemes));
        }
    }

private:
    Lexeme Take(Token token, size_t length) {
        const Lexeme lexeme{token, mText.substr(mAt, length)};
        mAt += length;
        return lexeme;
    }

    bool At(std::string_view text) const { return mText.substr(mAt, text.size()) == text; }

    size_t NameLength(size_t from) const {
        size_t end = from;
        while (end < mText.size() && IsNameChar(mText[end]))
            ++end;
        return end - from;
    }

    Lexeme Next(const std::vector<Lexeme>& before) {
        const char c = mText[mAt];
        if (c == '"' || c == '\'') {
            const size_t close = mText.find(c, mAt + 1);
            return Take(Token::Literal,
                        close == std::string_view::npos ? mText.size() - mAt : close - mAt + 1);
        }
        if (IsDigit(c) || (c == '.' && mAt + 1 < mText.size() && IsDigit(mText[mAt + 1]))) {
            size_t end = mAt;
            while (end < mText.size() && (IsDigit(mText[end]) || mText[end] == '.'))
                ++end;
            return Take(Token::Literal, end - mAt);
        }
        if (c == '$')
            return Take(Token::Variable, 1 + NameLength(mAt + 1));
        if (IsNameStart(c))
            return Name(before);
        if (c == '*')
            return Take(OperandFollows(before) ? Token::Other : Token::Operator, 1);
        for (std::string_view twoCharacters : {"//", "!=", "<=", ">=", "::", ".."}) {
            if (At(twoCharacters))
                return Take(twoCharacters == "//"                            ? Token::Path
                            : twoCharacters == "::" || twoCharacters == ".." ? Token::Other
                                                                             : Token::Operator,
                            2);
        }
        switch (c) {
        case '(':
            return Take(Token::Open, 1);
        case ')':
            return Take(Token::Close, 1);
        case '[':
            return Take(Token::OpenStep, 1);
        case ']':
            return Take(Token::CloseStep, 1);
        case '/':
            return Take(Token::Path, 1);
        case '|':
            return Take(Token::Union, 1);
        case '=':
        case '<':
        case '>':
        case '+':
        case '-':
            return Take(Token::Operator, 1);
        default:
            return Take(Token::Other, 1);
        }
    }

    // A name: an operator word where an operator may stand, else a function name when a '('
    // follows, else a name test or an axis. A QName's prefix and ':' belong to it.
    Lexeme Name(const std::vector<Lexeme>& before) {
        size_t length = NameLength(mAt);
        const std::string_view word = mText.substr(mAt, length);
        if (!OperandFollows(before) &&
            (word == "and" || word == "or" || word == "div" || word == "mod"))
            return Take(Token::Operator, length);
        const size_t colon = mAt + length;
        if (colon + 1 < mText.size() && mText[colon] == ':' && mText[colon + 1] != ':')
            length += 1 + (mText[colon + 1] == '*' ? 1 : NameLength(colon + 1));
        size_t next = mAt + length;
        while (next < mText.size() && IsSpace(mText[next]))
            ++next;
        bool nodeType = false;
        for (std::string_view type : kNodeTypes)
            nodeType = nodeType || mText.substr(mAt, length) == type;
        const bool call = next < mText.size() && mText[next] == '(' && !nodeType;
        return Take(call ? Token::Function : Token::Other, length);
    }

    std::string_view mText;
    size_t mAt = 0;
};

// The kind of the lexemes [first, last) as one expression.
bool IsNodes(const std::vector<Lexeme>& lexemes, size_t first, size_t last) {
    if (first >= last)
        return false;
    int depth = 0;
    bool union_ = false;
    for (size_t i = first; i < last; ++i) {
        const Token token = lexemes[i].token;
        if (token == Token::Open || token == Token::OpenStep)
            ++depth;
        else if (token == Token::Close || token == Token::CloseStep)
            --depth;
        else if (depth == 0 && token == Token::Operator)
            return false;
        else if (depth == 0 && token == Token::Union)
            union_ = true;
    }
    if (union_)
        return true;
    // Past the first primary expression: a literal, a variable, a call or a group.
    size_t end = first + 1;
    if (lexemes[first].token == Token::Function || lexemes[first].token == Token::Open) {
        depth = 0;
        for (end = first; end < last; ++end) {
            if (lexemes[end].token == Token::Open)
                ++depth;
            else if (lexemes[end].token == Token::Close && --depth == 0)
                break;
        }
        ++end;
    }
    const bool continued = end < last; // only a node set takes a step or a predicate
    switch (lexemes[first].token) {
    case Token::Literal:
    case Token::Variable:
        return continued;
    case Token::Function:
        return continued || lexemes[first].text == "id";
    case Token::Open:
        return continued || IsNodes(lexemes, first + 1, end - 1);
    default:
        return true; // a location path
    }
}

} // namespace

bool AnswerIsNodes(std::string_view expression) {
    const std::vector<Lexeme> lexemes = Lexer(expression).Read();
    return IsNodes(lexemes, 0, lexemes.size());
}

} // namespace kavelin::cli
