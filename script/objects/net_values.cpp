#include "script/objects/net_values.h"

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/text.h"

namespace vbs {

void netError(int32_t hresult, std::u16string description) {
    ScriptError e;
    e.number = hresult;
    e.description = std::move(description);
    e.source = u"mscorlib";
    throw e;
}

Value netStored(const Value& v) {
    const Value& x = v.deref();
    return x.isObject() && !x.obj ? Value() : x;
}

bool netEqual(const Value& a, const Value& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
        case Type::Empty:
        case Type::Null: return true;
        case Type::String: return a.strView() == b.strView();
        case Type::Object: return a.obj == b.obj;
        case Type::Array: return false;
        case Type::Boolean: return a.b == b.b;
        default: return toDouble(a) == toDouble(b);
    }
}

namespace {

// .NET's culture order (en-US): StrComp's text order, then lower case before upper case.
int cultureCompare(std::u16string_view a, std::u16string_view b) {
    if (int c = collateText(a, b)) return c;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) return a[i] == toLower(a[i]) ? -1 : b[i] == toLower(b[i]) ? 1 : a[i] < b[i] ? -1 : 1;
    return compareBinary(a, b);
}

}  // namespace

bool netLess(const Value& a, const Value& b) {
    if (a.isEmpty() || b.isEmpty()) return a.isEmpty() && !b.isEmpty();
    switch (a.type) {
        case Type::String: return cultureCompare(a.strView(), b.strView()) < 0;
        case Type::Boolean: return a.b < b.b;
        case Type::Null: return false;
        default: return toDouble(a) < toDouble(b);
    }
}

}  // namespace vbs
