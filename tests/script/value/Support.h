#pragma once
// Small helpers shared by the value tests.
#include <string>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "tests/script/ErrorOf.h"

namespace vbs::test {

inline std::string text(const Value& v) { return toString(v).toUtf8(); }
inline std::string utf8(const String& s) { return s.toUtf8(); }

// The subtype and the text of a value in one string ("Integer 5"), so a test checks both at once.
inline std::string typed(const Value& v) {
    static const char* const kNames[] = {"Empty", "Null", "Boolean", "Byte", "Integer", "Long", "Single",
                                         "Double", "Currency", "Date", "Error", "String", "Object", "Array"};
    std::string name = kNames[static_cast<int>(v.type)];
    return v.isNull() ? name : name + " " + text(v);
}

}  // namespace vbs::test
