#include <gtest/gtest.h>

#include <unistd.h>

#include "Calls.h"
#include "script/objects/paths.h"

namespace vbs::test {
namespace {

std::string u8(std::u16string_view s) { return utf16ToUtf8(s); }

TEST(Paths, WindowsPathsMapToPosix) {
    EXPECT_EQ(nativePath(u"C:\\brains\\memory.txt"), "/brains/memory.txt");
    EXPECT_EQ(nativePath(u"data\\a.txt"), "data/a.txt");
    EXPECT_EQ(absolutePath(u"/tmp/x/..\\y\\.\\z.txt"), "/tmp/y/z.txt");
    EXPECT_EQ(absolutePath(u"c:\\"), "/");
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(absolutePath(u"."), std::string(cwd) == "/" ? "/" : std::string(cwd));
}

TEST(Paths, NameParts) {
    EXPECT_EQ(u8(fileNamePart(u"C:\\a\\b.txt")), "b.txt");
    EXPECT_EQ(u8(fileNamePart(u"C:\\a\\b\\")), "b");  // trailing separators do not count
    EXPECT_EQ(u8(fileNamePart(u"C:\\")), "");
    EXPECT_EQ(u8(fileNamePart(u"C:")), "");
    EXPECT_EQ(u8(parentPart(u"C:\\a\\b.txt")), "C:\\a");
    EXPECT_EQ(u8(parentPart(u"C:\\a")), "C:\\");
    EXPECT_EQ(u8(parentPart(u"/tmp/x")), "/tmp");
    EXPECT_EQ(u8(parentPart(u"x")), "");
    EXPECT_EQ(u8(parentPart(u"C:\\")), "");
    EXPECT_EQ(u8(baseNamePart(u"a\\b.tar.gz")), "b.tar");
    EXPECT_EQ(u8(extensionPart(u"a\\b.tar.gz")), "gz");
    EXPECT_EQ(u8(extensionPart(u"a.d\\b")), "");
}

TEST(Paths, BuildPathAddsOneSeparator) {
    EXPECT_EQ(u8(joinPath(u"C:\\a", u"b.txt").view()), "C:\\a\\b.txt");
    EXPECT_EQ(u8(joinPath(u"C:\\a\\", u"b.txt").view()), "C:\\a\\b.txt");
    EXPECT_EQ(u8(joinPath(u"C:\\a\\", u"\\b.txt").view()), "C:\\a\\b.txt");
    EXPECT_EQ(u8(joinPath(u"/tmp/x", u"b").view()), "/tmp/x/b");
    EXPECT_EQ(u8(joinPath(u"C:", u"b").view()), "C:b");
}

TEST(Paths, ErrnoMapsToWindowsErrors) {
    EXPECT_EQ(errorOf([] { raiseFileError(ENOENT); }), errFileNotFound);
    EXPECT_EQ(errorOf([] { raiseFileError(ENOENT, true); }), errPathNotFound);
    EXPECT_EQ(errorOf([] { raiseFileError(EACCES); }), errPermissionDenied);
    EXPECT_EQ(errorOf([] { raiseFileError(EEXIST); }), errFileExists);
}

}  // namespace
}  // namespace vbs::test
