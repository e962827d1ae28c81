#include "tools/tarvik-vbs/wscript.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include "script/convert.h"
#include "script/errors.h"
#include "script/objects/factory.h"
#include "script/objects/members.h"

namespace tarvik {

using namespace vbs;

namespace {

// Text for the terminal: UTF-8.
void write(FILE* f, std::u16string_view text) {
    std::string s = utf16ToUtf8(text);
    std::fwrite(s.data(), 1, s.size(), f);
}

std::u16string text(const Value& v) { return std::u16string(toString(v).view()); }

// Reads a line without its end; false at the end of input.
bool readLine(std::u16string& out) {
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out = utf8ToUtf16(line);
    return true;
}

// WScript.Arguments: a read-only collection of the command-line arguments.
class Arguments final : public Object {
public:
    explicit Arguments(std::vector<std::u16string> args) : args_(std::move(args)) {}
    std::u16string_view typeName() const override { return u"Object"; }
    const void* typeKey() const override { return &kKey; }
    int memberId(std::u16string_view name) const override { return kTable.find(name); }
    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override {
        kTable.check(id, kind, argc);
        switch (id) {
            case 0:
            case 1: {
                int32_t i = toLong(args[0]);
                if (i < 0 || i >= static_cast<int32_t>(args_.size())) raise(errSubscript);
                result = Value(args_[i]);
                return;
            }
            default: result = Value::lng(static_cast<int32_t>(args_.size())); return;
        }
    }
    std::unique_ptr<Enumerator> enumerate() override {
        struct Each final : Enumerator {
            const std::vector<std::u16string>& items;
            size_t next_ = 0;
            explicit Each(const std::vector<std::u16string>& v) : items(v) {}
            bool next(Value& out) override {
                if (next_ >= items.size()) return false;
                out = Value(items[next_++]);
                return true;
            }
        };
        return std::make_unique<Each>(args_);
    }

private:
    static constexpr Member kMembers[] = {
        {u"Item", 1, 1}, {u"Item", 1, 1}, {u"Count", 0, 0}, {u"Length", 0, 0},
    };
    static constexpr MemberTable kTable{kMembers};
    static inline const char kKey = 0;
    std::vector<std::u16string> args_;
};

// StdIn, StdOut and StdErr: the TextStream members a console script uses.
class Stream final : public Object {
public:
    explicit Stream(FILE* out) : out_(out) {}
    std::u16string_view typeName() const override { return u"TextStream"; }
    const void* typeKey() const override { return &kKey; }
    int memberId(std::u16string_view name) const override { return kTable.find(name); }
    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override {
        kTable.check(id, kind, argc);
        bool writing = id >= kWrite && id <= kWriteBlankLines;
        if (writing != (out_ != nullptr)) raise(errBadFileMode);
        switch (id) {
            case kWrite: write(out_, toString(args[0]).view()); return;
            case kWriteLine:
                if (argc) write(out_, toString(args[0]).view());
                write(out_, u"\n");
                return;
            case kWriteBlankLines:
                for (int32_t i = toLong(args[0]); i > 0; --i) write(out_, u"\n");
                return;
            case kReadLine: {
                std::u16string line;
                if (!readLine(line)) raise(errPastEnd);
                result = Value(line);
                return;
            }
            case kReadAll: {
                std::string all((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
                result = Value(utf8ToUtf16(all));
                return;
            }
            case kAtEndOfStream:
                result = Value::boolean(std::cin.peek() == std::char_traits<char>::eof());
                return;
        }
    }

private:
    enum { kWrite = 1, kWriteLine, kWriteBlankLines, kReadLine, kReadAll, kAtEndOfStream };
    static constexpr Member kMembers[] = {
        {u""}, {u"Write", 1, 1}, {u"WriteLine", 0, 1}, {u"WriteBlankLines", 1, 1},
        {u"ReadLine", 0, 0}, {u"ReadAll", 0, 0}, {u"AtEndOfStream", 0, 0},
    };
    static constexpr MemberTable kTable{kMembers};
    static inline const char kKey = 0;
    FILE* out_;
};

enum {
    kEcho = 1, kQuit, kArguments, kScriptName, kScriptFullName, kStdIn, kStdOut, kStdErr, kSleep,
    kName, kVersion, kCreateObject,
};
constexpr Member kMembers[] = {
    {u""}, {u"Echo", 0, 127}, {u"Quit", 0, 1}, {u"Arguments", 0, 0}, {u"ScriptName", 0, 0},
    {u"ScriptFullName", 0, 0}, {u"StdIn", 0, 0}, {u"StdOut", 0, 0}, {u"StdErr", 0, 0},
    {u"Sleep", 1, 1}, {u"Name", 0, 0}, {u"Version", 0, 0}, {u"CreateObject", 1, 2},
};
constexpr MemberTable kTable{kMembers};

}  // namespace

const char WScript::kKey = 0;

WScript::WScript(std::u16string scriptPath, std::vector<std::u16string> args)
    : path_(std::move(scriptPath)), arguments_(new Arguments(std::move(args))), stdIn_(new Stream(nullptr)),
      stdOut_(new Stream(stdout)), stdErr_(new Stream(stderr)) {}

int WScript::memberId(std::u16string_view name) const { return kTable.find(name); }

void WScript::invoke(int id, Invoke kind, Value* args, int argc, Value& result) {
    kTable.check(id, kind, argc);
    switch (id) {
        case kEcho: {
            std::u16string line;
            for (int i = 0; i < argc; ++i) {
                if (i) line += u' ';
                if (args[i].type != Type::Error) line += text(args[i]);
            }
            line += u'\n';
            write(stdout, line);
            return;
        }
        case kQuit: throw QuitRequest{argc && args[0].type != Type::Error ? toLong(args[0]) : 0};
        case kArguments: result = Value::object(arguments_.get()); return;
        case kScriptName: {
            size_t slash = path_.find_last_of(u"/\\");
            result = Value(slash == std::u16string::npos ? path_ : path_.substr(slash + 1));
            return;
        }
        case kScriptFullName: result = Value(path_); return;
        case kStdIn: result = Value::object(stdIn_.get()); return;
        case kStdOut: result = Value::object(stdOut_.get()); return;
        case kStdErr: result = Value::object(stdErr_.get()); return;
        case kSleep: {
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::milliseconds(std::max(0, toLong(args[0]))));
            return;
        }
        case kName: result = Value(u"Windows Script Host"); return;
        case kVersion: result = Value(u"5.8"); return;
        case kCreateObject: result = createObject(toString(args[0]).view()); return;
    }
}

int TerminalHost::msgBox(std::u16string_view prompt, int, std::u16string_view) {
    write(stdout, std::u16string(prompt) + u"\n");
    return 1;  // OK
}

bool TerminalHost::inputBox(std::u16string_view prompt, std::u16string_view, std::u16string_view defaultText,
                            std::u16string& answer) {
    write(stdout, std::u16string(prompt) + u"\n");
    std::fflush(stdout);
    if (!readLine(answer)) {
        answer = defaultText;
        return false;
    }
    return true;
}

}  // namespace tarvik
