#pragma once
// Source text -> tokens, one at a time as the parser asks, so the first error in source order is
// the one reported. Comments, blanks and line continuations never reach the parser.
#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

enum class Tok : uint8_t {
    EndOfText, Newline, Colon, Identifier,
    Integer, Long, Double, String, Date,
    Dot, Comma, LParen, RParen,
    Plus, Minus, Star, Slash, Backslash, Caret, Amp, Eq, Ne, Lt, Gt, Le, Ge,
    // Reserved words. Words VBScript accepts as names too (Default, Error, Explicit, Property,
    // Step) come as Identifier; the parser recognises them where they matter.
    And, ByRef, ByVal, Call, Case, Class, Const, Dim, Do, Each, Else, ElseIf, Empty, End, Eqv,
    Erase, Exit, False, For, Function, Get, GoTo, If, Imp, In, Is, Let, Loop, Me, Mod, New, Next,
    Not, Nothing, Null, On, Option, Or, Preserve, Private, Public, ReDim, Rem, Resume, Select, Set,
    Stop, Sub, Then, To, True, Until, Wend, While, With, Xor,
    Reserved,  // reserved but unused by VBScript: As, Integer, Static, Type...
};

struct Token {
    Tok kind = Tok::EndOfText;
    bool spaceBefore = false;  // ".x" after a blank starts a With member, not a member access
    bool quoted = false;       // a String with doubled quotes, or a [bracketed] Identifier
    uint32_t offset = 0;       // the token's text in the source (a String's includes its quotes)
    uint32_t length = 0;
    int line = 1;              // 1-based, physical lines
    int column = 1;
    int32_t integer = 0;       // Integer and Long
    double number = 0;         // Double
};

class Lexer {
public:
    explicit Lexer(std::u16string_view source) : src_(source) {}

    Token next();

    std::u16string_view text(const Token& t) const { return src_.substr(t.offset, t.length); }
    // An Identifier's name (without brackets) or a String's value (quotes undone).
    std::u16string name(const Token& t) const;
    std::u16string stringValue(const Token& t) const;

    // A compilation error at t's position.
    [[noreturn]] void fail(int number, const Token& t) const;
    [[noreturn]] void fail(int number, uint32_t offset, int line, int column) const;

private:
    bool atStatementStart() const;
    void skipBlanks(Token& t);
    void skipToLineEnd();
    void lexWord(Token& t);
    void lexNumber(Token& t);
    void lexRadix(Token& t, int radix, int prefix);
    void lexString(Token& t);
    void lexDate(Token& t);
    void lexBracketed(Token& t);

    int column(size_t pos) const { return static_cast<int>(pos - lineStart_) + 1; }

    std::u16string_view src_;
    size_t pos_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
    Tok last_ = Tok::Newline;
};

// Case-insensitive comparison of a script word with a lower-case ASCII word.
bool sameWord(std::u16string_view word, std::u16string_view lower);

}  // namespace vbs
