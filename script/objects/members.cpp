#include "script/objects/members.h"

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/text.h"

namespace vbs {

int MemberTable::find(std::u16string_view name) const {
    for (size_t i = 0; i < members_.size(); ++i)
        if (!members_[i].name.empty() && equalsIgnoreCase(members_[i].name, name)) return static_cast<int>(i);
    return kNoMember;
}

const Member* MemberTable::member(int id) const {
    if (id < 0 || static_cast<size_t>(id) >= members_.size() || members_[id].name.empty()) return nullptr;
    return &members_[id];
}

void MemberTable::check(const Member& m, Invoke kind, int argc) {
    if (kind == Invoke::Let || kind == Invoke::Set) {
        if (m.kind != kReadWrite) raise(errWrongArgCount);
        --argc;
    }
    if (argc < m.minArgs || argc > m.maxArgs) raise(errWrongArgCount);
}

String comText(const Value& arg) {
    if (arg.deref().isString()) return arg.deref().string();  // nearly every call: no copy of it first
    Value v = defaultValue(arg);
    if (v.type == Type::Boolean) return String(v.b ? u"-1" : u"0");
    if (v.isNull()) raise(errTypeMismatch);
    return toString(v);
}

void TableObject::invoke(int id, Invoke kind, Value* args, int argc, Value& result) {
    const Member* m = table_.member(id);
    if (!m) raise(errNoSuchMember);
    if (argc > 0 && kind == Invoke::Get && m->kind != kMethod && m->maxArgs == 0) return indexProperty(id, args, argc, result);
    MemberTable::check(*m, kind, argc);
    call(id, kind, args, argc, result);
}

// prop(0) of a property that takes no arguments: it is read, then what it gave is indexed. Out of
// line, so that the usual call saves no registers.
void TableObject::indexProperty(int id, Value* args, int argc, Value& result) {
    Value prop;
    call(id, Invoke::Get, nullptr, 0, prop);
    if (!prop.isObject() || !prop.obj) raise(errWrongArgCount);
    prop.obj->invoke(kDefaultMember, Invoke::Get, args, argc, result);
}

}  // namespace vbs
