// Case mapping and the two string comparison modes.
#include <gtest/gtest.h>

#include <clocale>

#include "script/values/text.h"

namespace vbs {
namespace {

TEST(CaseMapping, SimpleUnicodeWhateverTheLocale) {
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(toUpper(u'é'), u'É');
    EXPECT_EQ(toUpper(u'ÿ'), u'\u0178');
    EXPECT_EQ(toLower(u'Σ'), u'σ');
    EXPECT_EQ(toUpper(u'ж'), u'Ж');
    EXPECT_EQ(upper(u"Hello, straße!").view(), u"HELLO, STRAßE!");  // no letter grows into two
    EXPECT_EQ(lower(u"ÀÉÎÕÜ").view(), u"àéîõü");
    EXPECT_EQ(upper(u"a\U0001F600b").view(), u"A\U0001F600B");    // surrogates pass through
}

// Four characters are mapped at a time; the neighbours of the letter ranges must stay as they are,
// and a change may first come in any block or in the tail.
TEST(CaseMapping, BlocksAndTheirEdges) {
    EXPECT_EQ(upper(u"@[`{azAZ").view(), u"@[`{AZAZ");
    EXPECT_EQ(lower(u"@[`{azAZ").view(), u"@[`{azaz");
    EXPECT_EQ(lower(u"abcdefgH").view(), u"abcdefgh");
    EXPECT_EQ(lower(u"abcdefghI").view(), u"abcdefghi");
    EXPECT_EQ(upper(u"ABCDéFGH").view(), u"ABCDÉFGH");
    EXPECT_FALSE(equalsIgnoreCase(u"[@[@", u"{`{`"));  // 0x20 apart, yet no letters
    EXPECT_TRUE(equalsIgnoreCase(u"ÄRGERLICH", u"ärgerlich"));
    EXPECT_FALSE(equalsIgnoreCase(u"ärgerlich", u"ärgerlicx"));
}

TEST(Compare, BinaryAndText) {
    EXPECT_LT(compareBinary(u"B", u"a"), 0);
    EXPECT_GT(compareBinary(u"é", u"z"), 0);
    EXPECT_LT(compareBinary(u"ab", u"abc"), 0);
    EXPECT_EQ(compareText(u"HeLLo", u"hello"), 0);
    EXPECT_LT(compareText(u"a", u"B"), 0);
    EXPECT_LT(compareText(u"abc", u"ABCD"), 0);
    EXPECT_LT(compareText(u"_", u"A"), 0);  // punctuation before letters, as in Windows
    EXPECT_TRUE(equalsIgnoreCase(u"ÄBC", u"äbc"));
    EXPECT_FALSE(equalsIgnoreCase(u"abc", u"ab"));
}

}  // namespace
}  // namespace vbs
