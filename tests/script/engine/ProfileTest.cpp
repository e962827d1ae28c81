// The profiler: who gets the time, exact call counts, and figures that add up. Times are compared
// only with each other, never with fixed numbers.
#include <gtest/gtest.h>

#include <chrono>

#include "script/engine.h"
#include "script/runtime/profile.h"

namespace {

using vbs::Engine;
using vbs::Profile;

const Profile::Row& row(const std::vector<Profile::Row>& rows, std::u16string_view name) {
    for (const auto& r : rows)
        if (r.name == name) return r;
    ADD_FAILURE() << "no row for the function";
    static const Profile::Row none;
    return none;
}

// Runs name from the host, answering the measured time of the call.
Profile::Clock::duration timedRun(Engine& e, std::u16string_view name) {
    auto start = Profile::Clock::now();
    e.run(name, nullptr, 0);
    return Profile::Clock::now() - start;
}

const Profile::LineRow& lineOf(const std::vector<Profile::LineRow>& lines, int number) {
    for (const auto& l : lines)
        if (l.number == number) return l;
    ADD_FAILURE() << "no figures for line " << number;
    static const Profile::LineRow none;
    return none;
}

void expectConsistent(const std::vector<Profile::Row>& rows) {
    for (const auto& r : rows) {
        EXPECT_GE(r.inclusive, r.exclusive);
        EXPECT_GE(r.exclusive.count(), 0);
    }
}

TEST(Profile, TheLoopingFunctionHasTheExclusiveTimeItsCallerTheInclusive) {
    Engine e;
    e.startProfile();
    e.addCode(u"Function Inner(n)\n Dim i, s\n For i = 1 To n\n s = s + i Mod 7\n Next\n Inner = s\nEnd Function\n"
              u"Sub Outer()\n Dim k\n For k = 1 To 3\n Inner 200000\n Next\nEnd Sub\n");
    auto measured = timedRun(e, u"Outer");
    auto rows = e.profile()->byFunction();
    expectConsistent(rows);
    EXPECT_EQ(rows.at(0).name, u"Inner");
    EXPECT_EQ(row(rows, u"Inner").calls, 3u);
    const auto& outer = row(rows, u"Outer");
    EXPECT_EQ(outer.calls, 1u);
    EXPECT_GE(outer.inclusive, row(rows, u"Inner").inclusive);
    // The host's call is the root: its time is all but what the call from the host costs.
    double root = std::chrono::duration<double>(outer.inclusive).count();
    double total = std::chrono::duration<double>(measured).count();
    EXPECT_NEAR(root, total, total * 0.05);
    EXPECT_EQ(e.profile()->total(), outer.inclusive + row(rows, u"<main>").inclusive);  // AddCode's run

    // Lines: the loop's body has the runs and the time, its For line one run per call.
    auto inner = e.profile()->linesOf(u"Inner");
    EXPECT_EQ(inner.at(0).number, 4);
    EXPECT_EQ(inner.at(0).text, u" s = s + i Mod 7");
    EXPECT_EQ(inner.at(0).hits, 600000u);
    EXPECT_EQ(lineOf(inner, 3).hits, 3u);
    EXPECT_EQ(lineOf(e.profile()->linesOf(u"Outer"), 11).hits, 3u);
    Profile::Clock::duration lines{};
    for (const auto& l : inner) lines += l.time;
    EXPECT_GE(inner.at(0).time, lines * 9 / 10);
}

TEST(Profile, RecursionCountsEveryCallAndItsOutermostTimeOnce) {
    Engine e;
    e.startProfile();
    e.addCode(u"Function Fib(n)\n If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)\nEnd Function\n"
              u"Sub Start()\n Fib 18\nEnd Sub\n");
    timedRun(e, u"Start");
    auto rows = e.profile()->byFunction();
    expectConsistent(rows);
    const auto& fib = row(rows, u"Fib");
    EXPECT_EQ(fib.calls, 8361u);  // Fib(n) makes 2 Fib(n + 1) - 1 calls
    EXPECT_LE(fib.inclusive, row(rows, u"Start").inclusive);
    // Against Start, not the top row: <main> runs while addCode does and a busy machine can stall it there.
    EXPECT_GT(fib.exclusive, row(rows, u"Start").exclusive);
    // Each depth of the recursion is its own call path: Fib(18) goes 18 calls deep.
    std::string folded = e.profile()->folded();
    auto path = [](int depth) {
        std::string p = "Start";
        for (int i = 0; i < depth; ++i) p += ";Fib";
        return p;
    };
    EXPECT_NE(folded.find(path(10) + " "), std::string::npos);
    EXPECT_EQ(folded.find(path(19)), std::string::npos);
    // The condition and one of the branches: two statements per call on that line.
    EXPECT_EQ(lineOf(e.profile()->linesOf(u"Fib"), 2).hits, 2u * 8361u);
}

TEST(Profile, ObjectMembersBuiltinsAndClassMembersGoByTheirOwnNames) {
    Engine e;
    e.startProfile();
    e.addCode(u"Class Matcher\n Private re\n Sub Class_Initialize\n Set re = New RegExp\n"
              u" re.Pattern = \"^(a+)+$\"\n End Sub\n"
              u" Property Get Text\n Text = String(18, \"a\") & \"!\"\n End Property\n"
              u" Function Scan()\n Dim i\n For i = 1 To 4\n Scan = re.Test(Text)\n Next\n End Function\nEnd Class\n"
              u"Sub Start()\n Dim m\n Set m = New Matcher\n m.Scan\nEnd Sub\n");
    timedRun(e, u"Start");
    auto rows = e.profile()->byFunction();
    expectConsistent(rows);
    EXPECT_EQ(rows.at(0).name, u"RegExp.Test");  // the pattern backtracks exponentially
    EXPECT_EQ(row(rows, u"RegExp.Test").calls, 4u);
    EXPECT_EQ(row(rows, u"Matcher.Text [Get]").calls, 4u);
    EXPECT_EQ(row(rows, u"String").calls, 4u);
    EXPECT_EQ(row(rows, u"Matcher.Scan").calls, 1u);
    EXPECT_EQ(row(rows, u"Matcher.Class_Initialize").calls, 1u);
    EXPECT_EQ(row(rows, u"RegExp.Pattern [Let]").calls, 1u);
    EXPECT_GE(row(rows, u"Matcher.Scan").inclusive, row(rows, u"RegExp.Test").inclusive);
    // The line calling the slow Test has its time, not the property Get the line also calls.
    auto scan = e.profile()->linesOf(u"Matcher.Scan");
    EXPECT_EQ(scan.at(0).number, 13);
    EXPECT_EQ(scan.at(0).hits, 4u);
    EXPECT_GT(scan.at(0).time, 4 * e.profile()->linesOf(u"Matcher.Text [Get]").at(0).time);
}

TEST(Profile, AnErrorEndsTheCallsItLeavesAndTheTableAddsUp) {
    Engine e;
    e.startProfile();
    e.addCode(u"Function Fails()\n Fails = 1 / 0\nEnd Function\n"
              u"Sub Start()\n On Error Resume Next\n Dim i\n For i = 1 To 3\n Fails\n Next\n CLng \"x\"\nEnd Sub\n");
    timedRun(e, u"Start");
    EXPECT_THROW(timedRun(e, u"Fails"), vbs::ScriptError);
    auto rows = e.profile()->byFunction();
    expectConsistent(rows);
    EXPECT_EQ(row(rows, u"Fails").calls, 4u);
    EXPECT_EQ(row(rows, u"CLng").calls, 1u);
    // Every call from the host is a root again: nothing was left open by the errors.
    timedRun(e, u"Start");
    EXPECT_EQ(row(e.profile()->byFunction(), u"Start").calls, 2u);
    std::string folded = e.profile()->folded();
    EXPECT_EQ(folded.find("Fails;Start"), std::string::npos);
    EXPECT_EQ(folded.find("Start;Start"), std::string::npos);
    std::string table = e.profile()->table();
    EXPECT_NE(table.find("Start"), std::string::npos);
}

TEST(Profile, IsOffUntilStarted) {
    Engine e;
    e.addCode(u"Sub Start()\nEnd Sub\n");
    EXPECT_EQ(e.profile(), nullptr);
}

}  // namespace
