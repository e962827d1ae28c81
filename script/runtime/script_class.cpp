#include "script/runtime/script_class.h"

#include <new>

#include "script/runtime/vm.h"

namespace vbs {

static_assert(sizeof(ScriptObject) % alignof(Value) == 0, "the fields follow the object aligned");

ScriptObject* ScriptObject::make(VM& vm, ClassInfo* cls) {
    size_t n = cls->fields.size();
    void* mem = ::operator new(sizeof(ScriptObject) + n * sizeof(Value));
    auto* fields = reinterpret_cast<Value*>(static_cast<char*>(mem) + sizeof(ScriptObject));
    for (size_t i = 0; i < n; ++i) new (fields + i) Value();
    return new (mem) ScriptObject(vm, cls, fields);
}

ScriptObject::~ScriptObject() {
    for (size_t i = cls->fields.size(); i-- > 0;) fields[i].~Value();  // last first, as delete[] did
}

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
