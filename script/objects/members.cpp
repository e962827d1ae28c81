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

void MemberTable::check(int id, Invoke kind, int argc) const {
    if (id < 0 || static_cast<size_t>(id) >= members_.size() || members_[id].name.empty())
        raise(errNoSuchMember);
    const Member& m = members_[id];
    if (kind == Invoke::Let || kind == Invoke::Set) {
        if (m.kind != kReadWrite) raise(errWrongArgCount);
        --argc;
    }
    if (argc < m.minArgs || argc > m.maxArgs) raise(errWrongArgCount);
}

bool MemberTable::plainProperty(int id) const {
    return id >= 0 && static_cast<size_t>(id) < members_.size() && !members_[id].name.empty() &&
           members_[id].kind != kMethod && members_[id].maxArgs == 0;
}

String comText(const Value& arg) {
    Value v = defaultValue(arg);
    if (v.type == Type::Boolean) return String(v.b ? u"-1" : u"0");
    if (v.isNull()) raise(errTypeMismatch);
    return toString(v);
}

void TableObject::invoke(int id, Invoke kind, Value* args, int argc, Value& result) {
    if (argc > 0 && kind == Invoke::Get && table_.plainProperty(id)) {
        // m.SubMatches(0): a property without arguments is read, then what it gave is indexed.
        Value prop;
        call(id, Invoke::Get, nullptr, 0, prop);
        if (!prop.isObject() || !prop.obj) raise(errWrongArgCount);
        prop.obj->invoke(kDefaultMember, kind, args, argc, result);
        return;
    }
    table_.check(id, kind, argc);
    call(id, kind, args, argc, result);
}

}  // namespace vbs
