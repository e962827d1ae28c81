#pragma once
// The syntax tree the parser builds and the compiler consumes. Names keep the spelling the script
// used (VBScript is case-insensitive; the compiler folds case when it resolves them). Every node
// carries the position of its first character for error reports.
#include <memory>
#include <string>
#include <vector>

#include "script/values/value.h"

namespace vbs::ast {

struct Pos {
    int line = 0;    // 1-based
    int column = 0;  // 1-based
};

// ---- expressions ----

enum class ExprKind {
    Literal,  // value: Integer, Long, Double, String, Boolean, Date, Empty, Null; or Nothing (an
              // Object value holding nullptr)
    Name,     // name: a variable, constant, function, sub or class member, resolved by the compiler
    Member,   // object.name; object is null for ".name" inside a With block
    Call,     // callee(args): a call, an array index or a default-member access; decided by the
              // compiler. callee is any expression: f(x), o.m(x), (New C)(x), a(1)(2).
    Paren,    // (operand): kept so that f (x) passes a copy of x, not x itself
    Unary,    // op operand
    Binary,   // lhs op rhs
    New,      // New name
    Me,
    Missing,  // an omitted argument: f(1, , 3)
};

enum class Op {
    // unary
    Neg, Not,
    // binary, in no particular order (the parser already applied precedence)
    Pow, Mul, Div, IntDiv, Mod, Add, Sub, Concat,
    Eq, Ne, Lt, Gt, Le, Ge, Is,
    And, Or, Xor, Eqv, Imp,
};

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    ExprKind kind;
    Pos pos;
    Op op = Op::Neg;              // Unary, Binary
    Value literal;                // Literal
    std::u16string name;          // Name, Member, New
    ExprPtr object;               // Member (null inside With), Call (the callee), Paren and Unary
                                  // (the operand), Binary (lhs)
    ExprPtr rhs;                  // Binary
    std::vector<ExprPtr> args;    // Call

    Expr(ExprKind k, Pos p) : kind(k), pos(p) {}
};

// ---- statements ----

enum class StmtKind {
    Assign, Call, Dim, ReDim, Erase, Const, If, Select, For, ForEach, Do, While, Exit, With,
    OnError, Procedure, Class, Stop,
};

enum class Visibility { Default, Public, Private };

struct Stmt {
    StmtKind kind;
    Pos pos;
    explicit Stmt(StmtKind k, Pos p) : kind(k), pos(p) {}
    virtual ~Stmt() = default;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

// target = value, or Set target = value. target is a Name, Member or Call (array element or indexed
// property; VBScript has no Mid statement, so "Mid(s, 1) = t" fails at run time as on Windows).
struct Assign : Stmt {
    ExprPtr target, value;
    bool isSet = false;
    Assign(Pos p) : Stmt(StmtKind::Assign, p) {}
};

// A procedure call as a statement: "f a, b", "f(a)", "Call f(a, b)", "obj.m a", "obj.m".
// target is what is called (a Name or Member, or any expression whose value takes the arguments:
// "(New Fmt)(x)"); args are the arguments written after it. For "f(a)" without
// Call, the parser gives args = [Paren(a)] (a is passed by value, as VBScript does); for
// "Call f(a)" args = [a].
struct CallStmt : Stmt {
    ExprPtr target;
    std::vector<ExprPtr> args;
    CallStmt(Pos p) : Stmt(StmtKind::Call, p) {}
};

struct VarDecl {
    Pos pos;
    std::u16string name;
    bool isArray = false;           // "a()" or "a(3, 4)"
    std::vector<ExprPtr> bounds;    // upper bounds; empty for "a()" (a dynamic array)
};

// Dim, Private and Public variable declarations (script level, procedure level or class member).
struct Dim : Stmt {
    Visibility visibility = Visibility::Default;  // Default for Dim
    std::vector<VarDecl> vars;
    Dim(Pos p) : Stmt(StmtKind::Dim, p) {}
};

struct ReDimItem {
    ExprPtr target;                 // a Name (or Member for class fields reached as obj.f is not
                                    // allowed by VBScript; Name only in practice)
    std::vector<ExprPtr> bounds;
};
struct ReDim : Stmt {
    bool preserve = false;
    std::vector<ReDimItem> items;
    ReDim(Pos p) : Stmt(StmtKind::ReDim, p) {}
};

struct Erase : Stmt {
    std::vector<ExprPtr> targets;
    Erase(Pos p) : Stmt(StmtKind::Erase, p) {}
};

struct ConstItem {
    Pos pos;
    std::u16string name;
    ExprPtr value;  // a literal, possibly negated or parenthesised
};
struct Const : Stmt {
    Visibility visibility = Visibility::Default;
    std::vector<ConstItem> items;
    Const(Pos p) : Stmt(StmtKind::Const, p) {}
};

struct IfArm {
    ExprPtr cond;
    Block body;
};
// If / ElseIf... / Else, block or single-line form alike.
struct If : Stmt {
    std::vector<IfArm> arms;  // the If and each ElseIf
    Block elseBody;
    If(Pos p) : Stmt(StmtKind::If, p) {}
};

struct CaseArm {
    std::vector<ExprPtr> values;
    Block body;
};
struct Select : Stmt {
    ExprPtr subject;
    std::vector<CaseArm> cases;
    bool hasElse = false;
    Block elseBody;
    Select(Pos p) : Stmt(StmtKind::Select, p) {}
};

struct For : Stmt {
    ExprPtr var;  // a Name (VBScript allows only a plain variable)
    ExprPtr from, to, step;  // step may be null
    Block body;
    For(Pos p) : Stmt(StmtKind::For, p) {}
};

struct ForEach : Stmt {
    ExprPtr var;
    ExprPtr collection;
    Block body;
    ForEach(Pos p) : Stmt(StmtKind::ForEach, p) {}
};

enum class LoopCond { None, While, Until };
// Do [While|Until c] ... Loop [While|Until c]
struct Do : Stmt {
    LoopCond preKind = LoopCond::None, postKind = LoopCond::None;
    ExprPtr preCond, postCond;
    Block body;
    Do(Pos p) : Stmt(StmtKind::Do, p) {}
};

struct While : Stmt {
    ExprPtr cond;
    Block body;
    While(Pos p) : Stmt(StmtKind::While, p) {}
};

enum class ExitKind { Do, For, Function, Sub, Property };
struct Exit : Stmt {
    ExitKind what;
    Exit(Pos p, ExitKind w) : Stmt(StmtKind::Exit, p), what(w) {}
};

struct With : Stmt {
    ExprPtr object;
    Block body;
    With(Pos p) : Stmt(StmtKind::With, p) {}
};

// On Error Resume Next (resumeNext) or On Error GoTo 0.
struct OnError : Stmt {
    bool resumeNext = false;
    OnError(Pos p) : Stmt(StmtKind::OnError, p) {}
};

struct Stop : Stmt {
    Stop(Pos p) : Stmt(StmtKind::Stop, p) {}
};

enum class ProcKind { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Param {
    Pos pos;
    std::u16string name;
    bool byVal = false;   // ByRef is the default
    bool isArray = false; // "a()"
};

struct Procedure : Stmt {
    ProcKind procKind = ProcKind::Sub;
    Visibility visibility = Visibility::Default;
    bool isDefault = false;  // Public Default
    std::u16string name;
    std::vector<Param> params;
    Block body;
    int endLine = 0;         // line of End Sub/Function/Property
    Procedure(Pos p) : Stmt(StmtKind::Procedure, p) {}
};

// Class ... End Class. members holds Dim (fields), Const and Procedure statements only.
struct Class : Stmt {
    std::u16string name;
    Block members;
    Class(Pos p) : Stmt(StmtKind::Class, p) {}
};

// A whole compilation unit: one AddCode or Execute text.
struct Program {
    bool optionExplicit = false;
    Block body;  // top-level statements, procedures and classes in source order
};

}  // namespace vbs::ast
