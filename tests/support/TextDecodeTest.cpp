#include "support/TextDecode.h"

#include <gtest/gtest.h>

#include "script/values/codepage.h"

namespace tarvik {
namespace {

TEST(DecodeText, KeepsValidUtf8AsItIs) {
    EXPECT_EQ(DecodeText("plain ASCII\r\n"), "plain ASCII\r\n");
    EXPECT_EQ(DecodeText("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeText(""), "");
}

TEST(DecodeText, DropsAUtf8ByteOrderMark) {
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFUserName=Ann"), "UserName=Ann");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF"), "");
}

TEST(DecodeText, HonoursUtf16ByteOrderMarks) {
    // "Unicode" as Notepad saves it, little- and big-endian.
    EXPECT_EQ(DecodeText(std::string("\xFF\xFEH\0i\0\xAC\x20", 8)), "Hi\xE2\x82\xAC");
    EXPECT_EQ(DecodeText(std::string("\xFE\xFF\0H\0i", 6)), "Hi");
}

TEST(DecodeText, ReadsOtherBytesAsWindows1252) {
    // "café" and the euro sign as a Windows editor saves them.
    EXPECT_EQ(DecodeText("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(DecodeText("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(DecodeText("\xFF"), "\xC3\xBF");
    EXPECT_EQ(DecodeText("\xA0"), "\xC2\xA0");
}

TEST(DecodeText, MapsTheUndefinedWindows1252BytesToControls) {
    EXPECT_EQ(DecodeText("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(DecodeText, OneBadSequenceMakesTheWholeFileWindows1252) {
    // A valid "é" earlier does not save the file once a lone 0xE9 appears.
    EXPECT_EQ(DecodeText("\xC3\xA9 \xE9"), "\xC3\x83\xC2\xA9 \xC3\xA9");
}

TEST(IsValidUtf8, RejectsMalformedSequences) {
    EXPECT_FALSE(vbs::isValidUtf8("\xC0\x80"));          // overlong NUL
    EXPECT_FALSE(vbs::isValidUtf8("\xE0\x80\xAF"));      // overlong "/"
    EXPECT_FALSE(vbs::isValidUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(vbs::isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(vbs::isValidUtf8("abc\xE2\x82"));       // cut short at the end
    EXPECT_FALSE(vbs::isValidUtf8("\x80"));              // a lone continuation byte
    EXPECT_FALSE(vbs::isValidUtf8("\xC3 "));             // lead byte without continuation
    EXPECT_TRUE(vbs::isValidUtf8("\xF4\x8F\xBF\xBF"));   // U+10FFFF itself
    EXPECT_TRUE(vbs::isValidUtf8("\xEF\xBF\xBF"));
}

}  // namespace
}  // namespace tarvik
