#pragma once
// Source text -> syntax tree. The whole text is parsed before anything runs: the first syntax
// error raises a ScriptError (a compilation error, with line, column and the line's text) and
// nothing of the text is used.
#include <string_view>

#include "script/syntax/ast.h"

namespace vbs {

ast::Program parse(std::u16string_view source);

}  // namespace vbs
