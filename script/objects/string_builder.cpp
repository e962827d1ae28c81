#include "script/objects/string_builder.h"

#include <algorithm>
#include <string>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/members.h"
#include "script/objects/net_format.h"
#include "script/objects/net_values.h"

namespace vbs {

namespace {

// COM names a method's overloads in .NET's order: Append_3 is Append(String), Append_4 (String,
// startIndex, count). The base names (on Windows the first overloads, such as Append(Char,
// repeatCount)) take the string forms scripts write with them.
enum Id {
    ToString, ToString2, Append, Append3, Append4, AppendLine, AppendLine2, AppendFormat, AppendFormat2,
    AppendFormat3, AppendFormat4, AppendFormat5, Insert, Insert2, Remove, Replace, Replace2, Clear,
    EnsureCapacity, Length, Capacity, MaxCapacity,
};
constexpr Member kMembers[] = {
    {u"ToString", 0, 2}, {u"ToString_2", 2, 2}, {u"Append", 1, 1}, {u"Append_3", 1, 1}, {u"Append_4", 3, 3},
    {u"AppendLine", 0, 1}, {u"AppendLine_2", 1, 1}, {u"AppendFormat", 2, 2}, {u"AppendFormat_2", 3, 3},
    {u"AppendFormat_3", 4, 4}, {u"AppendFormat_4", 2, 2}, {u"AppendFormat_5", 3, 3}, {u"Insert", 2, 3},
    {u"Insert_2", 2, 2}, {u"Remove", 2, 2}, {u"Replace", 2, 4}, {u"Replace_2", 4, 4}, {u"Clear", 0, 0},
    {u"EnsureCapacity", 1, 1}, {u"Length", 0, 0, kReadWrite}, {u"Capacity", 0, 0, kReadWrite},
    {u"MaxCapacity", 0, 0, kReadOnly},
};
constexpr MemberTable kTable(kMembers);

using Text = std::basic_string<char16_t, std::char_traits<char16_t>, CountedAllocator<char16_t>>;

[[noreturn]] void outOfRange(std::u16string_view message, std::u16string_view parameter) {
    netError(kNetOutOfRange, std::u16string(message) + u"\r\nParameter name: " + std::u16string(parameter));
}
constexpr std::u16string_view kIndex = u"Index was out of range. Must be non-negative and less than the size of the collection.";
constexpr std::u16string_view kNegativeLength = u"Length cannot be less than zero.";
constexpr std::u16string_view kNegativeStart = u"StartIndex cannot be less than zero.";

class StringBuilder final : public TableObject {
public:
    StringBuilder() : TableObject(kTable) {}
    std::u16string_view typeName() const override { return u"StringBuilder"; }

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;

    int32_t size() const { return static_cast<int32_t>(text_.size()); }
    // .NET adds a chunk of at least the length so far (up to 8000 characters) when the text outgrows it.
    void grow(size_t needed) {
        if (needed <= static_cast<size_t>(capacity_)) return;
        if (needed > static_cast<size_t>(kMaxStringChars)) raise(errOutOfMemory);
        capacity_ += std::max<int32_t>(static_cast<int32_t>(needed) - capacity_, std::min(capacity_, 8000));
    }
    void insert(int32_t at, std::u16string_view s, int32_t times = 1) {
        grow(text_.size() + s.size() * static_cast<size_t>(times));
        Text added;
        for (int32_t k = 0; k < times; ++k) added.append(s);
        text_.insert(at, added);
    }
    void append(std::u16string_view s) { insert(size(), s); }
    void appendFormat(const Value& format, std::span<const Value> items) {
        std::u16string out;
        try {
            appendComposite(out, comText(format).view(), items);
        } catch (...) {
            append(out);  // .NET has appended the text before the bad item
            throw;
        }
        append(out);
    }
    // AppendFormat_4's params array: a script passes a VBScript array.
    void appendFormat(const Value& format, const Value& items) {
        const Value& a = items.deref();
        if (a.isEmpty() || (a.isObject() && !a.obj)) netError(kNetNullArgument, u"Value cannot be null.\r\nParameter name: args");
        if (!a.isArray()) raise(errTypeMismatch);
        appendFormat(format, std::span<const Value>(a.arr->data.data(), a.arr->data.size()));
    }
    String slice(const Value& start, const Value& length) const {
        int32_t from = toLong(start), n = toLong(length);
        if (from < 0) outOfRange(kNegativeStart, u"startIndex");
        if (from > size()) outOfRange(u"startIndex cannot be larger than length of string.", u"startIndex");
        if (n < 0) outOfRange(kNegativeLength, u"length");
        if (from > size() - n) outOfRange(u"Index and length must refer to a location within the string.", u"length");
        return String(std::u16string_view(text_).substr(from, n));
    }
    void replace(const Value* args, int argc);
    void setLength(int32_t n) {
        if (n < 0) outOfRange(kNegativeLength, u"value");
        if (n > size()) grow(n);
        text_.resize(n, u'\0');
    }

    Text text_;
    int32_t capacity_ = 16;
};

void StringBuilder::replace(const Value* args, int argc) {
    String from = comText(args[0]), to = comText(args[1]);
    int32_t start = 0, count = size();
    if (argc > 2) {
        if (argc != 4) raise(errWrongArgCount);
        start = toLong(args[2]);
        count = toLong(args[3]);
        if (start < 0 || start > size()) outOfRange(kIndex, u"startIndex");
        if (count < 0 || start > size() - count) outOfRange(kIndex, u"count");
    }
    if (from.empty()) netError(kNetBadArgument, u"Empty name is not legal.\r\nParameter name: oldValue");
    Text out;
    size_t end = static_cast<size_t>(start) + count, i = start;
    out.append(text_, 0, start);
    for (size_t hit; (hit = std::u16string_view(text_).find(from.view(), i)) != std::u16string_view::npos && hit + from.size() <= end;) {
        out.append(text_, i, hit - i);
        out.append(to.view());
        i = hit + from.size();
    }
    out.append(text_, i);
    grow(out.size());
    text_.swap(out);
}

void StringBuilder::call(int id, Invoke kind, Value* args, int argc, Value& result) {
    bool assign = kind == Invoke::Let || kind == Invoke::Set;
    switch (static_cast<Id>(id)) {
        case ToString:
        case ToString2:
            if (argc == 1) raise(errWrongArgCount);
            result = argc ? Value(slice(args[0], args[1])) : Value(String(std::u16string_view(text_)));
            return;
        case Length:
            if (assign) setLength(toLong(args[0]));
            else result = Value::lng(size());
            return;
        case Capacity:
            if (!assign) {
                result = Value::lng(capacity_);
                return;
            }
            if (int32_t n = toLong(args[0]); n < 0) outOfRange(u"Capacity must be positive.", u"value");
            else if (n < size()) outOfRange(u"capacity was less than the current size.", u"value");
            else capacity_ = n;
            return;
        case MaxCapacity: result = Value::lng(INT32_MAX); return;
        case EnsureCapacity:
            if (int32_t n = toLong(args[0]); n < 0) outOfRange(u"Capacity must be positive.", u"capacity");
            else capacity_ = std::max(capacity_, n);
            result = Value::lng(capacity_);
            return;
        default: break;
    }
    // The rest change the text and answer the builder, so calls chain.
    switch (static_cast<Id>(id)) {
        case Append:
        case Append3: append(comText(args[0]).view()); break;
        case Append4: {
            String s = comText(args[0]);
            int32_t from = toLong(args[1]), n = toLong(args[2]);
            if (from < 0) outOfRange(u"Value must be positive.", u"startIndex");
            if (n < 0) outOfRange(u"Value must be positive.", u"count");
            if (from > static_cast<int32_t>(s.size()) - n) outOfRange(kIndex, u"count");
            append(s.view().substr(from, n));
            break;
        }
        case AppendLine:
        case AppendLine2:
            if (argc) append(comText(args[0]).view());
            append(u"\r\n");
            break;
        case AppendFormat:
        case AppendFormat2:
        case AppendFormat3: appendFormat(args[0], std::span<const Value>(args + 1, argc - 1)); break;
        case AppendFormat4: appendFormat(args[0], args[1]); break;
        case AppendFormat5: appendFormat(args[1], args[2]); break;  // the format provider is the culture's anyway
        case Insert:
        case Insert2: {
            int32_t at = toLong(args[0]);
            String s = comText(args[1]);
            int32_t times = argc > 2 ? toLong(args[2]) : 1;
            if (at < 0 || at > size()) outOfRange(kIndex, u"index");
            if (times < 0) outOfRange(u"Non-negative number required.", u"count");
            insert(at, s.view(), times);
            break;
        }
        case Remove: {
            int32_t from = toLong(args[0]), n = toLong(args[1]);
            if (n < 0) outOfRange(kNegativeLength, u"length");
            if (from < 0) outOfRange(kNegativeStart, u"startIndex");
            if (n > size() - from) outOfRange(kIndex, u"index");
            text_.erase(from, n);
            break;
        }
        case Replace:
        case Replace2: replace(args, argc); break;
        case Clear: text_.clear(); break;
        default: break;
    }
    result = Value::object(this);
}

}  // namespace

Value newStringBuilder() { return Value::object(new StringBuilder); }

}  // namespace vbs
