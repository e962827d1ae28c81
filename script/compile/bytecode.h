#pragma once
// Compiled code: what the compiler produces and the VM runs. Every name is resolved before the code
// runs; the few that cannot be (a global defined by a later AddCode) carry a cache the VM fills.
#include <cstdint>
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "script/syntax/ast.h"
#include "script/builtins/builtins.h"
#include "script/values/value.h"

namespace vbs {

struct Proc;
struct ClassInfo;

enum class Op : uint8_t {
    PushConst,    // consts[a]
    PushMissing,  // an omitted argument
    Pop,
    // Variables: Load pushes a copy, Store pops (flags 1: Set, no default-property read), Ref pushes
    // a reference for a ByRef argument or an element/ReDim target.
    LoadLocal, StoreLocal, RefLocal,
    LoadLocal2,                         // LoadLocal a, then LoadLocal b
    LoadGlobal, StoreGlobal, RefGlobal, // p: the global's Value (its slot never moves), a: its index
    LoadField, StoreField, RefField,    // fields of Me
    LoadOuter, StoreOuter, RefOuter,    // locals of the procedure that ran Execute/Eval
    LoadName, StoreName, RefName,       // p: NameSite; a: implicit local slot or -1
    LoadMe,
    // A load and a store in one: to = from (flags 1: Set). a: from, b: to.
    MoveLocal, MoveFieldToLocal, MoveLocalToField,
    Pow, Not, Eqv, Imp,                 // [lhs, rhs] -> [result], Not [operand] -> [result]
    // Frame slots in, a frame slot out (a local or a temporary at its fixed place above the
    // locals): frame[o.to] = frame[a] op frame[o.rhs], or op consts[o.rhs] in the Const forms (in
    // the same order). argc (an int16_t) moves the stack top; the temporaries it drops were operands.
    // Slots, constants and the move are byte offsets, which the VM adds without scaling.
    Add, Sub, Mul, Div, IntDiv, Mod, Concat, And, Or, Xor,
    AddConst, SubConst, MulConst, DivConst, IntDivConst, ModConst, ConcatConst, AndConst, OrConst, XorConst,
    Neg,                                // frame[o.to] = -frame[a], as those
    Append,                             // [ref, (value,) texts...] -> []: s = s & a & b in place;
                                        // flags 1: the value read before the texts
    Eq, Ne, Lt, Gt, Le, Ge,             // flags: ops::CompareFlags
    Is,
    // Jump targets (a here, b in the For instructions) are byte offsets into the code, and so are
    // the slots and constants of the JumpCompare forms into the frame and the constants.
    Jump, JumpFalse, JumpTrue,          // a: target
    JumpCompare,  // [lhs, rhs] a: target; argc: compareJumpMask; flags: CompareFlags
    JumpCompareConst,  // the same with [lhs] and consts[b] on the right
    JumpCompareTopLocal,    // the same with [lhs] and locals[b]
    JumpCompareLocalConst,  // the same with locals[lk.slot] and consts[lk.k], nothing on the stack
    JumpCompareLocals,      // the same with locals[lk.slot] and locals[lk.k]
    CallProc,     // p: Proc, argc
    CallMethod,   // p: Proc of Me's class, argc
    CallBuiltin,  // p: Builtin, argc
    Convert,      // CallBuiltin of CInt, CLng or CDbl (flags: the Type), a number converted inline
    Floor,        // CallBuiltin of Int, a Double, Integer or Long done inline
    CallName,     // [place, args...] p: NameSite, argc; a: implicit local or -1; flags: CallNameFlags
    Index,        // [container, args...] -> element or default member
    IndexLocal,   // [subscript] -> element of the array in locals[a] (argc 1: Index's, when it is none);
                  // flags 1: [] -> the element, the subscript being locals[b]
    RefIndex,     // [ref, args...] -> reference to the element
    StoreIndex,   // [ref, args..., value]
    Member,       // p: MemberSite, argc, flags: Invoke; [object, args...(, value)]
    New,          // p: ClassInfo
    CheckObject,  // Set's right-hand side must be an object (424)
    DimArray,     // [ref, bounds...]
    ReDim,        // [ref, bounds...], flags 1: Preserve
    Erase,        // [ref]
    ForInit,      // [ref, from, to, step]; a: hidden slots, b: exit
    ForNext,      // a: hidden slots, b: loop start
    ForEachInit,  // [ref, collection]; a: hidden slots, b: exit
    ForEachNext,  // a: hidden slots, b: loop start
    ClearLocal,   // a: slot
    OnError,      // flags 1: Resume Next
    Unpin,        // argc array elements passed ByRef are free again
    Eval,         // [text] flags: 0 Eval, 1 Execute, 2 ExecuteGlobal
    GetRef,       // [name]
    Raise,        // a: error number
    CallBuiltinTimed,  // CallBuiltin in code compiled while profiling
    Line,         // a statement starts, in code compiled while profiling; a: its line in the profile
    StoreReturn,  // StoreLocal of the return value, then Return
    Return,       // the last: the dispatch table is sized by it
};

// JumpCompare's argc: bit c + 1 is set where the comparison's answer c (-1, 0, 1, or 2 for Null)
// takes the jump, so the test is a shift and no branch on the kind. kind: Eq..Ge as 0..5.
constexpr uint16_t compareJumpMask(int kind, bool jumpIfTrue) {
    constexpr uint16_t holds[] = {0b0010, 0b0101, 0b0001, 0b0100, 0b0011, 0b0110};  // Null never holds
    return jumpIfTrue ? holds[kind] : holds[kind] ^ 0b1111;
}

// CallName: compiled under Option Explicit; an argument passed ByRef, where an array element
// becomes a reference to it (and one pin is counted either way, for Unpin).
enum CallNameFlags : uint8_t { kExplicitNames = 1, kByRefArgument = 2 };

struct LocalAndConst {
    int32_t slot, k;
};

struct SlotOperands {
    int32_t rhs, to;
};

struct Instr {
    Op op;
    uint8_t flags = 0;
    uint16_t argc = 0;
    int32_t a = 0;
    union {
        int64_t b = 0;
        void* p;
        LocalAndConst lk;
        SlotOperands o;
    };
};

// A name resolved at run time, with the global slot it was last found in.
struct NameSite {
    std::u16string name;  // as written, for messages
    std::u16string key;   // folded
    int global = -1;
    size_t missedAt = SIZE_MAX;  // globals count when the last look-up failed: retry only after growth
    bool createGlobal = false;   // script level without Option Explicit: first use creates it
    Proc* proc = nullptr;
    ClassInfo* cls = nullptr;
};

// A member call site: the inline cache (type -> member id).
struct MemberSite {
    std::u16string name;
    const void* typeKey = nullptr;
    int id = 0;
    ClassInfo* cls = nullptr;  // when the cached type is one of this engine's script classes
    // With cls: what the site (its kind and argument count are fixed) runs directly, if anything.
    Proc* proc = nullptr;  // the method or property accessor
    int field = -1;        // a field read without arguments
};

// Source line and column of each statement, and where execution resumes after an error in it.
struct StmtInfo {
    int start, resume;
    ast::Pos pos;
};

struct SourceText {
    std::u16string text;
    std::u16string_view line(int n) const;  // 1-based, without the line end
};

struct Proc {
    std::u16string name;
    ast::ProcKind kind = ast::ProcKind::Sub;
    bool isPublic = true;
    int nparams = 0;
    std::vector<uint8_t> byVal;
    bool anyByVal = false;  // lets calls skip the parameter scan
    bool explicitNames = false;  // compiled under Option Explicit, which code it Executes inherits
    int nlocals = 0;   // parameters, variables, the return value and hidden loop slots
    int retSlot = -1;
    int maxStack = 0;  // operand slots above the locals
    int frameSize = 0;  // nlocals + maxStack, once compiled: a call's one look-up
    ClassInfo* cls = nullptr;
    std::vector<Instr> code;
    std::vector<Value> consts;
    std::vector<StmtInfo> stmts;
    std::unordered_map<std::u16string, int> localNames;  // folded -> slot, for Execute and Eval
    // Procedures that run Execute or Eval: the slots of their undeclared variables (folded name ->
    // slot; a global of the same name comes first), and the hidden slot holding the variables that
    // Execute creates in one call of the procedure (-1 without Execute or Eval).
    std::unordered_map<std::u16string, int> implicitNames;
    int executeSlot = -1;
    const Proc* outerScope = nullptr;  // code run by Execute or Eval in a procedure: that procedure
    std::vector<std::unique_ptr<NameSite>> names;
    std::vector<std::unique_ptr<MemberSite>> members;
    std::shared_ptr<SourceText> source;
    int profileId = -1;  // its function in the engine's profile, once profiled

    const StmtInfo* stmtAt(int pc) const;
};

struct ClassInfo {
    std::u16string name;
    struct Member {
        std::u16string name;
        bool isPublic = true;
        int field = -1;
        Proc* method = nullptr;  // Sub or Function
        Proc *get = nullptr, *let = nullptr, *set = nullptr;
    };
    std::vector<Member> members;  // [0] is the default member (empty when there is none)
    std::unordered_map<std::u16string, int> memberIndex;  // folded -> index into members
    struct Field {
        std::vector<int32_t> bounds;  // a fixed array field: Private a(9)
        bool isArray = false;
    };
    std::vector<Field> fields;
    std::unordered_map<std::u16string, Value> consts;
    Proc *init = nullptr, *term = nullptr;
    std::vector<std::unique_ptr<Proc>> procs;
};

// One compiled AddCode/Execute text: owns its procedures and classes for the engine's lifetime.
struct Unit {
    std::unique_ptr<Proc> main;
    std::vector<std::unique_ptr<Proc>> procs;
    std::vector<std::unique_ptr<ClassInfo>> classes;
};

// Folds a name for case-insensitive look-up.
std::u16string foldName(std::u16string_view name);

}  // namespace vbs
