// The dispatch loop. Integer, Long and Double arithmetic and comparisons run inline; everything
// else goes to vbs::ops. Errors are C++ exceptions caught once per frame, where On Error Resume
// Next continues after the failing statement.
#include <algorithm>
#include <cmath>
#include <new>
#include <typeinfo>

#include "script/runtime/array_ops.h"
#include "script/values/convert.h"
#include "script/runtime/err_object.h"
#include "script/objects/factory.h"
#include "script/values/operators.h"
#include "script/runtime/script_class.h"
#include "script/runtime/vm.h"
#include "script/runtime/vm_support.h"

namespace vbs {

// The dispatch loop's stack top and next instruction, which nearly every instruction moves, live in
// callee-saved registers reserved for this file: the computed gotos make the loop one block for
// GCC's register allocator, which otherwise kept them in memory. Code in other files preserves
// them as it preserves any callee-saved register; execute() gives them back as it found them,
// for a caller here that a built-in or an object re-entered.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define VBS_PINNED_REGISTERS
register Value* sp asm("r15");
register Instr* ip asm("r14");
#endif

namespace {

// Kept out of the dispatch loop's way: only a failing call gets here.
[[gnu::cold, gnu::noinline]] void addCallSite(ScriptError& e, const Proc& p, int line) {
    std::u16string name;
    if (p.name != u"<main>") {
        using ast::ProcKind;
        if (p.kind == ProcKind::PropertyGet) name = u"Property Get ";
        if (p.kind == ProcKind::PropertyLet) name = u"Property Let ";
        if (p.kind == ProcKind::PropertySet) name = u"Property Set ";
        if (p.cls) name += p.cls->name + u".";
        name += p.name;
    }
    if (!e.chain.empty() && e.chain.back().procedure == name && e.chain.back().line == line) {
        ++e.chain.back().times;
        return;
    }
    e.chain.push_back({std::move(name), line, 1});
}

}  // namespace

// A name compiled without a declaration: now a global (the instruction is rewritten to reach it
// directly), the procedure's implicit local, or nothing yet (nullptr).
Value* VM::namedValue(Instr& I, Value* locals) {
    auto* site = static_cast<NameSite*>(I.p);
    if (site->missedAt != globals.size()) {
        auto it = globalIndex.find(site->key);
        if (it != globalIndex.end()) {
            I.op = I.op == Op::LoadName ? Op::LoadGlobal : I.op == Op::StoreName ? Op::StoreGlobal : Op::RefGlobal;
            I.a = it->second;
            I.p = &globals[static_cast<size_t>(it->second)];
            return &globals[static_cast<size_t>(it->second)];
        }
        site->missedAt = globals.size();
    }
    return I.a >= 0 ? &locals[I.a] : nullptr;
}

// The same, creating a script-level variable on its first use where that is allowed.
Value& VM::mustNameValue(Instr& I, Value* locals) {
    if (Value* v = namedValue(I, locals)) return *v;
    auto* site = static_cast<NameSite*>(I.p);
    if (!site->createGlobal) raiseNamed(errVariableUndefined, site->name);
    addGlobal(site->name);
    return *namedValue(I, locals);
}

void VM::storeSlow(Value& dst, Value* src, bool set) {
    if (!set && src->type == Type::Object) letValue(*src);
    Value* d = &dst;
    if (dst.type == Type::Ref) [[unlikely]] {
        d = dst.ref;
        if (!pins_.empty() && !src->isString()) textElement(d, *src, set);
    }
    // A variable holding the array it declared with bounds takes no other value.
    if (d->counted() && isFixedIn(*d)) [[unlikely]] raise(errTypeMismatch);
    moveInto(*d, src);
}

// An instruction on frame slots (Op::Add) but & with any operands and any destination. The
// operands are copies: an object's default value runs script code, which may change a ByRef
// parameter's variable read in place.
Value* VM::slotOp(const Instr& I, Value* locals, const Value* consts, Value* sp) {
    const Value x = slotAt(locals, I.a).deref();
    Value r;
    if (I.op == Op::Neg) {
        r = ops::neg(x);
    } else {
        const Value y = I.op >= Op::AddConst ? slotAt(consts, I.o.rhs) : slotAt(locals, I.o.rhs).deref();
        switch (I.op) {
            case Op::Add: case Op::AddConst: r = ops::add(x, y); break;
            case Op::Sub: case Op::SubConst: r = ops::sub(x, y); break;
            case Op::Mul: case Op::MulConst: r = ops::mul(x, y); break;
            case Op::Div: case Op::DivConst: r = ops::div(x, y); break;
            case Op::IntDiv: case Op::IntDivConst: r = ops::idiv(x, y); break;
            case Op::Mod: case Op::ModConst: r = ops::mod(x, y); break;
            case Op::And: case Op::AndConst: r = ops::bitAnd(x, y); break;
            case Op::Or: case Op::OrConst: r = ops::bitOr(x, y); break;
            default: r = ops::bitXor(x, y); break;
        }
    }
    Value* top = &slotAt(sp, static_cast<int16_t>(I.argc));
    clearRange(top, sp);  // the operands that were temporaries
    Value& dst = slotAt(locals, I.o.to);
    if (dst.type < Type::String) {
        dst.type = r.type;
        dst.cy = r.cy;
        r.type = Type::Empty;
    } else {
        storeSlow(dst, &r, false);
    }
    return top;
}

// Switches the running frame's state to callee's (locals are the caller's to set).
inline void VM::activate(Proc* callee, Value* frame, ScriptObject* self, Value* scope) {
    run_ = {callee, callee->code.data(), callee->consts.data(), self, scope, run_.pinMark, run_.resumeNext};
    sp_ = frame + callee->frameSize;
}

void VM::execute(Proc* proc, Value* frame, ScriptObject* self, Value* scope) {
    // The running frame. Calls from script to script switch these in place (the caller's are kept
    // in frames_), so script recursion never deepens the C++ stack. ip, sp and locals are the
    // loop's own; the rest lives in run_, in memory, so that GCC keeps those three in registers
    // (with all of them local it spilled sp and locals around every call). A nested execute()
    // (a built-in calling back into script) gives run_ back as it found it.
    struct Restore {
        Running& r;
        Running saved;
        ~Restore() { r = saved; }
    } restore{run_, run_};
    run_ = {proc, proc->code.data(), proc->consts.data(), self, scope, pins_.size(), false};
    Proc*& p = run_.p;
    Instr*& code = run_.code;
    const Value*& consts = run_.consts;
    ScriptObject*& me = run_.me;
    Value*& outer = run_.outer;
    size_t& pinMark = run_.pinMark;
    bool& resumeNext = run_.resumeNext;
#ifdef VBS_PINNED_REGISTERS
    struct KeepRegisters {
        Value* sp;
        Instr* ip;
        ~KeepRegisters() { vbs::sp = sp, vbs::ip = ip; }
    } keep{sp, ip};
#else
    Value* sp;
    Instr* ip;
#endif
    Value* locals = frame;
    ip = code;
    sp = locals + p->nlocals;
    const size_t entryDepth = frameCount_;

    // The helpers below are forced inline: a helper that is called keeps ip and sp in memory.
#define INLINE __attribute__((always_inline))
    // The end of the running frame's operand stack: where calls from built-ins and objects put
    // their arguments. Derived when needed rather than kept, to keep the frame switch short. (A
    // macro, as the helpers below take no lambda by reference: that would put locals in memory.)
#define frameTop() (locals + p->frameSize)
    // Calls callee with its argc arguments at args; its value will go to ret. The native stack
    // stays as it is, so only the value stack and the depth need checks; the callee's other
    // locals lie above the stack top, where nothing is counted: numbers at most.
    auto enter = [&](Proc* callee, Value* args, int argc, ScriptObject* self, Value* ret) INLINE {
        Value* top = args + callee->frameSize;
        if (argc != callee->nparams) raise(errWrongArgCount);
        if (top >= stackEnd_ || depth_ >= kMaxDepth) raise(errOutOfStack);
        if (top > stackHigh_) stackHigh_ = top;
        for (Value* v = args + argc; v < args + callee->nlocals; ++v) v->type = Type::Empty;
        if (deadline_.tripped()) checkClock();
        if (callee->anyByVal)
            for (int i = 0; i < argc; ++i)
                if (args[i].type == Type::Ref && callee->byVal[i]) {
                    Value* target = args[i].ref;
                    args[i].type = Type::Empty;
                    copyInto(&args[i], *target);
                }
        if (profile_) [[unlikely]] profileEnter(callee);
        frames_[frameCount_++] = {p, ip, locals, ret, me, outer, pinMark, resumeNext};
        ++depth_;
        activate(callee, args, self, nullptr);
        locals = args;
        ip = code;
        sp = locals + p->nlocals;
        pinMark = pins_.size();
        resumeNext = false;
    };
    // Back to the caller frame, with the callee's locals gone (its operand stack is empty by
    // then). Answers where the callee's value goes.
    auto leave = [&]() INLINE -> Value* {
        clearRange(locals, locals + p->nlocals);
        if (profile_) [[unlikely]] profile_->leave();
        --depth_;
        const CallerFrame& f = frames_[--frameCount_];
        activate(f.p, f.locals, f.me, f.outer);
        locals = f.locals;
        ip = f.ip;
        pinMark = f.pinMark;
        resumeNext = f.resumeNext;
        sp = f.ret + 1;
        return f.ret;
    };

    auto pushRef = [&](Value& v) INLINE { *sp++ = Value::reference(v.type == Type::Ref ? v.ref : &v); };
    // The usual store, a value that is no object over one that holds nothing counted, inline.
    auto store = [&](Value& dst, Value* src, bool set) INLINE {
        if (dst.type < Type::String && src->type != Type::Object) {
            dst.type = src->type;
            dst.cy = src->cy;
            src->type = Type::Empty;
        } else {
            storeSlow(dst, src, set);
        }
    };
    auto named = [&](Instr& I) INLINE { return namedValue(I, locals); };
    auto mustName = [&](Instr& I) INLINE -> Value& { return mustNameValue(I, locals); };

    // Threaded dispatch: each instruction jumps straight to the next one's code. NEXT stands
    // outside every block with locals: a computed goto skips their destructors.
    static const void* const kLabels[] = {
        &&L_PushConst, &&L_PushMissing, &&L_Pop, &&L_LoadLocal, &&L_StoreLocal, &&L_RefLocal, &&L_LoadLocal2,
        &&L_LoadGlobal, &&L_StoreGlobal, &&L_RefGlobal, &&L_LoadField, &&L_StoreField, &&L_RefField,
        &&L_LoadOuter, &&L_StoreOuter, &&L_RefOuter, &&L_LoadName, &&L_StoreName, &&L_RefName,
        &&L_LoadMe, &&L_MoveLocal, &&L_MoveFieldToLocal, &&L_MoveLocalToField, &&L_Pow, &&L_Not, &&L_Eqv, &&L_Imp,
        &&L_Add, &&L_Sub, &&L_Mul, &&L_Div, &&L_IntDiv, &&L_Mod, &&L_Concat, &&L_And, &&L_Or, &&L_Xor,
        &&L_AddConst, &&L_SubConst, &&L_MulConst, &&L_DivConst, &&L_IntDivConst, &&L_ModConst, &&L_ConcatConst,
        &&L_AndConst, &&L_OrConst, &&L_XorConst, &&L_Neg, &&L_Append,
        &&L_Eq, &&L_Ne, &&L_Lt, &&L_Gt, &&L_Le, &&L_Ge, &&L_Is, &&L_Jump, &&L_JumpFalse, &&L_JumpTrue,
        &&L_JumpCompare, &&L_JumpCompareConst, &&L_JumpCompareTopLocal, &&L_JumpCompareLocalConst, &&L_JumpCompareLocals, &&L_CallProc, &&L_CallMethod, &&L_CallBuiltin, &&L_Convert, &&L_Floor,
        &&L_CallName, &&L_Index, &&L_IndexLocal, &&L_RefIndex, &&L_StoreIndex, &&L_Member, &&L_New, &&L_CheckObject,
        &&L_DimArray, &&L_ReDim, &&L_Erase, &&L_ForInit, &&L_ForNext, &&L_ForEachInit,
        &&L_ForEachNext, &&L_ClearLocal, &&L_OnError, &&L_Unpin, &&L_Eval, &&L_GetRef, &&L_Raise,
        &&L_CallBuiltinTimed, &&L_Line, &&L_StoreReturn, &&L_Return
    };
    static_assert(std::size(kLabels) == static_cast<size_t>(Op::Return) + 1, "one label per instruction");
#define NEXT                                        \
    do {                                            \
        I = ip++;                                   \
        goto* kLabels[static_cast<int>(I->op)];     \
    } while (0)

    // To the instruction at a byte offset into the code; a jump back checks the time-out.
#define JUMP_TO(target)                                                                                \
    do {                                                                                               \
        if ((target) < reinterpret_cast<char*>(ip) - reinterpret_cast<char*>(code) && deadline_.tripped()) \
            checkClock();                                                                              \
        ip = instrAt(code, target);                                                                    \
    } while (0)

    for (;;) {
        ScriptError failure;
        try {
            {
                // No switch: its jump table's address would hold a register for the whole loop.
                Instr* I;
                NEXT;
                {
                    L_PushConst: copyInto(sp++, consts[I->a]); NEXT;
                    L_PushMissing: *sp++ = Value::error(kParamNotFound); NEXT;
                    L_Pop: clearRange(sp - 1, sp); --sp; NEXT;

                    L_LoadLocal: copyInto(sp++, locals[I->a].deref()); NEXT;
                    L_StoreLocal: store(locals[I->a], --sp, I->flags); NEXT;
                    L_RefLocal: pushRef(locals[I->a]); NEXT;
                    L_LoadLocal2:
                        copyInto(sp, locals[I->a].deref());
                        copyInto(sp + 1, locals[I->b].deref());
                        sp += 2;
                        NEXT;
                    L_LoadGlobal: copyInto(sp++, *static_cast<Value*>(I->p)); NEXT;
                    L_StoreGlobal: store(*static_cast<Value*>(I->p), --sp, I->flags); NEXT;
                    L_RefGlobal: pushRef(*static_cast<Value*>(I->p)); NEXT;
                    L_LoadField: copyInto(sp++, me->fields[I->a]); NEXT;
                    L_StoreField: store(me->fields[I->a], --sp, I->flags); NEXT;
                    L_RefField: pushRef(me->fields[I->a]); NEXT;
                    L_LoadOuter: copyInto(sp++, outer[I->a].deref()); NEXT;
                    L_StoreOuter: store(outer[I->a], --sp, I->flags); NEXT;
                    L_RefOuter: pushRef(outer[I->a]); NEXT;
                    L_LoadName: {
                        if (Value* v = named(*I)) {
                            *sp++ = v->deref();
                            NEXT;
                        }
                        sp_ = sp;
                        Value r;
                        bool late = lateValue(*static_cast<NameSite*>(I->p), r);
                        sp_ = frameTop();
                        if (late) *sp++ = std::move(r);
                        else copyInto(sp++, mustName(*I));
                    }
                    NEXT;
                    L_StoreName: store(mustName(*I), --sp, I->flags); NEXT;
                    L_RefName: {
                        if (Value* v = named(*I)) {
                            pushRef(*v);
                            NEXT;
                        }
                        sp_ = sp;
                        Value r;
                        bool late = lateValue(*static_cast<NameSite*>(I->p), r);
                        sp_ = frameTop();
                        if (late) *sp++ = std::move(r);  // a function's value goes by value
                        else pushRef(mustName(*I));
                    }
                    NEXT;
                    L_LoadMe: *sp++ = Value::object(me); NEXT;
                    // The value passes through the free slot at sp, as a Load and a Store would, but
                    // a number over a variable holding nothing counted.
                    L_MoveLocal: {
                        const Value& from = locals[I->a].deref();
                        Value& to = locals[I->b];
                        if (from.type < Type::String && to.type < Type::String) {
                            to.type = from.type;
                            to.cy = from.cy;
                            NEXT;
                        }
                        copyInto(sp, from);
                        store(to, sp, I->flags);
                    }
                    NEXT;
                    L_MoveFieldToLocal:
                        copyInto(sp, me->fields[I->a]);
                        store(locals[I->b], sp, I->flags);
                        NEXT;
                    L_MoveLocalToField:
                        copyInto(sp, locals[I->a].deref());
                        store(me->fields[I->b], sp, I->flags);
                        NEXT;

                    // Arithmetic on frame slots, numbers into a slot holding nothing counted inline.
                    // The temporaries the stack top drops keep their numbers: nothing counted
                    // lies above it, and enter() empties a callee's locals.
#define SLOT_OP(name, fast)                                                                       \
    L_##name:                                                                                     \
        if (slotAt(locals, I->o.to).type < Type::String &&                                        \
            fast(slotAt(locals, I->a).deref(), slotAt(locals, I->o.rhs).deref(), slotAt(locals, I->o.to))) { \
            sp = &slotAt(sp, static_cast<int16_t>(I->argc));                                      \
            NEXT;                                                                                 \
        }                                                                                         \
        sp = slotOp(*I, locals, consts, sp);                                                      \
        NEXT;                                                                                     \
    L_##name##Const:                                                                              \
        if (slotAt(locals, I->o.to).type < Type::String &&                                        \
            fast(slotAt(locals, I->a).deref(), slotAt(consts, I->o.rhs), slotAt(locals, I->o.to))) { \
            sp = &slotAt(sp, static_cast<int16_t>(I->argc));                                      \
            NEXT;                                                                                 \
        }                                                                                         \
        sp = slotOp(*I, locals, consts, sp);                                                      \
        NEXT;
                    SLOT_OP(Add, addFast)
                    SLOT_OP(Sub, subFast)
                    SLOT_OP(Mul, mulFast)
                    SLOT_OP(Div, divFast)
                    SLOT_OP(IntDiv, idivFast)
                    SLOT_OP(Mod, modFast)
                    // & makes text: its operands' temporaries may hold text too.
#define CONCAT(rhs)                                              \
    {                                                            \
        Value r = concat(slotAt(locals, I->a).deref(), rhs);     \
        Value* top = &slotAt(sp, static_cast<int16_t>(I->argc)); \
        clearRange(top, sp);                                     \
        sp = top;                                                \
        store(slotAt(locals, I->o.to), &r, false);               \
    }                                                            \
    NEXT;
                    L_Concat: CONCAT(slotAt(locals, I->o.rhs).deref())
                    L_ConcatConst: CONCAT(slotAt(consts, I->o.rhs))
#undef CONCAT
                    SLOT_OP(And, logicFast<Logic::And>)
                    SLOT_OP(Or, logicFast<Logic::Or>)
                    SLOT_OP(Xor, logicFast<Logic::Xor>)
#undef SLOT_OP
                    L_Neg:
                        if (slotAt(locals, I->o.to).type < Type::String && negFast(slotAt(locals, I->a).deref(), slotAt(locals, I->o.to))) {
                            sp = &slotAt(sp, static_cast<int16_t>(I->argc));
                            NEXT;
                        }
                        sp = slotOp(*I, locals, consts, sp);
                        NEXT;
                    L_Pow: sp = binaryOp(sp, ops::pow); NEXT;
                    L_Append: {
                        Value* parts = sp - I->argc;
                        Value* base = parts - 1 - I->flags;
                        Value& target = *base->ref;
                        if (I->flags) {
                            Value& first = parts[-1];  // the value read before the parts ran
                            if (first.type != target.type || first.cy != target.cy) target = std::move(first);
                            else first = Value();  // unchanged: appended to in place
                        }
                        appendAll(target, parts, I->argc);
                        clearRange(base, sp);
                        sp = base;
                    }
                    NEXT;
                    L_Not: {
                        Value& a = sp[-1];
                        if (a.type == Type::Boolean) a.b = !a.b;
                        else a = ops::bitNot(a);
                    }
                    NEXT;
                    L_Eqv: sp = binaryOp(sp, ops::eqv); NEXT;
                    L_Imp: sp = binaryOp(sp, ops::imp); NEXT;
                    L_Eq: sp = compareOp(sp, I->flags, [](int c) { return c == 0; }); NEXT;
                    L_Ne: sp = compareOp(sp, I->flags, [](int c) { return c != 0; }); NEXT;
                    L_Lt: sp = compareOp(sp, I->flags, [](int c) { return c < 0; }); NEXT;
                    L_Gt: sp = compareOp(sp, I->flags, [](int c) { return c > 0; }); NEXT;
                    L_Le: sp = compareOp(sp, I->flags, [](int c) { return c <= 0; }); NEXT;
                    L_Ge: sp = compareOp(sp, I->flags, [](int c) { return c >= 0; }); NEXT;
                    L_Is: {
                        bool same = ops::is(sp[-2], sp[-1]);
                        sp[-1] = Value();
                        sp[-2] = Value::boolean(same);
                        --sp;
                    }
                    NEXT;

                    L_Jump: JUMP_TO(I->a); NEXT;
                    L_JumpFalse:
                    L_JumpTrue: {
                        Value c = std::move(*--sp);
                        bool t = truthy(c);
                        if (t == (I->op == Op::JumpTrue)) JUMP_TO(I->a);
                    }
                    NEXT;

                    L_JumpCompare: {
                        bool t = compareJumps(I->argc, compareValues(sp[-2], sp[-1], I->flags));
                        sp -= 2;
                        clearPair(sp);
                        if (t) JUMP_TO(I->a);
                    }
                    NEXT;
#define COMPARE_TOP(rhs)                                                               \
    {                                                                                  \
        bool t = compareJumps(I->argc, compareValues(sp[-1], rhs, I->flags));          \
        sp = dropTop(sp);                                                              \
        if (t) JUMP_TO(I->a);                                                          \
    }                                                                                  \
    NEXT;
                    L_JumpCompareConst: COMPARE_TOP(slotAt(consts, I->b))
                    L_JumpCompareTopLocal: COMPARE_TOP(slotAt(locals, I->b).deref())
#undef COMPARE_TOP
                    L_JumpCompareLocalConst:
                        if (compareJumps(I->argc, compareValues(slotAt(locals, I->lk.slot).deref(), slotAt(consts, I->lk.k), I->flags)))
                            JUMP_TO(I->a);
                        NEXT;
                    L_JumpCompareLocals:
                        if (compareJumps(I->argc, compareValues(slotAt(locals, I->lk.slot).deref(), slotAt(locals, I->lk.k).deref(), I->flags)))
                            JUMP_TO(I->a);
                        NEXT;
#define CALL(self)                                                               \
    {                                                                            \
        Value* args = sp - I->argc;                                              \
        enter(static_cast<Proc*>(I->p), args, I->argc, self, args);              \
    }                                                                            \
    NEXT;
                    L_CallProc: CALL(nullptr)
                    L_CallMethod: CALL(me)
#undef CALL
                    L_CallBuiltin: {
                        Value* args = sp - I->argc;
                        Value r;
                        static_cast<const Builtin*>(I->p)->fn(ctx, args, I->argc, r);
                        while (sp > args) *--sp = Value();
                        *sp++ = std::move(r);
                    }
                    NEXT;
                    L_Convert:
                        if (convertInline(sp[-1], static_cast<Type>(I->flags))) NEXT;
                        goto L_CallBuiltin;
                    L_Floor:
                        if (sp[-1].type == Type::Double) sp[-1].f64 = std::floor(sp[-1].f64);
                        else if (!isInt(sp[-1])) goto L_CallBuiltin;
                        NEXT;
                    L_CallName: {
                        Value* place = sp - I->argc - 1;
                        Value r;
                        sp_ = place + 1;
                        callName(*static_cast<NameSite*>(I->p), I->argc, r, I->flags, I->a >= 0 ? &locals[I->a] : nullptr);
                        sp_ = frameTop();
                        while (sp > place + 1) *--sp = Value();
                        *place = std::move(r);
                    }
                    NEXT;
                    L_Index:
                        if (I->argc == 1 && indexVector(sp - 2, sp[-1], sp - 2)) {
                            sp[-1].type = Type::Empty;  // the subscript, a number: nothing to release
                            --sp;
                            NEXT;
                        }
                        if (I->argc > 1 && indexMatrix(sp - I->argc - 1, I->argc)) {
                            for (Value* v = sp - I->argc; v < sp; ++v) v->type = Type::Empty;  // numbers too
                            sp -= I->argc;
                            NEXT;
                        }
                        {
                            Value* c = sp - I->argc - 1;
                            Value r;
                            index(*c, c + 1, I->argc, r);
                            while (sp > c + 1) *--sp = Value();
                            *c = std::move(r);
                        }
                    NEXT;
                    L_IndexLocal: {
                        Value* a = &locals[I->a];
                        if (I->flags) {  // the subscript is locals[b]
                            if (indexVector(a, locals[I->b].deref(), sp)) {
                                ++sp;
                                NEXT;
                            }
                            copyInto(sp++, locals[I->b].deref());
                        } else if (indexVector(a, sp[-1], sp - 1)) {
                            NEXT;
                        }
                        sp[0] = std::move(sp[-1]);  // Index's operands: a reference to the array, the subscript
                        sp[-1] = Value::reference(a->type == Type::Ref ? a->ref : a);
                        ++sp;
                        goto L_Index;
                    }
                    L_RefIndex: {
                        Value* c = sp - I->argc - 1;
                        Value& t = c->deref();
                        if (indexable(t, c + 1, I->argc)) {
                            ArrayRep* a = ownArray(t);
                            Value& e = element(a, c + 1, I->argc);
                            ++a->refs;
                            ++a->locks;
                            pins_.push_back(a);
                            while (sp > c + 1) *--sp = Value();
                            *c = Value::reference(&e);
                        } else {
                            Value r;
                            index(t, c + 1, I->argc, r);
                            while (sp > c + 1) *--sp = Value();
                            *c = std::move(r);
                        }
                    }
                    NEXT;
                    L_StoreIndex:
                        if (I->argc == 1 && storeVector(sp - 3, sp[-1])) {
                            clearRange(sp - 3, sp);
                            sp -= 3;
                            NEXT;
                        }
                        {
                            Value* c = sp - I->argc - 2;
                            Value v = std::move(sp[-1]);
                            storeElement(*c, c + 1, I->argc, std::move(v), I->flags);
                            while (sp > c) *--sp = Value();
                        }
                    NEXT;
                    L_Member: {
                        Value* obj = sp - I->argc - 1;
                        auto* site = static_cast<MemberSite*>(I->p);
                        auto kind = static_cast<Invoke>(I->flags);
                        // The inline cache: the same script class as last time runs its member
                        // directly. ScriptObject is final, so its type test needs no virtual call.
                        if (site->cls && obj->type == Type::Object && obj->obj &&
                            typeid(*obj->obj) == typeid(ScriptObject) &&
                            static_cast<ScriptObject*>(obj->obj)->cls == site->cls) {
                            auto* so = static_cast<ScriptObject*>(obj->obj);
                            if (site->proc) {
                                if (kind == Invoke::Let) letValue(sp[-1]);
                                enter(site->proc, obj + 1, I->argc, so, obj);
                                NEXT;
                            }
                            if (site->field >= 0) {
                                {
                                    Value v;
                                    copyInto(&v, so->fields[site->field]);
                                    *obj = std::move(v);  // the object goes after its field is copied
                                }
                                NEXT;
                            }
                        }
                        Value r;
                        memberOp(*static_cast<MemberSite*>(I->p), static_cast<Invoke>(I->flags), obj, I->argc, r);
                        sp_ = frameTop();
                        while (sp > obj + 1) *--sp = Value();
                        *obj = std::move(r);
                    }
                    NEXT;
                    L_New: {
                        auto* site = static_cast<NameSite*>(I->p);
                        if (I->flags) {
                            *sp++ = newRegExp();
                            NEXT;
                        }
                        if (!site->cls) {
                            auto it = classes.find(site->key);
                            if (it == classes.end()) raiseNamed(506, site->name);
                            site->cls = it->second;
                        }
                        *sp++ = newObject(site->cls);
                    }
                    NEXT;
                    L_CheckObject:
                        if (!sp[-1].isObject()) raise(errObjectRequired);
                        NEXT;
                    L_DimArray: {
                        Value* c = sp - I->argc - 1;
                        if (I->argc > ArrayRep::kMaxDims) raise(errSubscript);  // as ReDim
                        int32_t upper[ArrayRep::kMaxDims];
                        for (int i = 0; i < I->argc; ++i) upper[i] = toLong(c[1 + i]);
                        dimArray(c->deref(), upper, I->argc);
                        while (sp > c) *--sp = Value();
                    }
                    NEXT;
                    L_ReDim: {
                        Value* c = sp - I->argc - 1;
                        redim(*c, c + 1, I->argc, I->flags);
                        while (sp > c) *--sp = Value();
                    }
                    NEXT;
                    L_Erase: erase(sp[-1]); *--sp = Value(); NEXT;

                    L_ForInit: {
                        Value* h = locals + I->a;  // [variable ref, limit, step]
                        Value* in = sp - 4;       // [variable ref, from, to, step]
                        for (int i = 1; i < 4; ++i)
                            if (!isFast(in[i])) {
                                if (in[i].deref().type == Type::Null) raise(errInvalidNull);
                                in[i] = toNumeric(in[i]);
                            }
                        // Nothing here is counted but the variable's old value: the reference, the
                        // numbers and what the hidden slots held (the last run's) are plain bits.
                        auto bits = [](Value& to, const Value& from) INLINE {
                            to.type = from.type;
                            to.cy = from.cy;
                        };
                        bits(h[0], in[0]);
                        bits(h[1], in[2]);
                        bits(h[2], in[3]);
                        Value& var = *h[0].ref;
                        moveInto(var, &in[1]);
                        in[0].type = in[2].type = in[3].type = Type::Empty;
                        sp = in;
                        if (!forContinues(var, h[1], h[2])) ip = instrAt(code, I->b);
                    }
                    NEXT;
                    L_ForNext: {
                        Value* h = locals + I->a;
                        if (h[1].type == Type::Empty) NEXT;  // the header failed: the body ran once
                        Value& var = *h[0].ref;
                        Value& step = h[2];
                        if (isInt(var) && isInt(step) && isInt(h[1])) {  // the counting loop: one test of the types
                            int64_t n = int64_t(intOf(var)) + intOf(step);
                            bool integer = bothInteger(var, step);
                            if (n >= (integer ? INT16_MIN : INT32_MIN) && n <= (integer ? INT16_MAX : INT32_MAX)) {
                                var.type = integer ? Type::Integer : Type::Long;
                                var.i32 = static_cast<int32_t>(n);
                                if (intOf(step) < 0 ? n >= intOf(h[1]) : n <= intOf(h[1])) {
                                    if (deadline_.tripped()) checkClock();
                                    ip = instrAt(code, I->b);
                                }
                                NEXT;
                            }
                        }
                        if (!addFast(var, step, var)) var = ops::add(var, step);
                        if (forContinues(var, h[1], step)) {
                            if (deadline_.tripped()) checkClock();
                            ip = instrAt(code, I->b);
                        }
                    }
                    NEXT;
                    L_ForEachInit: {
                        Value* h = locals + I->a;  // [variable ref, array or enumerator, next index]
                        Value* in = sp - 2;
                        h[0] = in[0];
                        Value coll = std::move(in[1]);
                        in[0] = Value();
                        sp = in;
                        if (coll.isArray()) {
                            h[1] = std::move(coll);
                            h[2] = Value::lng(0);
                        } else if (coll.isObject() && coll.obj) {
                            h[1] = Value::object(new EnumHolder(coll.obj->enumerate()));
                        } else {
                            raise(coll.isObject() ? errObjectNotSet : errNotCollection);
                        }
                        if (!forEachStep(h)) ip = instrAt(code, I->b);
                    }
                    NEXT;
                    L_ForEachNext:
                        if (forEachStep(locals + I->a)) {
                            if (deadline_.tripped()) checkClock();
                            ip = instrAt(code, I->b);
                        }
                        NEXT;
                    L_ClearLocal: locals[I->a] = Value(); NEXT;

                    L_OnError:
                        resumeNext = I->flags;
                        err->clear();
                        NEXT;
                    L_Unpin: unpin(pins_.size() - I->argc); NEXT;
                    L_Eval: {
                        Value text = std::move(sp[-1]);
                        String s = toString(text);
                        sp_ = frameTop();
                        Value r = evalText(s.view(), I->flags, p, me, locals, outer);
                        sp_ = frameTop();
                        sp[-1] = std::move(r);
                    }
                    NEXT;
                    L_GetRef: {
                        String name = toString(sp[-1]);
                        auto it = procs.find(foldName(name.view()));
                        if (it == procs.end()) raise(errInvalidCall);
                        sp[-1] = Value::object(new ProcRef(*this, it->second));
                    }
                    NEXT;
                    L_Raise: raise(I->a);
                    L_CallBuiltinTimed: {
                        Value* args = sp - I->argc;
                        Value r;
                        profiledBuiltin(*static_cast<const Builtin*>(I->p), args, I->argc, r);
                        while (sp > args) *--sp = Value();
                        *sp++ = std::move(r);
                    }
                    NEXT;
                    L_Line: profile_->hit(I->a);
                    NEXT;
                    L_StoreReturn:
                        store(locals[I->a], --sp, I->flags);
                    L_Return: {
                        if (frameCount_ == entryDepth) goto done;
                        Value result;
                        if (p->retSlot >= 0) moveInto(result, &locals[p->retSlot]);
                        Value* ret = leave();
                        moveInto(*ret, &result);
                    }
                    NEXT;
                }
            }
        } catch (ScriptError& e) {
            failure = std::move(e);
            if (deadline_.tripped() && deadline_.expired()) {  // a built-in stopped by the time-out, or failing late
                aborting_ = true;
                failure = timedOut(timeoutMs_);
            } else {
                nameBuiltin(failure, ip[-1]);
            }
        } catch (const std::bad_alloc&) {
            failure.number = errOutOfMemory;
            failure.description = std::u16string(errorDescription(errOutOfMemory));
        } catch (...) {
            for (;;) {
                sp_ = frameTop();
                clearRange(locals + p->nlocals, frameTop());
                if (frameCount_ == entryDepth) break;
                leave();
            }
            unpin(pinMark);
            throw;
        }
        // The error leaves frames until one has On Error Resume Next, where the statement after
        // the failing one runs next; each frame it leaves gives it its position if it has none.
        if (failure.source.empty()) failure.source = u"Microsoft VBScript runtime error";
        // An error some frame of this call resumes after gets no chain: Resume Next in a loop
        // stays cheap.
        const bool resumed = !aborting_ && (resumeNext || std::any_of(&frames_[entryDepth], &frames_[frameCount_],
                                                                      [](const CallerFrame& f) { return f.resumeNext; }));
        for (;;) {
            int at = static_cast<int>(ip - code) - 1;
            const StmtInfo* st = p->stmtAt(at);
            sp_ = frameTop();
            clearRange(locals + p->nlocals, frameTop());
            sp = locals + p->nlocals;
            unpin(pinMark);
            if (resumeNext && !aborting_) {
                err->set(failure);
                ip = code + (st ? st->resume : at + 1);
                break;
            }
            if (failure.line == 0 && st) {
                failure.line = st->pos.line;
                failure.column = st->pos.column;
                failure.lineText = std::u16string(p->source->line(failure.line));
            }
            if (!resumed) addCallSite(failure, *p, st ? st->pos.line : 0);
            if (frameCount_ == entryDepth) throw failure;
            leave();
        }
    }
#undef JUMP_TO
#undef NEXT
#undef frameTop
#undef INLINE
done:;
}

}  // namespace vbs
