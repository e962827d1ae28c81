#include <gtest/gtest.h>

#include "Calls.h"
#include "script/objects/regex_translate.h"

namespace vbs::test {
namespace {

std::string tr(std::u16string_view p) { return utf16ToUtf8(translatePattern(p)); }

TEST(RegexTranslate, PlainPatternsPassThrough) {
    EXPECT_EQ(tr(u"a+b*?(c|d){2,3}"), "a+b*?(c|d){2,3}");
    EXPECT_EQ(tr(u"^\\d\\w\\s\\b$"), "^\\d\\w\\s\\b$");
    EXPECT_EQ(tr(u"(?:x)(?=y)(?!z)"), "(?:x)(?=y)(?!z)");
}

TEST(RegexTranslate, JavaScriptEscapes) {
    EXPECT_EQ(tr(u"\\u00e9"), "\\x{E9}");
    EXPECT_EQ(tr(u"\\u12"), "u12");      // not four hex digits: a plain "u"
    EXPECT_EQ(tr(u"\\x41"), "\\x{41}");
    EXPECT_EQ(tr(u"\\xg"), "xg");
    EXPECT_EQ(tr(u"\\v"), "\\x{B}");      // a vertical tab, not PCRE2's vertical space class
    EXPECT_EQ(tr(u"\\cJ"), "\\x{A}");
    EXPECT_EQ(tr(u"\\c1"), "\\\\c1");
    EXPECT_EQ(tr(u"\\a\\e\\Q"), "aeQ");  // identity escapes
    EXPECT_EQ(tr(u"\\.\\\\"), "\\.\\\\");
}

TEST(RegexTranslate, BackReferenceOrOctal) {
    EXPECT_EQ(tr(u"(a)\\1"), "(a)\\g{1}");
    EXPECT_EQ(tr(u"\\1(a)"), "\\x{1}(a)");           // no group precedes it: octal
    EXPECT_EQ(tr(u"(a)\\12"), "(a)\\g{1}2");         // group 1 then a literal 2
    EXPECT_EQ(tr(u"\\101"), "\\x{41}");              // octal "A"
    EXPECT_EQ(tr(u"\\8"), "8");
    EXPECT_EQ(tr(u"\\0"), "\\x{0}");
    EXPECT_EQ(tr(u"(a)[\\1]"), "(a)[\\x{1}]");       // no back references inside a class
    std::u16string eleven;
    for (int i = 0; i < 11; ++i) eleven += u"(x)";
    EXPECT_EQ(tr(eleven + u"\\11"), utf16ToUtf8(eleven) + "\\g{11}");
}

TEST(RegexTranslate, CharacterClasses) {
    EXPECT_EQ(tr(u"[^]"), "[\\s\\S]");
    EXPECT_EQ(tr(u"a[]b"), "a(?!)b");
    EXPECT_EQ(tr(u"[[:alpha:]]"), "[\\[:alpha:]]");  // JavaScript has no POSIX classes
    EXPECT_EQ(tr(u"[\\b]"), "[\\x{8}]");
    EXPECT_EQ(tr(u"[a-z\\d]"), "[a-z\\d]");
    EXPECT_EQ(tr(u"[\\w-.]"), "[\\w\\-.]");    // a hyphen next to a class escape is literal
    EXPECT_EQ(tr(u"[a-\\d]"), "[a\\-\\d]");
}

TEST(RegexTranslate, MultilineCaret) {
    EXPECT_EQ(utf16ToUtf8(translatePattern(u"^a$", true)), "(?<![^\\r\\n])a$");
    EXPECT_EQ(tr(u"^a$"), "^a$");
}

TEST(RegexTranslate, LiteralBraces) {
    EXPECT_EQ(tr(u"a{,3}"), "a\\{,3}");
    EXPECT_EQ(tr(u"{x}"), "\\{x}");
    EXPECT_EQ(tr(u"a{3,}"), "a{3,}");
}

TEST(RegexTranslate, SyntaxErrors) {
    EXPECT_EQ(errorOf([] { translatePattern(u"[abc"); }), errRegexBracket);
    EXPECT_EQ(errorOf([] { translatePattern(u"abc\\"); }), errRegexSyntax);
    EXPECT_EQ(errorOf([] { translatePattern(u"(?<=a)b"); }), errRegexQuantifier);
    EXPECT_EQ(errorOf([] { translatePattern(u"a++"); }), errRegexQuantifier);       // no possessive quantifiers
    EXPECT_EQ(errorOf([] { translatePattern(u"a{2}+"); }), errRegexQuantifier);
    EXPECT_EQ(errorOf([] { translatePattern(u"(*ACCEPT)"); }), errRegexQuantifier);  // no PCRE2 verbs
    EXPECT_EQ(errorOf([] { translatePattern(u"^*", true); }), errRegexQuantifier);
    EXPECT_EQ(errorOf([] { translatePattern(u"(a(b)"); }), errRegexParen);
    EXPECT_EQ(errorOf([] { translatePattern(u"a)"); }), errRegexSyntax);
}

}  // namespace
}  // namespace vbs::test
