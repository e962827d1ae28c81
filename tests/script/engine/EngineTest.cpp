// The host interface: calling procedures with by-reference arguments, several engines at once,
// error positions, the time-out leaving the engine usable, and the memory cap.
#include <gtest/gtest.h>
#include <chrono>
#include <stdlib.h>
#include <unistd.h>

#include "script/values/convert.h"
#include "script/engine.h"
#include "script/values/string.h"

namespace {

using vbs::Engine;
using vbs::ScriptError;
using vbs::Value;

std::u16string str(const Value& v) { return std::u16string(vbs::toString(v).view()); }

Value call(Engine& e, std::u16string_view name, std::initializer_list<Value*> args) {
    return e.run(name, args.begin(), static_cast<int>(args.size()));
}

TEST(Engine, ByRefParametersWriteThroughToTheHostsVariables) {
    Engine e;
    e.addCode(u"Sub Bump(ByRef a, ByVal b)\n a = a + 1\n b = b + 1\nEnd Sub\n"
              u"Sub Fill(x)\n x = \"filled\"\nEnd Sub\n");
    Value a = Value::lng(1), b = Value::lng(1), s;
    call(e, u"Bump", {&a, &b});
    EXPECT_EQ(a.i32, 2);
    EXPECT_EQ(b.i32, 1);  // ByVal: the host's value is untouched
    call(e, u"fill", {&s});  // names are case-insensitive
    EXPECT_EQ(str(s), u"filled");
}

TEST(Engine, ReturnsFunctionValuesAndKeepsGlobalsAcrossCalls) {
    Engine e;
    e.addCode(u"Dim total\nFunction Add(n)\n total = total + n\n Add = total\nEnd Function\n");
    e.addCode(u"Function Twice(n)\n Twice = Add(n) * 2\nEnd Function\n");  // later code sees earlier
    Value n = Value::lng(5);
    EXPECT_EQ(vbs::toLong(call(e, u"Add", {&n})), 5);
    auto twice = e.find(u"Twice");
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice.paramCount(), 1);
    Value* args[] = {&n};
    EXPECT_EQ(vbs::toLong(e.call(twice, args, 1)), 20);  // total is now 10
    EXPECT_FALSE(e.find(u"Missing"));
}

TEST(Engine, EnginesShareNothing) {
    Engine a, b;
    a.addCode(u"Dim x\nx = \"first\"\nFunction Fetch()\n Fetch = x\nEnd Function\n");
    b.addCode(u"Dim x\nx = \"second\"\nFunction Fetch()\n Fetch = x\nEnd Function\n");
    EXPECT_EQ(str(call(a, u"Fetch", {})), u"first");
    EXPECT_EQ(str(call(b, u"Fetch", {})), u"second");
}

TEST(Engine, RuntimeErrorsCarryTheirPosition) {
    Engine e;
    e.addCode(u"Function Divide(a, b)\n  Divide = a / b\nEnd Function\n");
    Value one = Value::lng(1), zero = Value::lng(0);
    try {
        call(e, u"Divide", {&one, &zero});
        FAIL() << "no error";
    } catch (const ScriptError& err) {
        EXPECT_EQ(err.number, 11);
        EXPECT_EQ(err.description, u"Division by zero");
        EXPECT_EQ(err.source, u"Microsoft VBScript runtime error");
        EXPECT_EQ(err.line, 2);
        EXPECT_EQ(err.column, 3);
        EXPECT_EQ(err.lineText, u"  Divide = a / b");
    }
    // Nothing of a text that fails to compile is kept, and the engine goes on.
    try {
        e.addCode(u"Sub Good()\nEnd Sub\nDim a\nDim a\n");
        FAIL() << "no error";
    } catch (const ScriptError& err) {
        EXPECT_EQ(err.number, 1041);
        EXPECT_EQ(err.source, u"Microsoft VBScript compilation error");
        EXPECT_EQ(err.line, 4);
    }
    EXPECT_FALSE(e.find(u"Good"));
    EXPECT_THROW(call(e, u"NoSuchProc", {}), ScriptError);
}

TEST(Engine, TimeOutEndsTheCallAndTheEngineStillWorks) {
    Engine e(u"VBScript", 100);
    e.addCode(u"Sub Spin()\n On Error Resume Next\n Do\n Loop\nEnd Sub\n"
              u"Function Ok()\n Ok = \"still fine\"\nEnd Function\n");
    try {
        call(e, u"Spin", {});
        FAIL() << "no time-out";
    } catch (const ScriptError& err) {
        EXPECT_EQ(err.description, u"script timed out after 100 ms");  // On Error cannot swallow it
        EXPECT_EQ(err.number, vbs::errTimedOut);
        EXPECT_GT(err.line, 1);  // where it was stopped
    }
    EXPECT_EQ(str(call(e, u"Ok", {})), u"still fine");
}

int errorOf(Engine& e, std::u16string_view code) {
    try {
        e.addCode(code);
        return 0;
    } catch (const ScriptError& err) {
        return err.number;
    }
}

TEST(Engine, MemoryCapRaisesOutOfMemoryAndCountsOnlyWhatIsLive) {
    Engine e;
    e.setMemoryLimit(32u << 20);
    EXPECT_EQ(errorOf(e, u"s = Space(20000000)"), vbs::errOutOfMemory);  // 40 MB of text
    for (int i = 0; i < 10; ++i)  // 20 MB each time, freed each time
        EXPECT_EQ(errorOf(e, u"s = Space(5000000) : t = s & s : s = Empty : t = Empty"), 0);

    // A file far bigger than the cap (sparse: it takes no disk) is refused, not read.
    char path[] = "/tmp/tarvik-sparse-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, off_t(2) << 30), 0);
    close(fd);
    std::u16string open = u"Set f = CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(\"" +
                          vbs::utf8ToUtf16(path) + u"\")";
    EXPECT_EQ(errorOf(e, open + u".ReadAll"), vbs::errOutOfMemory);
    EXPECT_EQ(errorOf(e, open + u".ReadLine"), vbs::errOutOfMemory);
    unlink(path);

    e.setMemoryLimit(0);
    EXPECT_EQ(errorOf(e, u"s = Space(20000000)"), 0);
}

TEST(Engine, TimeOutStopsALongBuiltInOnTime) {
    Engine e(u"VBScript", 100);
    // Each call alone runs for seconds.
    for (std::u16string_view code : {u"s = Replace(Space(40000000), \" \", \"ab\")",
                                     u"Set re = New RegExp : re.Global = True : re.Pattern = \" \"\n"
                                     u"s = re.Replace(Space(20000000), \"ab\")"}) {
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(errorOf(e, code), vbs::errTimedOut);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    }
}

TEST(Engine, UnknownLanguageIsRefused) {
    try {
        Engine e(u"JScript");
        FAIL() << "accepted";
    } catch (const ScriptError& err) {
        EXPECT_NE(err.description.find(u"JScript"), std::u16string::npos);
    }
}

TEST(Engine, DeepRecursionRaisesOutOfStackSpace) {
    Engine e;
    e.addCode(u"Function Down(n)\n Down = Down(n + 1)\nEnd Function\n");
    Value n = Value::lng(0);
    try {
        call(e, u"Down", {&n});
        FAIL() << "no error";
    } catch (const ScriptError& err) {
        EXPECT_EQ(err.number, 28);
    }
    EXPECT_EQ(vbs::toLong(n), 0);  // ByRef argument never written
}

}  // namespace
