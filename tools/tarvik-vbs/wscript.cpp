#include "tools/tarvik-vbs/wscript.h"

#include <thread>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/factory.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/values/string.h"
#include "tools/tarvik-vbs/arguments.h"
#include "tools/tarvik-vbs/console.h"

namespace tarvik {

using namespace vbs;

namespace {

// Echo converts as COM does, not as CStr: a Boolean is -1 or 0, Null is "null".
std::u16string echoText(const Value& arg) {
    Value v = defaultValue(arg);
    switch (v.type) {
        case Type::Boolean: return v.b ? u"-1" : u"0";
        case Type::Null: return u"null";
        case Type::Error: return u"";  // a skipped argument
        default: return std::u16string(toString(v).view());
    }
}

size_t countArg(const Value& v) {
    int32_t n = toLong(v);
    if (n < 0) raise(errInvalidCall);
    return static_cast<size_t>(n);
}

// StdIn, StdOut and StdErr: TextStreams on the console.
class Stream final : public TableObject {
public:
    explicit Stream(int fd) : TableObject(kTable), fd_(fd) {}
    std::u16string_view typeName() const override { return u"TextStream"; }

private:
    enum Id {
        None, Write, WriteLine, WriteBlankLines, Close, Read, ReadLine, ReadAll, Skip, SkipLine,
        AtEndOfStream, AtEndOfLine, Line, Column,
    };
    void call(int id, Invoke, Value* args, int argc, Value& result) override {
        if (id == Close) return;
        if (id == Line || id == Column) {
            if (fd_ == 0) result = Value::lng(id == Line ? console::input().line() : console::input().column());
            else result = Value::lng(id == Line ? line_ : column_);
            return;
        }
        bool writing = id <= WriteBlankLines;
        if (writing != (fd_ != 0)) raise(errBadFileMode);
        console::Input& in = console::input();
        switch (id) {
            case Write: write(comText(args[0]).view()); return;  // a COM string argument, as a file's stream
            case WriteLine: {
                std::u16string line = argc ? std::u16string(comText(args[0]).view()) : std::u16string();
                write(line + u"\n");
                return;
            }
            case WriteBlankLines: {
                std::u16string lines;
                for (size_t n = countArg(args[0]); n > 0; --n) lines += u"\n";
                write(lines);
                return;
            }
            case Read:
            case Skip: {
                size_t n = countArg(args[0]);
                if (in.atEnd()) raise(errPastEnd);
                std::u16string text = in.read(n);
                if (id == Read) result = Value(text);
                return;
            }
            case ReadLine:
            case SkipLine: {
                std::u16string line;
                if (!in.readLine(line)) raise(errPastEnd);
                if (id == ReadLine) result = Value(line);
                return;
            }
            case ReadAll: result = Value(in.readAll()); return;
            case AtEndOfStream: result = Value::boolean(in.atEnd()); return;
            case AtEndOfLine: result = Value::boolean(in.atEndOfLine()); return;
        }
    }
    // Only this stream's own text counts, not Echo's.
    void write(std::u16string_view text) {
        console::write(fd_ == 2 ? console::Err : console::Out, text);
        console::track(line_, column_, text);
    }

    static constexpr Member kMembers[] = {
        {}, {u"Write", 1, 1}, {u"WriteLine", 0, 1}, {u"WriteBlankLines", 1, 1}, {u"Close", 0, 0},
        {u"Read", 1, 1}, {u"ReadLine", 0, 0}, {u"ReadAll", 0, 0}, {u"Skip", 1, 1}, {u"SkipLine", 0, 0},
        {u"AtEndOfStream", 0, 0, kReadOnly}, {u"AtEndOfLine", 0, 0, kReadOnly},
        {u"Line", 0, 0, kReadOnly}, {u"Column", 0, 0, kReadOnly},
    };
    static constexpr MemberTable kTable{kMembers};
    int fd_;
    int32_t line_ = 1, column_ = 1;
};

enum {
    kName, kEcho, kQuit, kArguments, kScriptName, kScriptFullName, kStdIn, kStdOut, kStdErr, kSleep,
    kVersion, kBuildVersion, kFullName, kPath, kInteractive, kTimeout, kCreateObject, kGetObject,
    kApplication, kConnectObject, kDisconnectObject,
};
constexpr Member kMembers[] = {
    {u"Name", 0, 0, kReadOnly}, {u"Echo", 0, 127}, {u"Quit", 0, 1}, {u"Arguments", 0, 0, kReadOnly},
    {u"ScriptName", 0, 0, kReadOnly}, {u"ScriptFullName", 0, 0, kReadOnly}, {u"StdIn", 0, 0, kReadOnly},
    {u"StdOut", 0, 0, kReadOnly}, {u"StdErr", 0, 0, kReadOnly}, {u"Sleep", 1, 1},
    {u"Version", 0, 0, kReadOnly}, {u"BuildVersion", 0, 0, kReadOnly}, {u"FullName", 0, 0, kReadOnly},
    {u"Path", 0, 0, kReadOnly}, {u"Interactive", 0, 0, kReadWrite}, {u"Timeout", 0, 0, kReadWrite},
    {u"CreateObject", 1, 2}, {u"GetObject", 1, 3}, {u"Application", 0, 0, kReadOnly},
    {u"ConnectObject", 2, 2}, {u"DisconnectObject", 1, 1},
};
constexpr MemberTable kTable{kMembers};

// Scripts ask for cscript.exe by name before they relaunch themselves under it.
constexpr std::u16string_view kHostFolder = u"C:\\Windows\\System32";

}  // namespace

WScript::WScript(std::u16string_view script, std::vector<std::u16string> args, Host* host, int timeoutMs)
    : TableObject(kTable), fullName_(scriptPath(absolutePath(script)).view()), host_(host),
      deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs)), limited_(timeoutMs > 0),
      arguments_(makeArguments(std::move(args)).obj), stdIn_(new Stream(0)), stdOut_(new Stream(1)),
      stdErr_(new Stream(2)) {
    timeoutMessage_ = utf16ToUtf8(script) + ": script execution time was exceeded (WScript.Timeout)\n";
}

void WScript::sleep(int32_t ms) {
    console::flush();
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(0, ms));
    std::this_thread::sleep_until(limited_ ? std::min(until, deadline_) : until);
}

void WScript::call(int id, Invoke kind, Value* args, int argc, Value& result) {
    bool assign = kind == Invoke::Let;
    switch (id) {
        case kEcho: {
            std::u16string line;
            for (int i = 0; i < argc; ++i) {
                if (i) line += u' ';
                line += echoText(args[i]);
            }
            console::write(console::Out, line + u"\n");
            return;
        }
        case kQuit: throw QuitRequest{hasArg(args, argc, 0) ? toLong(args[0]) : 0};
        case kArguments: result = Value::object(arguments_.get()); return;
        case kScriptName: result = Value(fullName_.substr(fullName_.rfind(u'\\') + 1)); return;
        case kScriptFullName: result = Value(fullName_); return;
        case kStdIn: result = Value::object(stdIn_.get()); return;
        case kStdOut: result = Value::object(stdOut_.get()); return;
        case kStdErr: result = Value::object(stdErr_.get()); return;
        case kSleep: sleep(toLong(args[0])); return;
        case kName: result = Value(u"Windows Script Host"); return;
        case kVersion: result = Value(u"5.8"); return;
        case kBuildVersion: result = Value::lng(18362); return;
        case kFullName: result = Value(String::concat(kHostFolder, u"\\cscript.exe")); return;
        case kPath: result = Value(kHostFolder); return;
        case kInteractive:
            if (assign) interactive_ = toBool(args[0]);
            else result = Value::boolean(interactive_);
            return;
        case kTimeout:
            if (!assign) {
                result = Value::lng(timeout_);
                return;
            }
            timeout_ = std::max(0, toLong(args[0]));
            console::endAfter(timeout_, timeoutMessage_.c_str());
            return;
        case kCreateObject: result = createObject(toString(args[0]).view(), host_); return;
        case kGetObject: {
            // As the GetObject function: an empty path with a class starts a new object of it.
            String path = toString(args[0]);
            String progId = hasArg(args, argc, 1) ? toString(args[1]) : String();
            result = path.empty() && !progId.empty() ? createObject(progId.view(), host_) : getObject(path.view(), progId.view());
            return;
        }
        case kApplication: result = Value::object(this); return;
        // No object here raises events, so there is nothing to connect a script's handlers to.
        case kConnectObject:
        case kDisconnectObject:
            if (!args[0].isObject()) raise(errObjectRequired);
            return;
    }
}

int TerminalHost::msgBox(std::u16string_view prompt, int buttons, std::u16string_view) {
    console::write(console::Out, std::u16string(prompt) + u"\n");
    return vbs::defaultButton(buttons);  // as if Enter were pressed: If MsgBox(q, vbYesNo) = vbYes goes on
}

vbs::Object* TerminalHost::standardStream(int which) { return new Stream(which); }

bool TerminalHost::startingProgram() {
    console::flush();  // the program's output comes after the script's
    return programs_;
}

bool TerminalHost::inputBox(std::u16string_view prompt, std::u16string_view, std::u16string_view defaultText,
                            std::u16string& answer) {
    console::write(console::Out, std::u16string(prompt) + u"\n");
    console::flush();
    if (!console::input().readLine(answer)) {
        answer = defaultText;
        return false;
    }
    return true;
}

}  // namespace tarvik
