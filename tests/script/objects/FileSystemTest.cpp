#include <gtest/gtest.h>

#include <filesystem>

#include "Calls.h"
#include "TempFolder.h"

namespace vbs::test {
namespace {

class FileSystemTest : public ::testing::Test {
protected:
    TempFolder dir;
    Value fso = createObject(u"Scripting.FileSystemObject");
    Value fs(std::u16string_view name, std::vector<Value> args = {}) { return call(fso, name, std::move(args)); }
    Value win(std::string_view name = {}) { return Value(dir.windows(name)); }
};

TEST_F(FileSystemTest, ExistenceAndWindowsPaths) {
    dir.write("a.txt", "hi");
    EXPECT_TRUE(toBool(fs(u"FileExists", {win("a.txt")})));
    EXPECT_FALSE(toBool(fs(u"FileExists", {win()})));
    EXPECT_TRUE(toBool(fs(u"FolderExists", {win()})));
    EXPECT_FALSE(toBool(fs(u"FolderExists", {win("a.txt")})));
    EXPECT_FALSE(toBool(fs(u"FileExists", {win("b.txt")})));
    // Paths come back as Windows shows them, on the one drive.
    EXPECT_EQ(text(fs(u"GetAbsolutePathName", {win("x\\..\\a.txt")})), utf16ToUtf8(dir.windows("a.txt")));
}

TEST_F(FileSystemTest, NamesMatchWithoutRegardToCase) {
    std::filesystem::create_directory(dir.path() + "/Brain");
    dir.write("Brain/Memory.txt", "remembered");
    EXPECT_TRUE(toBool(fs(u"FileExists", {win("brain\\MEMORY.TXT")})));
    Value s = fs(u"OpenTextFile", {win("BRAIN\\memory.txt")});
    EXPECT_EQ(text(call(s, u"ReadAll")), "remembered");
    // A new file in an existing folder keeps the name as written, in the folder's real case.
    call(fs(u"CreateTextFile", {win("brain\\New.txt")}), u"Close");
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "/Brain/New.txt"));
}

TEST_F(FileSystemTest, GetFileAndItsProperties) {
    dir.write("data.txt", "12345");
    Value f = fs(u"GetFile", {win("data.txt")});
    EXPECT_EQ(f.obj->typeName(), u"File");
    EXPECT_EQ(text(call(f, u"Name")), "data.txt");
    EXPECT_EQ(text(call(f, u"")), utf16ToUtf8(dir.windows("data.txt")));  // Path is the default
    EXPECT_EQ(toLong(call(f, u"Size")), 5);
    Value when = call(f, u"DateLastModified");
    EXPECT_EQ(when.type, Type::Date);
    EXPECT_GT(when.f64, 45000.0);  // after 2023
    Value parent = call(f, u"ParentFolder");
    EXPECT_EQ(parent.obj->typeName(), u"Folder");
    EXPECT_EQ(text(call(parent, u"Path")), utf16ToUtf8(dir.windows()));
    call(f, u"Delete");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/data.txt"));
    EXPECT_EQ(errorOf([&] { fs(u"GetFile", {win("data.txt")}); }), errFileNotFound);
    EXPECT_EQ(errorOf([&] { fs(u"GetFolder", {win("nope")}); }), errPathNotFound);
}

TEST_F(FileSystemTest, FolderCollectionsListInWindowsOrder) {
    dir.write("b.txt", "");
    dir.write("A.txt", "");
    dir.write("c.log", "");
    std::filesystem::create_directory(dir.path() + "/Sub");
    Value folder = fs(u"GetFolder", {win()});
    Value files = call(folder, u"Files");
    EXPECT_EQ(files.obj->typeName(), u"Files");
    EXPECT_EQ(toLong(call(files, u"Count")), 3);
    EXPECT_EQ(each(files).size(), 3u);
    EXPECT_EQ(text(call(call(files, u"", {u"B.TXT"}), u"Name")), "b.txt");
    EXPECT_EQ(errorOf([&] { call(files, u"Item", {u"zz"}); }), errFileNotFound);
    Value subs = call(folder, u"SubFolders");
    EXPECT_EQ(subs.obj->typeName(), u"Folders");
    EXPECT_EQ(toLong(call(subs, u"Count")), 1);
    EXPECT_EQ(text(call(call(subs, u"Item", {u"sub"}), u"Name")), "Sub");
    EXPECT_EQ(errorOf([&] { call(subs, u"Item", {u"zz"}); }), errPathNotFound);
    auto names = [&] {
        std::vector<std::string> out;
        auto e = files.obj->enumerate();
        for (Value v; e->next(v);) out.push_back(text(call(v, u"Name")));
        return out;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"A.txt", "b.txt", "c.log"}));
}

TEST_F(FileSystemTest, CreateCopyMoveDelete) {
    Value folder = fs(u"CreateFolder", {win("new")});
    EXPECT_EQ(text(call(folder, u"Name")), "new");
    EXPECT_EQ(errorOf([&] { fs(u"CreateFolder", {win("new")}); }), errFileExists);
    EXPECT_EQ(errorOf([&] { fs(u"CreateFolder", {win("missing\\deeper")}); }), errPathNotFound);
    dir.write("src.txt", "payload");
    fs(u"CopyFile", {win("src.txt"), win("new\\")});  // into the folder
    EXPECT_EQ(dir.read("new/src.txt"), "payload");
    fs(u"CopyFile", {win("src.txt"), win("copy.txt")});
    EXPECT_EQ(errorOf([&] { fs(u"CopyFile", {win("src.txt"), win("copy.txt"), Value::boolean(false)}); }), errFileExists);
    EXPECT_EQ(errorOf([&] { fs(u"CopyFile", {win("absent.txt"), win("x.txt")}); }), errFileNotFound);
    fs(u"MoveFile", {win("copy.txt"), win("moved.txt")});
    EXPECT_EQ(dir.read("moved.txt"), "payload");
    EXPECT_EQ(errorOf([&] { fs(u"MoveFile", {win("moved.txt"), win("src.txt")}); }), errFileExists);
    dir.write("x1.tmp", "");
    dir.write("X2.TMP", "");
    fs(u"DeleteFile", {win("*.tmp")});
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/X2.TMP"));
    EXPECT_EQ(errorOf([&] { fs(u"DeleteFile", {win("*.tmp")}); }), errFileNotFound);
    EXPECT_EQ(errorOf([&] { fs(u"DeleteFile", {win("moved.txt.no")}); }), errFileNotFound);
    fs(u"DeleteFolder", {win("new")});
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/new"));
    EXPECT_EQ(errorOf([&] { fs(u"DeleteFolder", {win("new")}); }), errPathNotFound);
}

}  // namespace
}  // namespace vbs::test
