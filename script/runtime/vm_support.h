#pragma once
// Small pieces the VM's files share: the inline number fast paths and the objects the VM makes
// for For Each and GetRef.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "script/runtime/array_ops.h"
#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/object.h"
#include "script/values/operators.h"
#include "script/runtime/vm.h"

namespace vbs {

constexpr int kMaxDepth = 3000;  // script calls deep: then Out of stack space
constexpr int32_t kParamNotFound = static_cast<int32_t>(0x80020004);  // an omitted argument

// For Each over a collection keeps its enumerator in a hidden slot, wrapped as an object.
class EnumHolder final : public Object {
public:
    explicit EnumHolder(std::unique_ptr<Enumerator> e) : e_(std::move(e)) {}
    bool next(Value& out) { return e_->next(out); }
    std::u16string_view typeName() const override { return u"Object"; }
    const void* typeKey() const override { return &kKey; }
    int memberId(std::u16string_view) const override { return kNoMember; }
    void invoke(int, Invoke, Value*, int, Value&) override { raise(errNoSuchMember); }

private:
    static inline const char kKey = 0;
    std::unique_ptr<Enumerator> e_;
};

// GetRef's answer: calling its default member calls the procedure.
class ProcRef final : public Object {
public:
    ProcRef(VM& vm, Proc* p) : vm_(vm), p_(p) {}
    std::u16string_view typeName() const override { return u"Object"; }
    const void* typeKey() const override { return &kKey; }
    int memberId(std::u16string_view) const override { return kNoMember; }
    void invoke(int id, Invoke kind, Value* args, int argc, Value& result) override {
        if (id != kDefaultMember || kind == Invoke::Let || kind == Invoke::Set) raise(errNoSuchMember);
        Value* base = vm_.sp_;
        for (int i = 0; i < argc; ++i) base[i] = args[i];
        vm_.call(p_, argc, nullptr, nullptr, result);
    }

private:
    static inline const char kKey = 0;
    VM& vm_;
    Proc* p_;
};

// A frame slot or constant by its byte offset (the instructions on frame slots name them so).
[[gnu::always_inline]] inline Value& slotAt(Value* base, int32_t offset) {
    return *reinterpret_cast<Value*>(reinterpret_cast<char*>(base) + offset);
}
[[gnu::always_inline]] inline const Value& slotAt(const Value* base, int32_t offset) {
    return *reinterpret_cast<const Value*>(reinterpret_cast<const char*>(base) + offset);
}

// The instruction at a byte offset into the code: jump targets are named so.
[[gnu::always_inline]] inline Instr* instrAt(Instr* code, int64_t offset) {
    return reinterpret_cast<Instr*>(reinterpret_cast<char*>(code) + offset);
}

// Copies v into a stack slot holding nothing counted (above the stack top, Empty or a number left
// by arithmetic on frame slots), over which it writes without a release. The reference counts are
// bumped inline: this is the VM's most frequent operation.
[[gnu::always_inline]] inline void copyInto(Value* slot, const Value& v) {
    slot->type = v.type;
    slot->cy = v.cy;
    if (!v.counted()) return;  // one range test for numbers, instead of one per counted type
    // Tests, not a switch: a jump table's address would take one of the dispatch loop's registers.
    if (v.type == Type::String) {
        if (v.str) ++v.str->refs;
    } else if (v.type == Type::Object) {
        if (v.obj) v.obj->addRef();
    } else {
        ++v.arr->refs;
    }
}

// Moves *src into dst, leaving src Empty and releasing what dst held.
inline void moveInto(Value& dst, Value* src) {
    if (!dst.counted()) {
        dst.type = src->type;
        dst.cy = src->cy;
        src->type = Type::Empty;
    } else {
        dst.swap(*src);
        *src = Value();
    }
}

// Empties slots, releasing strings and objects without a call for the common cases.
inline void clearRange(Value* from, Value* to) {
    for (; from < to; ++from) {
        Type t = from->type;
        from->type = Type::Empty;
        if (t < Type::String || t > Type::Array) continue;  // one range test for the common numbers
        if (t == Type::String) {
            if (from->str && --from->str->refs == 0) freeRep(from->str);
        } else if (t == Type::Object) {
            if (from->obj) from->obj->release();
        } else if (t == Type::Array) {
            if (from->arr->fixedIn == from) from->arr->fixedIn = nullptr;
            Value owner;  // the last reference deletes through Value's own path
            owner.type = Type::Array;
            owner.arr = from->arr;
        }
    }
}

// The stack helpers take sp by value and answer the new top: a reference would put sp in memory
// for the whole dispatch loop.
[[gnu::always_inline]] inline Value* dropTop(Value* sp) {
    clearRange(sp - 1, sp);
    return sp - 1;
}

inline bool isInt(const Value& v) { return v.type == Type::Integer || v.type == Type::Long; }
inline int32_t intOf(const Value& v) { return v.i32; }  // Integer too: it is kept sign-extended
inline bool bothInteger(const Value& a, const Value& b) {
    return a.type == Type::Integer && b.type == Type::Integer;
}
inline bool isFast(const Value& v) {
    return v.type == Type::Integer || v.type == Type::Long || v.type == Type::Double;
}
inline double dblOf(const Value& v) {
    return v.type == Type::Double ? v.f64 : static_cast<double>(intOf(v));
}

// An integer result: Integer when both operands were Integer and it fits, else Long, else Double.
[[gnu::always_inline]] inline void setInt(Value& v, int64_t r, bool bothInteger) {
    if (bothInteger && r >= INT16_MIN && r <= INT16_MAX) {
        v.type = Type::Integer;
        v.i32 = static_cast<int32_t>(r);
    } else if (r >= INT32_MIN && r <= INT32_MAX) {
        v.type = Type::Long;
        v.i32 = static_cast<int32_t>(r);
    } else {
        v.type = Type::Double;
        v.f64 = static_cast<double>(r);
    }
}

// A Double past the range is VBScript's Overflow, never an infinity.
inline void setDouble(Value& v, double d) {
    if (!std::isfinite(d)) [[unlikely]] raise(errOverflow);
    v.type = Type::Double;
    v.f64 = d;
}

// r = a op b when both are Integer, Long or Double (Boolean too for And, Or and Xor), inline;
// r holds nothing counted and may be either operand. False, with r untouched, for the rest,
// which ops does.
// Two Doubles, the usual operands of real arithmetic, are tested first among the mixed kinds.
template <class F>
[[gnu::always_inline]] inline bool arithFast(const Value& a, const Value& b, Value& r, F op) {
    if (isInt(a) && isInt(b)) setInt(r, op(int64_t(intOf(a)), int64_t(intOf(b))), bothInteger(a, b));
    else if (a.type == Type::Double && b.type == Type::Double) setDouble(r, op(a.f64, b.f64));
    else if (isFast(a) && isFast(b)) setDouble(r, op(dblOf(a), dblOf(b)));
    else return false;
    return true;
}
[[gnu::always_inline]] inline bool addFast(const Value& a, const Value& b, Value& r) {
    return arithFast(a, b, r, [](auto x, auto y) { return x + y; });
}
[[gnu::always_inline]] inline bool subFast(const Value& a, const Value& b, Value& r) {
    return arithFast(a, b, r, [](auto x, auto y) { return x - y; });
}
[[gnu::always_inline]] inline bool mulFast(const Value& a, const Value& b, Value& r) {
    return arithFast(a, b, r, [](auto x, auto y) { return x * y; });
}
// / is always Double; a zero divisor goes to ops.
[[gnu::always_inline]] inline bool divFast(const Value& a, const Value& b, Value& r) {
    if (a.type == Type::Double && b.type == Type::Double && b.f64 != 0) setDouble(r, a.f64 / b.f64);
    else if (isFast(a) && isFast(b) && dblOf(b) != 0) setDouble(r, dblOf(a) / dblOf(b));
    else return false;
    return true;
}
// \ and Mod: both truncate toward zero; -1 goes to ops (the most negative Long overflows).
[[gnu::always_inline]] inline bool idivFast(const Value& a, const Value& b, Value& r) {
    if (!isInt(a) || !isInt(b) || intOf(b) == 0 || intOf(b) == -1) return false;
    setInt(r, intOf(a) / intOf(b), bothInteger(a, b));
    return true;
}
[[gnu::always_inline]] inline bool modFast(const Value& a, const Value& b, Value& r) {
    if (!isInt(a) || !isInt(b) || intOf(b) == 0 || intOf(b) == -1) return false;
    setInt(r, intOf(a) % intOf(b), bothInteger(a, b));
    return true;
}
enum class Logic { And, Or, Xor };
template <Logic L>
[[gnu::always_inline]] inline bool logicFast(const Value& a, const Value& b, Value& r) {
    auto apply = [](int32_t x, int32_t y) { return L == Logic::And ? x & y : L == Logic::Or ? x | y : x ^ y; };
    if (a.type == Type::Boolean && b.type == Type::Boolean) {
        bool v = apply(a.b, b.b) != 0;
        r.type = Type::Boolean;
        r.cy = v;
    } else if (isInt(a) && isInt(b)) {
        setInt(r, apply(intOf(a), intOf(b)), bothInteger(a, b));
    } else {
        return false;
    }
    return true;
}
[[gnu::always_inline]] inline bool negFast(const Value& a, Value& r) {
    if ((a.type == Type::Integer && a.i32 != INT16_MIN) || (a.type == Type::Long && a.i32 != INT32_MIN)) {
        int32_t v = -a.i32;
        r.type = a.type;
        r.i32 = v;
    } else if (a.type == Type::Double) {
        double v = -a.f64;
        r.type = Type::Double;
        r.f64 = v;
    } else {
        return false;
    }
    return true;
}

// & of two texts without the odd byte a binary string may end in: one allocation.
inline Value concat(const Value& a, const Value& b) {
    if (a.isString() && b.isString() && !hasOddByte(a.str) && !hasOddByte(b.str))
        return Value(String::concat(a.strView(), b.strView()));
    if (a.isObject() || b.isObject()) return ops::concat(Value(a), Value(b));  // as compareValues
    return ops::concat(a, b);
}

// CInt, CLng and CDbl of an Integer, Long or Double that needs no rounding: only the type changes
// (an Integer is kept sign-extended). False for everything else, which the built-in converts.
[[gnu::always_inline]] inline bool convertInline(Value& v, Type to) {
    if (to == Type::Double) {
        if (v.type == Type::Double) return true;
        if (!isInt(v)) return false;
        v.f64 = intOf(v);
    } else if (!isInt(v) || (to == Type::Integer && (intOf(v) < INT16_MIN || intOf(v) > INT16_MAX))) {
        return false;
    }
    v.type = to;
    return true;
}

// If and loop conditions: Null counts as False.
inline bool truthy(const Value& v) {
    if (v.type == Type::Boolean) return v.b;
    if (isInt(v)) return intOf(v) != 0;
    if (v.type == Type::Double) return v.f64 != 0;
    return v.type > Type::Null && toBool(v);  // Empty and Null: False
}

// compareValues for the rest, out of its callers' way. An object's default value runs script code,
// which may change the variable an operand read in place is (a ByRef parameter's): the operands
// are copied first, as the stack did.
[[gnu::noinline]] inline int compareSlow(const Value& a, const Value& b, unsigned flags) {
    if (a.isObject() || b.isObject()) return static_cast<int>(ops::compare(Value(a), Value(b), flags));
    return static_cast<int>(ops::compare(a, b, flags));
}

// <0, 0, >0, or 2 for Null.
[[gnu::always_inline]] inline int compareValues(const Value& a, const Value& b, unsigned flags) {
    if (isInt(a) && isInt(b)) {
        int32_t x = intOf(a), y = intOf(b);
        return (x > y) - (x < y);
    }
    if (isFast(a) && isFast(b)) {
        double x = dblOf(a), y = dblOf(b);
        return (x > y) - (x < y);
    }
    if (a.isString() && b.isString() && !(flags & ops::kTextCompare)) {
        int c = a.strView().compare(b.strView());
        return (c > 0) - (c < 0);
    }
    return compareSlow(a, b, flags);
}

// Whether a compareJumpMask jumps for compareValues' answer c.
inline bool compareJumps(unsigned mask, int c) { return (mask >> (c + 1)) & 1; }

// Empties two adjacent slots; numbers, the usual operands, need no release.
[[gnu::always_inline]] inline void clearPair(Value* v) {
    if (isFast(v[0]) && isFast(v[1])) v[0].type = v[1].type = Type::Empty;
    else clearRange(v, v + 2);
}

template <class Pred>
inline Value* compareOp(Value* sp, unsigned flags, Pred pred) {
    Value &a = sp[-2], &b = sp[-1];
    int c = compareValues(a, b, flags);
    clearRange(&a, &b + 1);
    if (c == 2) {
        a.type = Type::Null;
    } else {
        a.type = Type::Boolean;
        a.b = pred(c);
    }
    return sp - 1;
}

template <class F>
inline Value* binaryOp(Value* sp, F op) {
    Value &a = sp[-2], &b = sp[-1];
    a = op(a, b);
    clearRange(&b, &b + 1);
    return sp - 1;
}

// For's test: the variable has not passed the limit in the step's direction.
[[gnu::always_inline]] inline bool forContinues(const Value& var, const Value& limit, const Value& step) {
    if (isInt(var) && isInt(limit) && isInt(step))  // the usual counting loop, without conversions
        return intOf(step) < 0 ? intOf(var) >= intOf(limit) : intOf(var) <= intOf(limit);
    bool down = isFast(step) ? dblOf(step) < 0 : ops::compare(step, Value::integer(0)) == ops::Order::Less;
    int c = compareValues(var, limit, 0);
    return down ? c >= 0 : c <= 0;
}

// One For Each step over hidden slots [variable ref, array or enumerator, next index].
// A finished loop leaves its variable Empty; a loop whose header failed (no collection) leaves it
// as it was.
inline bool forEachStep(Value* h) {
    if (h[1].isArray()) {
        ArrayRep* a = h[1].arr;
        int32_t i = h[2].i32;
        if (static_cast<size_t>(i) < a->data.size()) {
            *h[0].ref = a->data[i];
            h[2].i32 = i + 1;
            return true;
        }
    } else if (h[1].isEmpty()) {
        return false;
    } else {
        Value next;
        if (static_cast<EnumHolder*>(h[1].obj)->next(next)) {
            *h[0].ref = std::move(next);
            return true;
        }
    }
    *h[0].ref = Value();
    return false;
}

// A subscript that is an Integer, Long or whole Double (what Int and Fix answer) from 0 up, as an
// index; false for everything else, which the general path rounds or rejects.
[[gnu::always_inline]] inline bool wholeIndex(const Value& v, int32_t& i) {
    if (isInt(v)) {
        i = intOf(v);
        return i >= 0;
    }
    if (v.type != Type::Double || !(v.f64 >= 0 && v.f64 <= INT32_MAX)) [[likely]] return false;
    i = static_cast<int32_t>(v.f64);
    return i == v.f64;
}

// a(i) on a one-dimensional array with a subscript wholeIndex takes, in range: the common case,
// done inline instead of through VM::index and element(). c holds the array or a reference to it;
// the element goes to out (c itself, or the subscript's slot); false, with nothing changed, for
// anything else.
[[gnu::always_inline]] inline bool indexVector(const Value* c, const Value& subscript, Value* out) {
    const Value& t = c->deref();
    int32_t i;
    if (t.type != Type::Array || !wholeIndex(subscript, i)) return false;
    ArrayRep* a = t.arr;
    if (a->upper.size() != 1 || i > a->upper[0]) return false;
    Value e;
    copyInto(&e, a->data[static_cast<size_t>(i)]);  // copied before c, perhaps the array's last reference, goes
    *out = std::move(e);
    return true;
}

// a(i, j...) the same way, for arrays of as many dimensions as there are subscripts (c[1] on);
// the element replaces c[0], the array or a reference to it.
inline bool indexMatrix(Value* c, int n) {
    const Value& t = c->deref();
    if (t.type != Type::Array || t.arr->upper.size() != static_cast<size_t>(n)) return false;
    ArrayRep* a = t.arr;
    size_t at = 0, stride = 1;
    for (int k = 0; k < n; ++k) {
        int32_t i;
        if (!wholeIndex(c[1 + k], i) || i > a->upper[k]) return false;
        at += static_cast<size_t>(i) * stride;
        stride *= static_cast<size_t>(a->upper[k]) + 1;  // the first subscript varies fastest
    }
    Value e;
    copyInto(&e, a->data[at]);
    *c = std::move(e);
    return true;
}

// a(i) = v for the same arrays, when no other variable shares the array (a shared one is copied
// first, on the general path), v is no object (whose default value Let would store) and no
// String array needs v converted. v ends up holding the element's old value. c: [array
// reference, subscript].
[[gnu::always_inline]] inline bool storeVector(Value* c, Value& v) {
    Value& t = c->deref();
    int32_t i;
    if (t.type != Type::Array || !wholeIndex(c[1], i) || v.type == Type::Object) return false;
    ArrayRep* a = t.arr;
    if (a->upper.size() != 1 || i > a->upper[0] || a->refs - pinCount(a) > 1 ||
        (a->elemVarType != vtVariant && v.type != Type::String))
        return false;
    a->data[static_cast<size_t>(i)].swap(v);
    return true;
}

// s = s & a & b in place. Parts that are not plain text or numbers go through the ordinary
// operator on a copy, so an error leaves s as it was.
inline void appendAll(Value& target, Value* parts, int n) {
    auto plain = [](const Value& v) { return (v.isString() && !hasOddByte(v.str)) || v.isNumeric() || v.isEmpty(); };
    if (!target.isString() || hasOddByte(target.str) || !std::all_of(parts, parts + n, plain)) {
        Value r = target;
        for (int k = 0; k < n; ++k) r = ops::concat(r, parts[k]);
        target = std::move(r);
        return;
    }
    String s = String::adopt(target.str);
    target.type = Type::Empty;
    uint32_t len = s.size();
    try {
        for (int k = 0; k < n; ++k) s.append(parts[k].isString() ? parts[k].strView() : toString(parts[k]).view());
    } catch (...) {  // Out of memory: s as it was
        if (s.size() != len) s.truncate(len);
        target = Value(std::move(s));
        throw;
    }
    target = Value(std::move(s));
}

[[noreturn]] inline void raiseNamed(int number, std::u16string_view name) {
    std::u16string d(errorDescription(number));
    d += u": '";
    d += name;
    d += u"'";
    ScriptError e;
    e.number = number;
    e.description = std::move(d);
    e.named = true;
    throw e;
}

// A built-in's own error names it in the report, as Windows does: "Invalid procedure call or
// argument: 'Mid'". Errors with a position already came from script code the built-in ran.
inline void nameBuiltin(ScriptError& e, const Instr& at) {
    bool builtin = at.op == Op::CallBuiltin || at.op == Op::Convert || at.op == Op::Floor || at.op == Op::CallBuiltinTimed || at.op == Op::Raise;
    if (!builtin || !at.p || e.named || e.line != 0) return;
    if (e.description != errorDescription(e.number)) return;
    e.description += u": '";
    e.description += static_cast<const Builtin*>(at.p)->name;
    e.description += u"'";
    e.named = true;
}

// An assignment without Set stores an object's default property value.
inline void letValue(Value& v) {
    if (v.type == Type::Object) v = defaultValue(v);
}

}  // namespace vbs
