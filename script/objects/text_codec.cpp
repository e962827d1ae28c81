#include "script/objects/text_codec.h"

#include "script/string.h"

namespace vbs {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Windows-1252 for 0x80..0x9F; the five unassigned bytes map to themselves, as Windows does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isValidUtf8(std::string_view s) {
    size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) { ++i; continue; }
        size_t extra;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= n) return false;
        for (size_t k = 1; k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp < 0xE000))
            return false;
        i += extra + 1;
    }
    return true;
}

std::u16string decodeUtf16(std::string_view s) {
    std::u16string out(s.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(s[2 * i]) |
                                       static_cast<unsigned char>(s[2 * i + 1]) << 8);
    return out;
}

std::u16string decodeCp1252(std::string_view s) {
    std::u16string out(s.size(), u'\0');
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        out[i] = c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c;
    }
    return out;
}

}  // namespace

std::u16string decodeText(std::string_view bytes, bool unicode) {
    if (bytes.starts_with(kUtf16Bom)) return decodeUtf16(bytes.substr(2));
    if (unicode) return decodeUtf16(bytes);
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(3);
    return isValidUtf8(bytes) ? utf8ToUtf16(bytes) : decodeCp1252(bytes);
}

std::string encodeText(std::u16string_view text, bool unicode) {
    if (!unicode) return utf16ToUtf8(text);
    std::string out(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = static_cast<char>(text[i] & 0xFF);
        out[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return out;
}

}  // namespace vbs
