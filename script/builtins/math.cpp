// Numeric functions. Abs, Int, Fix and Round keep the argument's subtype where VBScript does
// (Int(Now) is still a Date); Null goes in, Null comes out.
#include <cmath>
#include <cstdlib>

#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

// The value with objects read through and Empty/Boolean/String brought to a number.
Value numberArg(const Value& v) {
    switch (v.type) {
        case Type::Empty: return Value::integer(0);
        case Type::Boolean: return Value::integer(v.b ? -1 : 0);
        case Type::Integer: case Type::Long: case Type::Byte: case Type::Single: case Type::Double:
        case Type::Currency: case Type::Date: case Type::Null:
            return v;
        case Type::Object: return numberArg(defaultValue(v));
        default: return Value::dbl(toDouble(v));
    }
}

// A Currency (scaled by 10^4) rounded to `unit` (a power of ten) by `step`, which answers whether
// the truncated quotient q with remainder rem moves one away from zero. 6 past the range.
template <class Step>
int64_t roundCurrency(int64_t cy, int64_t unit, Step step) {
    int64_t q = cy / unit, rem = cy % unit;
    if (step(q, rem)) q += cy < 0 ? -1 : 1;
    int64_t r;
    if (__builtin_mul_overflow(q, unit, &r)) raise(errOverflow);
    return r;
}

// Applies a whole-number rounding to the non-integer subtypes, keeping each subtype; `down` tells
// Int (toward minus infinity) from Fix (toward zero) for the exact Currency path.
template <class Round>
Value roundWhole(const Value& v, Round round, bool down) {
    Value n = numberArg(v);
    switch (n.type) {
        case Type::Single: return Value::single(static_cast<float>(round(static_cast<double>(n.f32))));
        case Type::Double: return Value::dbl(round(n.f64));
        case Type::Date: return Value::date(round(n.f64));
        case Type::Currency:
            return Value::currency(roundCurrency(n.cy, 10000, [down](int64_t, int64_t rem) { return down && rem < 0; }));
        default: return n;  // Null and the integer subtypes are whole already
    }
}

}  // namespace

VBS_BUILTIN(Abs) {
    Value n = numberArg(args[0]);
    switch (n.type) {
        case Type::Integer:
            result = n.i16 == INT16_MIN ? Value::lng(32768) : Value::integer(static_cast<int16_t>(std::abs(n.i16)));
            break;
        case Type::Long:
            result = n.i32 == INT32_MIN ? Value::dbl(2147483648.0) : Value::lng(std::abs(n.i32));
            break;
        case Type::Single: result = Value::single(std::fabs(n.f32)); break;
        case Type::Double: case Type::Date: result = Value::dbl(std::fabs(n.f64)); break;
        case Type::Currency:
            if (n.cy == INT64_MIN) raise(errOverflow);
            result = Value::currency(n.cy < 0 ? -n.cy : n.cy);
            break;
        default: result = n; break;  // Byte, Null
    }
}

VBS_BUILTIN(Sgn) {
    if (args[0].isNull()) raise(errInvalidNull);
    double d = toDouble(args[0]);
    result = Value::integer(static_cast<int16_t>(d > 0 ? 1 : d < 0 ? -1 : 0));
}

// Int rounds down, Fix toward zero: they differ on negatives (Int(-1.5) = -2, Fix(-1.5) = -1).
VBS_BUILTIN(Int) {
    // Int of a Double (random numbers, scaling) is the common call: it skips the subtype dispatch.
    if (args[0].type == Type::Double) result = Value::dbl(std::floor(args[0].f64));
    else result = roundWhole(args[0], [](double d) { return std::floor(d); }, true);
}
// Adding 0.0 turns -0 (Fix(-0.5)) into 0, which is what Windows prints.
VBS_BUILTIN(Fix) { result = roundWhole(args[0], [](double d) { return std::trunc(d) + 0.0; }, false); }

// Round(x[, digits]) rounds half to even: Round(2.5) = 2, Round(3.5) = 4.
VBS_BUILTIN(Round) {
    int32_t digits = longArg(args, argc, 1, 0);
    if (digits < 0) raise(errInvalidCall);
    if (args[0].type == Type::Boolean) { result = args[0]; return; }  // Round(True) is True
    Value n = numberArg(args[0]);
    switch (n.type) {
        case Type::Single: case Type::Double: case Type::Date: {
            double d = n.type == Type::Single ? n.f32 : n.f64;
            double scale = std::pow(10.0, digits);
            double scaled = d * scale;
            // Past 2^52 every double is whole already; rounding would only add error.
            double r = std::isfinite(scaled) && std::fabs(scaled) < 4503599627370496.0
                           ? std::nearbyint(scaled) / scale + 0.0 : d;
            result = n.type == Type::Single ? Value::single(static_cast<float>(r)) : Value::dbl(r);
            break;
        }
        case Type::Currency: {
            if (digits >= 4) { result = n; break; }
            int64_t unit = 1;
            for (int i = digits; i < 4; ++i) unit *= 10;
            result = Value::currency(roundCurrency(n.cy, unit, [unit](int64_t q, int64_t rem) {
                int64_t twice = 2 * (rem < 0 ? -rem : rem);
                return twice > unit || (twice == unit && (q & 1));
            }));
            break;
        }
        default: result = n; break;  // whole already, or Null
    }
}

namespace {

// The transcendental functions: a Double result, Null passes through.
template <class F>
void real(const Value& v, Value& result, F f) {
    if (v.isNull()) { result = Value::null(); return; }
    result = Value::dbl(f(toDouble(v)));
}

}  // namespace

VBS_BUILTIN(Atn) { real(args[0], result, [](double d) { return std::atan(d); }); }
VBS_BUILTIN(Cos) { real(args[0], result, [](double d) { return std::cos(d); }); }
VBS_BUILTIN(Sin) { real(args[0], result, [](double d) { return std::sin(d); }); }
VBS_BUILTIN(Tan) { real(args[0], result, [](double d) { return std::tan(d); }); }

VBS_BUILTIN(Exp) {
    real(args[0], result, [](double d) {
        double r = std::exp(d);
        if (std::isinf(r)) raise(errOverflow);
        return r;
    });
}

VBS_BUILTIN(Log) {
    real(args[0], result, [](double d) {
        if (d <= 0) raise(errInvalidCall);
        return std::log(d);
    });
}

VBS_BUILTIN(Sqr) {
    real(args[0], result, [](double d) {
        if (d < 0) raise(errInvalidCall);
        return std::sqrt(d);
    });
}

}  // namespace vbs::builtin
