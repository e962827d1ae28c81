#include <gtest/gtest.h>

#include <vector>

#include "script/syntax/lexer.h"

namespace vbs {
namespace {

std::vector<Tok> kinds(std::u16string_view source) {
    Lexer lexer(source);
    std::vector<Tok> out;
    for (Token t = lexer.next(); t.kind != Tok::EndOfText; t = lexer.next()) out.push_back(t.kind);
    return out;
}

TEST(Lexer, KeywordsIgnoreCaseButNotAfterADot) {
    EXPECT_EQ(kinds(u"IF then ELSEif eNd"), (std::vector{Tok::If, Tok::Then, Tok::ElseIf, Tok::End}));
    EXPECT_EQ(kinds(u"x.end .Class"),
              (std::vector{Tok::Identifier, Tok::Dot, Tok::Identifier, Tok::Dot, Tok::Identifier}));
    // Longer words that merely start like keywords.
    EXPECT_EQ(kinds(u"ending iffy dimension nextItem"),
              (std::vector{Tok::Identifier, Tok::Identifier, Tok::Identifier, Tok::Identifier}));
    EXPECT_EQ(kinds(u"step property default"),
              (std::vector{Tok::Identifier, Tok::Identifier, Tok::Identifier}));
}

TEST(Lexer, RemIsACommentOnlyWhereAStatementStarts) {
    EXPECT_EQ(kinds(u"Rem x = 1\ny"), (std::vector{Tok::Newline, Tok::Identifier}));
    EXPECT_EQ(kinds(u"a: REM note\n"), (std::vector{Tok::Identifier, Tok::Colon, Tok::Newline}));
    EXPECT_EQ(kinds(u"a Rem"), (std::vector{Tok::Identifier, Tok::Rem}));
    EXPECT_EQ(kinds(u"o.Rem"), (std::vector{Tok::Identifier, Tok::Dot, Tok::Identifier}));
    EXPECT_EQ(kinds(u"Remark"), (std::vector{Tok::Identifier}));
}

TEST(Lexer, OperatorsAndComments) {
    EXPECT_EQ(kinds(u"<> <= >= < > = & ^ \\ ' all of this is ignored\n"),
              (std::vector{Tok::Ne, Tok::Le, Tok::Ge, Tok::Lt, Tok::Gt, Tok::Eq, Tok::Amp, Tok::Caret,
                           Tok::Backslash, Tok::Newline}));
}

TEST(Lexer, NoBreakSpaceSeparatesLikeASpace) {
    EXPECT_EQ(kinds(u"x\u00a0=\u00a01 _\u00a0\n+ 2"),
              (std::vector{Tok::Identifier, Tok::Eq, Tok::Integer, Tok::Plus, Tok::Integer}));
}

TEST(Lexer, PositionsAndBlanks) {
    Lexer lexer(u"a\t= _\r\n  .b\r\nc");
    Token a = lexer.next();
    Token eq = lexer.next();
    Token dot = lexer.next();
    Token b = lexer.next();
    Token nl = lexer.next();
    Token c = lexer.next();
    EXPECT_EQ(a.column, 1);
    EXPECT_FALSE(a.spaceBefore);
    EXPECT_EQ(eq.column, 3);
    EXPECT_TRUE(eq.spaceBefore);
    EXPECT_EQ(dot.line, 2);
    EXPECT_EQ(dot.column, 3);
    EXPECT_FALSE(dot.spaceBefore);  // the blanks around a continuation do not count
    EXPECT_FALSE(b.spaceBefore);
    EXPECT_EQ(nl.kind, Tok::Newline);
    EXPECT_EQ(c.line, 3);
    EXPECT_EQ(c.column, 1);
}

TEST(Lexer, NamesAndStrings) {
    Lexer lexer(u"[a b] \"x\"\"y\" \"\"");
    Token bracketed = lexer.next();
    Token quoted = lexer.next();
    Token empty = lexer.next();
    EXPECT_EQ(lexer.name(bracketed), u"a b");
    EXPECT_EQ(lexer.stringValue(quoted), u"x\"y");
    EXPECT_EQ(lexer.stringValue(empty), u"");
}

}  // namespace
}  // namespace vbs
