#pragma once
// Script strings: immutable-by-contract UTF-16 buffers, reference counted, so passing and assigning a
// string never copies its characters. The empty string has no buffer at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "script/values/memory.h"

namespace vbs {

struct StringRep {
    uint32_t refs;
    uint32_t len;
    uint32_t cap : 31;
    // A byte string (ChrB, MidB...) of odd length: its last byte is the low half of chars[len], and
    // the NUL follows it. Only the byte functions and concatenation see it; everything else sees
    // the len whole characters, as Windows' character functions see such a string.
    uint32_t oddByte : 1;
    char16_t chars[1];  // len characters follow, then a NUL (handy for C APIs)
};

inline bool hasOddByte(const StringRep* r) { return r && r->oddByte; }

// A string buffer's size, as the memory cap counts it.
inline size_t repBytes(uint32_t cap) { return offsetof(StringRep, chars) + (size_t(cap) + 1) * sizeof(char16_t); }
void freeRep(StringRep* r) noexcept;

// Longest string a script may build; beyond it the script gets error 7 (Out of memory).
constexpr uint32_t kMaxStringChars = (1u << 30) - 64;

class String {
public:
    String() noexcept = default;
    String(std::u16string_view s);
    String(const char16_t* s) : String(std::u16string_view(s)) {}
    String(const String& o) noexcept : rep_(o.rep_) { if (rep_) ++rep_->refs; }
    String(String&& o) noexcept : rep_(o.rep_) { o.rep_ = nullptr; }
    ~String() { if (rep_ && --rep_->refs == 0) freeRep(rep_); }
    String& operator=(const String& o) noexcept {
        if (o.rep_) ++o.rep_->refs;
        if (rep_ && --rep_->refs == 0) freeRep(rep_);
        rep_ = o.rep_;
        return *this;
    }
    String& operator=(String&& o) noexcept { std::swap(rep_, o.rep_); return *this; }

    static String fromUtf8(std::string_view s);
    // A string of n characters to be filled by the caller through data(); raises 7 when too long.
    static String uninitialized(size_t n);
    static String concat(std::u16string_view a, std::u16string_view b);
    // The string of these bytes, two to a character (low byte first).
    static String fromBytes(const uint8_t* bytes, size_t n);
    // a's bytes then b's: what & gives when either has an odd byte.
    static String concatBytes(const String& a, const String& b);

    size_t byteSize() const noexcept { return size_t(size()) * 2 + hasOddByte(rep_); }
    uint8_t byteAt(size_t i) const noexcept {  // i < byteSize()
        char16_t unit = rep_->chars[i / 2];
        return static_cast<uint8_t>(i % 2 ? unit >> 8 : unit & 0xFF);
    }

    uint32_t size() const noexcept { return rep_ ? rep_->len : 0; }
    bool empty() const noexcept { return size() == 0; }
    const char16_t* data() const noexcept { return rep_ ? rep_->chars : u""; }
    char16_t* data() noexcept { return rep_ ? rep_->chars : nullptr; }  // only on a fresh, unshared string
    std::u16string_view view() const noexcept { return {data(), size()}; }
    char16_t operator[](size_t i) const noexcept { return rep_->chars[i]; }
    std::string toUtf8() const;

    // Appends in place when this handle is the only owner and has room: the common `s = s & x` loop
    // then runs in amortised linear time instead of quadratic.
    void append(std::u16string_view tail);
    // Drops the characters from n on; only on a fresh, unshared string.
    void truncate(uint32_t n) noexcept {
        rep_->len = n;
        rep_->chars[n] = 0;
    }

    bool operator==(const String& o) const noexcept { return view() == o.view(); }

    // Raw access for Value, which stores the rep in its union.
    StringRep* rep() const noexcept { return rep_; }
    StringRep* detach() noexcept { StringRep* r = rep_; rep_ = nullptr; return r; }
    static String adopt(StringRep* r) noexcept { String s; s.rep_ = r; return s; }

private:
    [[gnu::noinline]] void appendGrown(std::u16string_view tail);  // append into a new buffer

    StringRep* rep_ = nullptr;
};

std::u16string utf8ToUtf16(std::string_view s);
std::string utf16ToUtf8(std::u16string_view s);

}  // namespace vbs
