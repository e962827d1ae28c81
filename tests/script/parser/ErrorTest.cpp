#include <gtest/gtest.h>

#include "script/values/errors.h"
#include "script/syntax/parser.h"

namespace vbs {
namespace {

struct Expected {
    const char16_t* source;
    int number;
    int line;
    int column;
};

ScriptError compileError(std::u16string_view source) {
    try {
        parse(source);
    } catch (const ScriptError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for: " << utf16ToUtf8(source);
    return {};
}

void check(const Expected& x) {
    ScriptError e = compileError(x.source);
    SCOPED_TRACE(utf16ToUtf8(x.source));
    EXPECT_EQ(e.number, x.number);
    EXPECT_EQ(e.line, x.line);
    EXPECT_EQ(e.column, x.column);
}

TEST(ParserErrors, ReportLikeWindows) {
    ScriptError e = compileError(u"x = 1\ny = (2 +\nz = 3");
    EXPECT_EQ(e.number, 1023);
    EXPECT_EQ(utf16ToUtf8(e.description), "Expected expression");
    EXPECT_EQ(utf16ToUtf8(e.source), "Microsoft VBScript compilation error");
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(e.column, 9);
    EXPECT_EQ(utf16ToUtf8(e.lineText), "y = (2 +");
}

TEST(ParserErrors, LexicalMistakes) {
    for (const Expected& x : std::initializer_list<Expected>{
             {u"x = \"abc", 1033, 1, 9},
             {u"a = 1\nx = \"abc\ny = 2", 1033, 2, 9},
             {u"x = 1 $ 2", 1032, 1, 7},
             {u"x = [abc", 1007, 1, 9},
             {u"x = 1e999", 1031, 1, 5},
             {u"caf\u00e9 = 1", 1032, 1, 4},
         })
        check(x);
}

TEST(ParserErrors, ExpectedKeywords) {
    for (const Expected& x : std::initializer_list<Expected>{
             {u"If a\n x\nEnd If", 1017, 1, 5},
             {u"If a Then\n x\nEnd", 1012, 3, 4},
             {u"If a Then\n x\n", 1014, 3, 1},
             {u"For i = 1\nNext", 1013, 1, 10},
             {u"For i 1 To 2\nNext", 1011, 1, 7},
             {u"For i = 1 To 2\n x", 1020, 2, 3},
             {u"For Each x d\nNext", 1046, 1, 12},
             {u"Do\n x\nWend", 1019, 3, 1},
             {u"While a\n x\nLoop", 1018, 3, 1},
             {u"Sub s\n x\nEnd Function", 1016, 3, 5},
             {u"Function f\nEnd Sub", 1015, 2, 5},
             {u"Select Case x\n y = 1\nEnd Select", 1021, 2, 2},
             {u"With o\n.x = 1\nEnd If", 1029, 3, 5},
             {u"Class C\nEnd Sub", 1047, 2, 5},
             {u"Dim 3", 1010, 1, 5},
             {u"Dim Integer", 1010, 1, 5},
             {u"Sub Get\nEnd Sub", 1010, 1, 5},
             {u"Dim a(n)", 1026, 1, 7},
             {u"Const a = b", 1045, 1, 11},
             {u"Const a = (1 + 2)", 1006, 1, 14},
             {u"Set x 3", 1011, 1, 7},
         })
        check(x);
}

TEST(ParserErrors, StatementStructure) {
    for (const Expected& x : std::initializer_list<Expected>{
             {u"x = 1 2", 1025, 1, 7},
             {u"f(1, 2)", 1044, 1, 2},
             {u"o.m(1, 2)", 1044, 1, 4},
             {u"f(g(1), 2)", 1044, 1, 2},
             {u"If a Then x 1 Else y End", 1012, 1, 25},
             {u"If a Then f Else g", 1023, 1, 13},
             {u"Let f", 1011, 1, 6},
             {u"If a Then x = 1 2", 1025, 1, 17},
             {u"x = 1\n= 2", 1024, 2, 1},
             {u"Next", 1055, 1, 1},
             {u"Loop", 1038, 1, 1},
             {u"Exit Do", 1039, 1, 6},
             {u"Sub s\nExit Function\nEnd Sub", 1039, 2, 6},
             {u"x = 1\nOption Explicit", 1024, 2, 1},
             {u"Sub a\nSub b\nEnd Sub\nEnd Sub", 1024, 2, 1},
             {u"If a Then\nPublic x\nEnd If", 1024, 2, 1},
             {u"Property Get p\nEnd Property", 1048, 1, 1},
             {u"Class C\nx = 1\nEnd Class", 1024, 2, 1},
             {u"Class C\nPrivate Default Function f\nEnd Function\nEnd Class", 1057, 2, 9},
             {u"Class C\nPublic Default x\nEnd Class", 1056, 2, 16},
             {u"Class C\nPublic Default Property Let p(v)\nEnd Property\nEnd Class", 1058, 2, 25},
             {u"Public Default Function f\nEnd Function", 1048, 1, 8},
             {u"x = f(1", 1006, 1, 8},
             {u"On Error Resume", 1002, 1, 16},
             {u"Select Case x\nCase 1 y = 2\nEnd Select", 1025, 2, 8},
             {u"Do While a\nLoop Until b", 1025, 2, 6},
             {u"Call 5", 1010, 1, 6},
         })
        check(x);
}

}  // namespace
}  // namespace vbs
