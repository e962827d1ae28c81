#include "support/TextDecode.h"

#include "script/values/codepage.h"
#include "script/values/string.h"

namespace tarvik {

std::string DecodeText(std::string_view bytes) {
    // Valid UTF-8 without a byte-order mark, the common case, needs no conversion.
    if (!bytes.starts_with("\xEF\xBB\xBF") && vbs::isValidUtf8(bytes)) return std::string(bytes);
    return vbs::utf16ToUtf8(vbs::decodeFileText(bytes));
}

}  // namespace tarvik
