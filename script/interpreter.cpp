// The dispatch loop. Integer, Long and Double arithmetic and comparisons run inline; everything
// else goes to vbs::ops. Errors are C++ exceptions caught once per frame, where On Error Resume
// Next continues after the failing statement.
#include "script/array_ops.h"
#include "script/convert.h"
#include "script/err_object.h"
#include "script/mid_statement.h"
#include "script/objects/factory.h"
#include "script/operators.h"
#include "script/script_class.h"
#include "script/vm.h"
#include "script/vm_support.h"

namespace vbs {

void VM::execute(Proc* p, Value* locals, ScriptObject* me, Value* outer) {
    Instr* const code = p->code.data();
    const Value* const consts = p->consts.data();
    Value* const base = locals + p->nlocals;
    Value* const frameTop = base + p->maxStack;
    Instr* ip = code;
    Value* sp = base;
    bool resumeNext = false;
    const size_t pinMark = pins_.size();

    auto global = [this](int i) -> Value& { return globals[static_cast<size_t>(i)]; };
    auto pushRef = [&](Value& v) { *sp++ = Value::reference(v.type == Type::Ref ? v.ref : &v); };
    auto store = [](Value& dst, Value* src, bool set) {
        if (!set && src->type == Type::Object) letValue(*src);
        moveInto(dst.deref(), src);
    };
    // A name compiled without a declaration: now a global (the instruction is rewritten to reach
    // it directly), the procedure's implicit local, or nothing yet (nullptr).
    auto named = [&](Instr& I) -> Value* {
        auto* site = static_cast<NameSite*>(I.p);
        if (site->missedAt != globals.size()) {
            auto it = globalIndex.find(site->key);
            if (it != globalIndex.end()) {
                I.op = I.op == Op::LoadName ? Op::LoadGlobal : I.op == Op::StoreName ? Op::StoreGlobal : Op::RefGlobal;
                I.a = it->second;
                return &global(it->second);
            }
            site->missedAt = globals.size();
        }
        return I.a >= 0 ? &locals[I.a] : nullptr;
    };
    auto mustName = [&](Instr& I) -> Value& {
        Value* v = named(I);
        if (!v) raiseNamed(errVariableUndefined, static_cast<NameSite*>(I.p)->name);
        return *v;
    };

    for (;;) {
        try {
            for (;;) {
                Instr& I = *ip++;
                switch (I.op) {
                    case Op::PushConst: copyInto(sp++, consts[I.a]); break;
                    case Op::PushMissing: *sp++ = Value::error(kParamNotFound); break;
                    case Op::Pop: { Value drop = std::move(*--sp); break; }

                    case Op::LoadLocal: copyInto(sp++, locals[I.a].deref()); break;
                    case Op::StoreLocal: store(locals[I.a], --sp, I.flags); break;
                    case Op::RefLocal: pushRef(locals[I.a]); break;
                    case Op::LoadGlobal: copyInto(sp++, global(I.a)); break;
                    case Op::StoreGlobal: store(global(I.a), --sp, I.flags); break;
                    case Op::RefGlobal: pushRef(global(I.a)); break;
                    case Op::LoadField: copyInto(sp++, me->fields[I.a]); break;
                    case Op::StoreField: store(me->fields[I.a], --sp, I.flags); break;
                    case Op::RefField: pushRef(me->fields[I.a]); break;
                    case Op::LoadOuter: copyInto(sp++, outer[I.a].deref()); break;
                    case Op::StoreOuter: store(outer[I.a], --sp, I.flags); break;
                    case Op::RefOuter: pushRef(outer[I.a]); break;
                    case Op::LoadName: {
                        if (Value* v = named(I)) {
                            *sp++ = v->deref();
                            break;
                        }
                        auto* site = static_cast<NameSite*>(I.p);
                        auto it = procs.find(site->key);  // a function defined by later code
                        if (it == procs.end()) raiseNamed(errVariableUndefined, site->name);
                        Value r;
                        sp_ = sp;
                        call(it->second, 0, nullptr, nullptr, r);
                        sp_ = frameTop;
                        *sp++ = std::move(r);
                        break;
                    }
                    case Op::StoreName: store(mustName(I), --sp, I.flags); break;
                    case Op::RefName: pushRef(mustName(I)); break;
                    case Op::LoadMe: *sp++ = Value::object(me); break;

                    case Op::Add: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (a.type == Type::Integer && b.type == Type::Integer) setInt(a, int32_t(a.i16) + b.i16, true);
                        else if (isInt(a) && isInt(b)) setInt(a, int64_t(intOf(a)) + intOf(b), false);
                        else if (isFast(a) && isFast(b)) setDouble(a, dblOf(a) + dblOf(b));
                        else a = ops::add(a, b);
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Sub: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (a.type == Type::Integer && b.type == Type::Integer) setInt(a, int32_t(a.i16) - b.i16, true);
                        else if (isInt(a) && isInt(b)) setInt(a, int64_t(intOf(a)) - intOf(b), false);
                        else if (isFast(a) && isFast(b)) setDouble(a, dblOf(a) - dblOf(b));
                        else a = ops::sub(a, b);
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Mul: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (a.type == Type::Integer && b.type == Type::Integer) setInt(a, int32_t(a.i16) * b.i16, true);
                        else if (isInt(a) && isInt(b)) setInt(a, int64_t(intOf(a)) * intOf(b), false);
                        else if (isFast(a) && isFast(b)) setDouble(a, dblOf(a) * dblOf(b));
                        else a = ops::mul(a, b);
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Div: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (isFast(a) && isFast(b) && dblOf(b) != 0) {
                            setDouble(a, dblOf(a) / dblOf(b));
                            b.type = Type::Empty;
                            --sp;
                        } else {
                            binaryOp(sp, ops::div);
                        }
                        break;
                    }
                    case Op::IntDiv: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (isInt(a) && isInt(b) && intOf(b) != 0 && intOf(b) != -1) {
                            setInt(a, intOf(a) / intOf(b), a.type == Type::Integer && b.type == Type::Integer);
                            b.type = Type::Empty;
                            --sp;
                        } else {
                            binaryOp(sp, ops::idiv);
                        }
                        break;
                    }
                    case Op::Mod: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (isInt(a) && isInt(b) && intOf(b) != 0 && !(intOf(b) == -1)) {
                            setInt(a, intOf(a) % intOf(b), a.type == Type::Integer && b.type == Type::Integer);
                        } else {
                            a = ops::mod(a, b);
                        }
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Pow: binaryOp(sp, ops::pow); break;
                    case Op::Concat: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (a.isString() && b.isString()) a = Value(String::concat(a.strView(), b.strView()));
                        else a = ops::concat(a, b);
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Append:
                        appendTo(*sp[-2].ref, sp[-1]);
                        *--sp = Value();
                        break;
                    case Op::Neg: {
                        Value& a = sp[-1];
                        if (a.type == Type::Integer && a.i16 != INT16_MIN) a.i16 = -a.i16;
                        else if (a.type == Type::Long && a.i32 != INT32_MIN) a.i32 = -a.i32;
                        else if (a.type == Type::Double) a.f64 = -a.f64;
                        else a = ops::neg(a);
                        break;
                    }
                    case Op::Not: {
                        Value& a = sp[-1];
                        if (a.type == Type::Boolean) a.b = !a.b;
                        else a = ops::bitNot(a);
                        break;
                    }
                    case Op::And: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (a.type == Type::Boolean && b.type == Type::Boolean) a.b = a.b && b.b;
                        else if (isInt(a) && isInt(b)) setInt(a, intOf(a) & intOf(b), a.type == Type::Integer && b.type == Type::Integer);
                        else a = ops::bitAnd(a, b);
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Or: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (a.type == Type::Boolean && b.type == Type::Boolean) a.b = a.b || b.b;
                        else if (isInt(a) && isInt(b)) setInt(a, intOf(a) | intOf(b), a.type == Type::Integer && b.type == Type::Integer);
                        else a = ops::bitOr(a, b);
                        clearRange(&b, &b + 1);
                        --sp;
                        break;
                    }
                    case Op::Xor: {
                        Value &a = sp[-2], &b = sp[-1];
                        if (isInt(a) && isInt(b)) {
                            setInt(a, intOf(a) ^ intOf(b), a.type == Type::Integer && b.type == Type::Integer);
                            b.type = Type::Empty;
                            --sp;
                        } else {
                            binaryOp(sp, ops::bitXor);
                        }
                        break;
                    }
                    case Op::Eqv: binaryOp(sp, ops::eqv); break;
                    case Op::Imp: binaryOp(sp, ops::imp); break;
                    case Op::Eq: compareOp(sp, I.flags, [](int c) { return c == 0; }); break;
                    case Op::Ne: compareOp(sp, I.flags, [](int c) { return c != 0; }); break;
                    case Op::Lt: compareOp(sp, I.flags, [](int c) { return c < 0; }); break;
                    case Op::Gt: compareOp(sp, I.flags, [](int c) { return c > 0; }); break;
                    case Op::Le: compareOp(sp, I.flags, [](int c) { return c <= 0; }); break;
                    case Op::Ge: compareOp(sp, I.flags, [](int c) { return c >= 0; }); break;
                    case Op::Is: {
                        bool same = ops::is(sp[-2], sp[-1]);
                        sp[-1] = Value();
                        sp[-2] = Value::boolean(same);
                        --sp;
                        break;
                    }

                    case Op::Jump:
                        if (I.a < ip - code && --ticks_ <= 0) checkClock();
                        ip = code + I.a;
                        break;
                    case Op::JumpFalse:
                    case Op::JumpTrue: {
                        Value c = std::move(*--sp);
                        bool t = truthy(c);
                        if (t == (I.op == Op::JumpTrue)) {
                            if (I.a < ip - code && --ticks_ <= 0) checkClock();
                            ip = code + I.a;
                        }
                        break;
                    }

                    case Op::CallProc:
                    case Op::CallMethod: {
                        Value* args = sp - I.argc;
                        Value r;
                        sp_ = args;
                        call(static_cast<Proc*>(I.p), I.argc, I.op == Op::CallMethod ? me : nullptr, nullptr, r);
                        sp_ = frameTop;
                        sp = args;
                        *sp++ = std::move(r);
                        break;
                    }
                    case Op::CallBuiltin: {
                        Value* args = sp - I.argc;
                        Value r;
                        static_cast<const Builtin*>(I.p)->fn(ctx, args, I.argc, r);
                        while (sp > args) *--sp = Value();
                        *sp++ = std::move(r);
                        break;
                    }
                    case Op::CallName: {
                        Value* place = sp - I.argc - 1;
                        Value r;
                        sp_ = place + 1;
                        callName(*static_cast<NameSite*>(I.p), I.argc, r, I.a != 0);
                        sp_ = frameTop;
                        while (sp > place + 1) *--sp = Value();
                        *place = std::move(r);
                        break;
                    }
                    case Op::Index: {
                        Value* c = sp - I.argc - 1;
                        Value r;
                        index(*c, c + 1, I.argc, r);
                        while (sp > c + 1) *--sp = Value();
                        *c = std::move(r);
                        break;
                    }
                    case Op::RefIndex: {
                        Value* c = sp - I.argc - 1;
                        Value& t = c->deref();
                        if (t.isArray()) {
                            ArrayRep* a = ownArray(t);
                            Value& e = element(a, c + 1, I.argc);
                            ++a->refs;
                            ++a->locks;
                            pins_.push_back(a);
                            while (sp > c + 1) *--sp = Value();
                            *c = Value::reference(&e);
                        } else {
                            Value r;
                            index(t, c + 1, I.argc, r);
                            while (sp > c + 1) *--sp = Value();
                            *c = std::move(r);
                        }
                        break;
                    }
                    case Op::StoreIndex: {
                        Value* c = sp - I.argc - 2;
                        Value v = std::move(sp[-1]);
                        storeElement(*c, c + 1, I.argc, std::move(v), I.flags);
                        while (sp > c) *--sp = Value();
                        break;
                    }
                    case Op::Member: {
                        Value* obj = sp - I.argc - 1;
                        Value r;
                        memberOp(*static_cast<MemberSite*>(I.p), static_cast<Invoke>(I.flags), obj, I.argc, r);
                        sp_ = frameTop;
                        while (sp > obj + 1) *--sp = Value();
                        *obj = std::move(r);
                        break;
                    }
                    case Op::New: {
                        auto* site = static_cast<NameSite*>(I.p);
                        if (!site->cls) {
                            auto it = classes.find(site->key);
                            if (it == classes.end()) {
                                if (site->key != u"regexp") raiseNamed(506, site->name);
                                *sp++ = newRegExp();
                                break;
                            }
                            site->cls = it->second;
                        }
                        *sp++ = newObject(site->cls);
                        break;
                    }
                    case Op::CheckObject:
                        if (!sp[-1].isObject()) raise(errObjectRequired);
                        break;
                    case Op::DimArray: {
                        Value* c = sp - I.argc - 1;
                        int32_t upper[ArrayRep::kMaxDims];
                        for (int i = 0; i < I.argc; ++i) upper[i] = toLong(c[1 + i]);
                        Value a = makeArray(upper, I.argc, I.argc > 0);
                        c->deref() = std::move(a);
                        while (sp > c) *--sp = Value();
                        break;
                    }
                    case Op::ReDim: {
                        Value* c = sp - I.argc - 1;
                        redim(*c, c + 1, I.argc, I.flags);
                        while (sp > c) *--sp = Value();
                        break;
                    }
                    case Op::Erase: erase(sp[-1]); *--sp = Value(); break;
                    case Op::MidAssign:
                        midAssign(sp[-4], sp[-3], sp[-2], sp[-1]);
                        clearRange(sp - 4, sp);
                        sp -= 4;
                        break;

                    case Op::ForInit: {
                        Value* h = locals + I.a;  // [variable ref, limit, step]
                        Value* in = sp - 4;       // [variable ref, from, to, step]
                        for (int i = 1; i < 4; ++i)
                            if (!isFast(in[i])) in[i] = toNumeric(in[i]);
                        h[0] = in[0];
                        h[1] = in[2];
                        h[2] = in[3];
                        Value& var = *h[0].ref;
                        var = in[1];
                        while (sp > in) *--sp = Value();
                        if (!forContinues(var, h[1], h[2])) ip = code + I.b;
                        break;
                    }
                    case Op::ForNext: {
                        Value* h = locals + I.a;
                        Value& var = *h[0].ref;
                        Value& step = h[2];
                        if (var.type == Type::Integer && step.type == Type::Integer) setInt(var, int32_t(var.i16) + step.i16, true);
                        else if (isInt(var) && isInt(step)) setInt(var, int64_t(intOf(var)) + intOf(step), false);
                        else if (isFast(var) && isFast(step)) setDouble(var, dblOf(var) + dblOf(step));
                        else var = ops::add(var, step);
                        if (forContinues(var, h[1], step)) {
                            if (--ticks_ <= 0) checkClock();
                            ip = code + I.b;
                        }
                        break;
                    }
                    case Op::ForEachInit: {
                        Value* h = locals + I.a;  // [variable ref, array or enumerator, next index]
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
                        if (!forEachStep(h)) ip = code + I.b;
                        break;
                    }
                    case Op::ForEachNext:
                        if (forEachStep(locals + I.a)) {
                            if (--ticks_ <= 0) checkClock();
                            ip = code + I.b;
                        }
                        break;
                    case Op::ClearLocal: locals[I.a] = Value(); break;

                    case Op::OnError:
                        resumeNext = I.flags;
                        err->clear();
                        break;
                    case Op::Unpin: unpin(pins_.size() - I.argc); break;
                    case Op::Eval: {
                        Value text = std::move(sp[-1]);
                        String s = toString(text);
                        sp_ = frameTop;
                        Value r = evalText(s.view(), I.flags, p, me, locals, outer);
                        sp_ = frameTop;
                        sp[-1] = std::move(r);
                        break;
                    }
                    case Op::GetRef: {
                        String name = toString(sp[-1]);
                        auto it = procs.find(foldName(name.view()));
                        if (it == procs.end()) raise(errInvalidCall);
                        sp[-1] = Value::object(new ProcRef(*this, it->second));
                        break;
                    }
                    case Op::Raise: raise(I.a);
                    case Op::Return: goto done;
                }
            }
        } catch (ScriptError& e) {
            int at = static_cast<int>(ip - code) - 1;
            const StmtInfo* st = p->stmtAt(at);
            sp_ = frameTop;
            for (Value* v = base; v < frameTop; ++v) *v = Value();
            sp = base;
            unpin(pinMark);
            if (e.source.empty()) e.source = u"Microsoft VBScript runtime error";
            if (resumeNext && !aborting_) {
                err->set(e);
                ip = code + (st ? st->resume : at + 1);
                continue;
            }
            if (e.line == 0 && st) {
                e.line = st->pos.line;
                e.column = st->pos.column;
                e.lineText = std::u16string(p->source->line(e.line));
            }
            throw;
        } catch (...) {
            sp_ = frameTop;
            for (Value* v = base; v < frameTop; ++v) *v = Value();
            unpin(pinMark);
            throw;
        }
    }
done:
    if (resumeNext) err->clear();  // leaving a procedure that handled its errors
}

}  // namespace vbs
