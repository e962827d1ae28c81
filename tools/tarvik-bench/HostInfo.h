#pragma once
// The machine a run was made on, for the exports: a time only means something beside it.
#include "bench/Measurement.h"

namespace tarvik {

// Fills the start time, host name, CPU model, core count, kernel and build type.
void TakeHostInfo(RunInfo& info);

}  // namespace tarvik
