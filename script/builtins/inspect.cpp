// Asking a value what it is: the Is* functions, TypeName and VarType.
#include "script/builtins/args.h"
#include "script/builtins/library.h"
#include "script/values/object.h"

namespace vbs::builtin {

VBS_BUILTIN(IsArray) { result = Value::boolean(args[0].isArray()); }
VBS_BUILTIN(IsEmpty) { result = Value::boolean(args[0].isEmpty()); }
VBS_BUILTIN(IsNull) { result = Value::boolean(args[0].isNull()); }
VBS_BUILTIN(IsObject) { result = Value::boolean(args[0].isObject()); }

namespace {

// Numbers and Empty are numeric, Dates are not; strings when CDbl would take them.
bool numeric(const Value& v) {
    switch (v.type) {
        case Type::Empty: case Type::Boolean: case Type::Byte: case Type::Integer: case Type::Long:
        case Type::Single: case Type::Double: case Type::Currency:
            return true;
        case Type::String: {
            double ignored;
            return parseNumber(v.strView(), ignored);
        }
        default: return false;
    }
}

}  // namespace

// An object is as numeric as its default member; without one it is not.
VBS_BUILTIN(IsNumeric) {
    const Value& v = args[0];
    bool n = false;
    if (v.isObject() && v.obj) {
        try {
            n = numeric(defaultValue(v));
        } catch (const ScriptError&) {
        }
    } else {
        n = numeric(v);
    }
    result = Value::boolean(n);
}

VBS_BUILTIN(IsDate) {
    const Value& v = args[0];
    double ignored;
    result = Value::boolean(v.type == Type::Date || (v.isString() && parseDate(v.strView(), ignored)));
}

VBS_BUILTIN(TypeName) {
    const Value& v = args[0];
    std::u16string_view name;
    switch (v.type) {
        case Type::Empty: name = u"Empty"; break;
        case Type::Null: name = u"Null"; break;
        case Type::Boolean: name = u"Boolean"; break;
        case Type::Byte: name = u"Byte"; break;
        case Type::Integer: name = u"Integer"; break;
        case Type::Long: name = u"Long"; break;
        case Type::Single: name = u"Single"; break;
        case Type::Double: name = u"Double"; break;
        case Type::Currency: name = u"Currency"; break;
        case Type::Date: name = u"Date"; break;
        case Type::Error: name = u"Error"; break;
        case Type::String: name = u"String"; break;
        case Type::Object: name = v.obj ? v.obj->typeName() : u"Nothing"; break;
        case Type::Array: name = v.arr->elemVarType == vtString ? u"String()" : u"Variant()"; break;
        case Type::Ref: break;  // never reaches a built-in
    }
    result = Value(name);
}

// An object with a default property answers that property's VarType, as on Windows.
VBS_BUILTIN(VarType) {
    const Value& v = args[0];
    uint16_t t = v.varType();
    if (v.isObject() && v.obj) {
        try {
            t = defaultValue(v).varType();
        } catch (const ScriptError&) {
            t = vtObject;
        }
    }
    result = Value::integer(static_cast<int16_t>(t));
}

}  // namespace vbs::builtin
