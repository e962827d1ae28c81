#include <gtest/gtest.h>

#include "Calls.h"

namespace vbs::test {
namespace {

class RegExpTest : public ::testing::Test {
protected:
    Value re = newRegExp();
    void set(std::u16string_view pattern, bool global = false, bool ignoreCase = false, bool multiline = false) {
        assign(re, u"Pattern", {}, pattern);
        assign(re, u"Global", {}, Value::boolean(global));
        assign(re, u"IgnoreCase", {}, Value::boolean(ignoreCase));
        assign(re, u"Multiline", {}, Value::boolean(multiline));
    }
    bool test(std::u16string_view s) { return toBool(call(re, u"Test", {s})); }
    std::string replace(std::u16string_view s, Value with) { return text(call(re, u"Replace", {s, with})); }
    // "value@index" per match.
    std::vector<std::string> matches(std::u16string_view s) {
        std::vector<std::string> out;
        Value ms = call(re, u"Execute", {s});
        auto e = ms.obj->enumerate();
        for (Value m; e->next(m);)
            out.push_back(text(call(m, u"Value")) + "@" + text(call(m, u"FirstIndex")));
        return out;
    }
};

TEST_F(RegExpTest, PropertiesRoundTrip) {
    set(u"ab+", true, true, false);
    EXPECT_EQ(text(call(re, u"Pattern")), "ab+");
    EXPECT_TRUE(toBool(call(re, u"Global")));
    EXPECT_TRUE(toBool(call(re, u"IgnoreCase")));
    EXPECT_FALSE(toBool(call(re, u"Multiline")));
    EXPECT_EQ(re.obj->typeName(), u"IRegExp2");
}

TEST_F(RegExpTest, ExecuteGivesMatchesAndSubMatches) {
    set(u"(\\w+)@(\\w+)?", true);
    Value ms = call(re, u"Execute", {u"x a@b c@ "});
    EXPECT_EQ(ms.obj->typeName(), u"IMatchCollection2");
    ASSERT_EQ(toLong(call(ms, u"Count")), 2);
    Value m = call(ms, u"", {Value::lng(1)});
    EXPECT_EQ(m.obj->typeName(), u"IMatch2");
    EXPECT_EQ(text(call(m, u"")), "c@");
    EXPECT_EQ(toLong(call(m, u"FirstIndex")), 6);
    EXPECT_EQ(toLong(call(m, u"Length")), 2);
    Value sub = call(m, u"SubMatches");
    EXPECT_EQ(sub.obj->typeName(), u"ISubMatches");
    EXPECT_EQ(toLong(call(sub, u"Count")), 2);
    EXPECT_EQ(text(call(sub, u"", {Value::lng(0)})), "c");
    EXPECT_TRUE(call(sub, u"Item", {Value::lng(1)}).isEmpty());  // the group did not take part
    EXPECT_EQ(each(sub).size(), 2u);
    // m.SubMatches(0): the property takes no arguments, so its result is indexed.
    EXPECT_EQ(text(call(m, u"SubMatches", {Value::lng(0)})), "c");
    EXPECT_EQ(errorOf([&] { call(m, u"Length", {Value::lng(0)}); }), errWrongArgCount);
    EXPECT_EQ(errorOf([&] { call(ms, u"Item", {Value::lng(2)}); }), errInvalidCall);
    EXPECT_EQ(errorOf([&] { call(sub, u"Item", {Value::lng(-1)}); }), errInvalidCall);
}

TEST_F(RegExpTest, NonGlobalStopsAtFirstMatch) {
    set(u"\\d");
    EXPECT_EQ(matches(u"a1b2"), (std::vector<std::string>{"1@1"}));
    EXPECT_EQ(replace(u"a1b2", u"#"), "a#b2");
}

TEST_F(RegExpTest, EmptyMatchesAdvanceOneCharacter) {
    set(u"x*", true);
    EXPECT_EQ(replace(u"abc", u"-"), "-a-b-c-");
    set(u"a*", true);
    EXPECT_EQ(replace(u"baac", u"-"), "-b--c-");
    // A surrogate pair is one step: no empty match between its halves.
    EXPECT_EQ(matches(u"\U0001F600a"), (std::vector<std::string>{"@0", "a@2", "@3"}));
}

TEST_F(RegExpTest, ReplacementTokens) {
    set(u"(\\w)(\\d)?", true);
    EXPECT_EQ(replace(u"a1 b", u"[$2$1]"), "[1a] [b]");
    set(u"b");
    EXPECT_EQ(replace(u"abc", u"<$&|$`|$'|$$|$3|$>"), "a<b|a|c|$|$3|$>c");
    set(u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)");
    EXPECT_EQ(replace(u"abcdefghijk", u"$11$10$01$1"), "kjaa");
    set(u"(a)");
    EXPECT_EQ(replace(u"a", u"$10"), "a0");  // one group: $1 then a literal 0
    EXPECT_EQ(replace(u"xa", Value::lng(42)), "x42");
    EXPECT_EQ(replace(u"none", u"z"), "none");
}

TEST_F(RegExpTest, AnchorsAndMultiline) {
    set(u"^\\w+$", true);
    EXPECT_FALSE(test(u"ab\ncd"));
    EXPECT_FALSE(test(u"ab\n"));  // "$" only at the very end without Multiline
    set(u"^\\w+$", true, false, true);
    EXPECT_EQ(matches(u"ab\r\ncd\nef"), (std::vector<std::string>{"ab@0", "cd@4", "ef@7"}));
    set(u"a.c");
    EXPECT_FALSE(test(u"a\nc"));
    EXPECT_FALSE(test(u"a\rc"));
    EXPECT_TRUE(test(u"a\u00e9c"));
}

TEST_F(RegExpTest, IgnoreCaseCoversNonAsciiLetters) {
    set(u"ÉTÉ", false, true);
    EXPECT_TRUE(test(u"un été chaud"));
    set(u"straße", false, true);
    EXPECT_TRUE(test(u"STRAßE"));
    set(u"\\w+", false, true);
    EXPECT_EQ(matches(u"éa"), (std::vector<std::string>{"a@1"}));  // \w stays ASCII
}

TEST_F(RegExpTest, LazyQuantifiersAndBackReferences) {
    set(u"<.+?>", true);
    EXPECT_EQ(matches(u"<a><b>"), (std::vector<std::string>{"<a>@0", "<b>@3"}));
    set(u"(\\w)\\1", true);
    EXPECT_EQ(matches(u"aabcdd"), (std::vector<std::string>{"aa@0", "dd@4"}));
    set(u"(x)?y\\1", false);
    EXPECT_TRUE(test(u"y"));  // a group that did not take part matches empty, as in JavaScript
}

TEST_F(RegExpTest, PatternChangesRecompile) {
    set(u"a");
    EXPECT_TRUE(test(u"a"));
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(test(u"xxa"));  // crosses the JIT threshold
    assign(re, u"Pattern", {}, u"b");
    EXPECT_FALSE(test(u"a"));
    assign(re, u"IgnoreCase", {}, Value::boolean(true));
    EXPECT_TRUE(test(u"B"));
}

// Once JIT-compiled, a pattern that recurses deeply must still match, not run out of JIT stack.
TEST_F(RegExpTest, DeepMatchesSurviveJit) {
    set(u"(a|b)*c");
    std::u16string subject(200000, u'a');
    subject += u'c';
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(test(subject)) << "run " << i;
}

// Past the JIT threshold a search enters the JIT code directly, without pcre2_match's checks:
// broken UTF-16, empty text and runaway backtracking must come out as they did interpreted.
TEST_F(RegExpTest, JitCodeMatchesAsInterpreted) {
    set(u"b|^$", true);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(matches(u"a\xD800" u"b"), (std::vector<std::string>{"b@2"})) << "run " << i;
        EXPECT_TRUE(test(u"")) << "run " << i;
    }
    set(u"^(\\w+x?)*$");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(errorOf([&] { test(std::u16string(30, u'a') + u"!"); }), errOutOfStack) << "run " << i;
}

TEST_F(RegExpTest, CatastrophicBacktrackingRunsOutOfStack) {
    set(u"^(\\w+\\s?)*$");
    EXPECT_EQ(errorOf([&] { test(std::u16string(30, u'a') + u"!"); }), errOutOfStack);
}

TEST_F(RegExpTest, SamePatternWithOtherFlagsIsCompiledApart) {
    Value other = newRegExp();
    assign(other, u"Pattern", {}, u"^b");
    assign(other, u"Multiline", {}, Value::boolean(true));
    set(u"^b");
    EXPECT_TRUE(toBool(call(other, u"Test", {u"a\nb"})));
    EXPECT_FALSE(test(u"a\nb"));
    EXPECT_TRUE(toBool(call(other, u"Test", {u"a\nb"})));
}

TEST_F(RegExpTest, BadPatternRaisesWhenUsed) {
    assign(re, u"Pattern", {}, u"(a");
    EXPECT_EQ(errorOf([&] { test(u"a"); }), errRegexParen);
    assign(re, u"Pattern", {}, u"a**");
    EXPECT_EQ(errorOf([&] { test(u"a"); }), errRegexQuantifier);
    assign(re, u"Pattern", {}, u"[z-a]");
    EXPECT_EQ(errorOf([&] { test(u"a"); }), errRegexRange);
}

TEST_F(RegExpTest, MemberErrors) {
    EXPECT_EQ(errorOf([&] { call(re, u"Nope"); }), errNoSuchMember);
    EXPECT_EQ(errorOf([&] { call(re, u""); }), errNoSuchMember);  // no default property
    EXPECT_EQ(errorOf([&] { call(re, u"Test"); }), errWrongArgCount);
    EXPECT_EQ(errorOf([] { createObject(u"VBScript.Nothing"); }), errCantCreateObject);
    EXPECT_EQ(createObject(u"vbscript.regexp").obj->typeName(), u"IRegExp2");
}

}  // namespace
}  // namespace vbs::test
