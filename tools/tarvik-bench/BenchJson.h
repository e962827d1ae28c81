#pragma once
// tarvik-bench's JSON (docs/bench-json.md): the run's settings and machine, every brain's figures and
// every raw sample, so a later run can be compared with this one sample for sample.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "bench/Comparison.h"
#include "bench/Measurement.h"
#include "bench/Statistics.h"

namespace tarvik {

inline constexpr const char* kBenchSchema = "tarvik-bench/2";

// With `comparison`, the run's comparison with its baseline as well.
nlohmann::ordered_json MeasurementJson(const Measurement& run, const BatchStatistics& statistics,
                                       const std::vector<std::string>& warnings,
                                       const BaselineComparison* comparison = nullptr);

// The run and its samples back from a file MeasurementJson wrote (the figures and the comparison
// are for recomputing: Analyse and CompareWithBaseline give them again). Raises std::runtime_error naming the file and what is wrong with it.
Measurement ReadMeasurementJson(const std::string& path);

}  // namespace tarvik
