#pragma once
// Translated and compiled patterns, shared: brains often build a New RegExp with the same pattern
// on every call, so compiled code is kept per thread by pattern and flags (engines on other
// threads share nothing). A pattern that keeps being used is JIT-compiled once.
#include <cstdint>
#include <memory>
#include <string_view>

#include <pcre2.h>

namespace vbs {

constexpr uint32_t kIgnoreCase = 1;  // flags for compilePattern
constexpr uint32_t kMultiline = 2;

class CompiledPattern {
public:
    CompiledPattern(pcre2_code* code, int groups) : code_(code), groups_(groups) {}
    ~CompiledPattern() { pcre2_code_free(code_); }
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    // One search of subject from start, as pcre2_match answers it. Counts the use and JIT-compiles
    // once that pays; JIT code is then entered directly, skipping the argument checks pcre2_match
    // makes first, which cost more than a short match (invalid UTF is matched, not checked for).
    int match(std::u16string_view subject, size_t start, pcre2_match_data* data);
    int groups() const { return groups_; }

private:
    pcre2_code* code_;
    int groups_;
    uint32_t uses_ = 0;
    bool jit_ = false;
};

// Raises 5017 for a pattern that does not compile.
std::shared_ptr<CompiledPattern> compilePattern(std::u16string_view pattern, uint32_t flags);

}  // namespace vbs
