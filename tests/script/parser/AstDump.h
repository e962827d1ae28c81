#pragma once
// Syntax trees as compact S-expressions, so a test states the whole expected shape in one line.
#include <string>
#include <string_view>

#include "script/syntax/ast.h"
#include "script/values/errors.h"

namespace vbs::test {

std::string dump(const ast::Expr& e);
std::string dump(const ast::Block& b);  // statements separated by "; "

// "error 1025 at 3:7"
std::string errorText(const ScriptError& e);

// Parses `source` and dumps the whole program, or the compilation error.
std::string parsed(std::u16string_view source);
// Parses "x = <expression>" and dumps the expression.
std::string parsedExpr(std::u16string_view expression);

}  // namespace vbs::test
