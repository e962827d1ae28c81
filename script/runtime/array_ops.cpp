#include "script/runtime/array_ops.h"

#include <iterator>
#include <span>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/object.h"

namespace vbs {

namespace {

constexpr uint64_t kMaxElements = 1u << 26;  // beyond this a script gets error 7, not a crash

int32_t subscript(const Value& v) {
    const Value& x = v.deref();
    if (x.type == Type::Integer) return x.i16;
    if (x.type == Type::Long) return x.i32;
    return toLong(x);
}

size_t elementCount(const int32_t* upper, int dims) {
    uint64_t n = 1;
    for (int32_t u : std::span(upper, dims)) {
        if (u < -1) raise(errSubscript);
        n *= static_cast<uint64_t>(u) + 1;
        if (n > kMaxElements) raise(errOutOfMemory);
    }
    return static_cast<size_t>(n);
}

}  // namespace

Value makeArray(const int32_t* upper, int dims) {
    auto* a = new ArrayRep;
    Value v = Value::array(a);
    a->upper.assign(upper, upper + dims);
    a->data.resize(dims ? elementCount(upper, dims) : 0);
    return v;
}

void dimArray(Value& variable, const int32_t* upper, int dims) {
    variable = makeArray(upper, dims);
    if (dims) variable.arr->fixedIn = &variable;
}

bool plainSubscripts(const Value& t, Value* subscripts, int n) {
    for (int i = 0; i < n; ++i)
        if (subscripts[i].deref().isObject()) subscripts[i] = defaultValue(subscripts[i].deref());
    return t.isArray();
}

Value& element(ArrayRep* a, const Value* subscripts, int n) {
    if (n != static_cast<int>(a->dims()) || n == 0) raise(errSubscript);  // a() of Dim a(): no element
    size_t offset = 0, stride = 1;
    for (int d = 0; d < n; ++d) {
        int32_t i = subscript(subscripts[d]);
        int32_t u = a->upper[d];
        if (i < 0 || i > u) raise(errSubscript);
        offset += static_cast<size_t>(i) * stride;
        stride *= static_cast<size_t>(u) + 1;
    }
    return a->data[offset];
}

ArrayRep* ownArray(Value& v) {
    ArrayRep* a = v.arr;
    if (a->refs - pinCount(a) <= 1) return a;
    auto* copy = new ArrayRep;
    copy->elemVarType = a->elemVarType;
    copy->upper = a->upper;
    copy->data = a->data;
    if (a->fixedIn == &v) copy->fixedIn = &v;
    v = Value::array(copy);
    return copy;
}

void redim(Value& target, const Value* bounds, int n, bool preserve) {
    Value& t = target.deref();
    if (n < 1 || n > ArrayRep::kMaxDims) raise(errSubscript);
    int32_t upper[ArrayRep::kMaxDims];
    for (int i = 0; i < n; ++i) upper[i] = subscript(bounds[i]);
    if (t.isArray() && (t.arr->locks || isFixedIn(t))) raise(errArrayLocked);
    if (!preserve || !t.isArray() || t.arr->dims() == 0) {
        t = makeArray(upper, n);
        return;
    }
    // ReDim Preserve, often one element at a time: the storage grows geometrically (resize) and
    // the bounds are rewritten in place.
    ArrayRep* a = ownArray(t);
    if (a->dims() != static_cast<size_t>(n)) raise(errSubscript);
    for (int i = 0; i + 1 < n; ++i)
        if (a->upper[i] != upper[i]) raise(errSubscript);
    size_t count = elementCount(upper, n);
    // What a shrink drops is released once the array has its new shape: a Class_Terminate it runs
    // may read the array or ReDim it again.
    decltype(a->data) dropped;
    if (count < a->data.size())
        dropped.assign(std::make_move_iterator(a->data.begin() + static_cast<ptrdiff_t>(count)),
                       std::make_move_iterator(a->data.end()));
    a->data.resize(count, a->elemVarType == vtString ? Value(String()) : Value());
    a->upper[n - 1] = upper[n - 1];
}

void erase(Value& target) {
    Value& t = target.deref();
    if (!t.isArray()) raise(errTypeMismatch);
    if (pinCount(t.arr)) raise(errArrayLocked);
    if (isFixedIn(t)) {
        ArrayRep* a = ownArray(t);
        for (auto& e : a->data) e = Value();
        return;
    }
    t = makeArray(nullptr, 0);
}

void storeElement(Value& container, Value* args, int n, Value v, bool isSet) {
    Value& c = container.deref();
    if (!isSet && v.isObject()) v = defaultValue(v);
    if (indexable(c, args, n)) {
        ArrayRep* a = ownArray(c);
        // A String array (Split's, Filter's) keeps strings: a(0) = 5 stores "5".
        if (a->elemVarType == vtString && !v.isString()) {
            if (isSet) raise(errTypeMismatch);
            v = Value(toString(v));
        }
        element(a, args, n) = std::move(v);
        return;
    }
    if (c.isObject()) {
        if (!c.obj) raise(errObjectNotSet);
        Value keep = c;  // the call may reassign the variable
        for (int i = 0; i < n; ++i)
            if (args[i].type == Type::Ref) args[i] = Value(*args[i].ref);
        args[n] = std::move(v);
        Value ignored;
        keep.obj->invoke(kDefaultMember, isSet ? Invoke::Set : Invoke::Let, args, n + 1, ignored);
        return;
    }
    raise(errTypeMismatch);
}

}  // namespace vbs
