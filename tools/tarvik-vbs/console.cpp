#include "tools/tarvik-vbs/console.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <unistd.h>

#include "script/values/string.h"

namespace tarvik::console {

namespace {

// Read by the signal handlers, so plain storage: no allocation, no locks.
constexpr size_t kSize = 1 << 16;
char pending[kSize];
volatile sig_atomic_t used = 0;
const char* endMessage = "";

void writeAll(int fd, const char* p, size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return;  // a closed pipe: nothing more can be shown
        p += w;
        n -= static_cast<size_t>(w);
    }
}

// A signal during a flush may show that part twice; losing it would be worse.
void writePending() {
    writeAll(1, pending, static_cast<size_t>(used));
    used = 0;
}

void onSignal(int sig) {
    writePending();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void onAlarm(int) {
    writePending();
    writeAll(2, endMessage, std::strlen(endMessage));
    _exit(1);
}

}  // namespace

void track(int32_t& line, int32_t& column, std::u16string_view text) {
    size_t lf = text.rfind(u'\n');
    if (lf == std::u16string_view::npos) {
        column += static_cast<int32_t>(text.size());
        return;
    }
    for (size_t i = 0; i <= lf; ++i) line += text[i] == u'\n';
    column = static_cast<int32_t>(text.size() - lf);
}

void write(Stream s, std::u16string_view text) {
    std::string bytes = vbs::utf16ToUtf8(text);
    if (s == Err) {
        writePending();
        writeAll(2, bytes.data(), bytes.size());
        return;
    }
    if (static_cast<size_t>(used) + bytes.size() > kSize) writePending();
    if (bytes.size() > kSize) {
        writeAll(1, bytes.data(), bytes.size());
        return;
    }
    std::memcpy(pending + used, bytes.data(), bytes.size());
    used = used + static_cast<sig_atomic_t>(bytes.size());
}

void flush() { writePending(); }

void flushOnSignals() {
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) std::signal(sig, onSignal);
}

void endAfter(int seconds, const char* message) {
    endMessage = message;
    std::signal(SIGALRM, onAlarm);
    ::alarm(static_cast<unsigned>(seconds));
}

bool Input::fill() {
    std::string bytes;
    if (!std::getline(std::cin, bytes) && bytes.empty()) return false;
    if (pos_ > 0) {
        pending_.erase(0, pos_);
        pos_ = 0;
    }
    pending_ += vbs::utf8ToUtf16(bytes);
    if (!std::cin.eof()) pending_ += u'\n';
    return true;
}

std::u16string Input::take(size_t n) {
    std::u16string out = pending_.substr(pos_, n);
    pos_ += out.size();
    track(line_, column_, out);
    return out;
}

std::u16string Input::read(size_t n) {
    while (pending_.size() - pos_ < n && fill()) {}
    return take(n);
}

bool Input::readLine(std::u16string& out) {
    while (pending_.find(u'\n', pos_) == std::u16string::npos && fill()) {}
    if (pos_ == pending_.size()) return false;
    size_t lf = pending_.find(u'\n', pos_);
    out = take(lf == std::u16string::npos ? std::u16string::npos : lf + 1 - pos_);
    if (!out.empty() && out.back() == u'\n') out.pop_back();
    if (!out.empty() && out.back() == u'\r') out.pop_back();
    return true;
}

std::u16string Input::readAll() {
    while (fill()) {}
    return take(std::u16string::npos);
}

bool Input::atEnd() { return pos_ == pending_.size() && !fill(); }

bool Input::atEndOfLine() { return atEnd() || pending_[pos_] == u'\n' || pending_[pos_] == u'\r'; }

Input& input() {
    static Input in;
    return in;
}

}  // namespace tarvik::console
