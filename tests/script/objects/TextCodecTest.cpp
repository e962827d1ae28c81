#include <gtest/gtest.h>

#include "script/objects/text_codec.h"

namespace vbs {
namespace {

TEST(TextCodec, ValidUtf8ReadsAsUtf8) {
    EXPECT_EQ(decodeText("caf\xC3\xA9", false), u"café");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFok", false), u"ok");  // byte-order mark dropped
}

TEST(TextCodec, InvalidUtf8ReadsAsWindows1252) {
    EXPECT_EQ(decodeText("caf\xE9 \x80 \x93x\x94", false), u"café € “x”");
    EXPECT_EQ(decodeText("\xC3", false), u"Ã");          // truncated sequence
    EXPECT_EQ(decodeText("\xC0\xAF", false), u"À¯");     // overlong form
    EXPECT_EQ(decodeText("\xED\xA0\x80", false), u"í\u00A0€");  // encoded surrogate
}

TEST(TextCodec, Utf16LittleEndian) {
    std::string bytes("\xFF\xFEh\0\xE9\0", 6);
    EXPECT_EQ(decodeText(bytes, false), std::u16string(u"ÿþh\0é\0", 6));  // byte for byte, as Windows reads it
    EXPECT_EQ(decodeText(bytes, true), u"hé");
    EXPECT_EQ(decodeText(std::string("h\0", 2), true), u"h");
    EXPECT_EQ(encodeText(u"hé", true), std::string("h\0\xE9\0", 4));
    EXPECT_EQ(encodeText(u"hé€\u0416", false), "h\xE9\x80?");
}

}  // namespace
}  // namespace vbs
