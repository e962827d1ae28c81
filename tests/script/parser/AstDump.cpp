#include "AstDump.h"

#include <cstdio>

#include "script/values/errors.h"
#include "script/syntax/parser.h"

namespace vbs::test {

namespace {

using namespace ast;

std::string utf8(std::u16string_view s) { return utf16ToUtf8(s); }

std::string number(const char* format, double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, d);
    return buf;
}

// Integer 5, Long 5&, Double 5#, Date #serial#.
std::string literal(const Value& v) {
    switch (v.type) {
        case Type::Empty: return "Empty";
        case Type::Null: return "Null";
        case Type::Boolean: return v.b ? "True" : "False";
        case Type::Integer: return std::to_string(v.i16);
        case Type::Long: return std::to_string(v.i32) + "&";
        case Type::Double: return number("%.15g#", v.f64);
        case Type::Date: return number("#%.15g#", v.f64);
        case Type::String: return "\"" + utf8(v.strView()) + "\"";
        case Type::Object: return v.obj ? "?object" : "Nothing";
        default: return "?literal";
    }
}

const char* opName(Op op) {
    switch (op) {
        case Op::Neg: return "neg";
        case Op::Not: return "not";
        case Op::Pow: return "^";
        case Op::Mul: return "*";
        case Op::Div: return "/";
        case Op::IntDiv: return "\\";
        case Op::Mod: return "mod";
        case Op::Add: return "+";
        case Op::Sub: return "-";
        case Op::Concat: return "&";
        case Op::Eq: return "=";
        case Op::Ne: return "<>";
        case Op::Lt: return "<";
        case Op::Gt: return ">";
        case Op::Le: return "<=";
        case Op::Ge: return ">=";
        case Op::Is: return "is";
        case Op::And: return "and";
        case Op::Or: return "or";
        case Op::Xor: return "xor";
        case Op::Eqv: return "eqv";
        case Op::Imp: return "imp";
    }
    return "?op";
}

std::string list(const std::vector<ExprPtr>& items) {
    std::string out;
    for (const ExprPtr& e : items) out += " " + dump(*e);
    return out;
}

std::string body(const Block& b) { return "{" + dump(b) + "}"; }

const char* visibility(Visibility v) {
    switch (v) {
        case Visibility::Default: return "";
        case Visibility::Public: return "public ";
        case Visibility::Private: return "private ";
    }
    return "";
}

std::string cond(LoopCond kind, const ExprPtr& e) {
    if (kind == LoopCond::None) return "";
    return (kind == LoopCond::While ? " while " : " until ") + dump(*e);
}

std::string statement(const Stmt& s) {
    switch (s.kind) {
        case StmtKind::Assign: {
            auto& a = static_cast<const Assign&>(s);
            return std::string(a.isSet ? "(set " : "(let ") + dump(*a.target) + " " + dump(*a.value) + ")";
        }
        case StmtKind::Call: {
            auto& c = static_cast<const CallStmt&>(s);
            return "(callstmt " + dump(*c.target) + list(c.args) + ")";
        }
        case StmtKind::Dim: {
            auto& d = static_cast<const Dim&>(s);
            std::string out = std::string("(") + visibility(d.visibility) + "dim";
            for (const VarDecl& v : d.vars) {
                out += " " + utf8(v.name);
                if (v.isArray) out += "[" + list(v.bounds) + "]";
            }
            return out + ")";
        }
        case StmtKind::ReDim: {
            auto& r = static_cast<const ReDim&>(s);
            std::string out = r.preserve ? "(redim preserve" : "(redim";
            for (const ReDimItem& i : r.items) out += " " + dump(*i.target) + "[" + list(i.bounds) + "]";
            return out + ")";
        }
        case StmtKind::Erase: return "(erase" + list(static_cast<const Erase&>(s).targets) + ")";
        case StmtKind::Const: {
            auto& c = static_cast<const Const&>(s);
            std::string out = std::string("(") + visibility(c.visibility) + "const";
            for (const ConstItem& i : c.items) out += " " + utf8(i.name) + "=" + dump(*i.value);
            return out + ")";
        }
        case StmtKind::If: {
            auto& i = static_cast<const If&>(s);
            std::string out = "(if";
            for (const IfArm& arm : i.arms) out += " " + dump(*arm.cond) + " " + body(arm.body);
            if (!i.elseBody.empty()) out += " else " + body(i.elseBody);
            return out + ")";
        }
        case StmtKind::Select: {
            auto& sel = static_cast<const Select&>(s);
            std::string out = "(select " + dump(*sel.subject);
            for (const CaseArm& c : sel.cases) out += " (case" + list(c.values) + " " + body(c.body) + ")";
            if (sel.hasElse) out += " (else " + body(sel.elseBody) + ")";
            return out + ")";
        }
        case StmtKind::For: {
            auto& f = static_cast<const For&>(s);
            std::string out = "(for " + dump(*f.var) + " " + dump(*f.from) + " " + dump(*f.to);
            if (f.step) out += " step " + dump(*f.step);
            return out + " " + body(f.body) + ")";
        }
        case StmtKind::ForEach: {
            auto& f = static_cast<const ForEach&>(s);
            return "(foreach " + dump(*f.var) + " " + dump(*f.collection) + " " + body(f.body) + ")";
        }
        case StmtKind::Do: {
            auto& d = static_cast<const Do&>(s);
            return "(do" + cond(d.preKind, d.preCond) + " " + body(d.body) + cond(d.postKind, d.postCond) + ")";
        }
        case StmtKind::While: {
            auto& w = static_cast<const While&>(s);
            return "(while " + dump(*w.cond) + " " + body(w.body) + ")";
        }
        case StmtKind::Exit: {
            static const char* const kinds[] = {"do", "for", "function", "sub", "property"};
            return std::string("(exit ") + kinds[static_cast<int>(static_cast<const Exit&>(s).what)] + ")";
        }
        case StmtKind::With: {
            auto& w = static_cast<const With&>(s);
            return "(with " + dump(*w.object) + " " + body(w.body) + ")";
        }
        case StmtKind::OnError:
            return static_cast<const OnError&>(s).resumeNext ? "(onerror resume)" : "(onerror goto0)";
        case StmtKind::Procedure: {
            auto& p = static_cast<const Procedure&>(s);
            static const char* const kinds[] = {"sub", "function", "get", "let", "set"};
            std::string out = std::string("(") + visibility(p.visibility) + (p.isDefault ? "default " : "") +
                              kinds[static_cast<int>(p.procKind)] + " " + utf8(p.name) + " (";
            for (size_t i = 0; i < p.params.size(); ++i) {
                if (i) out += " ";
                if (p.params[i].byVal) out += "byval ";
                out += utf8(p.params[i].name) + (p.params[i].isArray ? "()" : "");
            }
            return out + ") " + body(p.body) + ")";
        }
        case StmtKind::Class: {
            auto& c = static_cast<const Class&>(s);
            return "(class " + utf8(c.name) + " " + body(c.members) + ")";
        }
        case StmtKind::Stop: return "(stop)";
    }
    return "?stmt";
}

}  // namespace

std::string dump(const Expr& e) {
    switch (e.kind) {
        case ExprKind::Literal: return literal(e.literal);
        case ExprKind::Name: return utf8(e.name);
        case ExprKind::Member: return e.object ? "(. " + dump(*e.object) + " " + utf8(e.name) + ")" : "." + utf8(e.name);
        case ExprKind::Call: return "(call " + dump(*e.object) + list(e.args) + ")";
        case ExprKind::Paren: return "(paren " + dump(*e.object) + ")";
        case ExprKind::Unary: return std::string("(") + opName(e.op) + " " + dump(*e.object) + ")";
        case ExprKind::Binary: return std::string("(") + opName(e.op) + " " + dump(*e.object) + " " + dump(*e.rhs) + ")";
        case ExprKind::New: return "(new " + utf8(e.name) + ")";
        case ExprKind::Me: return "Me";
        case ExprKind::Missing: return "_";
    }
    return "?expr";
}

std::string dump(const Block& b) {
    std::string out;
    for (const StmtPtr& s : b) {
        if (!out.empty()) out += "; ";
        out += statement(*s);
    }
    return out;
}

std::string parsed(std::u16string_view source) {
    try {
        ast::Program p = parse(source);
        return (p.optionExplicit ? "explicit; " : "") + dump(p.body);
    } catch (const ScriptError& e) {
        return errorText(e);
    }
}

std::string parsedExpr(std::u16string_view expression) {
    try {
        ast::Program p = parse(u"x = " + std::u16string(expression));
        return dump(*static_cast<const Assign&>(*p.body.at(0)).value);
    } catch (const ScriptError& e) {
        return errorText(e);
    }
}

std::string errorText(const ScriptError& e) {
    return "error " + std::to_string(e.number) + " at " + std::to_string(e.line) + ":" +
           std::to_string(e.column);
}

}  // namespace vbs::test
