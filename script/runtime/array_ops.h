#pragma once
// Script arrays as the VM changes them: creation, element access with bounds checks, copy on
// write, ReDim and Erase.
#include <cstdint>

#include "script/values/value.h"

namespace vbs {

inline uint32_t pinCount(const ArrayRep* a) { return a->locks; }

// A new array of Empty elements with the given upper bounds.
Value makeArray(const int32_t* upper, int dims);
// Dim: a new array in the variable, fixed in size there when declared with bounds (Dim a(3)).
void dimArray(Value& variable, const int32_t* upper, int dims);
// The variable holds the array it declared with bounds: ReDim and assignment refuse it, Erase
// only empties it. Copies of it elsewhere are dynamic, as on Windows.
inline bool isFixedIn(const Value& variable) {
    return variable.isArray() && variable.arr->fixedIn == &variable;
}
// Whether t holds an array to index once object subscripts have given their default values: that
// runs script code, which may ReDim or let go of the very array, so it comes before element().
bool plainSubscripts(const Value& t, Value* subscripts, int n);  // the conversions, out of line
inline bool indexable(const Value& t, Value* subscripts, int n) {
    if (!t.isArray()) return false;
    for (int i = 0; i < n; ++i)
        if (subscripts[i].type == Type::Object || subscripts[i].type == Type::Ref) [[unlikely]]
            return plainSubscripts(t, subscripts, n);
    return true;
}
// The element at the subscripts (9 when out of range or the wrong number of them).
Value& element(ArrayRep* a, const Value* subscripts, int n);
// The array in v, copied first when something else shares it.
ArrayRep* ownArray(Value& v);
void redim(Value& target, const Value* bounds, int n, bool preserve);
void erase(Value& target);
// container(args) = v: an element, or the object's default member.
void storeElement(Value& container, Value* args, int n, Value v, bool isSet);

}  // namespace vbs
