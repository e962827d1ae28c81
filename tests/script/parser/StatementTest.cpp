#include <gtest/gtest.h>

#include "AstDump.h"
#include "script/syntax/parser.h"

namespace vbs::test {
namespace {

TEST(ParserStatements, AssignmentForms) {
    EXPECT_EQ(parsed(u"x = 1"), "(let x 1)");
    EXPECT_EQ(parsed(u"a(i) = 2"), "(let (call a i) 2)");
    EXPECT_EQ(parsed(u"o.p = 3"), "(let (. o p) 3)");
    EXPECT_EQ(parsed(u"o.p(1, 2) = 4"), "(let (call (. o p) 1 2) 4)");
    EXPECT_EQ(parsed(u"Set x = New Foo"), "(set x (new Foo))");
    EXPECT_EQ(parsed(u"Set o.child = Nothing"), "(set (. o child) Nothing)");
    EXPECT_EQ(parsed(u"x = y = z"), "(let x (= y z))");
    EXPECT_EQ(parsed(u"Mid(s, 2, 1) = \"x\""), "(let (call Mid s 2 1) \"x\")");
}

TEST(ParserStatements, CallForms) {
    EXPECT_EQ(parsed(u"f"), "(callstmt f)");
    EXPECT_EQ(parsed(u"f a, b"), "(callstmt f a b)");
    EXPECT_EQ(parsed(u"f -1"), "(callstmt f (neg 1))");
    EXPECT_EQ(parsed(u"f a, , c"), "(callstmt f a _ c)");
    EXPECT_EQ(parsed(u"f()"), "(callstmt f)");
    EXPECT_EQ(parsed(u"o.m"), "(callstmt (. o m))");
    EXPECT_EQ(parsed(u"o.m a"), "(callstmt (. o m) a)");
    EXPECT_EQ(parsed(u"a.b(1).c 2"), "(callstmt (. (call (. a b) 1) c) 2)");
}

TEST(ParserStatements, ParenthesisedArgumentIsPassedByValue) {
    EXPECT_EQ(parsed(u"f(a)"), "(callstmt f (paren a))");
    EXPECT_EQ(parsed(u"f (a)"), "(callstmt f (paren a))");
    EXPECT_EQ(parsed(u"o.m(a)"), "(callstmt (. o m) (paren a))");
    EXPECT_EQ(parsed(u"f (a), b"), "(callstmt f (paren a) b)");
    EXPECT_EQ(parsed(u"f (a) + 1, b"), "(callstmt f (+ (paren a) 1) b)");
    EXPECT_EQ(parsed(u"f (1) * 2"), "(callstmt f (* (paren 1) 2))");
    EXPECT_EQ(parsed(u"f(g(1))"), "(callstmt f (paren (call g 1)))");
    EXPECT_EQ(parsed(u"f (g(1)), h(2)"), "(callstmt f (paren (call g 1)) (call h 2))");
    // The by-value parentheses sit where the script wrote them.
    ast::Program p = parse(u"f  (g(1))");
    EXPECT_EQ(static_cast<const ast::CallStmt&>(*p.body[0]).args[0]->pos.column, 4);
}

TEST(ParserStatements, CallKeywordPassesArgumentsAsWritten) {
    EXPECT_EQ(parsed(u"Call f"), "(callstmt f)");
    EXPECT_EQ(parsed(u"Call f(a)"), "(callstmt f a)");
    EXPECT_EQ(parsed(u"Call f(a, b)"), "(callstmt f a b)");
    EXPECT_EQ(parsed(u"Call o.m(1, , 3)"), "(callstmt (. o m) 1 _ 3)");
}

TEST(ParserStatements, KeywordsAsMembersInStatements) {
    EXPECT_EQ(parsed(u"ts.Write x"), "(callstmt (. ts Write) x)");
    EXPECT_EQ(parsed(u"x.End = 1"), "(let (. x End) 1)");
    EXPECT_EQ(parsed(u"o.Class.Next a, b"), "(callstmt (. (. o Class) Next) a b)");
    EXPECT_EQ(parsed(u"With o: .Loop = 1: .If: End With"), "(with o {(let .Loop 1); (callstmt .If)})");
    EXPECT_EQ(parsed(u"Set d.Item(\"k\") = Me"), "(set (call (. d Item) \"k\") Me)");
}

TEST(ParserStatements, WithBlockMembers) {
    EXPECT_EQ(parsed(u"With o\n.x = 1\n.m .y\n.n(2)\nf .z\nEnd With"),
              "(with o {(let .x 1); (callstmt .m .y); (callstmt .n (paren 2)); (callstmt f .z)})");
}

TEST(ParserStatements, Separators) {
    EXPECT_EQ(parsed(u"a = 1: b = 2\r\nc = 3\rd = 4\n\n:e"),
              "(let a 1); (let b 2); (let c 3); (let d 4); (callstmt e)");
    EXPECT_EQ(parsed(u"' comment\nRem another\na = 1 ' trailing\nb = 2: Rem trailing too"),
              "(let a 1); (let b 2)");
    EXPECT_EQ(parsed(u""), "");
    EXPECT_EQ(parsed(u"\n\n' only comments"), "");
}

TEST(ParserStatements, LineContinuation) {
    EXPECT_EQ(parsed(u"x = 1 + _\n    2"), "(let x (+ 1 2))");
    EXPECT_EQ(parsed(u"f a, _\r\n  b, _  \n  c"), "(callstmt f a b c)");
    EXPECT_EQ(parsed(u"s = \"a\" & _\n\"b\"\ny = 3"), "(let s (& \"a\" \"b\")); (let y 3)");
    EXPECT_EQ(parsed(u"x = a &_\nb"), "(let x (& a b))");
    EXPECT_EQ(parsed(u"f _"), "(callstmt f)");
    // A continuation does not carry over a blank line.
    EXPECT_EQ(parsed(u"x = 1 + _\n\n2"), "error 1023 at 2:1");
}

TEST(ParserStatements, Declarations) {
    EXPECT_EQ(parsed(u"Dim a, b(3), c(), d(2, 4)"), "(dim a b[ 3] c[] d[ 2 4])");
    EXPECT_EQ(parsed(u"Public x\nPrivate y(1)"), "(public dim x); (private dim y[ 1])");
    EXPECT_EQ(parsed(u"Const a = 1, b = -2, c = \"s\", d = (-3), e = +True"),
              "(const a=1 b=(neg 2) c=\"s\" d=(paren (neg 3)) e=True)");
    EXPECT_EQ(parsed(u"Private Const k = #1/1/2000#"), "(private const k=#36526#)");
    EXPECT_EQ(parsed(u"ReDim a(n + 1)"), "(redim a[ (+ n 1)])");
    EXPECT_EQ(parsed(u"ReDim Preserve a(2, m), b(3)"), "(redim preserve a[ 2 m] b[ 3])");
    EXPECT_EQ(parsed(u"Erase a"), "(erase a)");
}

TEST(ParserStatements, OptionExplicitOnlyFirst) {
    EXPECT_EQ(parsed(u"' header\n\nOption Explicit\nDim x"), "explicit; (dim x)");
}

TEST(ParserIf, BlockForm) {
    EXPECT_EQ(parsed(u"If a Then\n x = 1\nEnd If"), "(if a {(let x 1)})");
    EXPECT_EQ(parsed(u"If a Then ' why\n x = 1\nElseIf b Then\n x = 2\nElse\n x = 3\nEnd If"),
              "(if a {(let x 1)} b {(let x 2)} else {(let x 3)})");
    EXPECT_EQ(parsed(u"If a Then\nElse x = 3\nEnd If"), "(if a {} else {(let x 3)})");
    EXPECT_EQ(parsed(u"If a Then\n If b Then\n  y\n End If\nEnd If"), "(if a {(if b {(callstmt y)})})");
}

TEST(ParserIf, SingleLineForm) {
    EXPECT_EQ(parsed(u"If a Then x = 1"), "(if a {(let x 1)})");
    EXPECT_EQ(parsed(u"If a Then x = 1: y = 2 Else z = 3: w"),
              "(if a {(let x 1); (let y 2)} else {(let z 3); (callstmt w)})");
    EXPECT_EQ(parsed(u"If a Then f 1 Else g(2)"), "(if a {(callstmt f 1)} else {(callstmt g (paren 2))})");
    EXPECT_EQ(parsed(u"If a Then f() Else g\nh"), "(if a {(callstmt f)} else {(callstmt g)}); (callstmt h)");
    EXPECT_EQ(parsed(u"Do\nIf a Then Exit Do\nLoop"), "(do {(if a {(exit do)})})");
}

TEST(ParserIf, NestedSingleLineForms) {
    // The inner If takes the Else, as in VBScript.
    EXPECT_EQ(parsed(u"If a Then If b Then x 1 Else y"), "(if a {(if b {(callstmt x 1)} else {(callstmt y)})})");
    EXPECT_EQ(parsed(u"If a Then x 1 Else If b Then y 2 Else z"),
              "(if a {(callstmt x 1)} else {(if b {(callstmt y 2)} else {(callstmt z)})})");
    EXPECT_EQ(parsed(u"If a Then x = 1 ' done\ny = 2"), "(if a {(let x 1)}); (let y 2)");
}

TEST(ParserIf, SingleLineFormWithEndIf) {
    EXPECT_EQ(parsed(u"If a Then x = 1 End If"), "(if a {(let x 1)})");
    EXPECT_EQ(parsed(u"If a Then x: y End If: z"), "(if a {(callstmt x); (callstmt y)}); (callstmt z)");
    EXPECT_EQ(parsed(u"If a Then f 1 Else g End If"), "(if a {(callstmt f 1)} else {(callstmt g)})");
}

TEST(ParserLoops, ForAndForEach) {
    EXPECT_EQ(parsed(u"For i = 1 To 10\n x = i\nNext"), "(for i 1 10 {(let x i)})");
    EXPECT_EQ(parsed(u"For i = 10 To 1 Step -2: f i: Next i"), "(for i 10 1 step (neg 2) {(callstmt f i)})");
    EXPECT_EQ(parsed(u"For Each k In d.Keys\n f k\nNext"), "(foreach k (. d Keys) {(callstmt f k)})");
    EXPECT_EQ(parsed(u"For i = 1 To 2\nFor j = 1 To 2\nExit For\nNext\nNext"),
              "(for i 1 2 {(for j 1 2 {(exit for)})})");
}

TEST(ParserLoops, DoAndWhile) {
    EXPECT_EQ(parsed(u"Do\n x\nLoop"), "(do {(callstmt x)})");
    EXPECT_EQ(parsed(u"Do While a < 3\n Exit Do\nLoop"), "(do while (< a 3) {(exit do)})");
    EXPECT_EQ(parsed(u"Do Until a\nLoop"), "(do until a {})");
    EXPECT_EQ(parsed(u"Do\nLoop While a"), "(do {} while a)");
    EXPECT_EQ(parsed(u"Do\nLoop Until Not a"), "(do {} until (not a))");
    EXPECT_EQ(parsed(u"While x > 0\n x = x - 1\nWend"), "(while (> x 0) {(let x (- x 1))})");
}

TEST(ParserStatements, SelectCase) {
    EXPECT_EQ(parsed(u"Select Case x\n' note\nCase 1, 2\n a\nCase \"z\": b\nCase Else\n c\nEnd Select"),
              "(select x (case 1 2 {(callstmt a)}) (case \"z\" {(callstmt b)}) (else {(callstmt c)}))");
    EXPECT_EQ(parsed(u"Select Case x\nEnd Select"), "(select x)");
}

TEST(ParserStatements, ErrorHandlingAndStop) {
    EXPECT_EQ(parsed(u"On Error Resume Next\nOn Error GoTo 0\nStop"),
              "(onerror resume); (onerror goto0); (stop)");
}

TEST(ParserProcedures, SubsAndFunctions) {
    EXPECT_EQ(parsed(u"Sub s\nEnd Sub"), "(sub s () {})");
    EXPECT_EQ(parsed(u"Function f(a, ByVal b, ByRef c, d())\n f = a\n Exit Function\nEnd Function"),
              "(function f (a byval b c d()) {(let f a); (exit function)})");
    EXPECT_EQ(parsed(u"Private Sub s(): Exit Sub: End Sub"), "(private sub s () {(exit sub)})");
    ast::Program p = parse(u"Sub s\n\n x\nEnd Sub");
    EXPECT_EQ(static_cast<const ast::Procedure&>(*p.body[0]).endLine, 4);
}

TEST(ParserProcedures, Classes) {
    EXPECT_EQ(parsed(u"Class C\n"
                     " Private m_x, m_a()\n"
                     " Public Name\n"
                     " Dim d\n"
                     " Public Default Property Get X(): X = m_x: End Property\n"
                     " Property Let X(v)\n  m_x = v\n  Exit Property\n End Property\n"
                     " Public Property Set Obj(o): End Property\n"
                     " Private Sub Class_Initialize\n End Sub\n"
                     " Function Self: Set Self = Me: End Function\n"
                     "End Class"),
              "(class C {(private dim m_x m_a[]); (public dim Name); (dim d); "
              "(public default get X () {(let X m_x)}); (let X (v) {(let m_x v); (exit property)}); "
              "(public set Obj (o) {}); (private sub Class_Initialize () {}); "
              "(function Self () {(set Self Me)})})");
}

TEST(ParserStatements, PositionsArePhysical) {
    ast::Program p = parse(u"a = 1\n  f x, _\n   y: g");
    ASSERT_EQ(p.body.size(), 3u);
    EXPECT_EQ(p.body[1]->pos.line, 2);
    EXPECT_EQ(p.body[1]->pos.column, 3);
    const auto& call = static_cast<const ast::CallStmt&>(*p.body[1]);
    EXPECT_EQ(call.args[1]->pos.line, 3);
    EXPECT_EQ(call.args[1]->pos.column, 4);
    EXPECT_EQ(p.body[2]->pos.line, 3);
    EXPECT_EQ(p.body[2]->pos.column, 7);
}

}  // namespace
}  // namespace vbs::test
