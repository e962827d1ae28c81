#include "script/values/string.h"

#include <cstddef>

#include "script/values/errors.h"

// Spare buffers are poisoned under AddressSanitizer, which would otherwise see no use after free
// of a string whose buffer went back to the spares.
#if defined(__SANITIZE_ADDRESS__)
#define TARVIK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVIK_ASAN 1
#endif
#endif
#ifdef TARVIK_ASAN
#include <sanitizer/asan_interface.h>
#define POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POISON(p, n) ((void)(p), (void)(n))
#define UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace vbs {

namespace {

// Short buffers are kept for reuse, per thread and size class: scripts make and drop short strings
// by the million, and glibc keeps only seven blocks of a size in its fast per-thread cache. Class k
// holds 8k + 5 characters, which with the header and the NUL fills malloc's 16-byte granules exactly,
// so the rounding costs no memory.
constexpr uint32_t kSpareClasses = 16;  // up to 125 characters
constexpr uint32_t kSparesKept = 64;    // per class

uint32_t spareClass(size_t cap) { return static_cast<uint32_t>((cap + 2) / 8); }
uint32_t classCap(uint32_t k) { return 8 * k + 5; }

struct Spares {
    StringRep* head[kSpareClasses] = {};  // linked through the first bytes of each buffer
    uint32_t count[kSpareClasses] = {};
    // Strings freed after this (other thread-locals' teardown) go straight back to malloc.
    ~Spares() {
        for (uint32_t k = 0; k < kSpareClasses; ++k) {
            for (StringRep* r = head[k]; r;) {
                UNPOISON(r, repBytes(classCap(k)));
                StringRep* next = *reinterpret_cast<StringRep**>(r);
                std::free(r);
                r = next;
            }
            head[k] = nullptr;
            count[k] = kSparesKept;
        }
    }
};
thread_local Spares spares;

StringRep* allocate(size_t len, size_t cap) {
    if (cap > kMaxStringChars) raise(errOutOfMemory);
    uint32_t k = spareClass(cap);
    if (k < kSpareClasses) cap = classCap(k);
    size_t bytes = repBytes(static_cast<uint32_t>(cap));
    chargeMemory(bytes);
    StringRep* r;
    if (k < kSpareClasses && (r = spares.head[k])) {
        UNPOISON(r, bytes);
        spares.head[k] = *reinterpret_cast<StringRep**>(r);
        --spares.count[k];
    } else if (!(r = static_cast<StringRep*>(std::malloc(bytes)))) {
        memoryOverLimit(bytes);
    }
    r->refs = 1;
    r->len = static_cast<uint32_t>(len);
    r->cap = static_cast<uint32_t>(cap);
    r->oddByte = 0;
    r->chars[len] = 0;
    return r;
}

}  // namespace

String::String(std::u16string_view s) {
    if (s.empty()) return;
    rep_ = allocate(s.size(), s.size());
    std::memcpy(rep_->chars, s.data(), s.size() * sizeof(char16_t));
}

String String::uninitialized(size_t n) {
    String s;
    if (n) s.rep_ = allocate(n, n);
    return s;
}

String String::concat(std::u16string_view a, std::u16string_view b) {
    String s = uninitialized(a.size() + b.size());
    // An empty side's data may be null, and memcpy from null is undefined even for no bytes.
    if (!a.empty()) std::memcpy(s.rep_->chars, a.data(), a.size() * sizeof(char16_t));
    if (!b.empty()) std::memcpy(s.rep_->chars + a.size(), b.data(), b.size() * sizeof(char16_t));
    return s;
}

String String::fromBytes(const uint8_t* bytes, size_t n) {
    String s;
    if (!n) return s;
    size_t units = n / 2;
    s.rep_ = allocate(units, units + 1);  // room for an odd byte and the NUL after it
    for (size_t k = 0; k < units; ++k)
        s.rep_->chars[k] = static_cast<char16_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8));
    if (n % 2) {
        s.rep_->chars[units] = bytes[n - 1];
        s.rep_->chars[units + 1] = 0;
        s.rep_->oddByte = 1;
    }
    return s;
}

String String::concatBytes(const String& a, const String& b) {
    size_t na = a.byteSize(), nb = b.byteSize();
    if (na + nb > size_t(kMaxStringChars) * 2) raise(errOutOfMemory);
    std::basic_string<uint8_t> bytes(na + nb, 0);
    for (size_t i = 0; i < na; ++i) bytes[i] = a.byteAt(i);
    for (size_t i = 0; i < nb; ++i) bytes[na + i] = b.byteAt(i);
    return fromBytes(bytes.data(), bytes.size());
}

void String::append(std::u16string_view tail) {
    if (tail.empty()) return;
    StringRep* r = rep_;
    if (!r || r->refs != 1 || r->len + tail.size() > r->cap) return appendGrown(tail);
    // In place, the usual case: the growth below is out of line, so this saves no registers.
    std::memcpy(r->chars + r->len, tail.data(), tail.size() * sizeof(char16_t));
    r->len += static_cast<uint32_t>(tail.size());
    r->chars[r->len] = 0;
}

void String::appendGrown(std::u16string_view tail) {
    // Grow geometrically so repeated appends stay linear overall.
    size_t len = size(), need = len + tail.size();
    size_t cap = need < 16 ? 16 : need + need / 2;
    if (cap > kMaxStringChars) cap = need;
    StringRep* r = allocate(need, cap);
    if (len) std::memcpy(r->chars, rep_->chars, len * sizeof(char16_t));
    std::memcpy(r->chars + len, tail.data(), tail.size() * sizeof(char16_t));
    String old = adopt(rep_);
    rep_ = r;
}

std::string String::toUtf8() const { return utf16ToUtf8(view()); }

String String::fromUtf8(std::string_view s) { return String(utf8ToUtf16(s)); }

std::u16string utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        size_t extra;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else { out.push_back(u'\uFFFD'); ++i; continue; }
        if (extra && i + extra >= n) { out.push_back(u'\uFFFD'); break; }
        bool ok = true;
        for (size_t k = 1; k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) { out.push_back(u'\uFFFD'); ++i; continue; }
        i += extra + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

// Out of line: the dispatch loop inlines every release, and the count's thread-local access there
// costs the loop registers.
void freeRep(StringRep* r) noexcept {
    creditMemory(repBytes(r->cap));
    uint32_t k = spareClass(r->cap);
    if (k < kSpareClasses && spares.count[k] < kSparesKept) {
        *reinterpret_cast<StringRep**>(r) = spares.head[k];
        spares.head[k] = r;
        ++spares.count[k];
        POISON(r, repBytes(classCap(k)));
        return;
    }
    std::free(r);
}

}  // namespace vbs
