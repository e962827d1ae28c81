#pragma once
// The VBScript error number an action raises, or 0 when it returns normally.
#include "script/values/errors.h"

namespace vbs::test {

template <class F>
int errorOf(F&& f) {
    try {
        f();
    } catch (const ScriptError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace vbs::test
