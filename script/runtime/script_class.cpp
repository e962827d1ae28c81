#include "script/runtime/script_class.h"

#include "script/runtime/vm.h"

namespace vbs {

ScriptObject::ScriptObject(VM& v, ClassInfo* c) : vm(v), cls(c), fields(new Value[c->fields.size()]) {}

int ScriptObject::memberId(std::u16string_view name) const {
    auto it = cls->memberIndex.find(foldName(name));
    if (it == cls->memberIndex.end() || !cls->members[it->second].isPublic) return kNoMember;
    return it->second;
}

void ScriptObject::invoke(int id, Invoke kind, Value* args, int argc, Value& result) {
    vm.invokeMember(this, id, kind, args, argc, result);
}

void ScriptObject::destroy() noexcept {
    if (cls->term && !terminated_) {
        terminated_ = true;
        addRef();  // Me stays valid while Class_Terminate runs
        vm.terminate(this);
        release();  // back here with terminated_ set: deletes
        return;
    }
    delete this;
}

}  // namespace vbs
