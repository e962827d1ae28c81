// Building and taking apart arrays: Array, Split, Join, Filter, LBound, UBound.
#include <vector>

#include "script/builtins/args.h"
#include "script/builtins/library.h"
#include "script/builtins/search.h"
#include "script/values/deadline.h"
#include "script/values/text.h"

namespace vbs::builtin {

namespace {

using Items = decltype(ArrayRep::data);

// The items become the array's storage as they are, without a copy.
Value makeArray(Items items, uint16_t elemVarType) {
    auto* rep = new ArrayRep;
    Value array = Value::array(rep);
    rep->elemVarType = elemVarType;
    rep->upper.push_back(static_cast<int32_t>(items.size()) - 1);
    rep->data = std::move(items);
    return array;
}

// Anything else, Null too, is a Type mismatch.
const ArrayRep& arrayArg(const Value& v) {
    if (!v.isArray()) raise(errTypeMismatch);
    return *v.arr;
}

// A one-dimensional array argument, as Join and Filter need.
const ArrayRep& listArg(const Value& v) {
    const ArrayRep& a = arrayArg(v);
    if (a.dims() != 1) raise(errInvalidCall);
    return a;
}

}  // namespace

VBS_BUILTIN(Array) { result = makeArray(Items(args, args + argc), vtVariant); }

// Split(expression[, delimiter[, count[, compare]]]) answers a String array (VarType 8200).
VBS_BUILTIN(Split) {
    String s = toString(args[0]);
    String delim = given(args, argc, 1) ? toString(args[1]) : String(u" ");
    int32_t count = longArg(args, argc, 2, -1);
    if (count < -1) raise(errInvalidCall);
    bool text = textCompareArg(args, argc, 3);
    Items parts;
    if (!s.empty() && count != 0) {
        parts.reserve(8);  // a sentence's words in one allocation
        std::u16string_view v = s.view();
        size_t from = 0;
        while (!delim.empty() && (count < 0 || parts.size() + 1 < static_cast<size_t>(count))) {
            size_t at = findIn(v, delim.view(), from, text);
            if (at == std::u16string_view::npos) break;
            pollDeadline();
            parts.emplace_back(v.substr(from, at - from));
            from = at + delim.size();
        }
        parts.push_back(from == 0 ? Value(s) : Value(v.substr(from)));
    }
    result = makeArray(std::move(parts), vtString);
}

// Join(list[, delimiter]): Empty and Null elements join as "".
VBS_BUILTIN(Join) {
    const ArrayRep& list = listArg(args[0]);
    String delim = given(args, argc, 1) ? toString(args[1]) : String(u" ");
    String out;
    for (size_t i = 0; i < list.data.size(); ++i) {
        pollDeadline();
        if (i) out.append(delim.view());
        const Value& e = list.data[i];
        if (e.isString()) out.append(e.strView());
        else if (!e.isNull() && !e.isEmpty()) out.append(toString(e).view());
    }
    result = Value(std::move(out));
}

// Filter(list, value[, include[, compare]]): the elements containing (or not containing) value.
VBS_BUILTIN(Filter) {
    const ArrayRep& list = listArg(args[0]);
    String what = toString(args[1]);
    bool include = given(args, argc, 2) ? toBool(args[2]) : true;
    bool text = textCompareArg(args, argc, 3);
    Items kept;
    for (const Value& e : list.data) {
        pollDeadline();
        String s = toString(e);
        bool found = what.empty() || findIn(s.view(), what.view(), 0, text) != std::u16string_view::npos;
        if (found == include) kept.emplace_back(std::move(s));
    }
    result = makeArray(std::move(kept), vtString);
}

namespace {

// The dimension argument, 1-based; 9 (Subscript out of range) when the array has no such one.
size_t dimensionArg(const ArrayRep& a, const Value* args, int argc) {
    int32_t dim = longArg(args, argc, 1, 1);
    if (dim < 1 || static_cast<size_t>(dim) > a.dims()) raise(errSubscript);
    return static_cast<size_t>(dim - 1);
}

}  // namespace

VBS_BUILTIN(LBound) {
    dimensionArg(arrayArg(args[0]), args, argc);
    result = Value::lng(0);
}

VBS_BUILTIN(UBound) {
    const ArrayRep& a = arrayArg(args[0]);
    result = Value::lng(a.upper[dimensionArg(a, args, argc)]);
}

}  // namespace vbs::builtin
