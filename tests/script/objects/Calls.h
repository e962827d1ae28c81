#pragma once
// Calls members the way the VM does (name to id, then invoke) and reads results back.
#include <string>
#include <vector>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "tests/script/ErrorOf.h"
#include "script/values/object.h"
#include "script/objects/factory.h"

namespace vbs::test {

inline Value call(const Value& obj, std::u16string_view name, std::vector<Value> args = {},
                  Invoke kind = Invoke::Get) {
    int id = name.empty() ? kDefaultMember : obj.obj->memberId(name);
    if (id == kNoMember) raise(errNoSuchMember);
    Value result;
    obj.obj->invoke(id, kind, args.data(), static_cast<int>(args.size()), result);
    return result;
}

// obj.name(args...) = value
inline void assign(const Value& obj, std::u16string_view name, std::vector<Value> args, Value value) {
    Invoke kind = value.isObject() ? Invoke::Set : Invoke::Let;
    args.push_back(std::move(value));
    call(obj, name, std::move(args), kind);
}

inline std::string text(const Value& v) { return toString(v).toUtf8(); }

// For Each, collected.
inline std::vector<std::string> each(const Value& obj) {
    std::vector<std::string> out;
    auto e = obj.obj->enumerate();
    for (Value v; e->next(v);) out.push_back(v.isObject() ? text(call(v, u"")) : text(v));
    return out;
}

}  // namespace vbs::test
