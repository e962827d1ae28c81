#pragma once
// The shared scratch folder, also written Windows-style for scripts' paths.
#include <string>
#include <string_view>

#include "script/values/string.h"
#include "tests/support/TempFolder.h"

namespace vbs::test {

class TempFolder : public tarvik::testing::TempFolder {
public:
    // The folder written Windows-style: "C:" and backslashes.
    std::u16string windows(std::string_view name = {}) const {
        std::u16string p = u"C:" + utf8ToUtf16(path());
        if (!name.empty()) p += u"\\" + utf8ToUtf16(name);
        for (char16_t& c : p) if (c == u'/') c = u'\\';
        return p;
    }
};

}  // namespace vbs::test
