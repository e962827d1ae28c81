#pragma once
// An instance of a script's Class: its fields, and members dispatched by the VM that created it.
#include <memory>

#include "script/compile/bytecode.h"
#include "script/values/object.h"

namespace vbs {

class VM;

class ScriptObject final : public Object {
public:
    // One allocation holds the object and its fields (New is frequent in class-heavy scripts).
    static ScriptObject* make(VM& vm, ClassInfo* cls);
    ~ScriptObject() override;
    static void operator delete(void* p) { ::operator delete(p); }

    VM& vm;
    ClassInfo* const cls;
    Value* const fields;  // cls->fields.size() of them, right after the object

    std::u16string_view typeName() const override { return cls->name; }
    const void* typeKey() const override { return cls; }
    int memberId(std::u16string_view name) const override;
    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override;

protected:
    // Class_Terminate runs when the last reference goes.
    void destroy() noexcept override;

private:
    ScriptObject(VM& vm, ClassInfo* cls, Value* fields) : vm(vm), cls(cls), fields(fields) {}
    bool terminated_ = false;
};

}  // namespace vbs
