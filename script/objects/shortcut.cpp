#include "script/objects/shortcut.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "script/values/convert.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/objects/shell_link.h"
#include "script/values/text.h"

namespace vbs {

namespace {

// The settings each kind keeps, in the order Save writes them (a .url keeps only its URL).
enum Id { FullName, Save, TargetPath, Arguments, Description, Hotkey, IconLocation, RelativePath, WindowStyle,
          WorkingDirectory };
constexpr Member kMembers[] = {
    {u"FullName", 0, 0, kReadOnly}, {u"Save", 0, 0}, {u"TargetPath", 0, 0, kReadWrite},
    {u"Arguments", 0, 0, kReadWrite}, {u"Description", 0, 0, kReadWrite}, {u"Hotkey", 0, 0, kReadWrite},
    {u"IconLocation", 0, 0, kReadWrite}, {u"RelativePath", 0, 0, kReadWrite}, {u"WindowStyle", 0, 0, kReadWrite},
    {u"WorkingDirectory", 0, 0, kReadWrite},
};
constexpr MemberTable kLinkTable(kMembers);
constexpr MemberTable kUrlTable(std::span<const Member>(kMembers, 3));
constexpr int kSettings = WorkingDirectory + 1;

class Shortcut final : public TableObject {
public:
    Shortcut(std::string path, bool url) : TableObject(url ? kUrlTable : kLinkTable), path_(std::move(path)), url_(url) {
        for (Value& v : values_) v = Value(String());
        values_[IconLocation] = Value(u",0");
        values_[WindowStyle] = Value::lng(1);  // a normal window
        load();
    }
    std::u16string_view typeName() const override { return url_ ? u"IWshURLShortcut" : u"IWshShortcut"; }

private:
    void call(int id, Invoke kind, Value* args, int, Value& result) override {
        if (id == FullName) {
            result = Value(scriptPath(path_));
        } else if (id == Save) {
            save();
        } else if (kind == Invoke::Let) {
            values_[id] = id == WindowStyle ? Value::lng(toLong(args[0])) : Value(comText(args[0]));
        } else {
            result = values_[id];
        }
    }

    std::u16string_view key(int id) const { return url_ ? u"URL" : table().name(id); }
    int settings() const { return url_ ? TargetPath + 1 : kSettings; }

    void load() {
        std::ifstream in(path_, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (ShellLink link; !url_ && readShellLink(bytes, link)) {  // one Windows wrote
            values_[TargetPath] = Value(link.targetPath);
            values_[Arguments] = Value(link.arguments);
            values_[Description] = Value(link.description);
            values_[WorkingDirectory] = Value(link.workingDirectory);
            values_[RelativePath] = Value(link.relativePath);
            values_[IconLocation] = Value(link.iconLocation + u"," + std::u16string(toString(Value::lng(link.iconIndex)).view()));
            values_[WindowStyle] = Value::lng(link.showCommand);
            return;
        }
        std::istringstream lines(bytes);
        std::string line;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            std::u16string name = utf8ToUtf16(std::string_view(line).substr(0, eq));
            Value text(String::fromUtf8(std::string_view(line).substr(eq + 1)));
            for (int id = TargetPath; id < settings(); ++id)
                if (equalsIgnoreCase(name, key(id))) values_[id] = id == WindowStyle ? Value::lng(toLong(text)) : text;
        }
    }

    void save() const {
        std::ostringstream text;
        text << (url_ ? "[InternetShortcut]\r\n" : "[Shortcut]\r\n");
        for (int id = TargetPath; id < settings(); ++id)
            if (id != RelativePath) text << utf16ToUtf8(key(id)) << '=' << toString(values_[id]).toUtf8() << "\r\n";
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        if (!out || !(out << text.str()).flush()) raiseFileError(errno);
    }

    std::string path_;
    bool url_;
    Value values_[kSettings];
};

}  // namespace

Value newShortcut(std::string path, bool url) { return Value::object(new Shortcut(std::move(path), url)); }

}  // namespace vbs
