#pragma once
// The virtual machine: runs compiled procedures on one value stack. Each engine owns one VM; nothing
// is shared between VMs.
#include <chrono>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "script/compile/bytecode.h"
#include "script/runtime/context.h"
#include "script/values/deadline.h"
#include "script/values/errors.h"
#include "script/values/object.h"
#include "script/runtime/profile.h"

namespace vbs {

class ErrObject;
class ScriptObject;

// The variables Execute creates in one call of a procedure (by Dim, or by assigning a name nothing
// knows), kept in a hidden local of that call so that later Execute and Eval calls see them.
// Compiled code points straight at the values.
class ExecuteScope final : public Object {
public:
    Value* find(const std::u16string& key) {
        auto it = names_.find(key);
        return it == names_.end() ? nullptr : it->second;
    }
    Value* add(const std::u16string& key) {
        Value*& v = names_[key];
        if (!v) v = &values_.emplace_back();
        return v;
    }
    // Never reaches a script: these only satisfy Object.
    std::u16string_view typeName() const override { return u"Object"; }
    const void* typeKey() const override { return &names_; }
    int memberId(std::u16string_view) const override { return kNoMember; }
    void invoke(int, Invoke, Value*, int, Value&) override {}

private:
    std::deque<Value> values_;  // a deque: values never move as it grows
    std::unordered_map<std::u16string, Value*> names_;  // folded
};

class VM {
public:
    explicit VM(int timeoutMs);
    ~VM();
    VM(const VM&) = delete;
    VM& operator=(const VM&) = delete;

    Context ctx;

    // Script-wide names, shared by every unit (folded keys).
    std::deque<Value> globals;  // a deque: ByRef references to globals stay valid as it grows
    std::unordered_map<std::u16string, int> globalIndex;
    std::unordered_map<std::u16string, Proc*> procs;
    std::unordered_map<std::u16string, ClassInfo*> classes;
    std::unordered_map<std::u16string, Value> consts;
    std::unordered_set<int> hostGlobals;  // Err and the host's objects: released after the script's
    std::vector<std::unique_ptr<Unit>> units;
    ErrObject* err = nullptr;

    int addGlobal(std::u16string_view name);

    // Compiles source whole, then runs its top-level code: AddCode and ExecuteGlobal, or with scope
    // Execute in a call of that procedure (outer: its locals; vars: the variables Execute created).
    void addCode(std::u16string_view source, const Proc* scope = nullptr, ScriptObject* me = nullptr,
                 Value* outer = nullptr, ExecuteScope* vars = nullptr, bool explicitNames = false);
    // Calls p with host values; each args[i] is passed by reference.
    Value callFromHost(Proc* p, Value* const* args, int argc);
    // A member of one of this VM's script objects, with plain argument values (Object::invoke).
    void invokeMember(ScriptObject* o, int id, Invoke kind, Value* args, int argc, Value& result);
    // Calls p with its argc arguments at sp_ (sp_[0] is the first); clears them.
    void call(Proc* p, int argc, ScriptObject* me, Value* outer, Value& result);
    // Runs Class_Initialize / Class_Terminate.
    Value newObject(ClassInfo* cls);
    void terminate(ScriptObject* o) noexcept;
    // Rethrows a host exception Class_Terminate raised, if any.
    void throwPending();

    // Host entry: arms the time-out for one call from the host.
    struct Entry {
        VM& vm;
        MemoryCap cap;
        const Locale* outerLocale;  // the thread's locale before this engine's call
        explicit Entry(VM& v);
        ~Entry();
    };

    void setTimeout(int ms) { timeoutMs_ = ms; }
    size_t memoryLimit = size_t(1) << 30;

    // Times every call from now on; off until then (see profile.h). Started again, it forgets the
    // figures so far.
    void startProfile();
    const Profile* profile() const { return profile_.get(); }
    // The profile's id for a line of p, for code compiled while profiling.
    int profileLine(Proc* p, int line);

    Value* sp_ = nullptr;  // where the next call's arguments go

private:
    friend class ErrObject;
    void execute(Proc* p, Value* locals, ScriptObject* me, Value* outer);
    Value* namedValue(Instr& I, Value* locals);
    Value& mustNameValue(Instr& I, Value* locals);
    void activate(Proc* callee, Value* frame, ScriptObject* self, Value* scope);
    // A store that is not the plain one: through a ByRef parameter, over something counted, of an
    // object's default value (without Set).
    void storeSlow(Value& dst, Value* src, bool set);
    // An instruction on frame slots (Op::Add) done in general; answers the new stack top.
    Value* slotOp(const Instr& I, Value* locals, const Value* consts, Value* sp);
    void checkClock();
    void memberOp(MemberSite& site, Invoke kind, Value* base, int argc, Value& result);
    // Fills the site's direct target for a script class (MemberSite::proc, field).
    void cacheScriptMember(MemberSite& site, Invoke kind, int argc);
    void scriptMember(ScriptObject* o, int id, Invoke kind, Value* args, int argc, Value& result);
    void index(Value& container, Value* args, int argc, Value& result);
    bool lateValue(NameSite& site, Value& result);
    void callName(NameSite& site, int argc, Value& result, uint8_t flags, Value* implicitLocal);
    Value evalText(std::u16string_view text, int mode, Proc* p, ScriptObject* me, Value* locals,
                   Value* outer);
    void unpin(size_t mark);
    // v, about to be stored through a ByRef parameter, as text when the parameter is an element of
    // a String array (Split's, Filter's).
    void textElement(const Value* target, Value& v, bool isSet);
    int profileFunction(Proc* p);
    void profileEnter(Proc* p);
    void profiledBuiltin(const Builtin& b, Value* args, int argc, Value& result);
    void profiledInvoke(Object& o, int id, std::u16string_view name, Invoke kind, Value* args, int argc,
                        Value& result);

    // The value stack comes as zeroed pages straight from the kernel (an all-zero Value is Empty):
    // the part a script never reaches costs neither time nor memory, and only the part below
    // stackHigh_, the highest frame top so far, can hold anything to release.
    struct StackPages {
        void operator()(Value* v) const;
    };
    std::unique_ptr<Value[], StackPages> stack_;
    Value* stackEnd_ = nullptr;
    Value* stackHigh_ = nullptr;
    // A script procedure's caller while the procedure runs in the same execute().
    struct CallerFrame {
        Proc* p;
        Instr* ip;
        Value* locals;
        Value* ret;  // where the callee's value goes; the caller's stack resumes above it
        ScriptObject* me;
        Value* outer;
        size_t pinMark;
        bool resumeNext;
    };
    std::unique_ptr<CallerFrame[]> frames_;  // one per call depth: never reallocated
    // What execute() knows of the running frame besides ip, sp and locals (see there).
    struct Running {
        Proc* p;
        Instr* code;
        const Value* consts;
        ScriptObject* me;
        Value* outer;
        size_t pinMark;
        bool resumeNext;
    };
    Running run_{};
    size_t frameCount_ = 0;
    std::vector<ArrayRep*> pins_;  // arrays with an element passed ByRef
    int depth_ = 0;
    int hostDepth_ = 0;
    const char* stackFloor_ = nullptr;  // calls below this address raise Out of stack space
    int timeoutMs_;
    Deadline deadline_;
    bool aborting_ = false;
    std::exception_ptr pending_;
    std::unique_ptr<Profile> profile_;
};

}  // namespace vbs
