#pragma once
// VBScript's pattern language is JavaScript 1.5's. PCRE2 reads most of it the same way; this
// rewrites the rest: escapes PCRE2 reads differently (\v, \cX, \xHH, \uXXXX, identity escapes
// of letters), the octal/back reference ambiguity, the empty class [] and [^], and quantifier-
// looking braces that are literal in JavaScript. Raises 5017 for constructs JavaScript rejects.
#include <string>
#include <string_view>

namespace vbs {

// multiline: "^" also matches after every CR and LF, the CR of a CR LF pair included.
std::u16string translatePattern(std::u16string_view pattern, bool multiline = false);

}  // namespace vbs
