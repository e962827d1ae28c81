#include "script/objects/textstream.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <sys/stat.h>

#include "script/values/convert.h"
#include "script/values/deadline.h"
#include "script/values/errors.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/objects/text_codec.h"

namespace vbs {

namespace {

enum Id {
    None, Read, ReadLine, ReadAll, Skip, SkipLine, Write, WriteLine, WriteBlankLines,
    AtEndOfStream, AtEndOfLine, Line, Column, Close,
};

constexpr Member kMembers[] = {
    {},  // no default member
    {u"Read", 1, 1},
    {u"ReadLine", 0, 0},
    {u"ReadAll", 0, 0},
    {u"Skip", 1, 1},
    {u"SkipLine", 0, 0},
    {u"Write", 1, 1},
    {u"WriteLine", 0, 1},
    {u"WriteBlankLines", 1, 1},
    {u"AtEndOfStream", 0, 0, kReadOnly},
    {u"AtEndOfLine", 0, 0, kReadOnly},
    {u"Line", 0, 0, kReadOnly},
    {u"Column", 0, 0, kReadOnly},
    {u"Close", 0, 0},
};
constexpr MemberTable kTable(kMembers);

constexpr std::u16string_view kNewline = u"\r\n";  // what Windows writes

// Line and Column are Longs, and go on as Doubles past that range.
Value position(int64_t n) {
    return n <= INT32_MAX ? Value::lng(static_cast<int32_t>(n)) : Value::dbl(static_cast<double>(n));
}

size_t countArg(const Value& v) {
    int32_t n = toLong(v);
    if (n < 0) raise(errInvalidCall);
    return static_cast<size_t>(n);
}

}  // namespace

Value TextStream::open(const std::string& path, IoMode mode, bool unicode) {
    Ref<TextStream> s(new TextStream);
    s->unicode_ = unicode;
    if (mode == ForReading) {
        std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
        if (!file) raiseFileError(errno);
        FILE* f = file.get();
        std::string bytes;
        struct stat info;
        if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
            // Known size: refused at once past the cap, and read without regrowing.
            checkMemory(3 * std::min<uint64_t>(static_cast<uint64_t>(info.st_size), SIZE_MAX / 4));
            bytes.reserve(static_cast<size_t>(info.st_size));
        }
        constexpr size_t kChunk = 65536;
        for (size_t got = kChunk; got == kChunk;) {
            size_t used = bytes.size();
            checkMemory(3 * (used + kChunk));  // the bytes, then their text
            pollDeadline();
            bytes.resize(used + kChunk);
            got = std::fread(bytes.data() + used, 1, kChunk, f);
            bytes.resize(used + got);
        }
        file.reset();
        s->text_ = decodeText(bytes, unicode);
        s->reading_ = true;
    } else {
        s->file_ = std::fopen(path.c_str(), mode == ForWriting ? "wb" : "ab");
        if (!s->file_) raiseFileError(errno == ENOENT ? ENOTDIR : errno);  // the folder is missing
        if (unicode && std::fseek(s->file_, 0, SEEK_END) == 0 && std::ftell(s->file_) == 0)
            std::fwrite(kUtf16Bom.data(), 1, kUtf16Bom.size(), s->file_);
    }
    return Value::object(s.get());
}

Value TextStream::readFrom(std::unique_ptr<TextSource> source) {
    Ref<TextStream> s(new TextStream);
    s->source_ = std::move(source);
    s->reading_ = true;
    return Value::object(s.get());
}

Value TextStream::writeTo(int fd) {
    Ref<TextStream> s(new TextStream);
    s->file_ = ::fdopen(fd, "wb");
    if (!s->file_) raiseFileError(errno);
    std::setvbuf(s->file_, nullptr, _IONBF, 0);  // the program sees each Write as it is made
    return Value::object(s.get());
}

TextStream::~TextStream() { close(); }

TextStream::TextStream() : TableObject(kTable) {}

void TextStream::needReading() const {
    if (!reading_ || closed_) raise(errBadFileMode);
}

void TextStream::needWriting() const {
    if (reading_ || closed_) raise(errBadFileMode);
}

void TextStream::track(std::u16string_view text) {
    size_t lf = text.rfind(u'\n');
    if (lf == std::u16string_view::npos) {
        column_ += static_cast<int64_t>(text.size());
        return;
    }
    line_ += std::count(text.begin(), text.begin() + static_cast<ptrdiff_t>(lf) + 1, u'\n');
    column_ = static_cast<int64_t>(text.size() - lf);
}

bool TextStream::fill() {
    if (!source_) return false;
    text_.erase(0, pos_);
    pos_ = 0;
    if (source_->more(text_)) return true;
    source_.reset();
    return false;
}

std::u16string_view TextStream::take(size_t n) {
    needReading();
    while (text_.size() - pos_ < n && fill()) {
    }
    if (pos_ == text_.size()) raise(errPastEnd);
    std::u16string_view out = std::u16string_view(text_).substr(pos_, n);
    pos_ += out.size();
    track(out);
    return out;
}

std::u16string_view TextStream::takeLine() {
    needReading();
    while (text_.find(u'\n', pos_) == std::u16string::npos && fill()) {
    }
    if (pos_ == text_.size()) raise(errPastEnd);
    size_t lf = text_.find(u'\n', pos_);
    size_t next = lf == std::u16string::npos ? text_.size() : lf + 1;
    std::u16string_view line = std::u16string_view(text_).substr(pos_, next - pos_);
    pos_ = next;
    track(line);
    if (line.ends_with(u'\n')) {
        line.remove_suffix(1);
        if (line.ends_with(u'\r')) line.remove_suffix(1);
    }
    return line;
}

void TextStream::write(std::u16string_view text) {
    needWriting();
    std::string bytes = encodeText(text, unicode_);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) raiseFileError(errno);
    track(text);
}

void TextStream::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    closed_ = true;
    source_.reset();
    text_.clear();
    text_.shrink_to_fit();
}

void TextStream::call(int id, Invoke /*kind*/, Value* args, int argc, Value& result) {
    switch (static_cast<Id>(id)) {
        case None: return;  // not reached: check() rejects it
        case Read: result = Value(take(countArg(args[0]))); return;
        case ReadLine: result = Value(takeLine()); return;
        case ReadAll: result = Value(take(std::u16string::npos)); return;
        case Skip: take(countArg(args[0])); return;
        case SkipLine: takeLine(); return;
        case Write: write(comText(args[0]).view()); return;  // a COM string argument: True is "-1"
        case WriteLine: {
            needWriting();
            if (argc > 0) {
                String line = comText(args[0]);
                line.append(kNewline);
                write(line.view());
            } else {
                write(kNewline);
            }
            return;
        }
        case WriteBlankLines: {
            size_t n = countArg(args[0]);
            needWriting();
            // In pieces: a huge count writes for as long as it takes, not first builds its text.
            constexpr size_t kPiece = 4096;
            std::u16string lines;
            for (size_t i = 0; i < std::min(n, kPiece); ++i) lines += kNewline;
            for (size_t done = 0; done < n; done += kPiece) {
                pollDeadline();
                write(std::u16string_view(lines).substr(0, std::min(n - done, kPiece) * kNewline.size()));
            }
            return;
        }
        case AtEndOfStream: needReading(); result = Value::boolean(pos_ == text_.size() && !fill()); return;
        case AtEndOfLine:
            needReading();
            if (pos_ == text_.size()) fill();
            result = Value::boolean(pos_ == text_.size() || text_[pos_] == u'\n' || text_[pos_] == u'\r');
            return;
        case Line: result = position(line_); return;
        case Column: result = position(column_); return;
        case Close: close(); return;
    }
}

}  // namespace vbs
