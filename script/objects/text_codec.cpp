#include "script/objects/text_codec.h"

#include "script/values/codepage.h"
#include "script/values/string.h"

namespace vbs {

std::u16string decodeText(std::string_view bytes, bool unicode) {
    if (!unicode) return decodeAnsiText(bytes);
    if (bytes.starts_with(kUtf16Bom)) bytes.remove_prefix(kUtf16Bom.size());
    return decodeUtf16(bytes, false);
}
std::string encodeText(std::u16string_view text, bool unicode) {
    if (!unicode) {
        std::string out(text.size(), '\0');
        for (size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(toWindows1252(text[i]));
        return out;
    }
    std::string out(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = static_cast<char>(text[i] & 0xFF);
        out[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return out;
}

}  // namespace vbs
