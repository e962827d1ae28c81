#pragma once
// Syntax tree -> compiled code, with every name resolved against the VM's script-wide tables.
// Declarations are registered in the VM only when the whole unit compiled.
#include <memory>

#include "script/syntax/ast.h"
#include "script/compile/bytecode.h"

namespace vbs {

class VM;
class ExecuteScope;

enum class UnitMode {
    Global,   // AddCode and ExecuteGlobal
    Execute,  // statements run in the scope of a procedure (scope's locals are reached as outer)
    Eval,     // one expression: the unit's main returns its value
};

// scope: the procedure running Execute/Eval (nullptr at script level); its class, if any, is Me's.
// vars: the variables Execute created in that call of it, which this code may add to.
std::unique_ptr<Unit> compile(VM& vm, const ast::Program& program, std::shared_ptr<SourceText> source,
                              UnitMode mode, const Proc* scope, ExecuteScope* vars = nullptr);

// The name the Eval wrapper assigns the expression to.
extern const std::u16string_view kEvalResultName;

}  // namespace vbs
