#include "script/value.h"

#include "script/errors.h"
#include "script/object.h"

namespace vbs {

Value Value::object(Object* o) {
    Value v;
    v.type = Type::Object;
    v.obj = o;
    if (o) o->addRef();
    return v;
}

Value Value::array(ArrayRep* a) {
    Value v;
    v.type = Type::Array;
    v.arr = a;
    ++a->refs;
    return v;
}

void Value::retain() noexcept {
    switch (type) {
        case Type::String: if (str) ++str->refs; break;
        case Type::Object: if (obj) obj->addRef(); break;
        case Type::Array: ++arr->refs; break;
        default: break;
    }
}

void Value::releaseSlow() noexcept {
    switch (type) {
        case Type::String: if (str && --str->refs == 0) std::free(str); break;
        case Type::Object: if (obj) obj->release(); break;
        case Type::Array: if (--arr->refs == 0) delete arr; break;
        default: break;
    }
}

uint16_t Value::varType() const noexcept {
    switch (type) {
        case Type::Empty: return vtEmpty;
        case Type::Null: return vtNull;
        case Type::Boolean: return vtBoolean;
        case Type::Byte: return vtByte;
        case Type::Integer: return vtInteger;
        case Type::Long: return vtLong;
        case Type::Single: return vtSingle;
        case Type::Double: return vtDouble;
        case Type::Currency: return vtCurrency;
        case Type::Date: return vtDate;
        case Type::Error: return vtError;
        case Type::String: return vtString;
        case Type::Object: return vtObject;
        case Type::Array: return static_cast<uint16_t>(vtArray | arr->elemVarType);
        case Type::Ref: return ref->varType();
    }
    return vtEmpty;
}

std::unique_ptr<Enumerator> Object::enumerate() { raise(errNotCollection); }

}  // namespace vbs
