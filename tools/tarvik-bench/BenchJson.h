#pragma once
// tarvik-bench's JSON (docs/bench-json.md): the run's settings and machine, every brain's figures and
// every raw sample, so a later run can be compared with this one sample for sample.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "bench/Measurement.h"
#include "bench/Statistics.h"

namespace tarvik {

inline constexpr const char* kBenchSchema = "tarvik-bench/2";

nlohmann::ordered_json MeasurementJson(const Measurement& run, const BatchStatistics& statistics,
                                       const std::vector<std::string>& warnings);

// The run and its samples back from a file MeasurementJson wrote (the figures are for recomputing:
// Analyse gives them again). Raises std::runtime_error naming the file and what is wrong with it.
Measurement ReadMeasurementJson(const std::string& path);

}  // namespace tarvik
