#include <gtest/gtest.h>

#include "AstDump.h"

namespace vbs::test {
namespace {

TEST(ParserPrecedence, ArithmeticLevels) {
    EXPECT_EQ(parsedExpr(u"1 + 2 * 3"), "(+ 1 (* 2 3))");
    EXPECT_EQ(parsedExpr(u"1 * 2 + 3"), "(+ (* 1 2) 3)");
    // \ binds looser than * and /, Mod looser than \, + looser than Mod.
    EXPECT_EQ(parsedExpr(u"a \\ b * c"), "(\\ a (* b c))");
    EXPECT_EQ(parsedExpr(u"a Mod b \\ c"), "(mod a (\\ b c))");
    EXPECT_EQ(parsedExpr(u"a + b Mod c"), "(+ a (mod b c))");
    EXPECT_EQ(parsedExpr(u"a & b + c"), "(& a (+ b c))");
    EXPECT_EQ(parsedExpr(u"a = b & c"), "(= a (& b c))");
}

TEST(ParserPrecedence, LeftAssociativity) {
    EXPECT_EQ(parsedExpr(u"1 - 2 - 3"), "(- (- 1 2) 3)");
    EXPECT_EQ(parsedExpr(u"8 / 4 / 2"), "(/ (/ 8 4) 2)");
    EXPECT_EQ(parsedExpr(u"2 ^ 3 ^ 2"), "(^ (^ 2 3) 2)");
    EXPECT_EQ(parsedExpr(u"a = b = c"), "(= (= a b) c)");
    EXPECT_EQ(parsedExpr(u"a < b Is c"), "(is (< a b) c)");
}

TEST(ParserPrecedence, SignBindsTighterThanPower) {
    EXPECT_EQ(parsedExpr(u"-2 ^ 2"), "(^ (neg 2) 2)");
    EXPECT_EQ(parsedExpr(u"-2 ^ -2 ^ 3"), "(^ (^ (neg 2) (neg 2)) 3)");
    EXPECT_EQ(parsedExpr(u"-2 * 3"), "(* (neg 2) 3)");
    EXPECT_EQ(parsedExpr(u"2 ^ -1"), "(^ 2 (neg 1))");
    EXPECT_EQ(parsedExpr(u"a * -b"), "(* a (neg b))");
    EXPECT_EQ(parsedExpr(u"- -a"), "(neg (neg a))");
    EXPECT_EQ(parsedExpr(u"a - -1"), "(- a (neg 1))");
    EXPECT_EQ(parsedExpr(u"+a"), "a");
}

TEST(ParserPrecedence, NotBindsLooserThanComparisons) {
    EXPECT_EQ(parsedExpr(u"Not a = b"), "(not (= a b))");
    EXPECT_EQ(parsedExpr(u"Not a And b"), "(and (not a) b)");
    EXPECT_EQ(parsedExpr(u"a And Not b Or c"), "(or (and a (not b)) c)");
    EXPECT_EQ(parsedExpr(u"Not Not a"), "(not (not a))");
}

TEST(ParserPrecedence, LogicalLevels) {
    EXPECT_EQ(parsedExpr(u"a Or b And c"), "(or a (and b c))");
    EXPECT_EQ(parsedExpr(u"a Xor b Or c"), "(xor a (or b c))");
    EXPECT_EQ(parsedExpr(u"a Eqv b Xor c"), "(eqv a (xor b c))");
    EXPECT_EQ(parsedExpr(u"a Imp b Eqv c"), "(imp a (eqv b c))");
    EXPECT_EQ(parsedExpr(u"a > 1 And b <= 2 Or c <> 3"), "(or (and (> a 1) (<= b 2)) (<> c 3))");
}

TEST(ParserPrecedence, ParenthesesAreKept) {
    EXPECT_EQ(parsedExpr(u"(1 + 2) * 3"), "(* (paren (+ 1 2)) 3)");
    EXPECT_EQ(parsedExpr(u"((a))"), "(paren (paren a))");
}

TEST(ParserLiterals, DecimalIntegersTakeTheSmallestType) {
    EXPECT_EQ(parsedExpr(u"0"), "0");
    EXPECT_EQ(parsedExpr(u"32767"), "32767");
    EXPECT_EQ(parsedExpr(u"32768"), "32768&");
    EXPECT_EQ(parsedExpr(u"2147483647"), "2147483647&");
    EXPECT_EQ(parsedExpr(u"2147483648"), "2147483648#");
    EXPECT_EQ(parsedExpr(u"99999999999999999999"), "1e+20#");
    EXPECT_EQ(parsedExpr(u"000000000000032768"), "32768&");
    // The sign is an operator: -32768 is a negated Long.
    EXPECT_EQ(parsedExpr(u"-32768"), "(neg 32768&)");
}

TEST(ParserLiterals, HexAndOctalWrapLikeVBScript) {
    EXPECT_EQ(parsedExpr(u"&HFF"), "255");
    EXPECT_EQ(parsedExpr(u"&h7fff"), "32767");
    EXPECT_EQ(parsedExpr(u"&H8000"), "-32768");
    EXPECT_EQ(parsedExpr(u"&HFFFF"), "-1");
    EXPECT_EQ(parsedExpr(u"&H10000"), "65536&");
    EXPECT_EQ(parsedExpr(u"&HFFFFFFFF"), "-1&");
    EXPECT_EQ(parsedExpr(u"&HFFFF&"), "65535&");
    EXPECT_EQ(parsedExpr(u"&O17"), "15");
    EXPECT_EQ(parsedExpr(u"&o177777"), "-1");
    // "&" not followed by a digit of the radix is concatenation.
    EXPECT_EQ(parsedExpr(u"a &hz"), "(& a hz)");
}

TEST(ParserLiterals, Doubles) {
    EXPECT_EQ(parsedExpr(u"1.5"), "1.5#");
    EXPECT_EQ(parsedExpr(u".5"), "0.5#");
    EXPECT_EQ(parsedExpr(u"1e3"), "1000#");
    EXPECT_EQ(parsedExpr(u"2.5E-2"), "0.025#");
    EXPECT_EQ(parsedExpr(u"1E+2"), "100#");
}

TEST(ParserLiterals, StringsAndConstants) {
    EXPECT_EQ(parsedExpr(u"\"abc\""), "\"abc\"");
    EXPECT_EQ(parsedExpr(u"\"\""), "\"\"");
    EXPECT_EQ(parsedExpr(u"\"say \"\"hi\"\"\""), "\"say \"hi\"\"");
    EXPECT_EQ(parsedExpr(u"\"it's\""), "\"it's\"");
    EXPECT_EQ(parsedExpr(u"True And false"), "(and True False)");
    EXPECT_EQ(parsedExpr(u"Empty"), "Empty");
    EXPECT_EQ(parsedExpr(u"NULL"), "Null");
    EXPECT_EQ(parsedExpr(u"Nothing"), "Nothing");
}

TEST(ParserLiterals, Dates) {
    EXPECT_EQ(parsedExpr(u"#1/1/2000#"), "#36526#");
    EXPECT_EQ(parsedExpr(u"#1/2/2003 10:00 AM#"), "#37623.4166666667#");
}

TEST(ParserExpressions, CallsMembersAndMissingArguments) {
    EXPECT_EQ(parsedExpr(u"f(1, , 3)"), "(call f 1 _ 3)");
    EXPECT_EQ(parsedExpr(u"f(, 2)"), "(call f _ 2)");
    EXPECT_EQ(parsedExpr(u"f()"), "(call f)");
    EXPECT_EQ(parsedExpr(u"a.b(1).c"), "(. (call (. a b) 1) c)");
    EXPECT_EQ(parsedExpr(u"a(1)(2)"), "(call (call a 1) 2)");
    EXPECT_EQ(parsedExpr(u"Me.x"), "(. Me x)");
    EXPECT_EQ(parsedExpr(u"New Foo"), "(new Foo)");
    EXPECT_EQ(parsedExpr(u".Name & .Item(1)"), "(& .Name (call .Item 1))");
}

TEST(ParserExpressions, KeywordsAsMemberNames) {
    EXPECT_EQ(parsedExpr(u"obj.Class"), "(. obj Class)");
    EXPECT_EQ(parsedExpr(u"x.End + d.Item(1)"), "(+ (. x End) (call (. d Item) 1))");
    EXPECT_EQ(parsedExpr(u"a.Next.Loop.Rem"), "(. (. (. a Next) Loop) Rem)");
}

TEST(ParserExpressions, NamesKeepTheirSpelling) {
    EXPECT_EQ(parsedExpr(u"MyVar + myvar"), "(+ MyVar myvar)");
    EXPECT_EQ(parsedExpr(u"[my var] + [If]"), "(+ my var If)");
    // Words VBScript does not reserve.
    EXPECT_EQ(parsedExpr(u"step + property + default + error + explicit"),
              "(+ (+ (+ (+ step property) default) error) explicit)");
}

}  // namespace
}  // namespace vbs::test
