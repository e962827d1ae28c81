#include "script/objects/ado_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <string>
#include <sys/stat.h>

#include "script/values/codepage.h"
#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/memory.h"
#include "script/values/string.h"
#include "script/values/text.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"

namespace vbs {

namespace {

enum Id {
    None, Charset, EOS, LineSeparator, Mode, Position, Size, State, Type_, Cancel, Close, CopyTo, Flush,
    LoadFromFile, Open, Read, ReadText, SaveToFile, SetEOS, SkipLine, Write, WriteText,
};
constexpr Member kMembers[] = {
    {}, {u"Charset", 0, 0, kReadWrite}, {u"EOS", 0, 0, kReadOnly}, {u"LineSeparator", 0, 0, kReadWrite},
    {u"Mode", 0, 0, kReadWrite}, {u"Position", 0, 0, kReadWrite}, {u"Size", 0, 0, kReadOnly},
    {u"State", 0, 0, kReadOnly}, {u"Type", 0, 0, kReadWrite}, {u"Cancel", 0, 0}, {u"Close", 0, 0},
    {u"CopyTo", 1, 2}, {u"Flush", 0, 0}, {u"LoadFromFile", 1, 1}, {u"Open", 0, 5}, {u"Read", 0, 1},
    {u"ReadText", 0, 1}, {u"SaveToFile", 1, 2}, {u"SetEOS", 0, 0}, {u"SkipLine", 0, 0}, {u"Write", 1, 1},
    {u"WriteText", 1, 2},
};
constexpr MemberTable kTable(kMembers);

enum { adTypeBinary = 1, adTypeText = 2 };
enum { adReadAll = -1, adReadLine = -2 };
enum { adCR = 13, adLF = 10, adCRLF = -1 };
enum { adSaveCreateOverWrite = 2 };
enum class Encoding { Utf16, Utf8, Ansi, Ascii, Other };

// ADO's errors, with the text and Source it gives them.
[[noreturn]] void adoError(int32_t number, std::u16string_view text) {
    ScriptError e;
    e.number = number;
    e.description = text;
    e.source = u"ADODB.Stream";
    throw e;
}
[[noreturn]] void badArguments() {
    adoError(3001, u"Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.");
}
[[noreturn]] void notAllowed() { adoError(3219, u"Operation is not allowed in this context."); }

// The other character sets Windows knows by name (windows-1251, koi8-r, shift_jis...), through
// iconv. What the target lacks becomes '?', as ADO writes it; bytes that do not decode, U+FFFD.
std::string convert(const std::string& to, const std::string& from, std::string_view in) {
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) badArguments();
    bool encoding = from == "UTF-16LE";
    std::string out(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size(), used = 0;
    while (srcLeft > 0) {
        char* dst = out.data() + used;
        size_t dstLeft = out.size() - used;
        size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        used = out.size() - dstLeft;
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else if (errno == EILSEQ) {
            size_t skip = std::min<size_t>(encoding ? 2 : 1, srcLeft);
            src += skip;
            srcLeft -= skip;
            std::string_view replacement = encoding ? std::string_view("?") : std::string_view("\xFD\xFF");
            if (out.size() - used < replacement.size()) out.resize(out.size() * 2);
            out.replace(used, replacement.size(), replacement);
            used += replacement.size();
        } else {
            break;  // a sequence cut short at the end
        }
    }
    ::iconv_close(cd);
    out.resize(used);
    return out;
}

class AdoStream final : public TableObject {
public:
    AdoStream() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"Stream"; }

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;

    void needOpen() const {
        if (!open_) adoError(3704, u"Operation is not allowed when the object is closed.");
    }
    void needType(int type) const {
        needOpen();
        if (type_ != type) notAllowed();
    }
    std::u16string_view separator() const { return lineSeparator_ == adLF ? u"\n" : lineSeparator_ == adCR ? u"\r" : u"\r\n"; }
    // The byte-order mark text of this character set begins with.
    std::string_view bom() const {
        return encoding_ == Encoding::Utf16 ? std::string_view("\xFF\xFE") : encoding_ == Encoding::Utf8 ? std::string_view("\xEF\xBB\xBF") : std::string_view();
    }
    std::string encode(std::u16string_view text) const;
    std::u16string decode(std::string_view bytes) const;
    void put(std::string_view bytes) {
        checkMemory(pos_ + bytes.size());
        if (pos_ + bytes.size() > bytes_.size()) bytes_.resize(pos_ + bytes.size());
        bytes_.replace(pos_, bytes.size(), bytes);
        pos_ += bytes.size();
    }
    void setCharset(std::u16string_view name);
    std::u16string readText(int32_t count);

    std::string bytes_;
    size_t pos_ = 0;
    bool open_ = false;
    int32_t type_ = adTypeText;
    int32_t lineSeparator_ = adCRLF;
    int32_t mode_ = 0;
    std::u16string charset_ = u"Unicode";
    Encoding encoding_ = Encoding::Utf16;
};

void AdoStream::setCharset(std::u16string_view name) {
    auto is = [&](std::u16string_view n) { return equalsIgnoreCase(name, n); };
    if (is(u"unicode") || is(u"utf-16") || is(u"utf-16le")) encoding_ = Encoding::Utf16;
    else if (is(u"utf-8")) encoding_ = Encoding::Utf8;
    else if (is(u"us-ascii") || is(u"ascii")) encoding_ = Encoding::Ascii;
    else if (is(u"windows-1252") || is(u"iso-8859-1") || is(u"latin1") || is(u"x-ansi")) encoding_ = Encoding::Ansi;
    else {
        iconv_t cd = ::iconv_open("UTF-16LE", utf16ToUtf8(name).c_str());
        if (cd == reinterpret_cast<iconv_t>(-1)) badArguments();
        ::iconv_close(cd);
        encoding_ = Encoding::Other;
    }
    charset_ = name;
}

std::string AdoStream::encode(std::u16string_view text) const {
    std::string out;
    switch (encoding_) {
        case Encoding::Utf16:
            for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
            return out;
        case Encoding::Other:
            return convert(utf16ToUtf8(charset_), "UTF-16LE", {reinterpret_cast<const char*>(text.data()), 2 * text.size()});
        case Encoding::Utf8: return utf16ToUtf8(text);
        case Encoding::Ansi:
        case Encoding::Ascii:
            for (char16_t c : text) {
                unsigned char b = toWindows1252(c);
                out += static_cast<char>(encoding_ == Encoding::Ascii && b > 127 ? '?' : b);
            }
            return out;
    }
    return out;
}

std::u16string AdoStream::decode(std::string_view bytes) const {
    switch (encoding_) {
        case Encoding::Utf16: return decodeUtf16(bytes, false);
        case Encoding::Utf8: return utf8ToUtf16(bytes);
        case Encoding::Other: {
            std::string units = convert("UTF-16LE", utf16ToUtf8(charset_), bytes);
            std::u16string text(units.size() / 2, u'\0');
            std::memcpy(text.data(), units.data(), 2 * text.size());
            return text;
        }
        case Encoding::Ansi:
        case Encoding::Ascii: break;
    }
    std::u16string out;
    for (char b : bytes) out += fromWindows1252(static_cast<unsigned char>(b));
    return out;
}

// Characters from the position on: all, a line (its separator read but not returned), or count.
std::u16string AdoStream::readText(int32_t count) {
    needType(adTypeText);
    if (pos_ == 0 && std::string_view(bytes_).starts_with(bom()) && !bom().empty()) pos_ = bom().size();
    std::u16string rest = decode(std::string_view(bytes_).substr(pos_));
    std::u16string text;
    size_t consumed;
    if (count == adReadLine) {
        size_t end = rest.find(separator());
        text = rest.substr(0, end);
        consumed = end == std::u16string::npos ? rest.size() : end + separator().size();
    } else {
        if (count < adReadLine) badArguments();
        text = count == adReadAll ? rest : rest.substr(0, static_cast<size_t>(count));
        consumed = text.size();
    }
    pos_ += encode(std::u16string_view(rest).substr(0, consumed)).size();
    if (pos_ > bytes_.size()) pos_ = bytes_.size();
    return text;
}

void AdoStream::call(int id, Invoke kind, Value* args, int argc, Value& result) {
    bool assign = kind == Invoke::Let;
    switch (static_cast<Id>(id)) {
        case None: return;
        case Charset:
            if (!assign) {
                result = Value(charset_);
                return;
            }
            if (open_ && pos_ != 0) notAllowed();
            setCharset(comText(args[0]).view());
            return;
        case EOS: needOpen(); result = Value::boolean(pos_ >= bytes_.size()); return;
        case LineSeparator: {
            if (!assign) {
                result = Value::lng(lineSeparator_);
                return;
            }
            int32_t s = toLong(args[0]);
            if (s != adCR && s != adLF && s != adCRLF) badArguments();
            lineSeparator_ = s;
            return;
        }
        case Mode:
            if (assign) mode_ = toLong(args[0]);
            else result = Value::lng(mode_);
            return;
        case Position: {
            needOpen();
            if (!assign) {
                result = Value::lng(static_cast<int32_t>(pos_));
                return;
            }
            int32_t p = toLong(args[0]);
            if (p < 0 || static_cast<size_t>(p) > bytes_.size()) badArguments();
            pos_ = static_cast<size_t>(p);
            return;
        }
        case Size: needOpen(); result = Value::lng(static_cast<int32_t>(bytes_.size())); return;
        case State: result = Value::lng(open_ ? 1 : 0); return;  // adStateOpen, adStateClosed
        case Type_: {
            if (!assign) {
                result = Value::lng(type_);
                return;
            }
            int32_t t = toLong(args[0]);
            if (t != adTypeBinary && t != adTypeText) badArguments();
            if (open_ && pos_ != 0) notAllowed();  // the type changes only at the start
            type_ = t;
            return;
        }
        case Cancel:
        case Flush: return;
        case Close:
            needOpen();
            open_ = false;
            bytes_.clear();
            pos_ = 0;
            return;
        case Open:
            if (open_) adoError(3705, u"Operation is not allowed when the object is open.");
            if (hasArg(args, argc, 0) && !args[0].deref().isEmpty()) badArguments();  // no URLs or records here
            open_ = true;
            return;
        case LoadFromFile: {
            needOpen();
            std::ifstream in(matchCase(absolutePath(comText(args[0]).view())), std::ios::binary);
            if (!in) adoError(3002, u"File could not be opened.");
            bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            checkMemory(bytes_.size());
            pos_ = 0;
            return;
        }
        case SaveToFile: {
            needOpen();
            std::string path = matchCase(absolutePath(comText(args[0]).view()));
            struct stat info;
            bool overwrite = hasArg(args, argc, 1) && toLong(args[1]) & adSaveCreateOverWrite;
            if (!overwrite && ::stat(path.c_str(), &info) == 0) adoError(3004, u"Write to file failed.");
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            if (!out || !out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size())).flush())
                adoError(3004, u"Write to file failed.");
            return;
        }
        case SetEOS: needOpen(); bytes_.resize(pos_); return;
        case Read: {
            needType(adTypeBinary);
            int32_t n = hasArg(args, argc, 0) ? toLong(args[0]) : adReadAll;
            if (n < adReadAll) badArguments();
            size_t count = n == adReadAll ? bytes_.size() - pos_ : std::min<size_t>(static_cast<size_t>(n), bytes_.size() - pos_);
            if (count == 0) {
                result = Value::null();  // ADO answers Null at the end of the stream
                return;
            }
            result = Value(String::fromBytes(reinterpret_cast<const uint8_t*>(bytes_.data() + pos_), count));
            pos_ += count;
            return;
        }
        case Write: {
            needType(adTypeBinary);
            String data = toString(args[0]);
            std::string bytes(data.byteSize(), '\0');
            for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(data.byteAt(i));
            put(bytes);
            return;
        }
        case ReadText: result = Value(readText(hasArg(args, argc, 0) ? toLong(args[0]) : adReadAll)); return;
        case SkipLine: readText(adReadLine); return;
        case WriteText: {
            needType(adTypeText);
            std::u16string text(comText(args[0]).view());
            if (hasArg(args, argc, 1) && toLong(args[1]) == 1) text += separator();  // adWriteLine
            if (bytes_.empty()) put(bom());
            put(encode(text));
            return;
        }
        case CopyTo: {
            needOpen();
            auto* target = args[0].deref().isObject() ? dynamic_cast<AdoStream*>(args[0].deref().obj) : nullptr;
            if (!target) badArguments();
            target->needOpen();
            int32_t n = hasArg(args, argc, 1) ? toLong(args[1]) : -1;
            size_t count = n < 0 ? bytes_.size() - pos_ : std::min<size_t>(static_cast<size_t>(n), bytes_.size() - pos_);
            target->put(std::string_view(bytes_).substr(pos_, count));
            pos_ += count;
            return;
        }
    }
}

}  // namespace

Value newAdoStream() { return Value::object(new AdoStream); }

}  // namespace vbs
