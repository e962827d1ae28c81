#include "script/objects/net_values.h"

#include "script/values/convert.h"
#include "script/values/errors.h"

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

}  // namespace vbs
