// What the .vbs tests cannot see: results that share the argument's buffer, the per-thread
// character cache, byte slices that start inside a character and the block-wise binary search.
#include "Call.h"
#include "script/builtins/search.h"

using namespace vbs;
using namespace vbs::test;

TEST(Strings, WholeStringResultsShareTheBuffer) {
    Value s = str(u"shared text");
    EXPECT_EQ(call(u"Mid", {s, i16(1)}).str, s.str);
    EXPECT_EQ(call(u"Mid", {s, i16(1), i16(1000)}).str, s.str);
    EXPECT_EQ(call(u"Left", {s, i16(100)}).str, s.str);
    EXPECT_EQ(call(u"Right", {s, i16(11)}).str, s.str);
    EXPECT_EQ(call(u"Trim", {s}).str, s.str);
    EXPECT_EQ(call(u"LCase", {s}).str, s.str);
    EXPECT_EQ(call(u"Replace", {s, str(u"zz"), str(u"y")}).str, s.str);
    EXPECT_EQ(call(u"Split", {s, str(u",")}).arr->data[0].str, s.str);
    EXPECT_NE(call(u"UCase", {s}).str, s.str);
    EXPECT_EQ(call(u"Mid", {s, i16(2)}).strView(), u"hared text");
}

TEST(Strings, ChrReusesOneStringPerCharacter) {
    Value a = call(u"Chr", {i16(65)});
    Value b = call(u"ChrW", {i16(65)});
    EXPECT_EQ(a.str, b.str);
    EXPECT_EQ(a.strView(), u"A");
    EXPECT_EQ(call(u"Chr", {i16(0)}).strView(), std::u16string_view(u"\0", 1));
    EXPECT_EQ(call(u"ChrW", {i32(0x263a)}).strView(), u"\u263a");
}

TEST(Strings, OmittedOptionalArguments) {
    EXPECT_EQ(textOf(u"Mid", {str(u"Hello"), i16(2), omitted()}), "ello");
    EXPECT_EQ(textOf(u"Replace", {str(u"abC"), str(u"c"), str(u"x"), omitted(), omitted(), i16(1)}), "abx");
    EXPECT_EQ(textOf(u"FormatNumber", {dbl(1234.5), omitted(), omitted(), omitted(), i16(0)}), "1234.50");
    EXPECT_EQ(textOf(u"WeekdayName", {i16(7), omitted(), i16(2)}), "Sunday");
}

TEST(Bytes, SlicesStartingInsideACharacter) {
    EXPECT_EQ(textOf(u"MidB", {str(u"abcd"), i16(3), i16(4)}), "bc");
    EXPECT_EQ(textOf(u"LeftB", {str(u"abcd"), i16(3)}), "a");  // the odd byte is no character
    EXPECT_EQ(textOf(u"MidB", {str(u"abcd"), i16(9)}), "");
    // From an odd byte the units re-pair: the high byte of "a" with the low byte of "b".
    EXPECT_EQ(call(u"MidB", {str(u"abcd"), i16(2), i16(2)}).strView(), u"\x6200");
    EXPECT_EQ(call(u"RightB", {str(u"abcd"), i16(3)}).strView(), u"\x6400");
    EXPECT_EQ(call(u"InStrB", {i16(4), str(u"abcb"), str(u"b")}).i32, 7);
    EXPECT_EQ(call(u"AscB", {str(u"\u263a")}).i16, 0x3a);
}

// The binary search tests eight positions at once: matches at every offset inside and across those
// blocks, in the tail after them and overlapping each other must all be found, the first first.
TEST(Search, BinaryFindAgreesWithPlainSearch) {
    uint32_t seed = 7;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 3000; ++round) {
        // Needles up to ten long, every other one cut from the haystack so that long ones match too.
        std::u16string hay(next() % 40, u'a'), what(1 + next() % 10, u'a');
        for (auto& c : hay) c = u"ab "[next() % 3];
        for (auto& c : what) c = u"ab "[next() % 3];
        if (round % 2 && what.size() <= hay.size()) what = hay.substr(next() % (hay.size() - what.size() + 1), what.size());
        for (size_t from = 0; from <= hay.size(); ++from)
            ASSERT_EQ(builtin::findIn(hay, what, from, false), std::u16string_view(hay).find(what, from))
                << "searching \"" << std::string(what.begin(), what.end()) << "\" in \""
                << std::string(hay.begin(), hay.end()) << "\" from " << from;
    }
}
