// The C* conversion functions over convert.h, and Hex and Oct.
#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

VBS_BUILTIN(CBool) { result = Value::boolean(toBool(args[0])); }
VBS_BUILTIN(CByte) { result = Value::byte(toByte(args[0])); }
VBS_BUILTIN(CCur) { result = Value::currency(toCurrency(args[0])); }
VBS_BUILTIN(CDate) { result = Value::date(toDate(args[0])); }
VBS_BUILTIN(CDbl) { result = Value::dbl(toDouble(args[0])); }
VBS_BUILTIN(CInt) { result = Value::integer(toInteger(args[0])); }
VBS_BUILTIN(CLng) { result = Value::lng(toLong(args[0])); }
VBS_BUILTIN(CSng) { result = Value::single(toSingle(args[0])); }
VBS_BUILTIN(CStr) { result = Value(toString(args[0])); }

namespace {

// Integer-sized values print in 16 bits (Hex(-1) = "FFFF"), everything else in 32.
void radix(const Value& v, Value& result, unsigned base) {
    if (v.isNull()) { result = Value::null(); return; }
    uint32_t n;
    switch (v.type) {
        case Type::Integer: n = static_cast<uint16_t>(v.i16); break;
        case Type::Boolean: n = v.b ? 0xFFFFu : 0u; break;
        case Type::Byte: n = v.u8; break;
        default: n = static_cast<uint32_t>(toLong(v)); break;
    }
    char16_t buf[16];
    char16_t* p = buf + 16;
    do {
        *--p = u"0123456789ABCDEF"[n % base];
        n /= base;
    } while (n);
    result = Value(std::u16string_view(p, static_cast<size_t>(buf + 16 - p)));
}

}  // namespace

VBS_BUILTIN(Hex) { radix(args[0], result, 16); }
VBS_BUILTIN(Oct) { radix(args[0], result, 8); }

}  // namespace vbs::builtin
