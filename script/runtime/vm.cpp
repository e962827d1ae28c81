#include "script/runtime/vm.h"

#include <pthread.h>
#include <sys/mman.h>
#include <algorithm>
#include <typeinfo>
#include <utility>

#include "script/compile/compiler.h"
#include "script/values/convert.h"
#include "script/values/locale.h"
#include "script/runtime/err_object.h"
#include "script/objects/debug_object.h"
#include "script/values/operators.h"
#include "script/syntax/parser.h"
#include "script/runtime/script_class.h"
#include "script/runtime/array_ops.h"
#include "script/runtime/vm_support.h"

namespace vbs {

namespace {

constexpr size_t kStackSlots = 1 << 18;  // 4 MB of Values per engine
constexpr size_t kStackReserve = 256 << 10;    // native stack kept free below the deepest call
constexpr ptrdiff_t kFallbackStack = 1 << 20;  // when the thread's stack size is unknown

// The lowest address script calls may reach on this thread's stack. The thread's stack bounds are
// read once per thread: for the main thread glibc parses /proc/self/maps, dearer than a whole query.
const char* stackFloor(const char* here) {
    struct Bounds {
        void* lo = nullptr;
        size_t size = 0;
        Bounds() {
            pthread_attr_t attr;
            if (pthread_getattr_np(pthread_self(), &attr) == 0) {
                pthread_attr_getstack(&attr, &lo, &size);
                pthread_attr_destroy(&attr);
            }
        }
    };
    thread_local const Bounds bounds;
    void* lo = bounds.lo;
    size_t size = bounds.size;
    const char* low = static_cast<const char*>(lo);
    if (!lo || size <= kStackReserve * 2 || here < low || here > low + size) return here - kFallbackStack;
    return low + kStackReserve;
}

static_assert(static_cast<int>(Type::Empty) == 0, "the value stack starts as zeroed memory");

Value* mapStack() {
    void* m = mmap(nullptr, kStackSlots * sizeof(Value), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m == MAP_FAILED) throw std::bad_alloc();
    return static_cast<Value*>(m);
}

// ScriptObject is final, so comparing the dynamic type is exact, and much cheaper than a
// dynamic_cast on every d(key) read.
ScriptObject* asScriptObject(Object* o) {
    return typeid(*o) == typeid(ScriptObject) ? static_cast<ScriptObject*>(o) : nullptr;
}

}  // namespace

// ---- lifetime ----

void VM::StackPages::operator()(Value* v) const { munmap(v, kStackSlots * sizeof(Value)); }

VM::VM(int timeoutMs)
    : stack_(mapStack()), frames_(new CallerFrame[kMaxDepth + 1]), timeoutMs_(timeoutMs) {
    sp_ = stack_.get();
    stackEnd_ = stack_.get() + kStackSlots;
    stackHigh_ = sp_;
    err = new ErrObject;
    err->addRef();  // the VM's own reference: the script may assign to Err
    int slot = addGlobal(u"Err");
    globals[slot] = Value::object(err);
    hostGlobals.insert(slot);
}

VM::~VM() {
    // Objects still referenced when the script ends run Class_Terminate, in declaration order.
    Entry entry(*this);
    for (size_t i = 0; i < globals.size(); ++i)
        if (!hostGlobals.count(static_cast<int>(i))) globals[i] = Value();
    for (auto& g : globals) g = Value();
    for (auto& [k, v] : consts) v = Value();
    clearRange(stack_.get(), stackHigh_);
    err->release();
}

int VM::addGlobal(std::u16string_view name) {
    int slot = static_cast<int>(globals.size());
    globals.emplace_back();
    globalIndex[foldName(name)] = slot;
    return slot;
}

VM::Entry::Entry(VM& v) : vm(v), cap(v.memoryLimit), outerLocale(currentLocale) {
    currentLocale = vm.ctx.locale;
    if (vm.hostDepth_++ == 0) {
        char probe;
        vm.stackFloor_ = stackFloor(&probe);
        vm.aborting_ = false;
        vm.deadline_.arm(vm.timeoutMs_);
    }
}

VM::Entry::~Entry() {
    currentLocale = outerLocale;
    if (--vm.hostDepth_ == 0) {
        vm.stackFloor_ = nullptr;
        vm.deadline_.disarm();
    }
}

void VM::checkClock() {
    throwPending();
    if (hostDepth_ > 0 && deadline_.expired()) {
        aborting_ = true;
        raiseTimedOut(timeoutMs_);
    }
}

// ---- calls ----

void VM::call(Proc* p, int argc, ScriptObject* me, Value* outer, Value& result) {
    Value* args = sp_;
    Value* const saved = sp_;
    Value* const top = args + p->frameSize;
    char probe;
    if (argc != p->nparams || top >= stackEnd_ || depth_ >= kMaxDepth ||
        &probe < stackFloor_) {
        clearRange(args, args + argc);
        raise(argc != p->nparams ? errWrongArgCount : errOutOfStack);
    }
    if (top > stackHigh_) stackHigh_ = top;
    if (deadline_.tripped()) checkClock();
    if (p->anyByVal)
        for (int i = 0; i < argc; ++i)
            if (args[i].type == Type::Ref && p->byVal[i]) {
                Value* target = args[i].ref;
                args[i].type = Type::Empty;
                copyInto(&args[i], *target);
            }
    clearRange(args + argc, args + p->nlocals);
    ++depth_;
    sp_ = top;
    if (profile_) [[unlikely]] profileEnter(p);
    try {
        execute(p, args, me, outer);
    } catch (...) {
        --depth_;
        clearRange(args, top);
        sp_ = saved;
        if (profile_) profile_->leave();
        throw;
    }
    --depth_;
    if (p->retSlot >= 0) moveInto(result, &args[p->retSlot]);
    clearRange(args, args + p->nlocals);
    sp_ = saved;
    if (profile_) [[unlikely]] profile_->leave();
}

Value VM::callFromHost(Proc* p, Value* const* args, int argc) {
    Entry entry(*this);
    for (int i = 0; i < argc; ++i) {  // nothing counted lies above the stack top
        sp_[i].type = Type::Ref;
        sp_[i].ref = &args[i]->deref();
    }
    Value result;
    call(p, argc, nullptr, nullptr, result);
    return result;
}

void VM::invokeMember(ScriptObject* o, int id, Invoke kind, Value* args, int argc, Value& result) {
    Value* base = sp_;
    if (base + argc >= stackEnd_) raise(errOutOfStack);
    for (int i = 0; i < argc; ++i) base[i] = args[i];
    sp_ = base + argc;
    try {
        scriptMember(o, id, kind, base, argc, result);
    } catch (...) {
        for (Value* v = base; v < base + argc; ++v) *v = Value();
        sp_ = base;
        throw;
    }
    for (Value* v = base; v < base + argc; ++v) *v = Value();
    sp_ = base;
}

// A member of a script object. args lie on the VM stack and may be references (ByRef).
void VM::scriptMember(ScriptObject* o, int id, Invoke kind, Value* args, int argc, Value& result) {
    ClassInfo* cls = o->cls;
    if (id < 0 || id >= static_cast<int>(cls->members.size())) raise(errNoSuchMember);
    const auto& m = cls->members[id];
    auto run = [&](Proc* p) {
        if (!p) raise(id == kDefaultMember && m.name.empty() ? errNoSuchMember : errWrongArgCount);
        sp_ = args;
        call(p, argc, o, nullptr, result);
    };
    if (m.field >= 0) {
        Value& f = o->fields[m.field];
        if (kind == Invoke::Get || kind == Invoke::Call) {
            if (argc == 0) result = f;
            else index(f, args, argc, result);
            return;
        }
        Value v = args[argc - 1].deref();
        if (argc == 1) {
            if (kind == Invoke::Let) letValue(v);
            else if (!v.isObject()) raise(errObjectRequired);
            f = std::move(v);
            return;
        }
        storeElement(f, args, argc - 1, std::move(v), kind == Invoke::Set);
        return;
    }
    if (m.method) {
        if (kind == Invoke::Let || kind == Invoke::Set) raise(errWrongArgCount);
        run(m.method);
        return;
    }
    switch (kind) {
        case Invoke::Get:
        case Invoke::Call:
            if (m.get && m.get->nparams == 0 && argc > 0) {  // obj.List(0): index what the property answers
                Value whole;
                sp_ = args + argc;
                call(m.get, 0, o, nullptr, whole);
                index(whole, args, argc, result);
                break;
            }
            run(m.get);
            break;
        case Invoke::Let: run(m.let); break;
        case Invoke::Set: run(m.set); break;
    }
}

void VM::cacheScriptMember(MemberSite& site, Invoke kind, int argc) {
    site.proc = nullptr;
    site.field = -1;
    if (!site.cls) return;
    const auto& m = site.cls->members[site.id];
    if (m.field >= 0) {
        if (argc == 0 && (kind == Invoke::Get || kind == Invoke::Call)) site.field = m.field;
        return;
    }
    Proc* p = nullptr;
    switch (kind) {
        case Invoke::Get:
        case Invoke::Call: p = m.method ? m.method : m.get; break;
        case Invoke::Let: p = m.method ? nullptr : m.let; break;
        case Invoke::Set: p = m.method ? nullptr : m.set; break;
    }
    if (p && p->nparams == argc) site.proc = p;
}

void VM::memberOp(MemberSite& site, Invoke kind, Value* base, int argc, Value& result) {
    if (kind == Invoke::Let && base[argc].isObject()) base[argc] = defaultValue(base[argc]);
    Value& target = base[0];
    if (target.type != Type::Object || !target.obj) raise(errObjectRequired);  // Nothing too, as on Windows
    Object* obj = target.obj;
    if (site.typeKey != obj->typeKey()) {
        int id = obj->memberId(site.name);
        if (id == kNoMember) raiseNamed(errNoSuchMember, site.name);
        auto* so = asScriptObject(obj);
        site.cls = so && &so->vm == this ? so->cls : nullptr;
        site.typeKey = obj->typeKey();
        site.id = id;
        cacheScriptMember(site, kind, argc);
    }
    if (site.cls) {
        scriptMember(static_cast<ScriptObject*>(obj), site.id, kind, base + 1, argc, result);
        return;
    }
    for (int i = 1; i <= argc; ++i)
        if (base[i].type == Type::Ref) base[i] = Value(*base[i].ref);
    try {
        if (profile_) [[unlikely]] profiledInvoke(*obj, site.id, site.name, kind, base + 1, argc, result);
        else obj->invoke(site.id, kind, base + 1, argc, result);
    } catch (const ScriptError& e) {
        // obj.Items(0): a property without parameters, indexed (what COM's dispatch does).
        if (e.number != errWrongArgCount || kind != Invoke::Get || argc == 0) throw;
        Value whole;
        obj->invoke(site.id, kind, nullptr, 0, whole);
        index(whole, base + 1, argc, result);
    }
}

// container(args): an array element or the object's default member.
void VM::index(Value& container, Value* args, int argc, Value& result) {
    Value& c = container.deref();
    for (int i = 0; i < argc; ++i)
        if (args[i].type == Type::Ref) args[i] = Value(*args[i].ref);
    if (indexable(c, args, argc)) {
        result = element(c.arr, args, argc);
        return;
    }
    if (c.type == Type::Object) {
        if (!c.obj) raise(errObjectNotSet);
        Ref<Object> keep(c.obj);  // the call may overwrite the container (a temporary, or a variable)
        if (auto* so = asScriptObject(c.obj); so && &so->vm == this) {
            scriptMember(so, kDefaultMember, Invoke::Get, args, argc, result);
        } else if (profile_) [[unlikely]] {
            profiledInvoke(*c.obj, kDefaultMember, u"", Invoke::Get, args, argc, result);
        } else {
            c.obj->invoke(kDefaultMember, Invoke::Get, args, argc, result);
        }
        return;
    }
    if (argc == 0) {
        result = c;
        return;
    }
    raise(errTypeMismatch);
}

// The value of a name unknown when the code was compiled that is no variable: a function or a
// constant that Execute or ExecuteGlobal defined since. The caller has set sp_.
bool VM::lateValue(NameSite& site, Value& result) {
    if (auto it = procs.find(site.key); it != procs.end()) {
        call(it->second, 0, nullptr, nullptr, result);
        return true;
    }
    if (auto it = consts.find(site.key); it != consts.end()) {
        result = it->second;
        return true;
    }
    // The intrinsic Debug object comes after every script name: scripts keep debug variables.
    if (site.key == u"debug") {
        result = newDebugObject();
        return true;
    }
    return false;
}

// A call of a name unknown when the code was compiled: a procedure or a global variable defined
// since, or else the procedure's own undeclared variable. The arguments are at sp_.
void VM::callName(NameSite& site, int argc, Value& result, uint8_t flags, Value* implicitLocal) {
    if (!site.proc) {
        auto it = procs.find(site.key);
        if (it != procs.end()) site.proc = it->second;
    }
    if (site.proc) {
        call(site.proc, argc, nullptr, nullptr, result);
        if (flags & kByRefArgument) pins_.push_back(nullptr);
        return;
    }
    auto g = globalIndex.find(site.key);
    Value* var = g != globalIndex.end() ? &globals[g->second] : implicitLocal;
    if (!var) raiseNamed(flags & kExplicitNames ? errVariableUndefined : errTypeMismatch, site.name);
    Value& t = var->deref();
    if ((flags & kByRefArgument) && indexable(t, sp_, argc)) {
        ArrayRep* a = ownArray(t);
        Value& e = element(a, sp_, argc);
        ++a->refs;
        ++a->locks;
        pins_.push_back(a);
        result = Value::reference(&e);
        return;
    }
    index(*var, sp_, argc, result);
    if (flags & kByRefArgument) pins_.push_back(nullptr);
}

Value VM::newObject(ClassInfo* cls) {
    auto* o = ScriptObject::make(*this, cls);
    Value v = Value::object(o);
    for (size_t i = 0; i < cls->fields.size(); ++i) {
        const auto& f = cls->fields[i];
        if (f.isArray) dimArray(o->fields[i], f.bounds.data(), static_cast<int>(f.bounds.size()));
    }
    if (cls->init) {
        Value r;
        call(cls->init, 0, o, nullptr, r);
    }
    return v;
}

void VM::terminate(ScriptObject* o) noexcept {
    FreeNow now;
    bool wasAborting = aborting_;
    try {
        Value r;
        call(o->cls->term, 0, o, nullptr, r);
    } catch (const ScriptError&) {
        // An error in Class_Terminate has nowhere to go, but a time-out it ran into still ends
        // the script, as a Quit does, reported where the script stops.
        if (aborting_ && !wasAborting && !pending_) {
            pending_ = std::make_exception_ptr(timedOut(timeoutMs_));
            deadline_.trip();
        }
    } catch (...) {
        // The host's own (WScript.Quit) cannot leave a release: the script stops at its next call
        // or loop, which the tripped flag sends through checkClock().
        if (!pending_) pending_ = std::current_exception();
        deadline_.trip();
    }
}

void VM::throwPending() {
    if (!pending_) return;
    aborting_ = true;
    std::rethrow_exception(std::exchange(pending_, nullptr));
}

void VM::textElement(const Value* target, Value& v, bool isSet) {
    for (ArrayRep* a : pins_) {
        if (!a || a->elemVarType != vtString || a->data.empty()) continue;
        if (target < a->data.data() || target >= a->data.data() + a->data.size()) continue;
        if (isSet) raise(errTypeMismatch);
        v = Value(toString(v));
        return;
    }
}

void VM::unpin(size_t mark) {
    while (pins_.size() > mark) {
        ArrayRep* a = pins_.back();
        pins_.pop_back();
        if (!a) continue;  // a ByRef argument that was no array element after all
        --a->locks;
        Value release = Value::array(a);
        --a->refs;  // the pin's own reference goes with `release`
    }
}

// ---- Eval, Execute, ExecuteGlobal, AddCode ----

void VM::addCode(std::u16string_view source, const Proc* scope, ScriptObject* me, Value* outer,
                 ExecuteScope* vars, bool explicitNames) {
    auto text = std::make_shared<SourceText>();
    text->text = std::u16string(source);
    std::unique_ptr<Unit> unit;
    try {
        ast::Program program = parse(text->text);
        program.optionExplicit = program.optionExplicit || explicitNames;
        unit = compile(*this, program, text, scope ? UnitMode::Execute : UnitMode::Global, scope, vars);
    } catch (ScriptError& e) {
        if (e.lineText.empty() && e.line > 0) e.lineText = std::u16string(text->line(e.line));
        throw;
    }
    // Code runs once: it is kept only for the procedures and classes it defines, so that a brain
    // running Execute or ExecuteGlobal on every query does not grow. Global code is among the
    // units while it runs, for a redefinition inside it to redirect its calls.
    Unit* u = unit.get();
    bool keep = !u->procs.empty() || !u->classes.empty();
    bool listed = keep || !scope;
    if (listed) units.push_back(std::move(unit));
    auto drop = [&] {
        if (keep || !listed) return;
        auto it = std::find_if(units.rbegin(), units.rend(), [u](const auto& k) { return k.get() == u; });
        units.erase(std::next(it).base());
    };
    Value r;
    try {
        call(u->main.get(), 0, me, outer, r);
    } catch (...) {
        drop();
        throw;
    }
    drop();
}

Value VM::evalText(std::u16string_view text, int mode, Proc* p, ScriptObject* me, Value* locals, Value* outer) {
    // Eval and Execute in a procedure, or in code Execute runs there (the only code with an outer
    // frame), work in that call of the procedure; at script level and for ExecuteGlobal, globally.
    const Proc* scope = mode == 2 ? nullptr : outer ? p->outerScope : p->name == u"<main>" ? nullptr : p;
    Value* frame = outer ? outer : locals;
    ExecuteScope* vars = nullptr;
    if (scope) {
        Value& slot = frame[scope->executeSlot];
        if (slot.type != Type::Object) slot = Value::object(new ExecuteScope);
        vars = static_cast<ExecuteScope*>(slot.obj);
    }
    // Code run from a string reports its errors at the statement that ran it.
    try {
        if (mode == 0) {
            auto src = std::make_shared<SourceText>();
            src->text = std::u16string(kEvalResultName) + u" = " + std::u16string(text);
            ast::Program program = parse(src->text);
            program.optionExplicit = p->explicitNames;
            if (program.body.size() != 1 || program.body[0]->kind != ast::StmtKind::Assign) raise(errSyntax);
            auto unit = compile(*this, program, src, UnitMode::Eval, scope, vars);
            Value r;
            Proc* main = unit->main.get();
            bool keep = !unit->procs.empty() || !unit->classes.empty();
            call(main, 0, me, scope ? frame : nullptr, r);
            if (keep) units.push_back(std::move(unit));
            return r;
        }
        addCode(text, scope, scope ? me : nullptr, scope ? frame : nullptr, vars, p->explicitNames);
    } catch (ScriptError& e) {
        if (e.source == u"Microsoft VBScript compilation error") e.source = u"Microsoft VBScript runtime error";
        e.line = 0;  // the statement that ran the text gives the position
        e.lineText.clear();
        e.chain.clear();
        throw;
    }
    return Value();
}

}  // namespace vbs
