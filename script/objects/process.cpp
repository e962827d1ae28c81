#include "script/objects/process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "script/values/convert.h"
#include "script/values/deadline.h"
#include "script/values/errors.h"
#include "script/values/memory.h"
#include "script/values/string.h"
#include "script/values/text.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/objects/shell.h"
#include "script/objects/text_codec.h"
#include "script/objects/textstream.h"

extern char** environ;

namespace vbs {

namespace {

// ERROR_FILE_NOT_FOUND, as WSH reports a program it cannot start.
[[noreturn]] void notFound(std::u16string_view source) {
    wshError(-2147024894, u"The system cannot find the file specified.", source);
}

bool blank(char16_t c) { return c == u' ' || c == u'\t'; }
bool isAsciiLetter(char16_t c) { return (c | 0x20) >= u'a' && (c | 0x20) <= u'z'; }

// A word of the command line and where it ends in the line.
struct Word {
    std::u16string text;
    size_t end;
};

// As Windows programs split their command line: quotes group, "" inside quotes is a quote, and
// backslashes are literal except before a quote (2n of them give n, 2n+1 give n and the quote).
std::vector<Word> words(std::u16string_view s) {
    std::vector<Word> out;
    size_t i = 0;
    for (;;) {
        while (i < s.size() && blank(s[i])) ++i;
        if (i == s.size()) return out;
        Word w;
        bool quoted = false;
        while (i < s.size() && (quoted || !blank(s[i]))) {
            if (s[i] == u'\\') {
                size_t n = 0;
                for (; i < s.size() && s[i] == u'\\'; ++i) ++n;
                bool quote = i < s.size() && s[i] == u'"';
                w.text.append(quote ? n / 2 : n, u'\\');
                if (quote && n % 2) {
                    w.text += u'"';
                    ++i;
                }
            } else if (s[i] == u'"') {
                if (quoted && i + 1 < s.size() && s[i + 1] == u'"') {
                    w.text += u'"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                w.text += s[i++];
            }
        }
        w.end = i;
        out.push_back(std::move(w));
    }
}

// cmd's "> nul" (and "2>nul", ">>NUL") is /dev/null here, not a file named nul.
std::u16string withoutNul(std::u16string line) {
    for (size_t gt = line.find(u'>'); gt != std::u16string::npos; gt = line.find(u'>', gt + 1)) {
        size_t at = gt + 1;
        if (at < line.size() && line[at] == u'>') ++at;
        while (at < line.size() && blank(line[at])) ++at;
        bool word = at + 3 <= line.size() && (line[at] | 0x20) == u'n' && (line[at + 1] | 0x20) == u'u' && (line[at + 2] | 0x20) == u'l';
        if (word && (at + 3 == line.size() || blank(line[at + 3]) || line[at + 3] == u'&' || line[at + 3] == u'|'))
            line.replace(at, 3, u"/dev/null");
    }
    return line;
}

std::u16string lower(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) c = toLower(c);
    return out;
}

// An argument as a program here takes it: a Windows path ("C:\\x\\y.txt", as scripts see paths)
// becomes the POSIX one.
std::string argument(std::u16string_view word) {
    bool path = word.size() >= 3 && isAsciiLetter(word[0]) && word[1] == u':' && isSeparator(word[2]);
    return path ? nativePath(word) : utf16ToUtf8(word);
}

std::string thisProgram() {
    std::string path(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    path.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return path;
}

// The argument vector to start: argv[0] is the program, looked up in PATH unless it has a "/".
std::vector<std::string> programFor(std::u16string_view command, std::u16string_view source) {
    std::vector<Word> ws = words(command);
    if (ws.empty()) notFound(source);
    std::u16string name = lower(fileNamePart(ws[0].text));
    std::u16string ext = lower(extensionPart(name));
    if (ext == u"exe" || ext == u"com") name.resize(name.size() - 4);  // "ping.exe" is ping here
    std::vector<std::string> argv;
    if (name == u"cmd") {
        // cmd /c runs the rest of the line, without the quotes around all of it, as cmd does.
        for (size_t k = 1; k < ws.size() && ws[k].text.starts_with(u'/'); ++k) {
            std::u16string sw = lower(ws[k].text);
            if (sw != u"/c" && sw != u"/k") continue;
            std::u16string_view rest = command.substr(ws[k].end);
            while (!rest.empty() && blank(rest.front())) rest.remove_prefix(1);
            std::u16string line(rest);
            if (line.starts_with(u'"')) {
                line.erase(0, 1);
                if (size_t last = line.rfind(u'"'); last != std::u16string::npos) line.erase(last, 1);
            }
            return {"/bin/sh", "-c", utf16ToUtf8(withoutNul(line))};
        }
        return {"/bin/sh"};
    }
    size_t first = 1;
    if (name == u"cscript" || name == u"wscript") {
        argv.push_back(thisProgram());
        while (first < ws.size() && ws[first].text.starts_with(u"//")) ++first;  // host options
        if (first < ws.size()) argv.push_back(nativePath(ws[first++].text));  // the script
    } else if (ext == u"vbs") {
        argv = {thisProgram(), nativePath(ws[0].text)};
    } else {
        bool path = ws[0].text.find_first_of(u"\\/") != std::u16string::npos;
        argv.push_back(path ? nativePath(ws[0].text) : utf16ToUtf8(name));
    }
    for (size_t k = first; k < ws.size(); ++k) argv.push_back(argument(ws[k].text));
    return argv;
}

// Starts argv with the given file actions; a program that cannot be started raises as WSH does.
pid_t spawn(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* actions,
            std::u16string_view source) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The child starts with SIGPIPE as programs expect it, whatever this process does with it.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, args[0], actions, &attr, args.data(), environ);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) notFound(source);
    return pid;
}

int32_t exitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// The program's stdout and stderr, read as they come: waiting on one drains the other, so a
// program that fills one pipe while the script reads the other does not stall.
class Pipes {
public:
    Pipes(int out, int err) : fd_{out, err} {}
    ~Pipes() {
        for (int fd : fd_)
            if (fd >= 0) ::close(fd);
    }
    Pipes(const Pipes&) = delete;
    Pipes& operator=(const Pipes&) = delete;

    bool open(int which) const { return fd_[which] >= 0; }
    // Reads what has come on both; with block, until stream `which` has more or has ended.
    void pump(int which, bool block) {
        for (;;) {
            pollfd p[2];
            int n = 0;
            for (int fd : fd_)
                if (fd >= 0) p[n++] = {fd, POLLIN, 0};
            if (n == 0) return;
            int ready = ::poll(p, static_cast<nfds_t>(n), block ? 50 : 0);
            if (ready < 0 && errno != EINTR) return;
            if (ready <= 0) {
                if (!block) return;
                pollDeadline();
                continue;
            }
            bool got = false;
            for (int j = 0; j < n; ++j) {
                if (!p[j].revents) continue;
                int k = p[j].fd == fd_[0] ? 0 : 1;
                char buf[65536];
                ssize_t m = ::read(fd_[k], buf, sizeof buf);
                if (m < 0 && errno == EINTR) continue;
                if (m > 0) {
                    checkMemory(3 * (bytes[k].size() + static_cast<size_t>(m)));
                    bytes[k].append(buf, static_cast<size_t>(m));
                } else {
                    ::close(fd_[k]);
                    fd_[k] = -1;
                }
                got = got || k == which;
            }
            if (block && got) return;
        }
    }

    std::string bytes[2];

private:
    int fd_[2];
};

// The bytes of whole UTF-8 characters at the start of b: a character cut by the pipe waits.
size_t wholeCharacters(const std::string& b) {
    for (size_t back = 1; back <= 3 && back <= b.size(); ++back) {
        auto c = static_cast<unsigned char>(b[b.size() - back]);
        if ((c & 0xC0) == 0x80) continue;
        size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return len > back ? b.size() - back : b.size();
    }
    return b.size();
}

class PipeText final : public TextSource {
public:
    PipeText(std::shared_ptr<Pipes> pipes, int which) : pipes_(std::move(pipes)), which_(which) {}
    bool more(std::u16string& text) override {
        std::string& b = pipes_->bytes[which_];
        for (;;) {
            size_t cut = pipes_->open(which_) ? wholeCharacters(b) : b.size();
            if (cut > 0) {
                text += decodeText(std::string_view(b).substr(0, cut), false);
                b.erase(0, cut);
                return true;
            }
            if (!pipes_->open(which_)) return false;
            pipes_->pump(which_, true);
        }
    }

private:
    std::shared_ptr<Pipes> pipes_;
    int which_;
};

// WshScriptExec: the started program, its state and its standard streams.
class ScriptExec final : public TableObject {
public:
    ScriptExec(pid_t pid, int in, int out, int err)
        : TableObject(kTable), pid_(pid), pipes_(std::make_shared<Pipes>(out, err)),
          in_(TextStream::writeTo(in)), out_(TextStream::readFrom(std::make_unique<PipeText>(pipes_, 0))),
          err_(TextStream::readFrom(std::make_unique<PipeText>(pipes_, 1))) {}
    ~ScriptExec() override { finished(); }  // reaps a program that has ended
    std::u16string_view typeName() const override { return u"WshExec"; }

private:
    enum Id { None, Status, ExitCode, ProcessID, StdIn, StdOut, StdErr, Terminate };
    static constexpr Member kMembers[] = {
        {}, {u"Status", 0, 0, kReadOnly}, {u"ExitCode", 0, 0, kReadOnly}, {u"ProcessID", 0, 0, kReadOnly},
        {u"StdIn", 0, 0, kReadOnly}, {u"StdOut", 0, 0, kReadOnly}, {u"StdErr", 0, 0, kReadOnly}, {u"Terminate", 0, 0},
    };
    static constexpr MemberTable kTable{kMembers};

    bool finished() {
        if (done_) return true;
        pipes_->pump(0, false);  // a program blocked on a full pipe would never end
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            done_ = true;
            code_ = exitStatus(status);
        }
        return done_;
    }

    void call(int id, Invoke, Value*, int, Value& result) override {
        switch (static_cast<Id>(id)) {
            case None: return;
            case Status: result = Value::lng(finished() ? 1 : 0); return;  // WshRunning, WshFinished
            case ExitCode: result = Value::lng(finished() ? code_ : 0); return;
            case ProcessID: result = Value::lng(pid_); return;
            case StdIn: result = in_; return;
            case StdOut: result = out_; return;
            case StdErr: result = err_; return;
            case Terminate:
                if (!finished()) ::kill(pid_, SIGTERM);
                return;
        }
    }

    pid_t pid_;
    bool done_ = false;
    int32_t code_ = 0;
    std::shared_ptr<Pipes> pipes_;
    Value in_, out_, err_;
};

}  // namespace

int32_t runProgram(std::u16string_view command, bool wait) {
    pid_t pid = spawn(programFor(command, u"WshShell.Run"), nullptr, u"WshShell.Run");
    if (!wait) return 0;  // it runs on; its exit is not waited for
    int status = 0;
    for (int pause = 1;;) {
        pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) return exitStatus(status);
        if (r < 0 && errno != EINTR) return 0;
        pollDeadline();
        ::poll(nullptr, 0, pause);
        pause = std::min(pause * 2, 50);
    }
}

Value execProgram(std::u16string_view command) {
    std::vector<std::string> argv = programFor(command, u"WshShell.Exec");
    int fd[6] = {-1, -1, -1, -1, -1, -1};  // stdin, stdout, stderr: each a read end and a write end
    auto closeAll = [&fd] {
        for (int& f : fd)
            if (f >= 0) ::close(std::exchange(f, -1));
    };
    for (int k = 0; k < 3; ++k)
        if (::pipe2(fd + 2 * k, O_CLOEXEC) != 0) {
            closeAll();
            raise(errOutOfMemory);  // out of descriptors
        }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fd[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fd[3], 1);
    posix_spawn_file_actions_adddup2(&actions, fd[5], 2);
    pid_t pid = -1;
    try {
        pid = spawn(argv, &actions, u"WshShell.Exec");
    } catch (...) {
        posix_spawn_file_actions_destroy(&actions);
        closeAll();
        throw;
    }
    posix_spawn_file_actions_destroy(&actions);
    for (int k : {0, 3, 5}) ::close(fd[k]);
    // Writing to a program that has stopped reading raises instead of ending this process.
    std::signal(SIGPIPE, SIG_IGN);
    return Value::object(new ScriptExec(pid, fd[1], fd[2], fd[4]));
}

}  // namespace vbs
