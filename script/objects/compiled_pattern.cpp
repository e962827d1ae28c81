#include "script/objects/compiled_pattern.h"

#include <string>
#include <unordered_map>

#include "script/values/errors.h"
#include "script/objects/regex_translate.h"

namespace vbs {

namespace {

// JIT compilation costs about as much as a few interpreted matches; it pays from here on.
constexpr uint32_t kJitAfterUses = 4;
// Patterns kept per thread; past this the cache starts over (live RegExps keep theirs).
constexpr size_t kCacheLimit = 256;
constexpr size_t kJitStackStart = 32 * 1024;
constexpr size_t kJitStackMax = 8 * 1024 * 1024;
// Backtracking steps one search may take: catastrophic patterns ((a+)+$ on 30 a's) stop after
// tens of milliseconds with Out of stack space, well inside a time-out; ordinary searches of
// megabytes of text take far fewer.
constexpr uint32_t kMatchLimit = 2000000;

// The numbers VBScript gives the mistakes PCRE2 finds in a translated pattern.
int32_t patternError(int pcreError) {
    switch (pcreError) {
        case PCRE2_ERROR_QUANTIFIER_INVALID: return errRegexQuantifier;
        case PCRE2_ERROR_MISSING_SQUARE_BRACKET: return errRegexBracket;
        case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS: return errRegexParen;
        case PCRE2_ERROR_CLASS_RANGE_ORDER: return errRegexRange;
        default: return errRegexSyntax;
    }
}

PCRE2_SPTR16 sptr(std::u16string_view s) { return reinterpret_cast<PCRE2_SPTR16>(s.data()); }

std::shared_ptr<CompiledPattern> compile(std::u16string_view pattern, uint32_t flags) {
    std::u16string translated = translatePattern(pattern, flags & kMultiline);
    // UTF mode for Unicode case folding; without UCP, \d \w \s \b stay ASCII as in JavaScript.
    // Newlines are CR and LF so "." and a multiline "$" stop at either.
    uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_MATCH_UNSET_BACKREF;
    options |= flags & kIgnoreCase ? PCRE2_CASELESS : 0;
    options |= flags & kMultiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
    std::unique_ptr<pcre2_compile_context, void (*)(pcre2_compile_context*)> context(
        pcre2_compile_context_create(nullptr), pcre2_compile_context_free);
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANYCRLF);
    int error;
    PCRE2_SIZE offset;
    pcre2_code* code = pcre2_compile(sptr(translated), translated.size(), options, &error, &offset, context.get());
    if (!code) raise(patternError(error));
    uint32_t captures = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
    return std::make_shared<CompiledPattern>(code, static_cast<int>(captures));
}

}  // namespace

// JIT code gets a stack that grows to several megabytes, so deep patterns behave as they do
// interpreted.
pcre2_match_context* matchContext() {
    struct Context {
        pcre2_match_context* context = pcre2_match_context_create(nullptr);
        pcre2_jit_stack* stack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
        Context() {
            pcre2_jit_stack_assign(context, nullptr, stack);
            pcre2_set_match_limit(context, kMatchLimit);
        }
        ~Context() {
            pcre2_jit_stack_free(stack);
            pcre2_match_context_free(context);
        }
    };
    thread_local Context current;
    return current.context;
}

int CompiledPattern::match(std::u16string_view subject, size_t start, pcre2_match_data* data) {
    if (++uses_ == kJitAfterUses) jit_ = pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE) == 0;  // else interpreted
    PCRE2_SPTR16 text = subject.empty() ? reinterpret_cast<PCRE2_SPTR16>(u"") : sptr(subject);
    return (jit_ ? pcre2_jit_match : pcre2_match)(code_, text, subject.size(), start, 0, data, matchContext());
}

std::shared_ptr<CompiledPattern> compilePattern(std::u16string_view pattern, uint32_t flags) {
    thread_local std::unordered_map<std::u16string, std::shared_ptr<CompiledPattern>> cache;
    std::u16string key(pattern);
    key += static_cast<char16_t>(flags);  // the flags ride along as a last character
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    auto compiled = compile(pattern, flags);
    if (cache.size() >= kCacheLimit) cache.clear();
    cache.emplace(std::move(key), compiled);
    return compiled;
}

}  // namespace vbs
