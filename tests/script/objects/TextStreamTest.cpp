#include <gtest/gtest.h>

#include "Calls.h"
#include "TempFolder.h"

namespace vbs::test {
namespace {

class TextStreamTest : public ::testing::Test {
protected:
    TempFolder dir;
    Value fso = createObject(u"Scripting.FileSystemObject");
    Value open(std::string_view name, int mode, bool create = false, int format = 0) {
        return call(fso, u"OpenTextFile",
                    {Value(dir.windows(name)), Value::lng(mode), Value::boolean(create), Value::lng(format)});
    }
    Value create(std::string_view name, bool overwrite = true, bool unicode = false) {
        return call(fso, u"CreateTextFile",
                    {Value(dir.windows(name)), Value::boolean(overwrite), Value::boolean(unicode)});
    }
};

TEST_F(TextStreamTest, WritesWindows1252WithCrLf) {
    Value s = create("out.txt");
    EXPECT_EQ(s.obj->typeName(), u"TextStream");
    call(s, u"Write", {u"héllo"});
    call(s, u"WriteLine", {u" world"});
    call(s, u"WriteLine");
    call(s, u"WriteBlankLines", {Value::lng(2)});
    call(s, u"Write", {Value::lng(42)});
    EXPECT_EQ(toLong(call(s, u"Line")), 5);
    EXPECT_EQ(toLong(call(s, u"Column")), 3);
    call(s, u"Close");
    EXPECT_EQ(dir.read("out.txt"), "h\xE9llo world\r\n\r\n\r\n\r\n42");
}

TEST_F(TextStreamTest, ReadsLinesWithEitherLineEnd) {
    dir.write("in.txt", "one\r\ntwo\nthree");
    Value s = open("in.txt", 1);
    EXPECT_EQ(text(call(s, u"ReadLine")), "one");
    EXPECT_EQ(toLong(call(s, u"Line")), 2);
    EXPECT_EQ(text(call(s, u"Read", {Value::lng(2)})), "tw");
    EXPECT_EQ(toLong(call(s, u"Column")), 3);
    EXPECT_FALSE(toBool(call(s, u"AtEndOfLine")));
    call(s, u"Skip", {Value::lng(1)});
    EXPECT_TRUE(toBool(call(s, u"AtEndOfLine")));
    call(s, u"SkipLine");
    EXPECT_FALSE(toBool(call(s, u"AtEndOfStream")));
    EXPECT_EQ(text(call(s, u"ReadAll")), "three");
    EXPECT_TRUE(toBool(call(s, u"AtEndOfStream")));
    EXPECT_EQ(errorOf([&] { call(s, u"ReadLine"); }), errPastEnd);
    EXPECT_EQ(errorOf([&] { call(s, u"Read", {Value::lng(1)}); }), errPastEnd);
}

TEST_F(TextStreamTest, LegacyFilesReadAsWindows1252) {
    dir.write("ansi.txt", "caf\xE9\r\n");
    EXPECT_EQ(text(call(open("ansi.txt", 1), u"ReadLine")), "café");
}

TEST_F(TextStreamTest, UnicodeFilesAreUtf16WithMark) {
    Value s = create("u.txt", true, true);
    call(s, u"WriteLine", {u"hé"});
    call(s, u"Close");
    EXPECT_EQ(dir.read("u.txt"), std::string("\xFF\xFEh\0\xE9\0\r\0\n\0", 10));
    Value a = open("u.txt", 8, false, -1);  // appending adds no second mark
    call(a, u"Write", {u"x"});
    call(a, u"Close");
    EXPECT_EQ(dir.read("u.txt").size(), 12u);
    Value r = open("u.txt", 1, false, -1);
    EXPECT_EQ(text(call(r, u"ReadLine")), "hé");
    EXPECT_EQ(text(call(r, u"ReadLine")), "x");
}

TEST_F(TextStreamTest, AppendAndOverwriteRules) {
    dir.write("log.txt", "a\r\n");
    Value s = open("log.txt", 8);
    call(s, u"WriteLine", {u"b"});
    call(s, u"Close");
    EXPECT_EQ(dir.read("log.txt"), "a\r\nb\r\n");
    EXPECT_EQ(errorOf([&] { create("log.txt", false); }), errFileExists);
    call(create("log.txt"), u"Close");  // overwrites by default
    EXPECT_EQ(dir.read("log.txt"), "");
    EXPECT_EQ(errorOf([&] { open("nope.txt", 1); }), errFileNotFound);
    EXPECT_EQ(errorOf([&] { open("nope.txt", 2); }), errFileNotFound);
    call(open("made.txt", 2, true), u"Close");
    EXPECT_EQ(errorOf([&] { open("made.txt", 3); }), errInvalidCall);
    EXPECT_EQ(errorOf([&] { open("missing\\x.txt", 2, true); }), errPathNotFound);
    EXPECT_EQ(errorOf([&] { open("", 1); }), errPermissionDenied);  // the folder itself
}

TEST_F(TextStreamTest, ExtraArgumentsToMethodsFailWithoutSideEffects) {
    dir.write("f.txt", "a\nb");
    Value s = open("f.txt", 1);
    EXPECT_EQ(errorOf([&] { call(s, u"ReadLine", {Value::lng(1)}); }), errWrongArgCount);
    EXPECT_EQ(text(call(s, u"ReadLine")), "a");
    EXPECT_EQ(errorOf([&] { call(s, u"Line", {Value::lng(1)}); }), errWrongArgCount);
}

TEST_F(TextStreamTest, FileOpenAsTextStream) {
    dir.write("f.txt", "line");
    Value f = call(fso, u"GetFile", {Value(dir.windows("f.txt"))});
    EXPECT_EQ(text(call(call(f, u"OpenAsTextStream"), u"ReadAll")), "line");
    Value w = call(f, u"OpenAsTextStream", {Value::lng(8)});
    call(w, u"Write", {u"!"});
    call(w, u"Close");
    EXPECT_EQ(dir.read("f.txt"), "line!");
}

}  // namespace
}  // namespace vbs::test
