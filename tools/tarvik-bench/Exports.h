#pragma once
// The files a run can leave besides its records: the JSON, one CSV row per call, a Markdown summary.
#include <string>

#include "bench/Measurement.h"

namespace tarvik {

// One row per call in the order the calls were made: sentence number, sentence, repeat, brain,
// name, milliseconds (empty for a failure), "ok" or the error.
std::string CallsCsv(const Measurement& run);

// "" when a file can be written at `path` (its folder exists and takes files); else why not.
std::string ExportProblem(const std::string& path);

// Writes the whole text or raises std::runtime_error naming the file and the reason.
void WriteExport(const std::string& path, const std::string& text);

}  // namespace tarvik
