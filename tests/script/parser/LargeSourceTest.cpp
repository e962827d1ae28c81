#include <gtest/gtest.h>

#include "AstDump.h"
#include "script/syntax/parser.h"

namespace vbs::test {
namespace {

// A brain script of about 1 MB built from the usual statement mix, so a slow path in the lexer
// or the parser shows up as a slow test.
std::u16string largeScript(size_t& functions) {
    const std::u16string chunk =
        u"Function Reply_$(ByVal text, ctx)\r\n"
        u"    Dim words, i, best : best = -1 ' scan the words\r\n"
        u"    words = Split(LCase(Trim(text)), \" \")\r\n"
        u"    For i = 0 To UBound(words) Step 1\r\n"
        u"        If InStr(1, words(i), \"hello\", vbTextCompare) > 0 And Len(words(i)) <= 32767 Then\r\n"
        u"            best = i: ctx.Item(\"seen\") = ctx.Item(\"seen\") + &H1\r\n"
        u"        ElseIf words(i) = \"bye\" Then Exit For\r\n"
        u"        Else: best = best - 2 ^ -1\r\n"
        u"        End If\r\n"
        u"    Next\r\n"
        u"    Select Case best\r\n"
        u"        Case -1, 0: Reply_$ = \"What do you mean, \"\"\" & text & \"\"\"?\"\r\n"
        u"        Case Else\r\n"
        u"            Reply_$ = Replace(\"I heard #\", \"#\", words(best)) _\r\n"
        u"                & vbCrLf & FormatNumber(1.5E3 * best, 2)\r\n"
        u"    End Select\r\n"
        u"    Do While Not ctx Is Nothing : Set ctx = Nothing : Loop\r\n"
        u"End Function\r\n\r\n";
    std::u16string out;
    out.reserve(1100000);
    functions = 0;
    for (int n = 0; out.size() < 1000000; ++n, ++functions) {
        std::u16string piece = chunk;
        std::u16string id;
        for (char c : std::to_string(n)) id.push_back(static_cast<char16_t>(c));
        for (size_t at; (at = piece.find(u'$')) != std::u16string::npos;) piece.replace(at, 1, id);
        out += piece;
    }
    return out;
}

TEST(ParserLargeSource, OneMegabyteBrainParses) {
    size_t functions;
    std::u16string source = largeScript(functions);
    ast::Program p;
    try {
        p = parse(source);
    } catch (const ScriptError& e) {
        FAIL() << errorText(e) << ": " << utf16ToUtf8(e.lineText);
    }
    EXPECT_EQ(p.body.size(), functions);
    for (const ast::StmtPtr& s : p.body) ASSERT_EQ(s->kind, ast::StmtKind::Procedure);
    const auto& last = static_cast<const ast::Procedure&>(*p.body.back());
    EXPECT_EQ(last.body.size(), 6u);
}

}  // namespace
}  // namespace vbs::test
