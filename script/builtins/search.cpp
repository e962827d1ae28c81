// Searching and comparing: InStr, InStrRev, StrComp, Replace, each in binary or text
// (case-insensitive) mode.
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "script/builtins/args.h"
#include "script/builtins/library.h"
#include "script/builtins/search.h"
#include "script/values/deadline.h"
#include "script/values/text.h"

namespace vbs::builtin {

namespace {

// Needles are short: compared eight bytes a step in line, where a call of memcmp would also make
// the search loop keep its vectors in memory.
bool sameUnits(const char16_t* a, const char16_t* b, size_t n) {
    for (; n >= 4; n -= 4, a += 4, b += 4) {
        uint64_t x, y;
        std::memcpy(&x, a, sizeof x);
        std::memcpy(&y, b, sizeof y);
        if (x != y) return false;
    }
    for (; n; --n)
        if (*a++ != *b++) return false;
    return true;
}

// Binary search: a position is a candidate only when both the first and the last character of
// `what` match there, which rejects almost every position of a sentence even for a needle that
// starts with a space (a brain's " KEYWORD "). SSE2 (every x86-64) tests eight positions at once.
size_t findBinary(std::u16string_view s, std::u16string_view what, size_t from) {
    size_t n = what.size();
    if (n > s.size() || from > s.size() - n) return std::u16string_view::npos;
    const char16_t* h = s.data();
    const char16_t* inner = what.data() + 1;
    size_t innerUnits = n > 2 ? n - 2 : 0;  // none: the ends were the whole needle
    char16_t first = what[0], last = what[n - 1];
    size_t i = from, end = s.size() - n;  // the last candidate
#if defined(__SSE2__)
    // Each end broadcast from a 32-bit register: built from a 16-bit store, the load stalls every call.
    const __m128i f = _mm_set1_epi32(static_cast<int>(uint32_t{first} * 0x10001u));
    const __m128i l = _mm_set1_epi32(static_cast<int>(uint32_t{last} * 0x10001u));
    // The first match among the eight positions from p whose bits are set, two mask bits a position.
    // By value: captured by reference, the vectors live in memory.
    auto scan = [h, n, f, l, inner, innerUnits](size_t p, unsigned keep) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + p));
        __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + p + n - 1));
        for (unsigned bits = _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(a, f), _mm_cmpeq_epi16(b, l))) & keep;
             bits; bits &= bits - 1, bits &= bits - 1) {
            size_t at = p + std::countr_zero(bits) / 2;
            if (sameUnits(h + at + 1, inner, innerUnits)) return at;
        }
        return std::u16string_view::npos;
    };
    for (; i + 7 <= end; i += 8)
        if (size_t at = scan(i, ~0u); at != std::u16string_view::npos) return at;
    // The last few candidates: the eight that end at the last one, skipping those already seen.
    if (i <= end && end >= 7) return scan(end - 7, ~0u << 2 * (i - (end - 7)));
#endif
    for (; i <= end; ++i)
        if (h[i] == first && h[i + n - 1] == last && sameUnits(h + i + 1, inner, innerUnits))
            return i;
    return std::u16string_view::npos;
}

}  // namespace

size_t findIn(std::u16string_view s, std::u16string_view what, size_t from, bool text) {
    if (!text) return findBinary(s, what, from);
    if (what.size() > s.size()) return std::u16string_view::npos;
    char16_t first = toUpper(what[0]);
    for (size_t i = from, last = s.size() - what.size(); i <= last; ++i) {
        if (toUpper(s[i]) == first && equalsIgnoreCase(s.substr(i, what.size()), what)) return i;
    }
    return std::u16string_view::npos;
}

namespace {

size_t findLast(std::u16string_view s, std::u16string_view what, size_t end, bool text) {
    // The match must finish at or before `end`.
    if (what.size() > end) return std::u16string_view::npos;
    for (size_t i = end - what.size() + 1; i-- > 0;) {
        std::u16string_view part = s.substr(i, what.size());
        if (text ? equalsIgnoreCase(part, what) : part == what) return i;
    }
    return std::u16string_view::npos;
}

}  // namespace

// InStr([start, ]string1, string2[, compare]): with three or more arguments the first is the start.
VBS_BUILTIN(InStr) {
    int32_t start = 1;
    int first = 0;
    if (argc >= 3) {
        start = longArg(args, argc, 0, 1);  // InStr(, s, t) leaves the start out
        if (start < 1) raise(errInvalidCall);
        first = 1;
    }
    bool text = textCompareArg(args, argc, first + 2);
    const Value& a = args[first];
    const Value& b = args[first + 1];
    if (a.isNull() || b.isNull()) { result = Value::null(); return; }
    String s = toString(a), what = toString(b);
    // A start past the end answers 0 even for an empty search string (InStr("", "") = 0).
    size_t from = static_cast<size_t>(start - 1);
    if (from >= s.size()) { result = Value::lng(0); return; }
    if (what.empty()) { result = Value::lng(start); return; }
    size_t at = findIn(s.view(), what.view(), from, text);
    result = Value::lng(at == std::u16string_view::npos ? 0 : static_cast<int32_t>(at + 1));
}

// InStrRev(string1, string2[, start[, compare]]): start -1 means the end of string1.
VBS_BUILTIN(InStrRev) {
    int32_t start = longArg(args, argc, 2, -1);
    if (start == 0 || start < -1) raise(errInvalidCall);
    bool text = textCompareArg(args, argc, 3);
    if (args[0].isNull() || args[1].isNull()) { result = Value::null(); return; }
    String s = toString(args[0]), what = toString(args[1]);
    if (start == -1) start = static_cast<int32_t>(s.size());
    if (static_cast<uint32_t>(start) > s.size()) { result = Value::lng(0); return; }
    if (what.empty()) { result = Value::lng(start); return; }
    size_t at = findLast(s.view(), what.view(), static_cast<size_t>(start), text);
    result = Value::lng(at == std::u16string_view::npos ? 0 : static_cast<int32_t>(at + 1));
}

VBS_BUILTIN(StrComp) {
    bool text = textCompareArg(args, argc, 2);
    if (args[0].isNull() || args[1].isNull()) { result = Value::null(); return; }
    String a = toString(args[0]), b = toString(args[1]);
    int c = text ? collateText(a.view(), b.view()) : compareBinary(a.view(), b.view());
    result = Value::integer(static_cast<int16_t>(c < 0 ? -1 : c > 0 ? 1 : 0));
}

// Replace(expression, find, replacewith[, start[, count[, compare]]]): the result begins at
// start; the characters before it are dropped.
VBS_BUILTIN(Replace) {
    int32_t start = longArg(args, argc, 3, 1);
    int32_t count = longArg(args, argc, 4, -1);
    if (start < 1 || count < -1) raise(errInvalidCall);
    bool text = textCompareArg(args, argc, 5);
    String s = toString(args[0]), what = toString(args[1]), with = toString(args[2]);
    if (static_cast<uint32_t>(start) > s.size()) { result = Value(String()); return; }
    std::u16string_view v = s.view().substr(static_cast<size_t>(start - 1));
    size_t at = what.empty() || count == 0 ? std::u16string_view::npos : findIn(v, what.view(), 0, text);
    if (at == std::u16string_view::npos) {
        result = start == 1 ? Value(s) : Value(v);
        return;
    }
    String out;
    size_t from = 0;
    while (at != std::u16string_view::npos) {
        pollDeadline();
        out.append(v.substr(from, at - from));
        out.append(with.view());
        from = at + what.size();
        if (count > 0 && --count == 0) break;
        at = findIn(v, what.view(), from, text);
    }
    out.append(v.substr(from));
    result = Value(std::move(out));
}

}  // namespace vbs::builtin
