// What CDbl, IsNumeric and string arithmetic accept as a number.
#include <gtest/gtest.h>

#include <string>

#include "script/values/convert.h"

namespace vbs {
namespace {

bool parses(std::u16string_view s, double expected) {
    double d = -12345.678;
    return parseNumber(s, d) && d == expected;
}

bool rejects(std::u16string_view s) {
    double d;
    return !parseNumber(s, d);
}

TEST(ParseNumber, Decimals) {
    EXPECT_TRUE(parses(u"  -1.5\t", -1.5));
    EXPECT_TRUE(parses(u"+3", 3));
    EXPECT_TRUE(parses(u".5", 0.5));
    EXPECT_TRUE(parses(u"5.", 5));
    EXPECT_TRUE(parses(u"1,234,567.5", 1234567.5));
    EXPECT_TRUE(parses(u"$5", 5));
    EXPECT_TRUE(parses(u"2.5e+2", 250));
    EXPECT_TRUE(parses(u"1E-2", 0.01));  // correctly rounded, like the literal
}

TEST(ParseNumber, HexAndOctal) {
    EXPECT_TRUE(parses(u"&h1F", 31));
    EXPECT_TRUE(parses(u"&O17", 15));
    // Up to four hex digits the value is an Integer, up to eight a Long.
    EXPECT_TRUE(parses(u"&HFFFF", -1));
    EXPECT_TRUE(parses(u"&H10000", 65536));
    EXPECT_TRUE(parses(u"&HFFFFFFFF", -1));
    EXPECT_TRUE(rejects(u"&H"));
    EXPECT_TRUE(rejects(u"&O8"));
    EXPECT_TRUE(rejects(u"&H100000000"));
}

TEST(ParseNumber, Rejects) {
    for (const char16_t* s : {u"", u"   ", u"abc", u"12abc", u"1 2", u"- 1", u"--1", u"1.2.3", u".", u"+",
                              u",5", u"1e", u"1e+", u"e5", u"$", u"True"})
        EXPECT_TRUE(rejects(s)) << std::string(s, s + std::char_traits<char16_t>::length(s));
}

TEST(ParseNumber, BeyondADouble) {
    EXPECT_TRUE(rejects(u"1e400"));
    EXPECT_TRUE(rejects(u"1" + std::u16string(400, u'0')));
    EXPECT_TRUE(parses(u"1e-400", 0));  // below the smallest Double: zero
    EXPECT_TRUE(parses(u"0." + std::u16string(400, u'0') + u"1", 0));
    // Longer than any stack buffer, still correctly rounded.
    EXPECT_TRUE(parses(std::u16string(300, u'1'), 1.1111111111111111e299));
}

}  // namespace
}  // namespace vbs
