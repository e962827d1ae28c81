#pragma once
// The number of the Failure an action raises, or 0 when it raises none.
#include "support/Failure.h"

namespace tarvik::testing {

template <typename Action>
int FailureNumberOf(Action&& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Number;
    }
    return 0;
}

}  // namespace tarvik::testing
