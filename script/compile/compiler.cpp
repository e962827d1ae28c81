#include "script/compile/compiler.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/object.h"
#include "script/values/operators.h"
#include "script/runtime/vm.h"

namespace vbs {

const std::u16string_view kEvalResultName = u"TarvikEvalResult_";

namespace {

using namespace ast;

[[noreturn]] void compileError(int number, Pos pos) {
    ScriptError e;
    e.number = number;
    e.description = std::u16string(errorDescription(number));
    e.source = u"Microsoft VBScript compilation error";
    e.line = pos.line;
    e.column = pos.column;
    throw e;
}

enum class Kind { Local, Outer, Field, Global, Const, Proc, Method, Property, Builtin, Dynamic };

struct Resolved {
    Kind kind = Kind::Dynamic;
    int slot = -1;
    Value* var = nullptr;  // Global: the variable (a global, or one Execute created in a procedure)
    Value value;
    Proc* proc = nullptr;
    const Builtin* builtin = nullptr;
    const ClassInfo::Member* member = nullptr;  // Property: its accessors, called directly on Me
};

bool isVariable(Kind k) {
    return k == Kind::Local || k == Kind::Outer || k == Kind::Field || k == Kind::Global;
}

// Names the compiler turns into instructions rather than library calls.
enum class Special { None, Eval, Execute, ExecuteGlobal, GetRef };

Special special(const std::u16string& key) {
    if (key == u"eval") return Special::Eval;
    if (key == u"execute") return Special::Execute;
    if (key == u"executeglobal") return Special::ExecuteGlobal;
    if (key == u"getref") return Special::GetRef;
    return Special::None;
}

// Windows runs a conversion used as a statement (Call CInt(1), CStr 1) and then fails with 458,
// and fails so too when a value is asked of Randomize (x = Randomize(0)).
bool wrongUse(const Builtin* b, bool asStatement) {
    static constexpr std::u16string_view kConversions[] = {
        u"CBool", u"CByte", u"CCur", u"CDate", u"CDbl", u"CInt", u"CLng", u"CSng", u"CStr"};
    if (!asStatement) return b->name == u"Randomize";
    return std::find(std::begin(kConversions), std::end(kConversions), b->name) != std::end(kConversions);
}

class Compiler {
public:
    Compiler(VM& vm, std::shared_ptr<SourceText> source, UnitMode mode, const Proc* scope, ExecuteScope* vars,
             bool expl)
        : vm_(vm), source_(std::move(source)), mode_(mode), scope_(mode != UnitMode::Global ? scope : nullptr),
          vars_(scope_ ? vars : nullptr), explicit_(expl), cls_(scope_ ? scope_->cls : nullptr) {}

    std::unique_ptr<Unit> run(const Program& program) {
        try {
            unit_ = std::make_unique<Unit>();
            declareUnit(program.body);
            compileMain(program.body);
            for (auto& [decl, proc] : pendingProcs_) compileProc(*decl, proc);
            redirectCalls();
            return std::move(unit_);
        } catch (...) {
            rollback();
            throw;
        }
    }

private:
    VM& vm_;
    std::shared_ptr<SourceText> source_;
    UnitMode mode_;
    const Proc* scope_;   // the procedure whose call Execute/Eval code runs in, if any
    ExecuteScope* vars_;  // the variables Execute created in that call
    bool explicit_;
    ClassInfo* cls_;
    std::unique_ptr<Unit> unit_;
    Proc* p_ = nullptr;
    bool inProc_ = false;
    const Procedure* procDecl_ = nullptr;
    std::unordered_map<std::u16string, Value> localConsts_;
    std::unordered_map<std::u16string, int> implicitSlots_;  // undeclared names of this procedure
    std::unordered_set<std::u16string> executeDims_;         // declared by this Execute text
    int depth_ = 0;
    int label_ = 0;  // the last position a jump lands on
    struct Loop {
        bool isFor;
        std::vector<int> exits;
    };
    std::vector<Loop> loops_;
    std::vector<int> procExits_;
    std::vector<int> withSlots_;
    std::vector<std::pair<const Procedure*, Proc*>> pendingProcs_;
    std::vector<std::u16string> addedGlobals_, addedClasses_, addedConsts_;
    std::vector<std::pair<std::u16string, Proc*>> addedProcs_;  // with the definition each replaced

    void rollback() {
        for (auto& k : addedGlobals_) vm_.globalIndex.erase(k);
        for (auto it = addedProcs_.rbegin(); it != addedProcs_.rend(); ++it) {
            if (it->second) vm_.procs[it->first] = it->second;
            else vm_.procs.erase(it->first);
        }
        for (auto& k : addedClasses_) vm_.classes.erase(k);
        for (auto& k : addedConsts_) vm_.consts.erase(k);
    }

    // ---- declarations ----

    // The predefined constants (vbCrLf...) count: Windows reports Name redefined for a script-level
    // Dim or Const of one; a procedure's own may shadow them.
    static bool predefined(const std::u16string& key) {
        Value unused;
        return findConstant(key, unused);
    }

    bool globalNameTaken(const std::u16string& key) const {
        return vm_.procs.count(key) || vm_.classes.count(key) || vm_.consts.count(key) || predefined(key);
    }

    void declareGlobal(const std::u16string& name, Pos pos, bool inThisUnit) {
        std::u16string key = foldName(name);
        if (globalNameTaken(key)) compileError(errNameRedefined, pos);
        if (vm_.globalIndex.count(key)) {
            // Redeclaring in the same text is an error; a later AddCode may declare it again.
            if (inThisUnit && std::find(addedGlobals_.begin(), addedGlobals_.end(), key) != addedGlobals_.end())
                compileError(errNameRedefined, pos);
            return;
        }
        vm_.addGlobal(name);
        addedGlobals_.push_back(key);
    }

    // The blocks directly inside s (an If's arms, a loop's body...).
    template <typename F>
    static void innerBlocks(const Stmt& s, F&& f) {
        switch (s.kind) {
            case StmtKind::If:
                for (auto& arm : static_cast<const If&>(s).arms) f(arm.body);
                f(static_cast<const If&>(s).elseBody);
                break;
            case StmtKind::Select:
                for (auto& arm : static_cast<const Select&>(s).cases) f(arm.body);
                f(static_cast<const Select&>(s).elseBody);
                break;
            case StmtKind::For: f(static_cast<const For&>(s).body); break;
            case StmtKind::ForEach: f(static_cast<const ForEach&>(s).body); break;
            case StmtKind::Do: f(static_cast<const Do&>(s).body); break;
            case StmtKind::While: f(static_cast<const While&>(s).body); break;
            case StmtKind::With: f(static_cast<const With&>(s).body); break;
            default: break;
        }
    }

    // Procedures and classes are defined before anything runs, also those inside blocks.
    void declareProcedures(const Block& body) {
        for (auto& s : body) {
            innerBlocks(*s, [&](const Block& b) { declareProcedures(b); });
            if (s->kind == StmtKind::Procedure) {
                auto& d = static_cast<const Procedure&>(*s);
                std::u16string key = foldName(d.name);
                if (vm_.globalIndex.count(key) || vm_.classes.count(key)) compileError(errNameRedefined, d.pos);
                // A Sub or Function defined again, in this text or a later one, replaces the
                // earlier definition (VBScript raises no error).
                auto proc = newProc(d, nullptr);
                Proc*& entry = vm_.procs[key];
                addedProcs_.push_back({key, entry});
                entry = proc.get();
                pendingProcs_.push_back({&d, proc.get()});
                unit_->procs.push_back(std::move(proc));
            } else if (s->kind == StmtKind::Class) {
                declareClass(static_cast<const Class&>(*s));
            }
        }
    }

    void declareUnit(const Block& body) {
        declareProcedures(body);
        if (mode_ == UnitMode::Global) declareVariables(body, true);
    }

    // Calls compiled earlier to a procedure this text defined again go to the new definition.
    void redirectCalls() {
        std::unordered_map<const Proc*, Proc*> moved;
        for (auto& [key, old] : addedProcs_)
            if (old && std::none_of(unit_->procs.begin(), unit_->procs.end(), [o = old](auto& q) { return q.get() == o; }))
                moved[old] = vm_.procs[key];
        if (moved.empty()) return;
        auto redirect = [&](Proc& q) {
            for (auto& i : q.code)
                if (i.op == vbs::Op::CallProc)
                    if (auto it = moved.find(static_cast<Proc*>(i.p)); it != moved.end()) i.p = it->second;
            for (auto& site : q.names)
                if (auto it = moved.find(site->proc); it != moved.end()) site->proc = it->second;
        };
        for (auto& u : vm_.units) {
            redirect(*u->main);
            for (auto& q : u->procs) redirect(*q);
            for (auto& c : u->classes)
                for (auto& q : c->procs) redirect(*q);
        }
    }

    // Dim and ReDim declare wherever they stand (VBScript hoists them).
    void declareVariables(const Block& body, bool global) {
        for (auto& s : body) {
            switch (s->kind) {
                case StmtKind::Dim:
                    for (auto& v : static_cast<const Dim&>(*s).vars) {
                        if (global) declareGlobal(v.name, v.pos, true);
                        else declareLocal(v.name, v.pos);
                    }
                    break;
                case StmtKind::ReDim:
                    for (auto& item : static_cast<const ReDim&>(*s).items) {
                        if (item.target->kind != ExprKind::Name) continue;
                        Resolved r = resolve(item.target->name);
                        if (r.kind != Kind::Dynamic) continue;
                        if (global) declareGlobal(item.target->name, item.target->pos, false);
                        else declareLocal(item.target->name, item.target->pos);
                    }
                    break;
                default: innerBlocks(*s, [&](const Block& b) { declareVariables(b, global); }); break;
            }
        }
    }

    // A procedure's Const takes effect in all of it, also above its line, as Windows compiles it.
    void declareConsts(const Block& body) {
        for (auto& s : body) {
            if (s->kind == StmtKind::Const)
                for (auto& item : static_cast<const Const&>(*s).items) constStatement(item);
            else
                innerBlocks(*s, [&](const Block& b) { declareConsts(b); });
        }
    }

    void declareLocal(const std::u16string& name, Pos pos) {
        std::u16string key = foldName(name);
        if (scope_ && !inProc_) {
            // Dim in Execute code: a variable of the procedure's call, unless it has one by that name.
            if (!executeDims_.insert(key).second) compileError(errNameRedefined, pos);
            if (!scope_->localNames.count(key) && !scope_->implicitNames.count(key)) vars_->add(key);
            return;
        }
        if (p_->localNames.count(key)) compileError(errNameRedefined, pos);
        p_->localNames[key] = p_->nlocals++;
    }

    std::unique_ptr<Proc> newProc(const Procedure& d, ClassInfo* cls) {
        auto proc = std::make_unique<Proc>();
        proc->name = d.name;
        proc->kind = d.procKind;
        proc->isPublic = d.visibility != Visibility::Private;
        proc->nparams = static_cast<int>(d.params.size());
        for (auto& prm : d.params) {
            proc->byVal.push_back(prm.byVal);
            proc->anyByVal |= prm.byVal;
        }
        proc->cls = cls;
        proc->source = source_;
        return proc;
    }

    void declareClass(const Class& c) {
        std::u16string key = foldName(c.name);
        if (vm_.classes.count(key) || vm_.procs.count(key) || vm_.globalIndex.count(key))
            compileError(errNameRedefined, c.pos);
        auto info = std::make_unique<ClassInfo>();
        ClassInfo* ci = info.get();
        ci->name = c.name;
        ci->members.emplace_back();  // the default member's place
        auto member = [&](const std::u16string& name, bool isPublic) -> ClassInfo::Member& {
            std::u16string k = foldName(name);
            auto it = ci->memberIndex.find(k);
            if (it != ci->memberIndex.end()) return ci->members[it->second];
            ci->memberIndex[k] = static_cast<int>(ci->members.size());
            ci->members.push_back({name, isPublic});
            return ci->members.back();
        };
        for (auto& s : c.members) {
            if (s->kind == StmtKind::Dim) {
                auto& d = static_cast<const Dim&>(*s);
                for (auto& v : d.vars) {
                    if (ci->memberIndex.count(foldName(v.name))) compileError(errNameRedefined, v.pos);
                    auto& m = member(v.name, d.visibility != Visibility::Private);
                    m.field = static_cast<int>(ci->fields.size());
                    ClassInfo::Field f;
                    f.isArray = v.isArray;
                    for (auto& b : v.bounds) f.bounds.push_back(toLong(constValue(*b)));
                    ci->fields.push_back(std::move(f));
                }
            } else if (s->kind == StmtKind::Const) {
                for (auto& item : static_cast<const Const&>(*s).items)
                    ci->consts[foldName(item.name)] = constValue(*item.value);
            } else if (s->kind == StmtKind::Procedure) {
                auto& d = static_cast<const Procedure&>(*s);
                auto proc = newProc(d, ci);
                auto& m = member(d.name, proc->isPublic);
                Proc** slot = nullptr;
                switch (d.procKind) {
                    case ProcKind::Sub:
                    case ProcKind::Function: slot = &m.method; break;
                    case ProcKind::PropertyGet: slot = &m.get; break;
                    case ProcKind::PropertyLet: slot = &m.let; break;
                    case ProcKind::PropertySet: slot = &m.set; break;
                }
                if (*slot || m.field >= 0 || (m.method && slot != &m.method) ||
                    (slot == &m.method && (m.get || m.let || m.set)))
                    compileError(errNameRedefined, d.pos);
                *slot = proc.get();
                if (d.isDefault) ci->members[0] = m;
                std::u16string k = foldName(d.name);
                if (d.procKind == ProcKind::Sub && k == u"class_initialize") ci->init = proc.get();
                if (d.procKind == ProcKind::Sub && k == u"class_terminate") ci->term = proc.get();
                pendingProcs_.push_back({&d, proc.get()});
                ci->procs.push_back(std::move(proc));
            }
        }
        // The default member's entry must see accessors declared after the Default one.
        for (size_t i = 1; i < ci->members.size(); ++i)
            if (!ci->members[0].name.empty() && foldName(ci->members[0].name) == foldName(ci->members[i].name))
                ci->members[0] = ci->members[i];
        vm_.classes[key] = ci;
        addedClasses_.push_back(key);
        unit_->classes.push_back(std::move(info));
    }

    // A Const's value: literals and operators on them, and other constants.
    Value constValue(const Expr& e) {
        Value v;
        if (!tryFold(e, v, true)) compileError(1045, e.pos);  // Expected literal constant
        return v;
    }

    // Beyond a Const, text read as a number or a number written as text is left to run time: its
    // form depends on the locale the script may set ("1,5" + 1 is 2.5 in German ones).
    static bool localeBound(const Value& a, const Value& b, ast::Op op) {
        auto real = [](const Value& v) {
            return v.type == Type::Single || v.type == Type::Double || v.type == Type::Currency || v.type == Type::Date;
        };
        if (op == ast::Op::Concat) return real(a) || real(b);
        return a.isString() != b.isString();
    }

    bool tryFold(const Expr& e, Value& out, bool forConst = false) {
        switch (e.kind) {
            case ExprKind::Literal: out = e.literal; return true;
            case ExprKind::Paren: return tryFold(*e.object, out, forConst);
            case ExprKind::Name: {
                Resolved r = resolve(e.name);
                if (r.kind != Kind::Const) return false;
                out = r.value;
                return true;
            }
            case ExprKind::Unary: {
                Value a;
                if (!tryFold(*e.object, a, forConst) || a.isObject() || (!forConst && a.isString())) return false;
                try {
                    out = e.op == ast::Op::Neg ? ops::neg(a) : ops::bitNot(a);
                } catch (const ScriptError&) {
                    return false;
                }
                return true;
            }
            case ExprKind::Binary: {
                Value a, b;
                if (!tryFold(*e.object, a, forConst) || !tryFold(*e.rhs, b, forConst) || a.isObject() || b.isObject())
                    return false;
                if (!forConst && localeBound(a, b, e.op)) return false;
                try {
                    out = foldBinary(e.op, a, b, compareFlags(e));
                } catch (const ScriptError&) {
                    return false;  // the error belongs to run time
                }
                return true;
            }
            default: return false;
        }
    }

    static Value foldBinary(ast::Op op, const Value& a, const Value& b, unsigned flags) {
        auto cmp = [&](auto pred) {
            auto o = ops::compare(a, b, flags);
            return o == ops::Order::Null ? Value::null() : Value::boolean(pred(static_cast<int>(o)));
        };
        switch (op) {
            case ast::Op::Pow: return ops::pow(a, b);
            case ast::Op::Mul: return ops::mul(a, b);
            case ast::Op::Div: return ops::div(a, b);
            case ast::Op::IntDiv: return ops::idiv(a, b);
            case ast::Op::Mod: return ops::mod(a, b);
            case ast::Op::Add: return ops::add(a, b);
            case ast::Op::Sub: return ops::sub(a, b);
            case ast::Op::Concat: return ops::concat(a, b);
            case ast::Op::Eq: return cmp([](int o) { return o == 0; });
            case ast::Op::Ne: return cmp([](int o) { return o != 0; });
            case ast::Op::Lt: return cmp([](int o) { return o < 0; });
            case ast::Op::Gt: return cmp([](int o) { return o > 0; });
            case ast::Op::Le: return cmp([](int o) { return o <= 0; });
            case ast::Op::Ge: return cmp([](int o) { return o >= 0; });
            case ast::Op::And: return ops::bitAnd(a, b);
            case ast::Op::Or: return ops::bitOr(a, b);
            case ast::Op::Xor: return ops::bitXor(a, b);
            case ast::Op::Eqv: return ops::eqv(a, b);
            case ast::Op::Imp: return ops::imp(a, b);
            default: raise(errTypeMismatch);
        }
    }

    static bool isLiteral(const Expr& e) {
        if (e.kind == ExprKind::Paren) return isLiteral(*e.object);
        if (e.kind == ExprKind::Unary) return isLiteral(*e.object);
        return e.kind == ExprKind::Literal;
    }

    static unsigned compareFlags(const Expr& e) {
        unsigned f = 0;
        if (isLiteral(*e.object)) f |= ops::kLeftLiteral;
        if (isLiteral(*e.rhs)) f |= ops::kRightLiteral;
        return f;
    }

    // ---- name resolution ----

    Resolved resolve(const std::u16string& name) {
        std::u16string key = foldName(name);
        Resolved r;
        if (p_) {
            auto it = p_->localNames.find(key);
            if (it != p_->localNames.end()) { r.kind = Kind::Local; r.slot = it->second; return r; }
        }
        if (auto it = localConsts_.find(key); it != localConsts_.end()) {
            r.kind = Kind::Const; r.value = it->second; return r;
        }
        // Execute and Eval code sees the procedure's variables; a procedure it defines does not.
        if (scope_ && !inProc_) {
            auto it = scope_->localNames.find(key);
            if (it != scope_->localNames.end()) { r.kind = Kind::Outer; r.slot = it->second; return r; }
            if ((r.var = vars_->find(key))) { r.kind = Kind::Global; return r; }
        }
        if (cls_) {
            if (auto it = cls_->consts.find(key); it != cls_->consts.end()) {
                r.kind = Kind::Const; r.value = it->second; return r;
            }
            if (auto it = cls_->memberIndex.find(key); it != cls_->memberIndex.end()) {
                auto& m = cls_->members[it->second];
                if (m.field >= 0) { r.kind = Kind::Field; r.slot = m.field; }
                else if (m.method) { r.kind = Kind::Method; r.proc = m.method; }
                else { r.kind = Kind::Property; r.member = &m; }
                return r;
            }
        }
        if (auto it = vm_.consts.find(key); it != vm_.consts.end()) {
            r.kind = Kind::Const; r.value = it->second; return r;
        }
        if (auto it = vm_.globalIndex.find(key); it != vm_.globalIndex.end()) {
            r.kind = Kind::Global; r.slot = it->second; r.var = &vm_.globals[r.slot]; return r;
        }
        if (scope_ && !inProc_) {  // the procedure's undeclared variables come after the globals
            auto it = scope_->implicitNames.find(key);
            if (it != scope_->implicitNames.end()) { r.kind = Kind::Outer; r.slot = it->second; return r; }
        }
        if (auto it = vm_.procs.find(key); it != vm_.procs.end()) {
            r.kind = Kind::Proc; r.proc = it->second; return r;
        }
        if (findConstant(name, r.value)) { r.kind = Kind::Const; return r; }
        if ((r.builtin = findBuiltin(name))) { r.kind = Kind::Builtin; return r; }
        return r;
    }

    bool isOwnName(const std::u16string& name) const {
        return procDecl_ && (procDecl_->procKind == ProcKind::Function || procDecl_->procKind == ProcKind::PropertyGet) &&
               foldName(name) == foldName(procDecl_->name);
    }

    // ---- emission ----

    int pc() const { return static_cast<int>(p_->code.size()); }

    int emit(vbs::Op op, int delta, int a = 0, int argc = 0, uint8_t flags = 0, void* ptr = nullptr) {
        Instr i;
        i.op = op;
        i.a = a;
        i.argc = static_cast<uint16_t>(argc);
        i.flags = flags;
        i.p = ptr;
        p_->code.push_back(i);
        depth_ += delta;
        p_->maxStack = std::max(p_->maxStack, depth_ + 1);
        return pc() - 1;
    }

    // The last instruction, when the next may merge with it (no jump lands between them).
    Instr* mergeable() { return pc() > label_ ? &p_->code.back() : nullptr; }

    // The local the last instruction loads, taken off it for the next instruction to read itself
    // (the second of two loads); -1 when there is none.
    int takeLoadedLocal() {
        Instr* last = mergeable();
        if (!last) return -1;
        if (last->op == vbs::Op::LoadLocal) {
            int slot = last->a;
            p_->code.pop_back();
            return slot;
        }
        if (last->op != vbs::Op::LoadLocal2) return -1;
        last->op = vbs::Op::LoadLocal;
        return static_cast<int>(last->b);
    }

    // Two loads of locals in a row are one instruction.
    void loadLocal(int slot) {
        if (Instr* last = mergeable(); last && last->op == vbs::Op::LoadLocal) {
            last->op = vbs::Op::LoadLocal2;
            last->b = slot;
            depth_ += 1;
            p_->maxStack = std::max(p_->maxStack, depth_ + 1);
            return;
        }
        emit(vbs::Op::LoadLocal, 1, slot);
    }

    // Arithmetic stores its result in the local itself, and a store of a variable just read is
    // one instruction.
    void storeLocal(int slot, uint8_t set) {
        Instr* last = mergeable();
        if (last && !set && onSlots(last->op) && last->o.to == temp(depth_ - 1)) {
            last->o.to = slot;
            last->argc = static_cast<uint16_t>(static_cast<int16_t>(last->argc) - 1);
            depth_ -= 1;
            return;
        }
        if (last && (last->op == vbs::Op::LoadLocal || last->op == vbs::Op::LoadField)) {
            last->op = last->op == vbs::Op::LoadLocal ? vbs::Op::MoveLocal : vbs::Op::MoveFieldToLocal;
            last->b = slot;
            last->flags = set;
            depth_ -= 1;
            return;
        }
        emit(vbs::Op::StoreLocal, -1, slot, 0, set);
    }

    // The instructions on frame slots (see Op::Add).
    static bool onSlots(vbs::Op op) { return op >= vbs::Op::Add && op <= vbs::Op::Neg; }

    // A temporary's frame slot while the procedure's locals are still being counted: lastPass()
    // makes it nlocals + depth once they are all known.
    static int32_t temp(int depth) { return -1 - depth; }

    // Once every local is known: temporaries get their slots, and the slots, constants, stack
    // moves and jump targets the VM adds to a base become byte offsets.
    void lastPass() {
        constexpr int32_t kValue = sizeof(Value), kInstr = sizeof(Instr);
        auto place = [&](int32_t& slot) { slot = (slot < 0 ? p_->nlocals - 1 - slot : slot) * kValue; };
        using O = vbs::Op;
        for (auto& i : p_->code) {
            if (onSlots(i.op)) {
                place(i.a);
                place(i.o.to);
                if (i.op < O::AddConst) place(i.o.rhs);
                else i.o.rhs *= kValue;
                i.argc = static_cast<uint16_t>(static_cast<int16_t>(i.argc) * kValue);
            } else if (i.op >= O::Jump && i.op <= O::JumpCompareLocals) {
                i.a *= kInstr;
                if (i.op == O::JumpCompareConst || i.op == O::JumpCompareTopLocal) i.b *= kValue;
                if (i.op == O::JumpCompareLocalConst || i.op == O::JumpCompareLocals) {
                    i.lk.slot *= kValue;
                    i.lk.k *= kValue;
                }
            } else if (i.op >= O::ForInit && i.op <= O::ForEachNext) {
                i.b *= kInstr;
            }
        }
    }

    void storeField(int field, uint8_t set) {
        if (Instr* last = mergeable(); last && last->op == vbs::Op::LoadLocal) {
            last->op = vbs::Op::MoveLocalToField;
            last->b = field;
            last->flags = set;
            depth_ -= 1;
            return;
        }
        emit(vbs::Op::StoreField, -1, field, 0, set);
    }

    // Once the procedure is whole: a jump to a Return returns at once, and so does a store of the
    // return value right before one.
    void finish() {
        auto& code = p_->code;
        auto returns = [&](size_t at) { return code[at].op == vbs::Op::Return; };
        for (auto& i : code)
            if (i.op == vbs::Op::Jump && returns(static_cast<size_t>(i.a))) i.op = vbs::Op::Return;
        for (size_t at = 0; at + 1 < code.size(); ++at)
            if (code[at].op == vbs::Op::StoreLocal && code[at].a == p_->retSlot && returns(at + 1))
                code[at].op = vbs::Op::StoreReturn;
        lastPass();
    }

    // The current position as a jump target.
    int here() {
        label_ = pc();
        return label_;
    }

    void patch(int at) { p_->code[at].a = here(); }

    // Whether the last instruction pushed a constant that the next may take as its operand (never
    // when a jump lands between them).
    bool lastIsConstant() const { return pc() > label_ && p_->code.back().op == vbs::Op::PushConst; }

    int hidden() { return p_->nlocals++; }

    void constant(const Value& v) {
        p_->consts.push_back(v);
        emit(vbs::Op::PushConst, 1, static_cast<int>(p_->consts.size()) - 1);
    }

    NameSite* nameSite(const std::u16string& name) {
        auto s = std::make_unique<NameSite>();
        s->name = name;
        s->key = foldName(name);
        p_->names.push_back(std::move(s));
        return p_->names.back().get();
    }

    MemberSite* memberSite(const std::u16string& name) {
        auto s = std::make_unique<MemberSite>();
        s->name = name;
        p_->members.push_back(std::move(s));
        return p_->members.back().get();
    }

    // An undeclared variable. At script level (without Option Explicit) it comes into being when
    // a statement using it runs; in a procedure it is a global existing by then, or a local.
    NameSite* variableSite(const std::u16string& name) {
        NameSite* site = nameSite(name);
        site->createGlobal = !explicit_ && !inProc_ && mode_ == UnitMode::Global;
        return site;
    }

    int implicitLocal(const std::u16string& name) {
        if (explicit_ || !inProc_) return -1;
        // Found neither now nor (maybe) at run time: the procedure's own variable. Kept apart from
        // the declared locals so that every use still looks for a global first.
        auto [it, added] = implicitSlots_.try_emplace(foldName(name), p_->nlocals);
        if (added) ++p_->nlocals;
        return it->second;
    }

    // Execute in a procedure, without Option Explicit: a variable nothing knows yet is a new one
    // of that call of the procedure.
    void createVariable(Resolved& r, const std::u16string& name) {
        if (r.kind != Kind::Dynamic || !scope_ || inProc_ || explicit_) return;
        r.kind = Kind::Global;
        r.var = vars_->add(foldName(name));
    }

    void mark(int start, Pos pos) { p_->stmts.push_back({start, pc(), pos}); }

    // ---- expressions ----

    void load(Resolved r, const Expr& e) {
        createVariable(r, e.name);
        switch (r.kind) {
            case Kind::Local: loadLocal(r.slot); break;
            case Kind::Outer: emit(vbs::Op::LoadOuter, 1, r.slot); break;
            case Kind::Field: emit(vbs::Op::LoadField, 1, r.slot); break;
            case Kind::Global: emit(vbs::Op::LoadGlobal, 1, r.slot, 0, 0, r.var); break;
            case Kind::Const: constant(r.value); break;
            case Kind::Proc: emit(vbs::Op::CallProc, 1, 0, 0, 0, r.proc); break;
            case Kind::Method: emit(vbs::Op::CallMethod, 1, 0, 0, 0, r.proc); break;
            case Kind::Property: accessor(r.member->get, {}, nullptr); break;
            case Kind::Builtin: builtinCall(r.builtin, {}); break;
            case Kind::Dynamic: {
                int slot = implicitLocal(e.name);
                emit(vbs::Op::LoadName, 1, slot, 0, 0, variableSite(e.name));
                break;
            }
        }
    }

    void ref(Resolved r, const Expr& e) {
        createVariable(r, e.name);
        switch (r.kind) {
            case Kind::Local: emit(vbs::Op::RefLocal, 1, r.slot); break;
            case Kind::Outer: emit(vbs::Op::RefOuter, 1, r.slot); break;
            case Kind::Field: emit(vbs::Op::RefField, 1, r.slot); break;
            case Kind::Global: emit(vbs::Op::RefGlobal, 1, r.slot, 0, 0, r.var); break;
            case Kind::Dynamic: emit(vbs::Op::RefName, 1, implicitLocal(e.name), 0, 0, variableSite(e.name)); break;
            default: emit(vbs::Op::Raise, 1, errIllegalAssignment); break;
        }
    }

    // A reference to a variable (or the function's return value) for assignment targets.
    Resolved target(const Expr& e) {
        if (isOwnName(e.name)) {
            Resolved r;
            r.kind = Kind::Local;
            r.slot = p_->retSlot;
            return r;
        }
        return resolve(e.name);
    }

    void expr(const Expr& e) {
        Value folded;
        if (e.kind != ExprKind::Literal && e.kind != ExprKind::Name && tryFold(e, folded)) {
            constant(folded);
            return;
        }
        switch (e.kind) {
            case ExprKind::Literal: constant(e.literal); break;
            case ExprKind::Name:
                if (isOwnName(e.name)) loadLocal(p_->retSlot);
                else load(resolve(e.name), e);
                break;
            case ExprKind::Member:
                object(e);
                emit(vbs::Op::Member, 0, 0, 0, static_cast<uint8_t>(Invoke::Get), memberSite(e.name));
                break;
            case ExprKind::Call: call(*e.object, e.args, Invoke::Get); break;
            case ExprKind::Paren: expr(*e.object); break;
            case ExprKind::Unary:
                if (e.op == ast::Op::Neg) {
                    negate(*e.object);
                    break;
                }
                expr(*e.object);
                emit(vbs::Op::Not, 0);
                break;
            case ExprKind::Binary: binary(e); break;
            case ExprKind::New: {
                NameSite* site = nameSite(e.name);
                // New RegExp is the built-in one even where the script declares a class RegExp.
                bool regexp = site->key == u"regexp";
                auto it = vm_.classes.find(site->key);
                if (!regexp && it != vm_.classes.end()) site->cls = it->second;
                emit(vbs::Op::New, 1, 0, 0, regexp ? 1 : 0, site);
                break;
            }
            case ExprKind::Me:
                if (!cls_) compileError(1037, e.pos);
                emit(vbs::Op::LoadMe, 1);
                break;
            case ExprKind::Missing: emit(vbs::Op::PushMissing, 1); break;
        }
    }

    // The object of a member access: an expression, or the innermost With's.
    void object(const Expr& member) {
        if (member.object) {
            expr(*member.object);
        } else {
            // ".x" outside any With fails only when it runs, as on Windows.
            if (withSlots_.empty()) emit(vbs::Op::Raise, 1, errUnqualifiedReference);
            else emit(vbs::Op::LoadLocal, 1, withSlots_.back());
        }
    }

    void binary(const Expr& e) {
        static constexpr struct { ast::Op from; vbs::Op to; } kMap[] = {
            {ast::Op::Pow, vbs::Op::Pow}, {ast::Op::Mul, vbs::Op::Mul}, {ast::Op::Div, vbs::Op::Div},
            {ast::Op::IntDiv, vbs::Op::IntDiv}, {ast::Op::Mod, vbs::Op::Mod}, {ast::Op::Add, vbs::Op::Add},
            {ast::Op::Sub, vbs::Op::Sub}, {ast::Op::Concat, vbs::Op::Concat}, {ast::Op::Eq, vbs::Op::Eq},
            {ast::Op::Ne, vbs::Op::Ne}, {ast::Op::Lt, vbs::Op::Lt}, {ast::Op::Gt, vbs::Op::Gt}, {ast::Op::Le, vbs::Op::Le},
            {ast::Op::Ge, vbs::Op::Ge}, {ast::Op::Is, vbs::Op::Is}, {ast::Op::And, vbs::Op::And}, {ast::Op::Or, vbs::Op::Or},
            {ast::Op::Xor, vbs::Op::Xor}, {ast::Op::Eqv, vbs::Op::Eqv}, {ast::Op::Imp, vbs::Op::Imp},
        };
        for (auto& m : kMap)
            if (m.from == e.op) {
                if (onSlots(m.to)) {
                    arithmetic(e, m.to);
                    return;
                }
                expr(*e.object);
                expr(*e.rhs);
                bool comparison = m.to >= vbs::Op::Eq && m.to <= vbs::Op::Ge;
                emit(m.to, -1, 0, 0, comparison ? static_cast<uint8_t>(compareFlags(e)) : 0);
                return;
            }
        compileError(errSyntax, e.pos);
    }

    // The local e reads, when it is a plain variable of this procedure; -1 otherwise.
    int localOperand(const Expr& e) {
        if (e.kind == ExprKind::Paren) return localOperand(*e.object);
        if (e.kind != ExprKind::Name) return -1;
        if (isOwnName(e.name)) return p_->retSlot;
        Resolved r = resolve(e.name);
        return r.kind == Kind::Local ? r.slot : -1;
    }

    // Whether e's code changes no variable of this procedure: it only reads variables and
    // constants and does arithmetic on them. (The default property of an object it reads runs other code,
    // which reaches none of them but a parameter passed ByRef.)
    bool pure(const Expr& e) {
        Value unused;
        switch (e.kind) {
            case ExprKind::Literal: return true;
            case ExprKind::Name: return localOperand(e) >= 0 || isVariable(resolve(e.name).kind) || tryFold(e, unused);
            case ExprKind::Paren:
            case ExprKind::Unary: return pure(*e.object);
            case ExprKind::Binary: return e.op != ast::Op::Is && pure(*e.object) && pure(*e.rhs);
            default: return false;
        }
    }

    bool byRefParameter(int slot) const { return slot < p_->nparams && !p_->byVal[static_cast<size_t>(slot)]; }

    // x op y on frame slots. A local operand is read in place, and so is x after y's code ran
    // when that cannot have changed it; a constant y is the instruction's own. The result goes
    // where the stack would have it.
    void arithmetic(const Expr& e, vbs::Op op) {
        // 3 * x is x * 3: a number on the left of an operator that commutes for numbers goes
        // second (it has no side effect to keep in order), so it becomes the instruction's operand.
        Value folded;
        bool commutes = op == vbs::Op::Add || op == vbs::Op::Mul || (op >= vbs::Op::And && op <= vbs::Op::Xor);
        bool swap = commutes && !isLiteral(*e.rhs) && tryFold(*e.object, folded) && folded.isNumeric();
        const Expr& x = swap ? *e.rhs : *e.object;
        const Expr& y = swap ? *e.object : *e.rhs;
        const int at = depth_;
        int32_t lhs = localOperand(x);
        bool leaf = localOperand(y) >= 0 || tryFold(y, folded);
        if (lhs < 0 || !(leaf || (pure(y) && !byRefParameter(lhs)))) {
            expr(x);
            lhs = temp(at);
        }
        expr(y);
        int32_t rhs = temp(depth_ - 1);
        if (lastIsConstant()) {
            rhs = p_->code.back().a;
            p_->code.pop_back();
            op = static_cast<vbs::Op>(static_cast<int>(op) - static_cast<int>(vbs::Op::Add) + static_cast<int>(vbs::Op::AddConst));
            --depth_;
        } else if (int slot = takeLoadedLocal(); slot >= 0) {
            rhs = slot;
            --depth_;
        }
        emitOnSlots(op, lhs, rhs, at);
    }

    // -x, on frame slots as arithmetic.
    void negate(const Expr& x) {
        const int at = depth_;
        int32_t operand = localOperand(x);
        if (operand < 0) {
            expr(x);
            operand = temp(at);
        }
        emitOnSlots(vbs::Op::Neg, operand, 0, at);
    }

    // An instruction on frame slots whose result goes to the stack at depth at.
    void emitOnSlots(vbs::Op op, int32_t lhs, int32_t rhs, int at) {
        int delta = at + 1 - depth_;
        int i = emit(op, delta, lhs, static_cast<uint16_t>(static_cast<int16_t>(delta)));
        p_->code[i].o = {rhs, temp(at)};
    }

    // Arguments for a call. With a known procedure, ByVal parameters get values and ByRef ones
    // references; otherwise every plain variable and array element goes by reference (the callee
    // copies for ByVal). Returns how many array elements were pinned.
    int callArgs(const Proc* callee, const std::vector<ExprPtr>& args) {
        int pins = 0;
        for (size_t i = 0; i < args.size(); ++i) {
            const Expr& a = *args[i];
            bool byRef = callee ? (i < callee->byVal.size() && !callee->byVal[i]) : true;
            if (byRef && a.kind == ExprKind::Name && !isOwnName(a.name)) {
                Resolved r = resolve(a.name);
                if (isVariable(r.kind) || r.kind == Kind::Dynamic) {
                    ref(r, a);
                    continue;
                }
            }
            if (byRef && a.kind == ExprKind::Call && a.object->kind == ExprKind::Name &&
                !a.args.empty() && !isOwnName(a.object->name)) {
                Resolved r = resolve(a.object->name);
                if (isVariable(r.kind)) {
                    ref(r, *a.object);
                    for (auto& ix : a.args) expr(*ix);
                    emit(vbs::Op::RefIndex, -static_cast<int>(a.args.size()), 0, static_cast<int>(a.args.size()));
                    ++pins;
                    continue;
                }
                if (r.kind == Kind::Dynamic && special(foldName(a.object->name)) == Special::None) {
                    // an array element, or a call: known when it runs
                    nameCall(*a.object, a.args, kByRefArgument);
                    ++pins;
                    continue;
                }
            }
            expr(a);
        }
        return pins;
    }

    void builtinCall(const Builtin* b, const std::vector<ExprPtr>& args, bool asStatement = false) {
        int n = static_cast<int>(args.size());
        if (n < b->minArgs || (b->maxArgs >= 0 && n > b->maxArgs)) {
            for (auto& a : args) expr(*a);
            emit(vbs::Op::Raise, 1 - n, errWrongArgCount, 0, 0, const_cast<Builtin*>(b));  // names it
            return;
        }
        for (auto& a : args) expr(*a);
        auto op = vm_.profile() ? vbs::Op::CallBuiltinTimed : vbs::Op::CallBuiltin;
        Type to = conversionTo(*b);
        if (op == vbs::Op::CallBuiltin && to != Type::Empty)
            emit(vbs::Op::Convert, 0, 0, 1, static_cast<uint8_t>(to), const_cast<Builtin*>(b));
        else if (op == vbs::Op::CallBuiltin && b->name == u"Int")
            emit(vbs::Op::Floor, 0, 0, 1, 0, const_cast<Builtin*>(b));
        else
            emit(op, 1 - n, 0, n, 0, const_cast<Builtin*>(b));
        if (wrongUse(b, asStatement)) emit(vbs::Op::Raise, 0, errUnsupportedType);
    }

    // The type CInt, CLng and CDbl convert to; Empty for every other built-in.
    static Type conversionTo(const Builtin& b) {
        if (b.name == u"CInt") return Type::Integer;
        if (b.name == u"CLng") return Type::Long;
        if (b.name == u"CDbl") return Type::Double;
        return Type::Empty;
    }

    // A reference to a variable, or to an element of an array held in one (a(1), a(1)(2)),
    // pushed for a store into it; false (nothing emitted) for anything else.
    bool elementRef(const Expr& e, int& pins) {
        if (e.kind == ExprKind::Name) {
            if (isOwnName(e.name)) return false;
            Resolved r = resolve(e.name);
            if (!isVariable(r.kind) && r.kind != Kind::Dynamic) return false;
            ref(r, e);
            return true;
        }
        if (e.kind != ExprKind::Call || e.args.empty() || !elementRef(*e.object, pins)) return false;
        for (auto& ix : e.args) expr(*ix);
        emit(vbs::Op::RefIndex, -static_cast<int>(e.args.size()), 0, static_cast<int>(e.args.size()));
        ++pins;
        return true;
    }

    void unpin(int pins) {
        if (pins) emit(vbs::Op::Unpin, 0, 0, pins);
    }

    // callee(args) in a value context (kind Get) or as a statement (kind Call). Pushes one value.
    void call(const Expr& callee, const std::vector<ExprPtr>& args, Invoke kind) {
        int n = static_cast<int>(args.size());
        if (callee.kind == ExprKind::Member) {
            object(callee);
            int pins = callArgs(nullptr, args);
            emit(vbs::Op::Member, -n, 0, n, static_cast<uint8_t>(kind), memberSite(callee.name));
            unpin(pins);
            return;
        }
        if (callee.kind != ExprKind::Name) {
            expr(callee);
            for (auto& a : args) expr(*a);
            emit(vbs::Op::Index, -n, 0, n);
            return;
        }
        if (isOwnName(callee.name)) {  // with parentheses the function's own name recurses
            int pins = callArgs(p_, args);
            emit(cls_ ? vbs::Op::CallMethod : vbs::Op::CallProc, 1 - n, 0, n, 0, p_);
            unpin(pins);
            return;
        }
        Resolved r = resolve(callee.name);
        if (r.kind == Kind::Builtin || r.kind == Kind::Dynamic) {
            Special sp = special(foldName(callee.name));
            if (sp != Special::None && n == 1) {
                expr(*args[0]);
                if (sp == Special::GetRef) {
                    emit(vbs::Op::GetRef, 0);
                    return;
                }
                if (inProc_ && sp != Special::ExecuteGlobal && p_->executeSlot < 0) p_->executeSlot = hidden();
                emit(vbs::Op::Eval, 0, 0, 0, static_cast<uint8_t>(static_cast<int>(sp) - 1));
                return;
            }
        }
        switch (r.kind) {
            case Kind::Proc:
            case Kind::Method: {
                int pins = callArgs(r.proc, args);
                emit(r.kind == Kind::Proc ? vbs::Op::CallProc : vbs::Op::CallMethod, 1 - n, 0, n, 0, r.proc);
                unpin(pins);
                break;
            }
            case Kind::Property:
                if (r.member->get && r.member->get->nparams == 0 && n > 0) {
                    // Items(0) inside the class indexes what the property answers, as obj.Items(0) does
                    accessor(r.member->get, {}, nullptr);
                    for (auto& a : args) expr(*a);
                    emit(vbs::Op::Index, -n, 0, n);
                    break;
                }
                accessor(r.member->get, args, nullptr);
                break;
            case Kind::Builtin: builtinCall(r.builtin, args, kind == Invoke::Call); break;
            case Kind::Dynamic: nameCall(callee, args, 0); break;
            default:
                if (r.kind == Kind::Local && n == 1) {  // a(i): the array stays where it is
                    expr(*args[0]);
                    if (int i = takeLoadedLocal(); i >= 0) {  // a(i): both read in place
                        int at = emit(vbs::Op::IndexLocal, 0, r.slot, 1, 1);
                        p_->code[at].b = i;
                    } else {
                        emit(vbs::Op::IndexLocal, 0, r.slot, 1);
                    }
                    break;
                }
                // A variable is indexed through a reference: no copy of the array is taken.
                if (isVariable(r.kind)) ref(r, callee);
                else load(r, callee);
                for (auto& a : args) expr(*a);
                emit(vbs::Op::Index, -n, 0, n);
                break;
        }
    }

    // callee(args) for a name resolved when it runs. flags: kByRefArgument when it is an argument
    // passed ByRef.
    void nameCall(const Expr& callee, const std::vector<ExprPtr>& args, uint8_t flags) {
        int n = static_cast<int>(args.size());
        constant(Value());  // the result's place
        int pins = callArgs(nullptr, args);
        emit(vbs::Op::CallName, -n, implicitLocal(callee.name), n, flags | (explicit_ ? kExplicitNames : 0),
             nameSite(callee.name));
        unpin(pins);
    }

    // A property of Me called by name inside its class: straight to the accessor (private ones
    // included). For Let and Set, value() pushes the assigned value as the last argument.
    void accessor(Proc* proc, const std::vector<ExprPtr>& args, const std::function<void()>* value) {
        int n = static_cast<int>(args.size()) + (value ? 1 : 0);
        if (!proc) {
            for (auto& x : args) expr(*x);
            if (value) (*value)();
            emit(vbs::Op::Raise, 1 - n, errWrongArgCount);
            return;
        }
        int pins = callArgs(proc, args);
        if (value) (*value)();
        emit(vbs::Op::CallMethod, 1 - n, 0, n, 0, proc);
        unpin(pins);
    }

    // ---- statements ----

    void block(const Block& b) {
        for (auto& s : b) statement(*s);
    }

    // Code compiled while profiling counts each statement's runs at its line.
    void lineHit(Pos pos) {
        if (vm_.profile()) emit(vbs::Op::Line, 0, vm_.profileLine(p_, pos.line));
    }

    void statement(const Stmt& s) {
        int start = pc();
        switch (s.kind) {
            case StmtKind::Const: case StmtKind::If: case StmtKind::Do: case StmtKind::While:
            case StmtKind::Procedure: case StmtKind::Class: case StmtKind::Stop: break;  // no code, or their own
            default: lineHit(s.pos);
        }
        switch (s.kind) {
            case StmtKind::Assign: assign(static_cast<const Assign&>(s)); mark(start, s.pos); break;
            case StmtKind::Call: callStatement(static_cast<const CallStmt&>(s)); mark(start, s.pos); break;
            case StmtKind::Dim: dim(static_cast<const Dim&>(s)); mark(start, s.pos); break;
            case StmtKind::ReDim: redim(static_cast<const ReDim&>(s)); mark(start, s.pos); break;
            case StmtKind::Erase:
                for (auto& t : static_cast<const Erase&>(s).targets) {
                    if (t->kind != ExprKind::Name) compileError(errSyntax, t->pos);
                    ref(target(*t), *t);
                    emit(vbs::Op::Erase, -1);
                }
                mark(start, s.pos);
                break;
            case StmtKind::Const:
                if (!inProc_)  // a procedure's constants are declared before its body
                    for (auto& item : static_cast<const Const&>(s).items) constStatement(item);
                break;
            case StmtKind::If: ifStatement(static_cast<const If&>(s)); break;
            case StmtKind::Select: select(static_cast<const Select&>(s)); break;
            case StmtKind::For: forStatement(static_cast<const For&>(s)); break;
            case StmtKind::ForEach: forEach(static_cast<const ForEach&>(s)); break;
            case StmtKind::Do: doLoop(static_cast<const Do&>(s)); break;
            case StmtKind::While: whileLoop(static_cast<const While&>(s)); break;
            case StmtKind::Exit: exitStatement(static_cast<const Exit&>(s)); break;
            case StmtKind::With: {
                auto& w = static_cast<const With&>(s);
                int slot = hidden();
                expr(*w.object);
                emit(vbs::Op::CheckObject, 0);  // With 5 is 424 at the With, as Set is
                emit(vbs::Op::StoreLocal, -1, slot, 0, 1);
                mark(start, s.pos);
                withSlots_.push_back(slot);
                block(w.body);
                withSlots_.pop_back();
                break;
            }
            case StmtKind::OnError:
                emit(vbs::Op::OnError, 0, 0, 0, static_cast<const OnError&>(s).resumeNext ? 1 : 0);
                mark(start, s.pos);
                break;
            case StmtKind::Procedure:
            case StmtKind::Class:
                if (inProc_) compileError(errSyntax, s.pos);
                break;
            case StmtKind::Stop: break;
        }
    }

    void constStatement(const ConstItem& item) {
        Value v = constValue(*item.value);
        std::u16string key = foldName(item.name);
        if (inProc_ || ((mode_ == UnitMode::Execute || mode_ == UnitMode::Eval) && scope_)) {
            if (localConsts_.count(key) || (p_ && p_->localNames.count(key))) compileError(errNameRedefined, item.pos);
            localConsts_[key] = v;
            return;
        }
        if (vm_.consts.count(key) || vm_.globalIndex.count(key) || vm_.procs.count(key) || predefined(key))
            compileError(errNameRedefined, item.pos);
        vm_.consts[key] = v;
        addedConsts_.push_back(key);
    }

    // Whether evaluating e leaves every variable as it was: no script procedure, member, Eval or
    // Execute runs.
    bool harmless(const Expr& e) {
        switch (e.kind) {
            case ExprKind::Literal: return true;
            case ExprKind::Name: {
                if (isOwnName(e.name)) return true;
                Kind k = resolve(e.name).kind;
                return isVariable(k) || k == Kind::Const || k == Kind::Builtin || k == Kind::Dynamic;
            }
            case ExprKind::Paren:
            case ExprKind::Unary: return harmless(*e.object);
            case ExprKind::Binary: return harmless(*e.object) && harmless(*e.rhs);
            case ExprKind::Call: {
                if (e.object->kind != ExprKind::Name || isOwnName(e.object->name)) return false;
                Kind k = resolve(e.object->name).kind;
                if (!isVariable(k) && !(k == Kind::Builtin && special(foldName(e.object->name)) == Special::None))
                    return false;
                return std::all_of(e.args.begin(), e.args.end(), [&](const ExprPtr& x) { return harmless(*x); });
            }
            default: return false;
        }
    }

    // a = a & b & c: appended in place. Windows reads a first: where b or c may change a, its value
    // is read first and kept beside the reference for the append to check (flags 1).
    bool appendAssign(const Assign& a) {
        if (a.isSet || a.target->kind != ExprKind::Name || a.value->kind != ExprKind::Binary) return false;
        std::vector<const Expr*> parts;
        const Expr* e = a.value.get();
        while (e->kind == ExprKind::Binary && e->op == ast::Op::Concat) {
            parts.push_back(e->rhs.get());
            e = e->object.get();
        }
        if (parts.empty() || e->kind != ExprKind::Name || foldName(e->name) != foldName(a.target->name)) return false;
        Resolved r = target(*a.target);
        if (!isVariable(r.kind) && r.kind != Kind::Dynamic) return false;
        bool readFirst = !std::all_of(parts.begin(), parts.end(), [&](const Expr* x) { return harmless(*x); });
        ref(r, *a.target);
        if (readFirst) expr(*e);
        for (auto it = parts.rbegin(); it != parts.rend(); ++it) expr(**it);
        int n = static_cast<int>(parts.size());
        emit(vbs::Op::Append, -n - 1 - readFirst, 0, n, readFirst);
        return true;
    }

    void assign(const Assign& a) {
        uint8_t set = a.isSet ? 1 : 0;
        const Expr& t = *a.target;
        if (appendAssign(a)) return;
        std::function<void()> value = [&] {
            expr(*a.value);
            if (a.isSet) emit(vbs::Op::CheckObject, 0);
        };
        Invoke kind = a.isSet ? Invoke::Set : Invoke::Let;
        if (t.kind == ExprKind::Name) {
            Resolved r = target(t);
            createVariable(r, t.name);
            if (r.kind == Kind::Property) {
                accessor(a.isSet ? r.member->set : r.member->let, {}, &value);
                emit(vbs::Op::Pop, -1);
                return;
            }
            value();
            switch (r.kind) {
                case Kind::Local: storeLocal(r.slot, set); break;
                case Kind::Outer: emit(vbs::Op::StoreOuter, -1, r.slot, 0, set); break;
                case Kind::Field: storeField(r.slot, set); break;
                case Kind::Global: emit(vbs::Op::StoreGlobal, -1, r.slot, 0, set, r.var); break;
                case Kind::Dynamic:
                    emit(vbs::Op::StoreName, -1, implicitLocal(t.name), 0, set, variableSite(t.name));
                    break;
                default:
                    emit(vbs::Op::Pop, -1);
                    emit(vbs::Op::Raise, 0, errIllegalAssignment);
                    break;
            }
            return;
        }
        if (t.kind == ExprKind::Member) {
            object(t);
            value();
            emit(vbs::Op::Member, -1, 0, 1, static_cast<uint8_t>(kind), memberSite(t.name));
            emit(vbs::Op::Pop, -1);
            return;
        }
        if (t.kind != ExprKind::Call) compileError(errSyntax, t.pos);
        const Expr& callee = *t.object;
        int n = static_cast<int>(t.args.size());
        if (callee.kind == ExprKind::Name) {
            Resolved r = resolve(callee.name);
            if (r.kind == Kind::Property) {
                accessor(a.isSet ? r.member->set : r.member->let, t.args, &value);
                emit(vbs::Op::Pop, -1);
                return;
            }
        }
        if (callee.kind == ExprKind::Member) {
            object(callee);
            for (auto& x : t.args) expr(*x);
            value();
            emit(vbs::Op::Member, -n - 1, 0, n + 1, static_cast<uint8_t>(kind), memberSite(callee.name));
            emit(vbs::Op::Pop, -1);
            return;
        }
        if (callee.kind != ExprKind::Name) {
            // a(0)(4) = v stores into the array held in a(0) itself; d("a")("b") = v stores
            // through what d("a") reads, an object through its default member.
            int pins = 0;
            if (!elementRef(callee, pins)) expr(callee);
            for (auto& x : t.args) expr(*x);
            value();
            emit(vbs::Op::StoreIndex, -n - 2, 0, n, set);
            unpin(pins);
            return;
        }
        ref(target(callee), callee);
        for (auto& x : t.args) expr(*x);
        value();
        emit(vbs::Op::StoreIndex, -n - 2, 0, n, set);
    }

    void callStatement(const CallStmt& c) {
        const Expr& t = *c.target;
        if (t.kind == ExprKind::Name || t.kind == ExprKind::Member || !c.args.empty()) call(t, c.args, Invoke::Call);
        else expr(t);
        emit(vbs::Op::Pop, -1);
    }

    void dim(const Dim& d) {
        for (auto& v : d.vars) {
            if (!v.isArray) continue;
            Expr name(ExprKind::Name, v.pos);
            name.name = v.name;
            ref(resolve(v.name), name);
            for (auto& b : v.bounds) expr(*b);
            emit(vbs::Op::DimArray, -static_cast<int>(v.bounds.size()) - 1, 0, static_cast<int>(v.bounds.size()));
        }
    }

    void redim(const ReDim& r) {
        for (auto& item : r.items) {
            if (item.target->kind != ExprKind::Name) compileError(errSyntax, item.target->pos);
            ref(target(*item.target), *item.target);
            for (auto& b : item.bounds) expr(*b);
            int n = static_cast<int>(item.bounds.size());
            emit(vbs::Op::ReDim, -n - 1, 0, n, r.preserve ? 1 : 0);
        }
    }

    // A test and a jump; a comparison and its jump are one instruction.
    void condition(const Expr& c, bool jumpIf, std::vector<int>& patches) {
        Value folded;
        if (c.kind == ExprKind::Binary && c.op >= ast::Op::Eq && c.op <= ast::Op::Ge && !tryFold(c, folded)) {
            expr(*c.object);
            expr(*c.rhs);
            int kind = compareJumpMask(static_cast<int>(c.op) - static_cast<int>(ast::Op::Eq), jumpIf);
            auto flags = static_cast<uint8_t>(compareFlags(c));
            if (lastIsConstant()) {
                int k = p_->code.back().a;
                p_->code.pop_back();
                int slot = takeLoadedLocal();
                int at = emit(slot >= 0 ? vbs::Op::JumpCompareLocalConst : vbs::Op::JumpCompareConst, -2, 0, kind, flags);
                if (slot >= 0) p_->code[at].lk = {slot, k};
                else p_->code[at].b = k;
                patches.push_back(at);
            } else if (Instr* last = mergeable(); last && last->op == vbs::Op::LoadLocal2) {
                LocalAndConst both{last->a, static_cast<int32_t>(last->b)};  // k: the second local
                p_->code.pop_back();
                int at = emit(vbs::Op::JumpCompareLocals, -2, 0, kind, flags);
                p_->code[at].lk = both;
                patches.push_back(at);
            } else if (last && last->op == vbs::Op::LoadLocal) {
                int slot = last->a;
                p_->code.pop_back();
                int at = emit(vbs::Op::JumpCompareTopLocal, -2, 0, kind, flags);
                p_->code[at].b = slot;
                patches.push_back(at);
            } else {
                patches.push_back(emit(vbs::Op::JumpCompare, -2, 0, kind, flags));
            }
            return;
        }
        expr(c);
        patches.push_back(emit(jumpIf ? vbs::Op::JumpTrue : vbs::Op::JumpFalse, -1));
    }

    void ifStatement(const If& s) {
        std::vector<int> ends;
        for (auto& arm : s.arms) {
            int start = pc();
            lineHit(arm.cond->pos);
            std::vector<int> next;
            condition(*arm.cond, false, next);
            mark(start, arm.cond->pos);  // an error in the condition resumes inside the branch
            block(arm.body);
            ends.push_back(emit(vbs::Op::Jump, 0));
            patch(next[0]);
        }
        block(s.elseBody);
        for (int j : ends) patch(j);
    }

    void select(const Select& s) {
        int start = pc();
        int slot = hidden();
        expr(*s.subject);
        emit(vbs::Op::StoreLocal, -1, slot, 0, 1);
        size_t header = p_->stmts.size();
        mark(start, s.pos);
        std::vector<int> ends;
        for (auto& arm : s.cases) {
            std::vector<int> hits;
            std::vector<size_t> labels;
            for (auto& v : arm.values) {
                int at = pc();
                if (&v == &arm.values.front()) lineHit(v->pos);  // one hit per Case tried
                emit(vbs::Op::LoadLocal, 1, slot);
                expr(*v);
                unsigned flags = (isLiteral(*s.subject) ? unsigned(ops::kLeftLiteral) : 0u) | (isLiteral(*v) ? unsigned(ops::kRightLiteral) : 0u);
                if (lastIsConstant() && p_->code.end()[-2].op == vbs::Op::LoadLocal && p_->code.end()[-2].a == slot) {  // Case "x": one instruction
                    int k = p_->code.back().a;
                    p_->code.resize(p_->code.size() - 2);
                    int hit = emit(vbs::Op::JumpCompareLocalConst, -2, 0, compareJumpMask(0, true), static_cast<uint8_t>(flags));
                    p_->code[hit].lk = {slot, k};
                    hits.push_back(hit);
                } else {
                    emit(vbs::Op::Eq, -1, 0, 0, static_cast<uint8_t>(flags));
                    hits.push_back(emit(vbs::Op::JumpTrue, -1));
                }
                labels.push_back(p_->stmts.size());
                mark(at, v->pos);
            }
            int skip = emit(vbs::Op::Jump, 0);
            for (int h : hits) patch(h);
            // Windows resumes an error in a Case label inside that case.
            for (size_t l : labels) p_->stmts[l].resume = here();
            block(arm.body);
            ends.push_back(emit(vbs::Op::Jump, 0));
            patch(skip);
        }
        block(s.elseBody);
        for (int j : ends) patch(j);
        p_->stmts[header].resume = here();  // an error in the subject runs no case
    }

    void forStatement(const For& f) {
        loop(f, *f.var, f.body, vbs::Op::ForInit, vbs::Op::ForNext, [&] {
            expr(*f.from);
            expr(*f.to);
            if (f.step) expr(*f.step);
            else constant(Value::integer(1));
            return 3;
        });
    }

    void forEach(const ForEach& f) {
        loop(f, *f.var, f.body, vbs::Op::ForEachInit, vbs::Op::ForEachNext, [&] {
            expr(*f.collection);
            return 1;
        });
    }

    // For and For Each: the header fills three hidden slots (the variable's reference first), the
    // step instruction jumps back to the body. After an error in the header, Windows runs the body
    // once: the step instruction sees the hidden slots still empty and leaves the loop.
    void loop(const Stmt& s, const Expr& var, const Block& body, vbs::Op init, vbs::Op step,
              const std::function<int()>& operands) {
        int start = pc();
        int slots = hidden();
        hidden();
        hidden();
        ref(target(var), var);
        int n = operands();
        int head = emit(init, -n - 1, slots);
        mark(start, s.pos);
        int top = here();
        loops_.push_back({true, {}});
        block(body);
        int next = emit(step, 0, slots);
        p_->code[next].b = top;
        mark(next, s.pos);
        int exit = here();
        p_->code[head].b = exit;
        for (int e : loops_.back().exits) patch(e);
        loops_.pop_back();
        emit(vbs::Op::ClearLocal, 0, slots + 1);  // let go of an array snapshot or enumerator
    }

    void doLoop(const Do& d) {
        if (d.preKind != LoopCond::None) {
            testedFirst(*d.preCond, d.preKind == LoopCond::Until, d.body, true);
            return;
        }
        std::vector<int> exits;
        int top = here();
        loops_.push_back({false, {}});
        block(d.body);
        if (d.postKind != LoopCond::None) {
            int at = pc();
            lineHit(d.postCond->pos);
            expr(*d.postCond);
            emit(d.postKind == LoopCond::While ? vbs::Op::JumpTrue : vbs::Op::JumpFalse, -1, top);
            mark(at, d.postCond->pos);
        } else {
            emit(vbs::Op::Jump, 0, top);
        }
        for (int e : exits) patch(e);
        for (int e : loops_.back().exits) patch(e);
        loops_.pop_back();
    }

    void whileLoop(const While& w) { testedFirst(*w.cond, false, w.body, false); }

    // A loop tested before each pass has its test after the body, reached first by a jump: a pass
    // then runs one jump fewer. An error in the test resumes in the body, as with the test on top.
    // While ... Wend has no Exit of its own: an Exit Do in it leaves the Do around it.
    void testedFirst(const Expr& cond, bool until, const Block& body, bool isDo) {
        int toTest = emit(vbs::Op::Jump, 0);
        int bodyStart = here();
        if (isDo) loops_.push_back({false, {}});
        block(body);
        patch(toTest);
        int at = pc();
        lineHit(cond.pos);
        std::vector<int> again;
        condition(cond, !until, again);
        for (int j : again) p_->code[j].a = bodyStart;
        p_->stmts.push_back({at, bodyStart, cond.pos});
        if (!isDo) return;
        for (int e : loops_.back().exits) patch(e);
        loops_.pop_back();
    }

    void exitStatement(const Exit& x) {
        if (x.what == ExitKind::Do || x.what == ExitKind::For) {
            bool isFor = x.what == ExitKind::For;
            for (auto it = loops_.rbegin(); it != loops_.rend(); ++it)
                if (it->isFor == isFor) {
                    it->exits.push_back(emit(vbs::Op::Jump, 0));
                    return;
                }
            compileError(1039, x.pos);  // Invalid 'exit' statement
        }
        if (!inProc_) compileError(1039, x.pos);
        // Exit Sub, Function and Property clear Err (documented); nothing in this call runs after.
        emit(vbs::Op::OnError, 0);
        procExits_.push_back(emit(vbs::Op::Jump, 0));
    }

    // ---- units and procedures ----

    void compileMain(const Block& body) {
        unit_->main = std::make_unique<Proc>();
        p_ = unit_->main.get();
        p_->name = u"<main>";
        p_->source = source_;
        p_->cls = cls_;
        p_->outerScope = scope_;
        p_->explicitNames = explicit_;
        if (mode_ == UnitMode::Execute) declareVariables(body, false);
        if (mode_ == UnitMode::Eval) {
            auto& a = static_cast<const Assign&>(*body.at(0));
            p_->retSlot = hidden();
            int start = pc();
            expr(*a.value);
            emit(vbs::Op::StoreLocal, -1, p_->retSlot, 0, 1);
            mark(start, a.value->pos);
        } else {
            block(body);
        }
        emit(vbs::Op::Return, 0);
        lastPass();
        p_->frameSize = p_->nlocals + p_->maxStack;
    }

    void compileProc(const Procedure& d, Proc* proc) {
        p_ = proc;
        label_ = 0;
        p_->explicitNames = explicit_;
        cls_ = proc->cls;
        inProc_ = true;
        procDecl_ = &d;
        localConsts_.clear();
        implicitSlots_.clear();
        depth_ = 0;
        for (auto& prm : d.params) declareLocal(prm.name, prm.pos);
        if (d.procKind == ProcKind::Function || d.procKind == ProcKind::PropertyGet) {
            proc->retSlot = proc->nlocals++;
            proc->localNames.emplace(foldName(d.name), proc->retSlot);
        }
        declareVariables(d.body, false);
        declareConsts(d.body);
        block(d.body);
        for (int e : procExits_) patch(e);
        procExits_.clear();
        emit(vbs::Op::Return, 0);
        finish();
        p_->frameSize = p_->nlocals + p_->maxStack;
        if (proc->executeSlot >= 0) proc->implicitNames = implicitSlots_;
    }
};

}  // namespace

std::unique_ptr<Unit> compile(VM& vm, const ast::Program& program, std::shared_ptr<SourceText> source,
                              UnitMode mode, const Proc* scope, ExecuteScope* vars) {
    Compiler c(vm, std::move(source), mode, scope, vars, program.optionExplicit);
    return c.run(program);
}

}  // namespace vbs
