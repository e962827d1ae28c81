#include "script/objects/regexp.h"

#include <memory>

#include "script/values/convert.h"
#include "script/values/deadline.h"
#include "script/values/errors.h"
#include "script/objects/match.h"
#include "script/objects/members.h"

namespace vbs {

namespace {

enum Id { None, Pattern, IgnoreCase, Global, Multiline, Test, Replace, Execute };

constexpr Member kMembers[] = {
    {},  // no default member
    {u"Pattern", 0, 0, kReadWrite},
    {u"IgnoreCase", 0, 0, kReadWrite},
    {u"Global", 0, 0, kReadWrite},
    {u"Multiline", 0, 0, kReadWrite},
    {u"Test", 1, 1},
    {u"Replace", 2, 2},
    {u"Execute", 1, 1},
};
constexpr MemberTable kTable(kMembers);

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

RegExp::~RegExp() { pcre2_match_data_free(data_); }

RegExp::RegExp() : TableObject(kTable) {}

void RegExp::prepare() {
    compiled_ = compilePattern(pattern_.view(), (ignoreCase_ ? kIgnoreCase : 0) | (multiline_ ? kMultiline : 0));
    groups_ = compiled_->groups();
    if (!data_ || pcre2_get_ovector_count(data_) < static_cast<uint32_t>(groups_ + 1)) {
        pcre2_match_data_free(data_);
        data_ = pcre2_match_data_create(groups_ + 1, nullptr);
        if (!data_) raise(errOutOfMemory);
        ovector_ = pcre2_get_ovector_pointer(data_);
    }
}

bool RegExp::search(std::u16string_view subject, size_t start) {
    pollDeadline();  // Execute and Replace search once a match over big text
    if (!compiled_) prepare();
    if (start > subject.size()) return false;
    int rc = compiled_->match(subject, start, data_);
    if (rc >= 0) return true;
    if (rc == PCRE2_ERROR_NOMATCH) return false;
    // Runaway backtracking: VBScript runs out of stack on such patterns.
    raise(errOutOfStack);
}

size_t RegExp::nextStart(std::u16string_view subject) const {
    size_t end = ovector_[1];
    if (end != ovector_[0]) return end;
    if (end + 1 < subject.size() && isHighSurrogate(subject[end]) && isLowSurrogate(subject[end + 1]))
        return end + 2;
    return end + 1;
}

bool RegExp::test(std::u16string_view subject) { return search(subject, 0); }

Value RegExp::execute(const String& subject) { return makeMatchCollection(findAll(subject)); }

MatchList RegExp::findAll(const String& subject) {
    MatchList list;
    list.subject = subject;
    std::u16string_view s = subject.view();
    for (size_t start = 0; search(s, start); start = nextStart(s)) {
        if (list.offsets.empty()) list.offsets.reserve(2 * (groups_ + 1) * (global_ ? 4 : 1));  // one allocation for most subjects
        for (int g = 0; g <= groups_; ++g) {
            PCRE2_SIZE a = ovector_[2 * g], b = ovector_[2 * g + 1];
            bool unset = a == PCRE2_UNSET;
            list.offsets.push_back(unset ? -1 : static_cast<int32_t>(a));
            list.offsets.push_back(unset ? -1 : static_cast<int32_t>(b));
        }
        if (!global_) break;
    }
    list.groups = groups_;
    return list;
}

void RegExp::expand(std::u16string_view s, std::u16string_view with, String& out) const {
    auto group = [&](int g) {
        PCRE2_SIZE from = ovector_[2 * g];
        if (from != PCRE2_UNSET) out.append(s.substr(from, ovector_[2 * g + 1] - from));
    };
    auto digit = [&](size_t i) { return i < with.size() && with[i] >= u'0' && with[i] <= u'9' ? with[i] - u'0' : -1; };
    size_t literal = 0;  // with's text from here on is not in out yet
    for (size_t i = 0; i + 1 < with.size(); ++i) {
        if (with[i] != u'$') continue;
        char16_t k = with[i + 1];
        int d1 = digit(i + 1), two = d1 >= 0 && digit(i + 2) >= 0 ? d1 * 10 + digit(i + 2) : -1;
        bool twoDigits = two >= 1 && two <= groups_;  // $nn when there are that many groups
        bool oneDigit = d1 >= 1 && d1 <= groups_;
        if (k != u'$' && k != u'&' && k != u'`' && k != u'\'' && !twoDigits && !oneDigit) continue;  // stays as written
        out.append(with.substr(literal, i - literal));
        if (k == u'$') out.append(u"$");
        else if (k == u'&') group(0);
        else if (k == u'`') out.append(s.substr(0, ovector_[0]));
        else if (k == u'\'') out.append(s.substr(ovector_[1]));
        else if (twoDigits) { group(two); ++i; }
        else group(d1);
        ++i;
        literal = i + 1;
    }
    out.append(with.substr(literal));
}

String RegExp::replace(const String& subject, std::u16string_view with) {
    std::u16string_view s = subject.view();
    String out;
    size_t copied = 0;  // subject text up to here is in out
    bool any = false;
    for (size_t start = 0; search(s, start); start = nextStart(s)) {
        any = true;
        out.append(s.substr(copied, ovector_[0] - copied));
        expand(s, with, out);
        copied = ovector_[1];
        if (!global_) break;
    }
    if (!any) return subject;
    out.append(s.substr(copied));
    return out;
}

String RegExp::replace(const String& subject, Object* function) {
    // Every match is found before the function runs: it may use this RegExp itself.
    Ref<Object> keep(function);
    const MatchList list = findAll(subject);
    std::u16string_view s = subject.view();
    String out;
    size_t copied = 0;
    std::vector<Value> args;
    for (size_t m = 0; m < list.count(); ++m) {
        const int32_t* at = list.at(m);
        args.clear();
        for (int g = 0; g <= list.groups; ++g) args.push_back(list.group(m, g));
        args.push_back(Value::lng(at[0]));
        args.push_back(Value(subject));
        Value text;
        function->invoke(kDefaultMember, Invoke::Get, args.data(), static_cast<int>(args.size()), text);
        out.append(s.substr(copied, at[0] - copied));
        out.append(comText(text).view());
        copied = at[1];
    }
    if (list.count() == 0) return subject;
    out.append(s.substr(copied));
    return out;
}

void RegExp::call(int id, Invoke kind, Value* args, int /*argc*/, Value& result) {
    bool assign = kind == Invoke::Let || kind == Invoke::Set;
    switch (static_cast<Id>(id)) {
        case None: return;  // not reached: check() rejects it
        case Pattern:
            if (assign) setPattern(comText(args[0]));
            else result = Value(pattern_);
            return;
        case IgnoreCase:
            if (assign) setIgnoreCase(toBool(args[0]));
            else result = Value::boolean(ignoreCase_);
            return;
        case Global:
            if (assign) setGlobal(toBool(args[0]));
            else result = Value::boolean(global_);
            return;
        case Multiline:
            if (assign) setMultiline(toBool(args[0]));
            else result = Value::boolean(multiline_);
            return;
        case Test: result = Value::boolean(test(comText(args[0]).view())); return;
        case Replace: {
            const Value& with = args[1].deref();
            String subject = comText(args[0]);
            if (with.isObject() && with.obj) result = Value(replace(subject, with.obj));
            else result = Value(replace(subject, comText(with).view()));
            return;
        }
        case Execute: result = execute(comText(args[0])); return;
    }
}

}  // namespace vbs
