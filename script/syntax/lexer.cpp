#include "script/syntax/lexer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "script/values/errors.h"

namespace vbs {

namespace {

struct Keyword {
    std::u16string_view word;  // lower case
    Tok kind;
};

// Sorted alphabetically: look-up scans only the words with the same first letter.
constexpr Keyword kKeywords[] = {
    {u"and", Tok::And}, {u"as", Tok::Reserved}, {u"boolean", Tok::Reserved}, {u"byref", Tok::ByRef},
    {u"byte", Tok::Reserved}, {u"byval", Tok::ByVal}, {u"call", Tok::Call}, {u"case", Tok::Case},
    {u"class", Tok::Class}, {u"const", Tok::Const}, {u"currency", Tok::Reserved},
    {u"dim", Tok::Dim}, {u"do", Tok::Do}, {u"double", Tok::Reserved},
    {u"each", Tok::Each}, {u"else", Tok::Else}, {u"elseif", Tok::ElseIf}, {u"empty", Tok::Empty},
    {u"end", Tok::End}, {u"endif", Tok::Reserved}, {u"enum", Tok::Reserved}, {u"eqv", Tok::Eqv},
    {u"erase", Tok::Erase}, {u"event", Tok::Reserved}, {u"exit", Tok::Exit}, {u"false", Tok::False},
    {u"for", Tok::For}, {u"function", Tok::Function}, {u"get", Tok::Get}, {u"goto", Tok::GoTo},
    {u"if", Tok::If}, {u"imp", Tok::Imp}, {u"implements", Tok::Reserved}, {u"in", Tok::In},
    {u"integer", Tok::Reserved}, {u"is", Tok::Is}, {u"let", Tok::Let}, {u"like", Tok::Reserved},
    {u"long", Tok::Reserved}, {u"loop", Tok::Loop}, {u"lset", Tok::Reserved}, {u"me", Tok::Me},
    {u"mod", Tok::Mod}, {u"new", Tok::New}, {u"next", Tok::Next}, {u"not", Tok::Not},
    {u"nothing", Tok::Nothing}, {u"null", Tok::Null}, {u"on", Tok::On}, {u"option", Tok::Option},
    {u"optional", Tok::Reserved}, {u"or", Tok::Or}, {u"paramarray", Tok::Reserved},
    {u"preserve", Tok::Preserve}, {u"private", Tok::Private}, {u"public", Tok::Public},
    {u"raiseevent", Tok::Reserved}, {u"redim", Tok::ReDim}, {u"rem", Tok::Rem},
    {u"resume", Tok::Resume}, {u"rset", Tok::Reserved}, {u"select", Tok::Select},
    {u"set", Tok::Set}, {u"shared", Tok::Reserved}, {u"single", Tok::Reserved},
    {u"static", Tok::Reserved}, {u"stop", Tok::Stop}, {u"sub", Tok::Sub}, {u"then", Tok::Then},
    {u"to", Tok::To}, {u"true", Tok::True}, {u"type", Tok::Reserved}, {u"typeof", Tok::Reserved},
    {u"until", Tok::Until}, {u"variant", Tok::Reserved}, {u"wend", Tok::Wend},
    {u"while", Tok::While}, {u"with", Tok::With}, {u"xor", Tok::Xor},
};

constexpr size_t kKeywordCount = std::size(kKeywords);

// kFirstIndex[c - 'a'] .. kFirstIndex[c - 'a' + 1]: the keywords starting with letter c.
constexpr std::array<uint8_t, 27> makeFirstIndex() {
    std::array<uint8_t, 27> index{};
    size_t k = 0;
    for (int c = 0; c < 26; ++c) {
        index[c] = static_cast<uint8_t>(k);
        while (k < kKeywordCount && kKeywords[k].word[0] == u'a' + c) ++k;
    }
    index[26] = static_cast<uint8_t>(k);
    return index;
}
constexpr auto kFirstIndex = makeFirstIndex();
static_assert(kFirstIndex[26] == kKeywordCount, "kKeywords must stay in alphabetical order");

constexpr size_t kMaxIdentifier = 255;

char16_t lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isWordChar(char16_t c) { return isLetter(c) || isDigit(c) || c == u'_'; }
// A no-break space (pasted from a web page) separates like a space: published scripts carry them.
bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0xA0 || c == 0xFEFF;
}
bool isLineEnd(char16_t c) { return c == u'\n' || c == u'\r'; }
// A NUL ends the text, as it ends the string Windows hands its engine; so does a Ctrl-Z, as DOS
// editors marked a file's end.
bool isTextEnd(char16_t c) { return c == 0 || c == 0x1A; }
int digitValue(char16_t c) {
    if (isDigit(c)) return c - u'0';
    c = lower(c);
    return (c >= u'a' && c <= u'f') ? c - u'a' + 10 : 99;
}

Tok keyword(std::u16string_view word) {
    char16_t first = lower(word[0]);
    if (word.size() > 10 || first < u'a' || first > u'z') return Tok::Identifier;
    for (size_t k = kFirstIndex[first - u'a']; k < kFirstIndex[first - u'a' + 1]; ++k)
        if (sameWord(word, kKeywords[k].word)) return kKeywords[k].kind;
    return Tok::Identifier;
}

}  // namespace

bool sameWord(std::u16string_view word, std::u16string_view lowerWord) {
    if (word.size() != lowerWord.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (lower(word[i]) != lowerWord[i]) return false;
    return true;
}

void Lexer::fail(int number, const Token& t) const { fail(number, t.offset, t.line, t.column); }

void Lexer::fail(int number, uint32_t offset, int line, int column) const {
    size_t begin = std::min<size_t>(offset, src_.size());
    while (begin > 0 && !isLineEnd(src_[begin - 1])) --begin;
    size_t end = begin;
    while (end < src_.size() && !isLineEnd(src_[end])) ++end;
    ScriptError e;
    e.number = number;
    e.description = errorDescription(number);
    e.source = u"Microsoft VBScript compilation error";
    e.line = line;
    e.column = column;
    e.lineText = src_.substr(begin, end - begin);
    throw e;
}

// Rem is a comment only where a statement may start.
bool Lexer::atStatementStart() const {
    return last_ == Tok::Newline || last_ == Tok::Colon || last_ == Tok::Then || last_ == Tok::Else;
}

// Blanks and " _" continuations; a continuation joins the next line to this statement. The blanks
// around a continuation are its own: "obj _ / .Member" goes on with obj, as "obj.Member" does.
void Lexer::skipBlanks(Token& t) {
    bool continued = false;
    while (pos_ < src_.size()) {
        char16_t c = src_[pos_];
        if (isBlank(c)) {
            ++pos_;
        } else if (c == u'_') {
            size_t p = pos_ + 1;
            while (p < src_.size() && isBlank(src_[p])) ++p;
            if (p < src_.size() && !isLineEnd(src_[p])) return;  // invalid character, reported by next()
            if (p + 1 < src_.size() && src_[p] == u'\r' && src_[p + 1] == u'\n') ++p;
            pos_ = std::min(p + 1, src_.size());
            ++line_;
            lineStart_ = pos_;
            continued = true;
        } else {
            return;
        }
        t.spaceBefore = !continued;
    }
}

void Lexer::skipToLineEnd() {
    while (pos_ < src_.size() && !isLineEnd(src_[pos_]) && !isTextEnd(src_[pos_])) ++pos_;
}

Token Lexer::next() {
    Token t;
    skipBlanks(t);
    if (pos_ < src_.size() && src_[pos_] == u'\'') skipToLineEnd();
    t.offset = static_cast<uint32_t>(pos_);
    t.line = line_;
    t.column = column(pos_);
    if (pos_ >= src_.size() || isTextEnd(src_[pos_])) {
        t.kind = Tok::EndOfText;
        last_ = t.kind;
        return t;
    }
    char16_t c = src_[pos_];
    char16_t c2 = pos_ + 1 < src_.size() ? src_[pos_ + 1] : 0;
    size_t start = pos_;
    auto op = [&](Tok kind, size_t len) { t.kind = kind; pos_ += len; };
    switch (c) {
        case u'\r':
        case u'\n':
            op(Tok::Newline, c == u'\r' && c2 == u'\n' ? 2 : 1);
            ++line_;
            lineStart_ = pos_;
            break;
        case u':': op(Tok::Colon, 1); break;
        case u',': op(Tok::Comma, 1); break;
        case u'(': op(Tok::LParen, 1); break;
        case u')': op(Tok::RParen, 1); break;
        case u'+': op(Tok::Plus, 1); break;
        case u'-': op(Tok::Minus, 1); break;
        case u'*': op(Tok::Star, 1); break;
        case u'/': op(Tok::Slash, 1); break;
        case u'\\': op(Tok::Backslash, 1); break;
        case u'^': op(Tok::Caret, 1); break;
        case u'=':  // "=>" and "=<" are read as ">=" and "<="
            if (c2 == u'>') op(Tok::Ge, 2);
            else if (c2 == u'<') op(Tok::Le, 2);
            else op(Tok::Eq, 1);
            break;
        case u'<':
            if (c2 == u'=') op(Tok::Le, 2);
            else if (c2 == u'>') op(Tok::Ne, 2);
            else op(Tok::Lt, 1);
            break;
        case u'>':
            if (c2 == u'=') op(Tok::Ge, 2);
            else if (c2 == u'<') op(Tok::Ne, 2);
            else op(Tok::Gt, 1);
            break;
        case u'&': {
            char16_t c3 = pos_ + 2 < src_.size() ? src_[pos_ + 2] : 0;
            // &H1F and &O17 are hexadecimal and octal; so is &17, octal without its letter.
            if (lower(c2) == u'h' && digitValue(c3) < 16) lexRadix(t, 16, 2);
            else if (lower(c2) == u'o' && digitValue(c3) < 8) lexRadix(t, 8, 2);
            else if (digitValue(c2) < 8) lexRadix(t, 8, 1);
            else op(Tok::Amp, 1);
            break;
        }
        case u'.':
            if (isDigit(c2)) lexNumber(t);
            else op(Tok::Dot, 1);
            break;
        case u'"': lexString(t); break;
        case u'#': lexDate(t); break;
        case u'[': lexBracketed(t); break;
        default:
            if (isDigit(c)) lexNumber(t);
            else if (isLetter(c)) lexWord(t);
            else fail(1032, t);
            if (t.kind == Tok::Rem && atStatementStart()) {
                skipToLineEnd();
                return next();
            }
    }
    t.length = static_cast<uint32_t>(pos_ - start);
    last_ = t.kind;
    return t;
}

void Lexer::lexWord(Token& t) {
    size_t start = pos_;
    while (pos_ < src_.size() && isWordChar(src_[pos_])) ++pos_;
    if (pos_ - start > kMaxIdentifier) fail(1030, t);
    // After "." every word is a member name: obj.Class, ts.Write, x.End.
    t.kind = last_ == Tok::Dot ? Tok::Identifier : keyword(src_.substr(start, pos_ - start));
}

void Lexer::lexBracketed(Token& t) {
    size_t p = pos_ + 1;
    while (p < src_.size() && src_[p] != u']' && !isLineEnd(src_[p])) ++p;
    if (p >= src_.size() || src_[p] != u']') fail(1007, static_cast<uint32_t>(p), line_, column(p));
    if (p - pos_ - 1 > kMaxIdentifier) fail(1030, t);
    t.kind = Tok::Identifier;
    t.quoted = true;
    pos_ = p + 1;
}

void Lexer::lexNumber(Token& t) {
    size_t start = pos_;
    bool isDouble = false;
    while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
    if (pos_ < src_.size() && src_[pos_] == u'.') {  // "10." is a Double too
        isDouble = true;
        for (++pos_; pos_ < src_.size() && isDigit(src_[pos_]);) ++pos_;
    }
    if (pos_ < src_.size() && lower(src_[pos_]) == u'e') {
        size_t p = pos_ + 1;
        if (p < src_.size() && (src_[p] == u'+' || src_[p] == u'-')) ++p;
        if (p < src_.size() && isDigit(src_[p])) {
            isDouble = true;
            while (p < src_.size() && isDigit(src_[p])) ++p;
            pos_ = p;
        }
    }
    size_t digits = start;
    while (digits + 1 < pos_ && src_[digits] == u'0') ++digits;  // leading zeros do not count
    if (!isDouble && pos_ - digits <= 10) {
        int64_t v = 0;
        for (size_t i = digits; i < pos_; ++i) v = v * 10 + (src_[i] - u'0');
        if (v <= INT32_MAX) {
            t.kind = v <= INT16_MAX ? Tok::Integer : Tok::Long;
            t.integer = static_cast<int32_t>(v);
            return;
        }
    }
    // The literal is plain ASCII: narrow it for from_chars (short ones stay in the SSO buffer).
    std::string ascii(src_.begin() + start, src_.begin() + pos_);
    double d = 0;
    auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), d);
    if (ec == std::errc::result_out_of_range) {
        // Too small a number is 0 (1e-400). The largest Double as VBScript prints it,
        // 1.79769313486232E308, is just past the range and means that largest Double; anything
        // larger (1e400) is invalid.
        bool tiny = ascii.find("e-") != std::string::npos || ascii.find("E-") != std::string::npos;
        long double wide = std::numeric_limits<long double>::infinity();  // kept when past even this range
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), wide);
        if (!tiny && !(wide <= 1.79769313486232e308L)) fail(1031, t);
        d = tiny ? 0 : std::numeric_limits<double>::max();
    } else if (ec != std::errc()) {
        fail(1031, t);
    }
    t.kind = Tok::Double;
    t.number = d;
}

// &H, &O and & literals: up to 16 bits are an Integer, up to 32 a Long (both wrap to negative, as
// VBScript does); a trailing "&" stops the 16-bit wrap, and the value is still an Integer when it
// fits one, as Windows types it (&h10& is Integer 16, &hFFFF& Long 65535).
void Lexer::lexRadix(Token& t, int radix, int prefix) {
    pos_ += prefix;
    uint64_t v = 0;
    while (pos_ < src_.size() && digitValue(src_[pos_]) < radix) {
        v = v * radix + digitValue(src_[pos_++]);
        if (v > UINT32_MAX) fail(1031, t);
    }
    bool forceLong = pos_ < src_.size() && src_[pos_] == u'&';
    if (forceLong) ++pos_;
    if ((!forceLong && v <= 0xFFFF) || (forceLong && v <= 0x7FFF)) {
        t.kind = Tok::Integer;
        t.integer = static_cast<int16_t>(v);
    } else {
        t.kind = Tok::Long;
        t.integer = static_cast<int32_t>(static_cast<uint32_t>(v));
    }
}

void Lexer::lexString(Token& t) {
    size_t p = pos_ + 1;
    for (;;) {
        if (p >= src_.size() || isLineEnd(src_[p])) fail(1033, static_cast<uint32_t>(p), line_, column(p));
        if (src_[p] == u'"') {
            if (p + 1 < src_.size() && src_[p + 1] == u'"') {
                t.quoted = true;
                p += 2;
                continue;
            }
            break;
        }
        ++p;
    }
    t.kind = Tok::String;
    pos_ = p + 1;
}

void Lexer::lexDate(Token& t) {
    size_t p = pos_ + 1;
    while (p < src_.size() && src_[p] != u'#' && !isLineEnd(src_[p])) ++p;
    if (p >= src_.size() || src_[p] != u'#') fail(1032, t);
    t.kind = Tok::Date;
    pos_ = p + 1;
}

std::u16string Lexer::name(const Token& t) const {
    std::u16string_view s = text(t);
    if (t.quoted) s = s.substr(1, s.size() - 2);
    return std::u16string(s);
}

std::u16string Lexer::stringValue(const Token& t) const {
    std::u16string_view s = text(t).substr(1, t.length - 2);
    if (!t.quoted) return std::u16string(s);
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        out.push_back(s[i]);
        if (s[i] == u'"') ++i;  // the second of a doubled quote
    }
    return out;
}

}  // namespace vbs
