#include "script/mid_statement.h"

#include <algorithm>
#include <string>

#include "script/convert.h"
#include "script/errors.h"

namespace vbs {

void midAssign(Value& target, const Value& start, const Value& length, const Value& text) {
    Value& t = target.deref();
    if (t.isNull() || start.isNull() || length.isNull()) raise(errInvalidNull);
    String s = toString(t);
    String with = toString(text);
    int32_t from = toLong(start);
    int32_t count = length.type == Type::Error ? with.size() : toLong(length);
    if (from < 1 || count < 0) raise(errInvalidCall);
    if (static_cast<uint32_t>(from) > s.size()) return;
    size_t n = std::min<size_t>({static_cast<size_t>(count), with.size(), s.size() - (from - 1)});
    std::u16string chars(s.view());
    chars.replace(from - 1, n, with.view().substr(0, n));
    t = Value(String(chars));
}

}  // namespace vbs
