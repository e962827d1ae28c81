#include "script/compile/bytecode.h"

#include <algorithm>

#include "script/values/text.h"

namespace vbs {

std::u16string foldName(std::u16string_view name) {
    std::u16string r(name);
    for (auto& c : r) c = c < 128 ? (c >= u'A' && c <= u'Z' ? c + 32 : c) : toLower(c);
    return r;
}

std::u16string_view SourceText::line(int n) const {
    std::u16string_view t = text;
    size_t start = 0;
    for (int i = 1; i < n; ++i) {
        size_t nl = t.find(u'\n', start);
        if (nl == std::u16string_view::npos) return {};
        start = nl + 1;
    }
    size_t end = t.find(u'\n', start);
    if (end == std::u16string_view::npos) end = t.size();
    if (end > start && t[end - 1] == u'\r') --end;
    return t.substr(start, end - start);
}

const StmtInfo* Proc::stmtAt(int pc) const {
    auto it = std::upper_bound(stmts.begin(), stmts.end(), pc,
                               [](int at, const StmtInfo& s) { return at < s.start; });
    if (it == stmts.begin()) return nullptr;
    return &*(it - 1);
}

}  // namespace vbs
