#include "script/values/operators.h"

#include <cmath>

#include "script/values/convert.h"
#include "script/values/datetime.h"
#include "script/values/errors.h"
#include "script/values/text.h"

namespace vbs::ops {

namespace {

// Arithmetic ranks in VBScript's order of precision; the result takes the higher one.
enum Rank : uint8_t { rByte, rInteger, rLong, rSingle, rDouble, rCurrency, rDate };

// An operand read for arithmetic: strings as Doubles, Boolean as Integer -1/0, Empty as a Byte 0
// (so it never raises the other side's rank).
struct Num {
    Rank rank;
    bool empty = false;
    double d = 0;   // every rank but Currency, exact for the integer ranks
    int64_t cy = 0; // Currency, scaled
};

Num number(const Value& x) {
    Num n{rByte};
    switch (x.type) {
        case Type::Empty: n.empty = true; break;
        case Type::Boolean: n.rank = rInteger; n.d = x.b ? -1 : 0; break;
        case Type::Byte: n.d = x.u8; break;
        case Type::Integer: n.rank = rInteger; n.d = x.i16; break;
        case Type::Long: n.rank = rLong; n.d = x.i32; break;
        case Type::Single: n.rank = rSingle; n.d = x.f32; break;
        case Type::Double: n.rank = rDouble; n.d = x.f64; break;
        case Type::Currency: n.rank = rCurrency; n.cy = x.cy; n.d = toDouble(x); break;
        case Type::Date: n.rank = rDate; n.d = x.f64; break;
        case Type::String: n.rank = rDouble; n.d = toDouble(x); break;
        default: raise(errTypeMismatch);
    }
    return n;
}

Rank resultRank(const Num& a, const Num& b) {
    if (a.empty && b.empty) return rInteger;
    Rank hi = a.rank > b.rank ? a.rank : b.rank, lo = a.rank > b.rank ? b.rank : a.rank;
    if (hi == rSingle && lo == rLong) return rDouble;
    return hi;
}

// Reads through ByRef slots and objects' default values.
inline const Value& plain(const Value& v, Value& holder) {
    const Value& x = v.deref();
    if (x.type != Type::Object) return x;
    holder = defaultValue(x);
    return holder;
}

// A whole-number result in the narrowest of Byte, Integer, Long, Double from `rank` up.
Value integral(double r, Rank rank) {
    if (rank == rByte && r >= 0 && r <= 255) return Value::byte(static_cast<uint8_t>(r));
    if (rank <= rInteger && r >= -32768 && r <= 32767) return Value::integer(static_cast<int16_t>(r));
    if (r >= -2147483648.0 && r <= 2147483647.0) return Value::lng(static_cast<int32_t>(r));
    return Value::dbl(r);
}

Value real(double r) {
    if (std::isinf(r)) raise(errOverflow);
    return Value::dbl(r);
}

Value single(double r) {
    float f = static_cast<float>(r);
    if (std::isinf(f)) return real(r);  // Single overflows into Double
    return Value::single(f);
}

Value date(double r) {
    if (!isDateSerial(r)) raise(errOverflow);
    return Value::date(r);
}

int64_t scaled(const Num& n) {
    if (n.rank == rCurrency) return n.cy;
    return toCurrency(Value::dbl(n.d));
}

enum class Arith { Add, Sub, Mul };

Value currency(Arith op, const Num& a, const Num& b) {
    int64_t r;
    if (op == Arith::Mul) {
        // Exact when both sides are Currency or whole numbers; floats go through Double.
        bool exact = (a.rank == rCurrency || a.rank <= rLong) && (b.rank == rCurrency || b.rank <= rLong);
        if (!exact) return Value::currency(toCurrency(Value::dbl(a.d * b.d)));
        __int128 q = divideHalfEven(static_cast<__int128>(scaled(a)) * scaled(b), 10000);
        if (q > INT64_MAX || q < INT64_MIN) raise(errOverflow);
        return Value::currency(static_cast<int64_t>(q));
    }
    bool overflow = op == Arith::Add ? __builtin_add_overflow(scaled(a), scaled(b), &r)
                                     : __builtin_sub_overflow(scaled(a), scaled(b), &r);
    if (overflow) raise(errOverflow);
    return Value::currency(r);
}

Value arith(Arith op, const Value& av, const Value& bv) {
    Value ha, hb;
    const Value& a = plain(av, ha);
    const Value& b = plain(bv, hb);
    if (a.isNull() || b.isNull()) return Value::null();
    if (op == Arith::Add) {
        if (a.isString() && b.isString()) return concat(a, b);
        // Empty + x leaves x as it is, a string included.
        if (a.isEmpty() && b.isString()) return b;
        if (b.isEmpty() && a.isString()) return a;
    }
    Num x = number(a), y = number(b);
    Rank rank = resultRank(x, y);
    if (rank == rCurrency) return currency(op, x, y);
    double r = op == Arith::Add ? x.d + y.d : op == Arith::Sub ? x.d - y.d : x.d * y.d;
    switch (rank) {
        case rByte:
        case rInteger:
        case rLong: return integral(r, rank);
        case rSingle: return single(r);
        case rDate:
            if (op == Arith::Mul) return real(r);
            // The difference of two dates is a number of days.
            if (op == Arith::Sub && x.rank == rDate && y.rank == rDate) return real(r);
            return date(r);
        default: return real(r);
    }
}

// \ and Mod: operands rounded half to even to Long; Byte and Integer pairs keep their size.
struct IntPair {
    int32_t x, y;
    Rank rank;
};

bool intPair(const Value& av, const Value& bv, IntPair& p) {
    Value ha, hb;
    const Value& a = plain(av, ha);
    const Value& b = plain(bv, hb);
    if (a.isNull() || b.isNull()) return false;
    auto rankOf = [](const Value& v) {
        switch (v.type) {
            case Type::Byte: return rByte;
            case Type::Empty:
            case Type::Boolean:
            case Type::Integer: return rInteger;
            case Type::Error:
            case Type::Array: raise(errTypeMismatch);
            default: return rLong;
        }
    };
    Rank ra = rankOf(a), rb = rankOf(b);
    p.rank = ra > rb ? ra : rb;
    p.x = toLong(a);
    p.y = toLong(b);
    if (p.y == 0) raise(errDivByZero);
    return true;
}

// Logical operators work bitwise on Integer/Long; two Booleans give a Boolean.
enum LRank : uint8_t { lBoolean, lByte, lInteger, lLong };

struct Bits {
    int32_t v;
    LRank rank;
};

Bits bits(const Value& x) {
    switch (x.type) {
        case Type::Boolean: return {x.b ? -1 : 0, lBoolean};
        case Type::Byte: return {x.u8, lByte};
        case Type::Empty: return {0, lInteger};
        case Type::Integer: return {x.i16, lInteger};
        case Type::String: {
            double d;
            if (!parseNumber(x.strView(), d)) return {toBool(x) ? -1 : 0, lBoolean};
            return {toLong(Value::dbl(d)), lLong};
        }
        default: return {toLong(x), lLong};
    }
}

Value fromBits(int32_t v, LRank rank) {
    switch (rank) {
        case lBoolean: return Value::boolean(v != 0);
        case lByte: return Value::byte(static_cast<uint8_t>(v));
        case lInteger: return Value::integer(static_cast<int16_t>(v));
        default: return Value::lng(v);
    }
}

bool allOnes(const Bits& b) { return b.rank == lByte ? (b.v & 0xFF) == 0xFF : b.v == -1; }

enum class Logic { And, Or, Xor, Eqv, Imp };

Value logic(Logic op, const Value& av, const Value& bv) {
    Value ha, hb;
    const Value& a = plain(av, ha);
    const Value& b = plain(bv, hb);
    bool na = a.isNull(), nb = b.isNull();
    if (na || nb) {
        // Null is "unknown": the answer is known only when the other side decides it alone.
        if (na && nb) return Value::null();
        Bits o = bits(na ? b : a);
        switch (op) {
            case Logic::And: return o.v == 0 ? fromBits(0, o.rank) : Value::null();
            case Logic::Or: return allOnes(o) ? fromBits(o.v, o.rank) : Value::null();
            case Logic::Imp:
                if (na) return allOnes(o) ? fromBits(o.v, o.rank) : Value::null();
                return o.v == 0 ? fromBits(-1, o.rank) : Value::null();
            default: return Value::null();
        }
    }
    Bits x = bits(a), y = bits(b);
    LRank rank;
    if (x.rank == lBoolean && y.rank == lBoolean) rank = lBoolean;
    else {
        LRank rx = x.rank == lBoolean ? lInteger : x.rank, ry = y.rank == lBoolean ? lInteger : y.rank;
        rank = rx > ry ? rx : ry;
    }
    int32_t r;
    switch (op) {
        case Logic::And: r = x.v & y.v; break;
        case Logic::Or: r = x.v | y.v; break;
        case Logic::Xor: r = x.v ^ y.v; break;
        case Logic::Eqv: r = ~(x.v ^ y.v); break;
        default: r = ~x.v | y.v; break;
    }
    return fromBits(r, rank);
}

Order order(double x, double y) { return x < y ? Order::Less : x > y ? Order::Greater : Order::Equal; }
Order order(int r) { return r < 0 ? Order::Less : r > 0 ? Order::Greater : Order::Equal; }

}  // namespace

Value add(const Value& a, const Value& b) { return arith(Arith::Add, a, b); }
Value sub(const Value& a, const Value& b) { return arith(Arith::Sub, a, b); }
Value mul(const Value& a, const Value& b) { return arith(Arith::Mul, a, b); }

Value div(const Value& av, const Value& bv) {
    Value ha, hb;
    const Value& a = plain(av, ha);
    const Value& b = plain(bv, hb);
    if (a.isNull() || b.isNull()) return Value::null();
    Num x = number(a), y = number(b);
    if (y.d == 0 && y.cy == 0) raise(x.d == 0 ? errOverflow : errDivByZero);
    double r = x.d / y.d;
    // Single stays Single unless a Long, Double or wider joins in.
    Rank hi = x.rank > y.rank ? x.rank : y.rank;
    bool narrow = hi == rSingle && x.rank != rLong && y.rank != rLong;
    return narrow ? single(r) : real(r);
}

Value idiv(const Value& a, const Value& b) {
    IntPair p;
    if (!intPair(a, b, p)) return Value::null();
    int64_t q = int64_t{p.x} / p.y;
    if (q > INT32_MAX) raise(errOverflow);  // the Long minimum divided by -1
    return integral(static_cast<double>(q), p.rank);
}

Value mod(const Value& a, const Value& b) {
    IntPair p;
    if (!intPair(a, b, p)) return Value::null();
    return integral(static_cast<double>(int64_t{p.x} % p.y), p.rank);  // INT32_MIN % -1 traps in 32 bits
}

Value pow(const Value& av, const Value& bv) {
    Value ha, hb;
    const Value& a = plain(av, ha);
    const Value& b = plain(bv, hb);
    if (a.isNull() || b.isNull()) return Value::null();
    double x = toDouble(a), y = toDouble(b);
    if (x == 0 && y < 0) raise(errInvalidCall);
    double r = std::pow(x, y);
    if (std::isnan(r)) raise(errInvalidCall);
    return real(r);
}

Value concat(const Value& av, const Value& bv) {
    const Value& a = av.deref();
    const Value& b = bv.deref();
    if (a.isString() && b.isString() && !hasOddByte(a.str) && !hasOddByte(b.str))
        return Value(String::concat(a.strView(), b.strView()));
    Value ha, hb;
    const Value& x = plain(a, ha);
    const Value& y = plain(b, hb);
    if (x.isNull() && y.isNull()) return Value::null();
    // A number is written into a buffer, not a String of its own: "user" & i builds one string.
    char16_t bx[kNumberChars], by[kNumberChars];
    String kx, ky;
    std::u16string_view tx = x.isNull() ? std::u16string_view() : textOf(x, bx, kx);
    std::u16string_view ty = y.isNull() ? std::u16string_view() : textOf(y, by, ky);
    auto held = [](const Value& v, const String& kept) { return v.isString() ? v.str : kept.rep(); };
    if (hasOddByte(held(x, kx)) || hasOddByte(held(y, ky))) {
        auto whole = [](const Value& v, const String& kept, std::u16string_view t) {
            return v.isString() ? v.string() : kept.rep() ? kept : String(t);
        };
        return Value(String::concatBytes(whole(x, kx, tx), whole(y, ky, ty)));
    }
    if (ty.empty() && x.isString()) return x;
    if (tx.empty() && y.isString()) return y;
    return Value(String::concat(tx, ty));
}

Value neg(const Value& av) {
    Value ha;
    const Value& a = plain(av, ha);
    switch (a.type) {
        case Type::Null: return Value::null();
        case Type::Empty: return Value::integer(0);
        case Type::Boolean: return Value::integer(a.b ? 1 : 0);
        case Type::Byte: return Value::integer(static_cast<int16_t>(-a.u8));
        case Type::Integer: return integral(-static_cast<double>(a.i16), rInteger);
        case Type::Long: return integral(-static_cast<double>(a.i32), rLong);
        case Type::Single: return Value::single(-a.f32);
        case Type::Currency:
            if (a.cy == INT64_MIN) raise(errOverflow);
            return Value::currency(-a.cy);
        case Type::Date: return date(-a.f64);
        default: return Value::dbl(-toDouble(a));
    }
}

Value bitNot(const Value& av) {
    Value ha;
    const Value& a = plain(av, ha);
    if (a.isNull()) return Value::null();
    Bits x = bits(a);
    return fromBits(~x.v, x.rank);
}

Value bitAnd(const Value& a, const Value& b) { return logic(Logic::And, a, b); }
Value bitOr(const Value& a, const Value& b) { return logic(Logic::Or, a, b); }
Value bitXor(const Value& a, const Value& b) { return logic(Logic::Xor, a, b); }
Value eqv(const Value& a, const Value& b) { return logic(Logic::Eqv, a, b); }
Value imp(const Value& a, const Value& b) { return logic(Logic::Imp, a, b); }

Order compare(const Value& av, const Value& bv, unsigned flags) {
    Value ha, hb;
    const Value& a = plain(av, ha);
    const Value& b = plain(bv, hb);
    if (a.isNull() || b.isNull()) return Order::Null;
    auto text = [flags](std::u16string_view x, std::u16string_view y) {
        return order((flags & kTextCompare) ? compareText(x, y) : compareBinary(x, y));
    };
    bool sa = a.isString(), sb = b.isString();
    if (sa && sb) return text(a.strView(), b.strView());
    if (sa || sb) {
        const Value& other = sa ? b : a;
        if (other.isEmpty()) return sa ? text(a.strView(), u"") : text(u"", b.strView());
        // A literal decides: a literal number reads the string as a number, a literal string
        // reads the number as text; between two variables every number sorts before every string.
        // A string that is no number is simply not equal to a literal number ("True" = True is
        // False on Windows, not an error).
        bool numLiteral = flags & (sa ? kRightLiteral : kLeftLiteral);
        bool strLiteral = flags & (sa ? kLeftLiteral : kRightLiteral);
        if (other.type == Type::Error || other.isArray()) raise(errTypeMismatch);
        double d;
        if (numLiteral && parseNumber(sa ? a.strView() : b.strView(), d)) {
            return sa ? order(d, toDouble(b)) : order(toDouble(a), d);
        }
        if (strLiteral) {
            String s = toString(other);
            return sa ? text(a.strView(), s.view()) : text(s.view(), b.strView());
        }
        return sa ? Order::Greater : Order::Less;
    }
    if (a.type == Type::Currency && b.type == Type::Currency)
        return a.cy < b.cy ? Order::Less : a.cy > b.cy ? Order::Greater : Order::Equal;
    return order(toDouble(a), toDouble(b));
}

bool is(const Value& av, const Value& bv) {
    const Value& a = av.deref();
    const Value& b = bv.deref();
    if (!a.isObject() || !b.isObject()) raise(errObjectRequired);
    return a.obj == b.obj;
}

}  // namespace vbs::ops
