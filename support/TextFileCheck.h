#pragma once
// Whether a file the program reads as text (settings, sentences) is fit for it: a binary file or an
// oversized one gets one clear message instead of garbage or a long stall.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

// The largest input file a batch reads (it is held in memory): 16 MiB, some 300,000 sentences.
inline constexpr std::uintmax_t kMaxInputBytes = std::uintmax_t(16) << 20;

// "is 100.0 MB, more than the 16 MB a file like it may have", or "" when it is small enough or
// cannot be measured (its opener then tells why).
std::string SizeProblem(const std::string& path, std::uintmax_t maxBytes);

// "holds NUL bytes: it is a binary file, not text", or "" for decoded text without them.
std::string BinaryProblem(std::string_view text);

// SizeProblem, then BinaryProblem of the file's decoded text; "" for a file it cannot read.
std::string TextFileProblem(const std::string& path, std::uintmax_t maxBytes);

}  // namespace tarvik
