#include "script/values/text.h"

#include <cstring>
#include <cwctype>
#include <locale.h>

namespace vbs {

namespace {

// Both directions for the whole BMP, built once from glibc's C.UTF-8 tables so the answer never
// depends on the locale the process happens to run in. Surrogates map to themselves.
struct CaseTables {
    char16_t upper[0x10000];
    char16_t lower[0x10000];

    CaseTables() {
        locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
        for (unsigned c = 0; c < 0x10000; ++c) {
            upper[c] = lower[c] = static_cast<char16_t>(c);
            if (!loc || (c >= 0xD800 && c <= 0xDFFF)) continue;
            wint_t u = towupper_l(static_cast<wint_t>(c), loc);
            wint_t l = towlower_l(static_cast<wint_t>(c), loc);
            // A mapping that leaves the BMP would need a second code unit: keep such letters as they are.
            if (u < 0x10000) upper[c] = static_cast<char16_t>(u);
            if (l < 0x10000) lower[c] = static_cast<char16_t>(l);
        }
        // Without the locale, ASCII at least must work.
        if (!loc) {
            for (unsigned c = 'a'; c <= 'z'; ++c) upper[c] = static_cast<char16_t>(c - 32);
            for (unsigned c = 'A'; c <= 'Z'; ++c) lower[c] = static_cast<char16_t>(c + 32);
        } else {
            freelocale(loc);
        }
    }
};

// Building the tables costs millions of instructions: ASCII, which all names and most text are, is
// mapped inline, so a script without other letters never builds them.
const CaseTables& tables() {
    static const CaseTables* t = new CaseTables;  // never freed: used until the very end
    return *t;
}

inline char16_t upperOf(char16_t c) {
    if (c < 0x80) return c >= 'a' && c <= 'z' ? static_cast<char16_t>(c - 32) : c;
    return tables().upper[c];
}

inline char16_t lowerOf(char16_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c;
    return tables().lower[c];
}

template <bool Upper>
char16_t mapUnit(char16_t c) { return Upper ? upperOf(c) : lowerOf(c); }

template <bool Upper>
uint64_t mapBlock(uint64_t units) {
    if (!(units & kBlockNonAscii)) return asciiCaseBlock<Upper>(units);
    uint64_t out = 0;
    for (int shift = 0; shift < 64; shift += 16)
        out |= uint64_t{mapUnit<Upper>(static_cast<char16_t>(units >> shift))} << shift;
    return out;
}

uint64_t load(const char16_t* p) {
    uint64_t units;
    std::memcpy(&units, p, sizeof units);
    return units;
}

template <bool Upper>
String mapCase(const String& s) {
    const char16_t* p = s.data();
    size_t n = s.size(), i = 0;
    while (i + 4 <= n && mapBlock<Upper>(load(p + i)) == load(p + i)) i += 4;
    while (i < n && mapUnit<Upper>(p[i]) == p[i]) ++i;
    if (i == n) return s;
    String out = String::uninitialized(n);
    char16_t* d = out.data();
    std::memcpy(d, p, i * sizeof(char16_t));
    for (; i + 4 <= n; i += 4) {
        uint64_t units = mapBlock<Upper>(load(p + i));
        std::memcpy(d + i, &units, sizeof units);
    }
    for (; i < n; ++i) d[i] = mapUnit<Upper>(p[i]);
    return out;
}

}  // namespace

char16_t toUpper(char16_t c) { return upperOf(c); }
char16_t toLower(char16_t c) { return lowerOf(c); }
uint64_t lowerBlockSlow(uint64_t units) { return mapBlock<false>(units); }

String upper(const String& s) { return mapCase<true>(s); }
String lower(const String& s) { return mapCase<false>(s); }

int compareBinary(std::u16string_view a, std::u16string_view b) {
    // u16string_view compares char16_t as unsigned code units, which is what binary mode means.
    int r = a.compare(b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

// Text mode folds to lower case: that keeps ASCII punctuation such as "_" before the letters, as
// Windows' text comparison orders them.
int compareText(std::u16string_view a, std::u16string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        char16_t x = lowerOf(a[i]), y = lowerOf(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

namespace {

// The base letter of U+00C0..U+017F ('.': none); the ligatures give their first letter here.
constexpr char kBaseLetters[] =
    "aaaaaaaceeeeiiiidnooooo.ouuuuy.saaaaaaaceeeeiiiidnooooo.ouuuuy.y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkk.lllllll"
    "lllnnnnnnn..oooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

// The second letter of a ligature that sorts as two letters, or 0.
char16_t ligatureTail(char16_t c) {
    switch (c) {
        case 0xDF: return u's';
        case 0xC6: case 0xE6: case 0x152: case 0x153: return u'e';
        case 0x132: case 0x133: return u'j';
        default: return 0;
    }
}

bool isSymbol(char16_t c) {
    if (c < 0x80) return !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    return c < 0xC0 || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F);
}

// Walks a string as sort weights: symbols, then digits, then letters, each class after the
// previous one; hyphens and apostrophes have none.
struct Weights {
    std::u16string_view s;
    size_t i = 0;
    char16_t tail = 0;
    bool expanded = false;  // met a ligature: "ß" weighs as "ss"

    bool next(uint32_t& weight, uint32_t& accent) {
        accent = 0;
        if (tail) { weight = 0x20000u + tail; tail = 0; return true; }
        while (i < s.size() && (s[i] == u'-' || s[i] == u'\'')) ++i;
        if (i == s.size()) return false;
        char16_t c = s[i++];
        if (isSymbol(c)) { weight = c; return true; }
        if (c <= '9') { weight = 0x10000u + c; return true; }
        char16_t l = lowerOf(c);
        if (l < 0x80) { weight = 0x20000u + l; return true; }
        if (l >= 0xC0 && l < 0x180 && kBaseLetters[l - 0xC0] != '.') {
            weight = 0x20000u + static_cast<unsigned char>(kBaseLetters[l - 0xC0]);
            tail = ligatureTail(l);
            if (!tail) accent = l;
            expanded = expanded || tail;
            return true;
        }
        weight = 0x30000u + l;
        return true;
    }
};

size_t ignorables(std::u16string_view s) {
    size_t n = 0;
    for (char16_t c : s) n += c == u'-' || c == u'\'';
    return n;
}

}  // namespace

int collateText(std::u16string_view a, std::u16string_view b) {
    Weights x{a}, y{b};
    int accents = 0;
    for (;;) {
        uint32_t wa, aa, wb, ab;
        bool more = x.next(wa, aa), other = y.next(wb, ab);
        if (!more || !other) {
            if (more != other) return more ? 1 : -1;
            break;
        }
        if (wa != wb) return wa < wb ? -1 : 1;
        if (!accents && aa != ab) accents = aa < ab ? -1 : 1;
    }
    if (accents) return accents;
    size_t ha = ignorables(a), hb = ignorables(b);
    if (ha != hb) return ha < hb ? -1 : 1;  // "coop" before "co-op"
    // What is left is case, which text mode ignores, a ligature against its letters ("ß" is
    // "ss", as Windows has it), or where the hyphens stand.
    return x.expanded || y.expanded ? 0 : compareText(a, b);
}

bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    size_t i = 0;
    for (; i + 4 <= a.size(); i += 4) {
        uint64_t x = load(a.data() + i), y = load(b.data() + i);
        if (x != y && lowerBlock(x) != lowerBlock(y)) return false;
    }
    for (; i < a.size(); ++i)
        if (a[i] != b[i] && lowerOf(a[i]) != lowerOf(b[i])) return false;
    return true;
}

}  // namespace vbs
