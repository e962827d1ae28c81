#include "script/objects/regex_translate.h"

#include "script/values/errors.h"

namespace vbs {

namespace {

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isOctal(char16_t c) { return c >= u'0' && c <= u'7'; }
bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isSetLetter(char16_t c) { return c == u'd' || c == u'D' || c == u'w' || c == u'W' || c == u's' || c == u'S'; }

class Translator {
public:
    Translator(std::u16string_view p, bool multiline) : p_(p), multiline_(multiline) {}

    std::u16string run() {
        out_.reserve(p_.size() + 16);
        while (i_ < p_.size()) {
            char16_t c = p_[i_++];
            if (c == u'\\') escape();
            else if (inClass_) classChar(c);
            else plainChar(c);
        }
        if (inClass_) raise(errRegexBracket);
        if (open_ > 0) raise(errRegexParen);
        return std::move(out_);
    }

private:
    char16_t peek(size_t ahead = 0) const { return i_ + ahead < p_.size() ? p_[i_ + ahead] : 0; }

    void emitCode(uint32_t cp) {
        static constexpr char16_t kHex[] = u"0123456789ABCDEF";
        out_ += u"\\x{";
        char16_t buf[8];
        int n = 0;
        do { buf[n++] = kHex[cp & 15]; cp >>= 4; } while (cp);
        while (n) out_ += buf[--n];
        out_ += u'}';
    }

    // A character JavaScript takes literally.
    void emitLiteral(char16_t c) {
        if (c < 0x80 && !isAsciiLetter(c) && !isDigit(c) && c != u' ' && c != u'_') out_ += u'\\';
        out_ += c;
    }

    void plainChar(char16_t c) {
        switch (c) {
            case u'[':
                if (peek() == u']') { out_ += u"(?!)"; ++i_; return; }            // matches nothing
                if (peek() == u'^' && peek(1) == u']') { out_ += u"[\\s\\S]"; i_ += 2; return; }
                out_ += u'[';
                if (peek() == u'^') { out_ += u'^'; ++i_; }
                inClass_ = true;
                return;
            case u'(':
                if (peek() == u'?') {
                    char16_t k = peek(1);
                    // JavaScript has no (?i) or (?<name>: the "?" repeats nothing.
                    if (k != u':' && k != u'=' && k != u'!') raise(errRegexQuantifier);
                    ++open_;
                    out_ += u"(?";
                    out_ += k;
                    i_ += 2;
                    return;
                }
                ++groups_;
                ++open_;
                out_ += u'(';
                nothingToRepeat_ = out_.size();
                return;
            case u')':
                if (open_-- == 0) raise(errRegexSyntax);
                out_ += c;
                return;
            case u'^':
                // PCRE2 takes CR LF as one line end, so its multiline "^" never matches between the two.
                if (multiline_) out_ += u"(?<![^\\r\\n])";
                else out_ += c;
                nothingToRepeat_ = out_.size();
                return;
            case u'{':
                if (!quantifierAhead()) { out_ += u"\\{"; return; }
                if (out_.size() == nothingToRepeat_) raise(errRegexQuantifier);
                out_ += c;
                do out_ += p_[i_]; while (p_[i_++] != u'}');
                quantifierEnd_ = out_.size();
                return;
            case u'*': case u'+': case u'?':
                // JavaScript has no possessive quantifiers: "+" straight after one is an error.
                if (c == u'+' && out_.size() == quantifierEnd_) raise(errRegexQuantifier);
                // PCRE2 would read "(*" as a verb such as (*ACCEPT), and repeat a multiline "^".
                if (out_.size() == nothingToRepeat_) raise(errRegexQuantifier);
                out_ += c;
                quantifierEnd_ = out_.size();
                return;
            default:
                out_ += c;
        }
    }

    void classChar(char16_t c) {
        if (c == u']') inClass_ = false;
        if (c == u'[') out_ += u'\\';  // PCRE2 would read [: [. [= as POSIX classes
        // JavaScript takes a hyphen next to \d \w \s (as in [\w-.]) literally; PCRE2 rejects it.
        if (c == u'-' && (out_.size() == setEnd_ || (peek() == u'\\' && isSetLetter(peek(1))))) out_ += u'\\';
        out_ += c;
    }

    // After "{": digits, optionally "," and more digits, then "}".
    bool quantifierAhead() const {
        size_t j = i_;
        if (j >= p_.size() || !isDigit(p_[j])) return false;
        while (j < p_.size() && isDigit(p_[j])) ++j;
        if (j < p_.size() && p_[j] == u',') {
            ++j;
            while (j < p_.size() && isDigit(p_[j])) ++j;
        }
        return j < p_.size() && p_[j] == u'}';
    }

    // Reads up to n hex digits exactly; false (consuming nothing) when fewer are there.
    bool hexDigits(int n, uint32_t& value) {
        value = 0;
        for (int k = 0; k < n; ++k) {
            int h = hexValue(peek(k));
            if (h < 0) return false;
            value = value * 16 + h;
        }
        i_ += n;
        return true;
    }

    void octal(char16_t first) {
        uint32_t v = first - u'0';
        for (int k = 0; k < 2 && isOctal(peek()) && v * 8 + (peek() - u'0') <= 0377; ++k)
            v = v * 8 + (p_[i_++] - u'0');
        emitCode(v);
    }

    // \N outside a class: a back reference when that many groups precede it, else octal.
    void digitEscape(char16_t d) {
        if (inClass_ || d == u'0') {
            if (isOctal(d)) octal(d);
            else out_ += d;
            return;
        }
        int one = d - u'0';
        if (isDigit(peek())) {
            int two = one * 10 + (peek() - u'0');
            if (two <= groups_) {
                ++i_;
                backReference(two);
                return;
            }
        }
        if (one <= groups_) backReference(one);
        else if (isOctal(d)) octal(d);
        else out_ += d;
    }

    void backReference(int n) {
        out_ += u"\\g{";
        if (n >= 10) out_ += static_cast<char16_t>(u'0' + n / 10);
        out_ += static_cast<char16_t>(u'0' + n % 10);
        out_ += u'}';
    }

    void escape() {
        if (i_ >= p_.size()) raise(errRegexSyntax);
        char16_t c = p_[i_++];
        uint32_t v;
        switch (c) {
            case u'd': case u'D': case u'w': case u'W': case u's': case u'S':
                out_ += u'\\';
                out_ += c;
                setEnd_ = out_.size();
                return;
            case u'f': case u'n': case u'r': case u't':
                out_ += u'\\';
                out_ += c;
                return;
            case u'b':
                if (inClass_) emitCode(8);  // backspace inside a class
                else out_ += u"\\b";
                return;
            case u'B':
                if (inClass_) out_ += u'B';
                else out_ += u"\\B";
                return;
            case u'v': emitCode(0x0B); return;
            case u'c':
                if (isAsciiLetter(peek())) emitCode(p_[i_++] & 31);
                else out_ += u"\\\\c";  // JavaScript keeps "\c" itself
                return;
            case u'x':
                if (hexDigits(2, v)) emitCode(v);
                else out_ += u'x';
                return;
            case u'u':
                if (hexDigits(4, v)) emitCode(v);
                else out_ += u'u';
                return;
            default:
                if (isDigit(c)) digitEscape(c);
                else emitLiteral(c);  // identity escape: \a is "a" in JavaScript, BEL in PCRE2
        }
    }

    std::u16string_view p_;
    std::u16string out_;
    size_t i_ = 0;
    int groups_ = 0;  // capturing groups opened so far
    int open_ = 0;    // groups not yet closed
    bool multiline_;
    bool inClass_ = false;
    // Ends in out_ of the last \d \w \s (or negation), the last quantifier, and the last "(" or "^"
    // (or the start: a leading "*" repeats nothing).
    size_t setEnd_ = std::u16string::npos;
    size_t quantifierEnd_ = std::u16string::npos;
    size_t nothingToRepeat_ = 0;
};

}  // namespace

std::u16string translatePattern(std::u16string_view pattern, bool multiline) {
    return Translator(pattern, multiline).run();
}

}  // namespace vbs
