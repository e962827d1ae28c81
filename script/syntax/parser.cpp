#include "script/syntax/parser.h"

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/text.h"
#include "script/syntax/lexer.h"

namespace vbs {

namespace {

using namespace ast;

// Compilation error numbers the parser raises.
enum : int {
    eSyntax = 1002,
    eExpectedLParen = 1005,
    eExpectedRParen = 1006,
    eExpectedIdentifier = 1010,
    eExpectedEq = 1011,
    eExpectedIf = 1012,
    eExpectedTo = 1013,
    eExpectedEnd = 1014,
    eExpectedFunction = 1015,
    eExpectedSub = 1016,
    eExpectedThen = 1017,
    eExpectedWend = 1018,
    eExpectedLoop = 1019,
    eExpectedNext = 1020,
    eExpectedCase = 1021,
    eExpectedSelect = 1022,
    eExpectedExpression = 1023,
    eExpectedStatement = 1024,
    eExpectedEndOfStatement = 1025,
    eExpectedInteger = 1026,
    eExpectedWhileUntilOrEnd = 1028,
    eExpectedWith = 1029,
    eLoopWithoutDo = 1038,
    eInvalidExit = 1039,
    eForVariableInUse = 1040,
    eSubWithParens = 1044,
    eExpectedLiteral = 1045,
    eExpectedIn = 1046,
    eExpectedClass = 1047,
    eOutsideClass = 1048,
    eExpectedPropertyKind = 1049,
    eExpectedProperty = 1050,
    ePropertyArgumentCount = 1051,
    eMultipleDefaults = 1052,
    eInitTermArguments = 1053,
    eLetSetWithoutArgument = 1054,
    eUnexpectedNext = 1055,
    eDefaultPlacement = 1056,
    eDefaultNotPublic = 1057,
    eDefaultOnlyGet = 1058,
};

// Binding strength of binary operators, loosest first; Not and unary minus sit between.
enum Level : int {
    kNone, kImp, kEqv, kXor, kOr, kAnd, kNot, kCompare, kConcat, kAdd, kMod, kIntDiv, kMul, kPow,
};

struct BinaryOp {
    Op op;
    int level;
};

BinaryOp binaryOp(Tok t) {
    switch (t) {
        case Tok::Imp: return {Op::Imp, kImp};
        case Tok::Eqv: return {Op::Eqv, kEqv};
        case Tok::Xor: return {Op::Xor, kXor};
        case Tok::Or: return {Op::Or, kOr};
        case Tok::And: return {Op::And, kAnd};
        case Tok::Eq: return {Op::Eq, kCompare};
        case Tok::Ne: return {Op::Ne, kCompare};
        case Tok::Lt: return {Op::Lt, kCompare};
        case Tok::Gt: return {Op::Gt, kCompare};
        case Tok::Le: return {Op::Le, kCompare};
        case Tok::Ge: return {Op::Ge, kCompare};
        case Tok::Is: return {Op::Is, kCompare};
        case Tok::Amp: return {Op::Concat, kConcat};
        case Tok::Plus: return {Op::Add, kAdd};
        case Tok::Minus: return {Op::Sub, kAdd};
        case Tok::Mod: return {Op::Mod, kMod};
        case Tok::Backslash: return {Op::IntDiv, kIntDiv};
        case Tok::Star: return {Op::Mul, kMul};
        case Tok::Slash: return {Op::Div, kMul};
        case Tok::Caret: return {Op::Pow, kPow};
        default: return {Op::Neg, kNone};
    }
}

ExprPtr node(ExprKind kind, Pos pos) { return std::make_unique<Expr>(kind, pos); }

// inner is taken by reference so that wrap(k, e->pos, std::move(e)) reads the position first.
ExprPtr wrap(ExprKind kind, Pos pos, ExprPtr&& inner) {
    ExprPtr e = node(kind, pos);
    e->object = std::move(inner);
    return e;
}

class Parser {
public:
    explicit Parser(std::u16string_view source) : lex_(source) { tok_ = lex_.next(); }

    Program program();

private:
    // ---- tokens ----
    void advance() {
        if (hasAhead_) {
            tok_ = ahead_;
            hasAhead_ = false;
        } else {
            tok_ = lex_.next();
        }
    }
    const Token& peek() {
        if (!hasAhead_) {
            ahead_ = lex_.next();
            hasAhead_ = true;
        }
        return ahead_;
    }
    bool is(Tok k) const { return tok_.kind == k; }
    bool accept(Tok k) {
        if (!is(k)) return false;
        advance();
        return true;
    }
    void expect(Tok k, int error) {
        if (!accept(k)) fail(error);
    }
    bool isWord(const Token& t, std::u16string_view lower) const {
        return t.kind == Tok::Identifier && !t.quoted && sameWord(lex_.text(t), lower);
    }
    bool isWord(std::u16string_view lower) const { return isWord(tok_, lower); }
    void expectWord(std::u16string_view lower, int error) {
        if (!isWord(lower)) fail(error);
        advance();
    }
    bool atLineEnd() const { return is(Tok::Newline) || is(Tok::EndOfText); }
    bool atStatementEnd() const { return atLineEnd() || is(Tok::Colon); }
    bool atOuterEnd();
    // The keywords that close a block; the construct that owns the block checks which one.
    bool atBlockEnd() const {
        switch (tok_.kind) {
            case Tok::EndOfText: case Tok::End: case Tok::Else: case Tok::ElseIf: case Tok::Case:
            case Tok::Loop: case Tok::Next: case Tok::Wend:
                return true;
            default:
                return false;
        }
    }
    // Arguments of a statement call follow; anything else ends the statement ("If a Then f 1 Else g").
    bool atArgument() const {
        switch (tok_.kind) {
            case Tok::Integer: case Tok::Long: case Tok::Double: case Tok::String: case Tok::Date:
            case Tok::True: case Tok::False: case Tok::Empty: case Tok::Null: case Tok::Nothing:
            case Tok::LParen: case Tok::New: case Tok::Me: case Tok::Identifier: case Tok::Dot:
            case Tok::Not: case Tok::Minus: case Tok::Plus: case Tok::Comma:
                return true;
            default:
                return false;
        }
    }
    Pos pos() const { return {tok_.line, tok_.column}; }
    [[noreturn]] void fail(int error) const { lex_.fail(error, tok_); }
    // Instructions count their operands in 16 bits: a longer list of arguments, parameters or
    // bounds is a compile error rather than a wrong count.
    template <class List, class Item>
    void append(List& list, Item&& item) {
        if (list.size() >= 32767) fail(1001);  // Out of memory
        list.push_back(std::forward<Item>(item));
    }
    std::u16string identifier() {
        if (!is(Tok::Identifier)) fail(eExpectedIdentifier);
        std::u16string name = lex_.name(tok_);
        advance();
        return name;
    }

    // ---- expressions ----
    ExprPtr expression() { return binary(kImp); }
    ExprPtr binary(int minLevel) {
        Nesting in(*this, 1);
        return binaryRest(unary(), minLevel);
    }
    ExprPtr binaryRest(ExprPtr lhs, int minLevel);
    ExprPtr unary();
    ExprPtr primary();
    ExprPtr literal();
    ExprPtr postfix(ExprPtr e, bool statementStart);
    ExprPtr target(bool statementStart);
    std::vector<ExprPtr> arguments();

    // ---- statements ----
    Block block();
    void singleLineBody(Block& out, bool stopAtElse);
    StmtPtr statement();
    StmtPtr assignOrCall();
    StmtPtr assignStatement(bool isSet);  // Set x = ... or Let x = ...
    StmtPtr callStatement();
    StmtPtr dim(Visibility visibility, Pos p);
    StmtPtr constant(Visibility visibility, Pos p);
    ExprPtr constValue();
    StmtPtr redim();
    StmtPtr erase();
    StmtPtr ifStatement();
    StmtPtr selectStatement();
    StmtPtr forStatement();
    StmtPtr doStatement();
    StmtPtr whileStatement();
    StmtPtr exitStatement();
    StmtPtr withStatement();
    StmtPtr onError();
    StmtPtr declaration();
    StmtPtr procedure(Visibility visibility, bool isDefault, Pos p);
    StmtPtr classStatement();
    bool accessorArgumentsFit(const Procedure& p) const;
    void closeBlock(Tok closer, int error);

    Lexer lex_;
    Token tok_, ahead_;
    bool hasAhead_ = false;

    // Where we are: decides which declarations and Exit statements are legal.
    bool inClass_ = false;
    bool inProcedure_ = false;
    ProcKind procKind_ = ProcKind::Sub;
    int depth_ = 0;  // nesting of compound statements

    // How deep the tree under construction may grow: the parser, the compiler and the tree's own
    // destruction recurse on it, so deeper source is a compile error rather than a native stack
    // overflow. A chain (a+b+c, a.b.c) deepens the tree as nesting does.
    static constexpr int kMaxNesting = 1000;
    struct Nesting {
        Parser& p;
        int n;
        Nesting(Parser& parser, int levels) : p(parser), n(levels) {
            if ((p.nesting_ += n) > kMaxNesting) p.fail(errOutOfStack);
        }
        ~Nesting() { p.nesting_ -= n; }
    };
    int nesting_ = 0;
    int doDepth_ = 0;
    std::vector<std::u16string> forVars_;  // the control variables of the For loops around
    bool classHasDefault_ = false;
    const Block* classMembers_ = nullptr;  // the members of the class being read, so far
    int inlineThen_ = 0;  // single-line If "Then" parts being read
    Token lastParen_;  // the "(" of the last argument list, for "f (a), b"
};

// ---------------------------------------------------------------------------------------------
// Expressions

ExprPtr Parser::binaryRest(ExprPtr lhs, int minLevel) {
    for (int chain = 1;; ++chain) {
        BinaryOp op = binaryOp(tok_.kind);
        if (op.level == kNone || op.level < minLevel) return lhs;
        advance();
        Nesting in(*this, chain);
        ExprPtr e = node(ExprKind::Binary, lhs->pos);
        e->op = op.op;
        e->rhs = binary(op.level + 1);  // every binary operator groups left to right
        e->object = std::move(lhs);
        lhs = std::move(e);
    }
}

ExprPtr Parser::unary() {
    Pos p = pos();
    if (accept(Tok::Not)) {
        ExprPtr e = wrap(ExprKind::Unary, p, binary(kNot + 1));
        e->op = Op::Not;
        return e;
    }
    // A sign binds tighter than "^": -3^2 is 9, 2^-1 is 0.5.
    if (accept(Tok::Minus)) {
        Nesting in(*this, 1);
        ExprPtr e = wrap(ExprKind::Unary, p, unary());
        e->op = Op::Neg;
        return e;
    }
    if (accept(Tok::Plus)) return unary();
    return primary();
}

// A literal token's value, or null when the token is not a literal.
ExprPtr Parser::literal() {
    Value v;
    switch (tok_.kind) {
        case Tok::Integer: v = Value::integer(static_cast<int16_t>(tok_.integer)); break;
        case Tok::Long: v = Value::lng(tok_.integer); break;
        case Tok::Double: v = Value::dbl(tok_.number); break;
        case Tok::String:
            if (tok_.quoted) v = Value(lex_.stringValue(tok_));
            else v = Value(lex_.text(tok_).substr(1, tok_.length - 2));
            break;
        case Tok::Date: {
            std::u16string_view text = lex_.text(tok_);
            double serial = 0;
            if (!parseDate(text.substr(1, text.size() - 2), serial, usEnglish())) fail(eSyntax);
            v = Value::date(serial);
            break;
        }
        case Tok::True: v = Value::boolean(true); break;
        case Tok::False: v = Value::boolean(false); break;
        case Tok::Empty: break;
        case Tok::Null: v = Value::null(); break;
        case Tok::Nothing: v = Value::object(nullptr); break;
        default: return nullptr;
    }
    ExprPtr e = node(ExprKind::Literal, pos());
    e->literal = std::move(v);
    advance();
    return e;
}

ExprPtr Parser::primary() {
    if (ExprPtr e = literal()) return e;
    switch (tok_.kind) {
        case Tok::LParen:
        case Tok::New:
        case Tok::Me:
        case Tok::Identifier:
        case Tok::Dot:
            return target(false);
        default:
            // An operator where an operand belongs ("d = ^ x") is a Syntax error on Windows; the
            // end of the line or any other word leaves the expression missing.
            fail(binaryOp(tok_.kind).level != kNone ? eSyntax : eExpectedExpression);
    }
}

// name, .name (inside With), Me, New name or (expression), with any .member and (arguments)
// after it.
ExprPtr Parser::target(bool statementStart) {
    Pos p = pos();
    ExprPtr e;
    if (accept(Tok::LParen)) {
        e = wrap(ExprKind::Paren, p, expression());
        expect(Tok::RParen, eExpectedRParen);
    } else if (accept(Tok::New)) {
        e = node(ExprKind::New, p);
        e->name = identifier();
    } else if (accept(Tok::Me)) {
        e = node(ExprKind::Me, p);
    } else if (accept(Tok::Dot)) {
        e = node(ExprKind::Member, p);
        e->name = identifier();
    } else {
        e = node(ExprKind::Name, p);
        e->name = identifier();
    }
    return postfix(std::move(e), statementStart);
}

// statementStart: in "f .x" the blank before "." ends the callee; .x is f's argument. In
// "f (x).y" the blank before "(" does too: (x).y is f's argument.
ExprPtr Parser::postfix(ExprPtr e, bool statementStart) {
    for (int chain = 1;; ++chain) {
        Nesting in(*this, chain);
        if (is(Tok::Dot) && !(statementStart && tok_.spaceBefore)) {
            advance();
            ExprPtr m = wrap(ExprKind::Member, e->pos, std::move(e));
            m->name = identifier();
            e = std::move(m);
        } else if (is(Tok::LParen)) {
            Token paren = tok_;
            advance();
            ExprPtr c = wrap(ExprKind::Call, e->pos, std::move(e));
            c->args = arguments();
            lastParen_ = paren;
            bool spacedArgs = statementStart && paren.spaceBefore && c->object->kind != ExprKind::Call;
            e = std::move(c);
            if (spacedArgs) return e;
        } else {
            return e;
        }
    }
}

// After "(": arguments up to ")", empty ones as Missing.
std::vector<ExprPtr> Parser::arguments() {
    std::vector<ExprPtr> args;
    if (accept(Tok::RParen)) return args;
    for (;;) {
        if (is(Tok::Comma) || is(Tok::RParen)) append(args, node(ExprKind::Missing, pos()));
        else append(args, expression());
        if (accept(Tok::Comma)) continue;
        expect(Tok::RParen, eExpectedRParen);
        return args;
    }
}

// ---------------------------------------------------------------------------------------------
// Statements

Program Parser::program() {
    Program program;
    while (is(Tok::Newline) || is(Tok::Colon)) advance();
    if (accept(Tok::Option)) {
        expectWord(u"explicit", eSyntax);
        if (!atStatementEnd()) fail(eExpectedEndOfStatement);
        program.optionExplicit = true;
    }
    program.body = block();
    if (is(Tok::Next)) fail(eUnexpectedNext);
    if (is(Tok::Loop)) fail(eLoopWithoutDo);
    if (!is(Tok::EndOfText)) fail(eExpectedStatement);
    return program;
}

Block Parser::block() {
    Block out;
    for (;;) {
        while (is(Tok::Newline) || is(Tok::Colon)) advance();
        if (atBlockEnd()) return out;
        out.push_back(statement());
        // "x = 1 End Sub", "Else y = 0 End If": a block's End needs no separator before it.
        if (!atStatementEnd() && !is(Tok::End)) fail(eExpectedEndOfStatement);
    }
}

// End Sub, Function, Property, Class, With or Select: the end of a block around a one-line If.
bool Parser::atOuterEnd() {
    if (!is(Tok::End)) return false;
    const Token& t = peek();
    return t.kind == Tok::Sub || t.kind == Tok::Function || t.kind == Tok::Class || t.kind == Tok::With ||
           t.kind == Tok::Select || isWord(t, u"property");
}

// "End <closer>" after a block; anything else where End belongs is `error`.
void Parser::closeBlock(Tok closer, int error) {
    expect(Tok::End, eExpectedEnd);
    expect(closer, error);
}

StmtPtr Parser::statement() {
    Nesting in(*this, 1);
    Pos p = pos();
    switch (tok_.kind) {
        case Tok::Identifier:
            if (isWord(u"property") && (peek().kind == Tok::Get || peek().kind == Tok::Let ||
                                        peek().kind == Tok::Set))
                return declaration();
            return assignOrCall();
        case Tok::Dot:
        case Tok::Me:
        case Tok::LParen:  // (New Fmt)(x): the default member of a value
            return assignOrCall();
        case Tok::Call: return callStatement();
        case Tok::Set: return assignStatement(true);
        case Tok::Let: return assignStatement(false);  // Let x = 1: the optional word of VBA
        case Tok::Dim:
            advance();
            return dim(Visibility::Default, p);
        case Tok::Const:
            advance();
            return constant(Visibility::Default, p);
        case Tok::Public:
        case Tok::Private:
        case Tok::Sub:
        case Tok::Function:
            return declaration();
        case Tok::ReDim: return redim();
        case Tok::Erase: return erase();
        case Tok::If: return ifStatement();
        case Tok::Select: return selectStatement();
        case Tok::For: return forStatement();
        case Tok::Do: return doStatement();
        case Tok::While: return whileStatement();
        case Tok::Exit: return exitStatement();
        case Tok::With: return withStatement();
        case Tok::On: return onError();
        case Tok::Class: return classStatement();
        case Tok::Stop:
            advance();
            return std::make_unique<Stop>(p);
        default: fail(eExpectedStatement);
    }
}

// "x = e", "a(i) = e", "o.p = e", or a call: "f", "f a, b", "f(a)", "f (a), b", "o.m a".
StmtPtr Parser::assignOrCall() {
    Pos p = pos();
    ExprPtr e = target(true);
    if (accept(Tok::Eq)) {
        auto a = std::make_unique<Assign>(p);
        a->target = std::move(e);
        a->value = expression();
        return a;
    }
    // "If a Then f Else g": Windows reads Else as f's first argument, which is no expression.
    if (inlineThen_ > 0 && is(Tok::Else) && e->kind == ExprKind::Name) fail(eExpectedExpression);
    auto call = std::make_unique<CallStmt>(p);
    bool argsFollow = atArgument() || (e->kind == ExprKind::Call && binaryOp(tok_.kind).level != kNone);
    if (e->kind == ExprKind::Call) {
        std::vector<ExprPtr> args = std::move(e->args);
        call->target = std::move(e->object);
        if (args.size() > 1) lex_.fail(eSubWithParens, lastParen_);
        if (args.size() == 1) {
            // f(a) and f (a), b: the parentheses belong to the first argument, which is then
            // passed by value.
            ExprPtr first = wrap(ExprKind::Paren, {lastParen_.line, lastParen_.column}, std::move(args[0]));
            if (is(Tok::Dot) || is(Tok::LParen)) first = postfix(std::move(first), false);
            call->args.push_back(argsFollow ? binaryRest(std::move(first), kImp) : std::move(first));
        }
        if (!argsFollow) return call;
        if (call->args.empty()) fail(eExpectedEndOfStatement);
        if (!accept(Tok::Comma)) return call;
    } else {
        call->target = std::move(e);
        if (!argsFollow) return call;
    }
    for (;;) {
        if (is(Tok::Comma) || !atArgument()) append(call->args, node(ExprKind::Missing, pos()));
        else append(call->args, expression());
        if (!accept(Tok::Comma)) return call;
    }
}

StmtPtr Parser::assignStatement(bool isSet) {
    Pos p = pos();
    advance();
    if (!is(Tok::Identifier) && !is(Tok::Dot) && !is(Tok::Me)) fail(eExpectedIdentifier);
    auto a = std::make_unique<Assign>(p);
    a->isSet = isSet;
    a->target = target(true);
    expect(Tok::Eq, eExpectedEq);
    a->value = expression();
    return a;
}

// Call f(a, b): the arguments are passed as written, without the by-value parentheses.
StmtPtr Parser::callStatement() {
    auto call = std::make_unique<CallStmt>(pos());
    advance();
    if (!is(Tok::Identifier) && !is(Tok::Dot) && !is(Tok::Me) && !is(Tok::LParen) && !is(Tok::New))
        fail(eExpectedIdentifier);
    ExprPtr e = target(true);
    if (e->kind == ExprKind::Call) {
        call->args = std::move(e->args);
        call->target = std::move(e->object);
    } else {
        call->target = std::move(e);
    }
    return call;
}

StmtPtr Parser::dim(Visibility visibility, Pos p) {
    auto d = std::make_unique<Dim>(p);
    d->visibility = visibility;
    do {
        VarDecl v;
        v.pos = pos();
        v.name = identifier();
        if (accept(Tok::LParen)) {
            v.isArray = true;
            if (!accept(Tok::RParen)) {
                do {
                    if (!is(Tok::Integer) && !is(Tok::Long)) fail(eExpectedInteger);
                    append(v.bounds, literal());
                } while (accept(Tok::Comma));
                expect(Tok::RParen, eExpectedRParen);
            }
        }
        d->vars.push_back(std::move(v));
    } while (accept(Tok::Comma));
    return d;
}

StmtPtr Parser::constant(Visibility visibility, Pos p) {
    auto c = std::make_unique<Const>(p);
    c->visibility = visibility;
    do {
        ConstItem item;
        item.pos = pos();
        item.name = identifier();
        expect(Tok::Eq, eExpectedEq);
        item.value = constValue();
        c->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    return c;
}

// A literal, possibly signed (any run of signs: -+-10) or parenthesised: Const a = -1, b = ("x")
ExprPtr Parser::constValue() {
    Pos p = pos();
    if (accept(Tok::LParen)) {
        ExprPtr e = wrap(ExprKind::Paren, p, constValue());
        expect(Tok::RParen, eExpectedRParen);
        return e;
    }
    if (accept(Tok::Minus)) {
        ExprPtr e = wrap(ExprKind::Unary, p, constValue());
        e->op = Op::Neg;
        return e;
    }
    if (accept(Tok::Plus)) return constValue();
    ExprPtr e = literal();
    if (!e) fail(eExpectedLiteral);
    return e;
}

StmtPtr Parser::redim() {
    auto r = std::make_unique<ReDim>(pos());
    advance();
    r->preserve = accept(Tok::Preserve);
    do {
        ReDimItem item;
        item.target = node(ExprKind::Name, pos());
        item.target->name = identifier();
        expect(Tok::LParen, eExpectedLParen);
        do append(item.bounds, expression());
        while (accept(Tok::Comma));
        expect(Tok::RParen, eExpectedRParen);
        r->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    return r;
}

StmtPtr Parser::erase() {
    auto e = std::make_unique<Erase>(pos());
    advance();
    do {
        ExprPtr name = node(ExprKind::Name, pos());
        name->name = identifier();
        e->targets.push_back(std::move(name));
    } while (accept(Tok::Comma));
    return e;
}

// Statements after "Then" or "Else" on the same line, up to the line's end (or the Else that
// belongs to this If).
void Parser::singleLineBody(Block& out, bool stopAtElse) {
    auto atEnd = [&] { return atLineEnd() || is(Tok::End) || (stopAtElse && is(Tok::Else)); };
    while (!atEnd()) {
        if (accept(Tok::Colon)) continue;
        out.push_back(statement());
        if (!is(Tok::Colon) && !atEnd()) fail(eExpectedEndOfStatement);
    }
}

StmtPtr Parser::ifStatement() {
    auto s = std::make_unique<If>(pos());
    advance();
    IfArm arm;
    arm.cond = expression();
    expect(Tok::Then, eExpectedThen);
    while (accept(Tok::Colon)) {}  // "If a Then:" at the line's end still opens a block
    if (!atLineEnd()) {
        ++inlineThen_;
        singleLineBody(arm.body, true);
        --inlineThen_;
        s->arms.push_back(std::move(arm));
        // "If a Then If b Then c Else d Else e": the second Else is the outer If's.
        if (accept(Tok::Else)) singleLineBody(s->elseBody, inlineThen_ > 0);
        // Windows tolerates "If a Then b End If" on one line.
        if (is(Tok::End) && !atOuterEnd()) {
            advance();
            expect(Tok::If, eExpectedIf);
        }
        return s;
    }
    ++depth_;
    arm.body = block();
    s->arms.push_back(std::move(arm));
    while (is(Tok::ElseIf)) {
        advance();
        IfArm more;
        more.cond = expression();
        expect(Tok::Then, eExpectedThen);
        more.body = block();
        s->arms.push_back(std::move(more));
    }
    if (accept(Tok::Else)) s->elseBody = block();
    closeBlock(Tok::If, eExpectedIf);
    --depth_;
    return s;
}

StmtPtr Parser::selectStatement() {
    auto s = std::make_unique<Select>(pos());
    advance();
    expect(Tok::Case, eExpectedCase);
    s->subject = expression();
    if (!atStatementEnd()) fail(eExpectedEndOfStatement);
    ++depth_;
    for (;;) {
        while (is(Tok::Newline) || is(Tok::Colon)) advance();
        if (!is(Tok::Case) || s->hasElse) break;
        advance();
        if (accept(Tok::Else)) {
            s->hasElse = true;
            s->elseBody = block();
            continue;
        }
        CaseArm arm;
        do arm.values.push_back(expression());
        while (accept(Tok::Comma));
        if (!atStatementEnd()) fail(eExpectedEndOfStatement);
        arm.body = block();
        s->cases.push_back(std::move(arm));
    }
    if (!is(Tok::End)) fail(s->cases.empty() && !s->hasElse ? eExpectedCase : eExpectedEnd);
    closeBlock(Tok::Select, eExpectedSelect);
    --depth_;
    return s;
}

StmtPtr Parser::forStatement() {
    Pos p = pos();
    advance();
    ++depth_;
    bool each = accept(Tok::Each);
    // A For...Next inside another loop may not count with that loop's variable.
    if (is(Tok::Identifier)) {
        std::u16string name = lex_.name(tok_);
        for (const std::u16string& outer : forVars_)
            if (!each && equalsIgnoreCase(outer, name)) fail(eForVariableInUse);
        forVars_.push_back(std::move(name));
    }
    StmtPtr result;
    Block* body;
    if (each) {
        auto s = std::make_unique<ForEach>(p);
        s->var = node(ExprKind::Name, pos());
        s->var->name = identifier();
        expect(Tok::In, eExpectedIn);
        s->collection = expression();
        body = &s->body;
        result = std::move(s);
    } else {
        auto s = std::make_unique<For>(p);
        s->var = node(ExprKind::Name, pos());
        s->var->name = identifier();
        expect(Tok::Eq, eExpectedEq);
        s->from = expression();
        expect(Tok::To, eExpectedTo);
        s->to = expression();
        if (isWord(u"step")) {
            advance();
            s->step = expression();
        }
        body = &s->body;
        result = std::move(s);
    }
    if (!atStatementEnd()) fail(eExpectedEndOfStatement);
    *body = block();
    expect(Tok::Next, eExpectedNext);
    if (is(Tok::Identifier)) advance();
    forVars_.pop_back();
    --depth_;
    return result;
}

StmtPtr Parser::doStatement() {
    auto s = std::make_unique<Do>(pos());
    advance();
    // Do and Loop take While, Until or nothing; End and Else may follow on one line.
    auto condition = [this](LoopCond& kind, ExprPtr& cond) {
        if (is(Tok::While) || is(Tok::Until)) {
            kind = is(Tok::While) ? LoopCond::While : LoopCond::Until;
            advance();
            cond = expression();
        } else if (!atStatementEnd() && !is(Tok::End) && !is(Tok::Else)) {
            fail(eExpectedWhileUntilOrEnd);
        }
    };
    condition(s->preKind, s->preCond);
    if (!atStatementEnd()) fail(eExpectedEndOfStatement);
    ++depth_;
    ++doDepth_;
    s->body = block();
    expect(Tok::Loop, eExpectedLoop);
    if (s->preKind == LoopCond::None) condition(s->postKind, s->postCond);  // a condition at one end only
    --doDepth_;
    --depth_;
    return s;
}

StmtPtr Parser::whileStatement() {
    auto s = std::make_unique<While>(pos());
    advance();
    s->cond = expression();
    if (!atStatementEnd()) fail(eExpectedEndOfStatement);
    ++depth_;
    s->body = block();
    expect(Tok::Wend, eExpectedWend);
    --depth_;
    return s;
}

StmtPtr Parser::exitStatement() {
    Pos p = pos();
    advance();
    ExitKind what;
    bool valid;
    if (is(Tok::Do)) {
        what = ExitKind::Do;
        valid = doDepth_ > 0;
    } else if (is(Tok::For)) {
        what = ExitKind::For;
        valid = !forVars_.empty();
    } else if (is(Tok::Function)) {
        what = ExitKind::Function;
        valid = inProcedure_ && procKind_ == ProcKind::Function;
    } else if (is(Tok::Sub)) {
        what = ExitKind::Sub;
        valid = inProcedure_ && procKind_ == ProcKind::Sub;
    } else if (isWord(u"property")) {
        what = ExitKind::Property;
        valid = inProcedure_ && procKind_ != ProcKind::Sub && procKind_ != ProcKind::Function;
    } else {
        fail(eInvalidExit);
    }
    if (!valid) fail(eInvalidExit);
    advance();
    return std::make_unique<Exit>(p, what);
}

StmtPtr Parser::withStatement() {
    auto s = std::make_unique<With>(pos());
    advance();
    s->object = expression();
    if (!atStatementEnd()) fail(eExpectedEndOfStatement);
    ++depth_;
    s->body = block();
    closeBlock(Tok::With, eExpectedWith);
    --depth_;
    return s;
}

StmtPtr Parser::onError() {
    auto s = std::make_unique<OnError>(pos());
    advance();
    expectWord(u"error", eSyntax);
    if (accept(Tok::Resume)) {
        expect(Tok::Next, eSyntax);
        s->resumeNext = true;
    } else {
        expect(Tok::GoTo, eSyntax);
        if (!is(Tok::Integer) || tok_.integer != 0) fail(eSyntax);
        advance();
    }
    return s;
}

// [Public|Private] [Default] Sub/Function/Property, or Public/Private variables and constants.
StmtPtr Parser::declaration() {
    Pos p = pos();
    Visibility visibility = Visibility::Default;
    if (is(Tok::Public) || is(Tok::Private)) {
        const Token& t = peek();
        bool proc = t.kind == Tok::Sub || t.kind == Tok::Function || isWord(t, u"property");
        if (inProcedure_ || (depth_ > 0 && !proc)) fail(eExpectedStatement);
        visibility = is(Tok::Public) ? Visibility::Public : Visibility::Private;
        advance();
    }
    bool isDefault = false;
    // "Public Default" alone, or in a list, declares a field named Default.
    auto fieldName = [this] {
        Tok next = peek().kind;
        return next == Tok::Newline || next == Tok::Colon || next == Tok::EndOfText || next == Tok::Comma ||
               next == Tok::End || next == Tok::LParen;
    };
    if (isWord(u"default") && visibility != Visibility::Default && !fieldName()) {
        if (!inClass_) fail(eOutsideClass);
        if (visibility != Visibility::Public) fail(eDefaultNotPublic);
        if (classHasDefault_) fail(eMultipleDefaults);
        isDefault = classHasDefault_ = true;
        advance();
    }
    if (is(Tok::Sub) || is(Tok::Function) || isWord(u"property"))
        return procedure(visibility, isDefault, p);
    if (isDefault) fail(eDefaultPlacement);
    if (accept(Tok::Const)) return constant(visibility, p);
    return dim(visibility, p);
}

// Windows takes a procedure inside a block too (defined wherever it stands, like any other).
StmtPtr Parser::procedure(Visibility visibility, bool isDefault, Pos p) {
    if (inProcedure_) fail(eExpectedStatement);
    auto s = std::make_unique<Procedure>(p);
    s->visibility = visibility;
    s->isDefault = isDefault;
    Tok closer = tok_.kind;
    int closerError = eExpectedSub;
    if (accept(Tok::Sub)) {
        s->procKind = ProcKind::Sub;
    } else if (accept(Tok::Function)) {
        s->procKind = ProcKind::Function;
        closerError = eExpectedFunction;
    } else {
        if (!inClass_) fail(eOutsideClass);
        advance();
        if (is(Tok::Get)) s->procKind = ProcKind::PropertyGet;
        else if (is(Tok::Let)) s->procKind = ProcKind::PropertyLet;
        else if (is(Tok::Set)) s->procKind = ProcKind::PropertySet;
        else fail(eExpectedPropertyKind);
        if (isDefault && s->procKind != ProcKind::PropertyGet) fail(eDefaultOnlyGet);
        advance();
        closerError = eExpectedProperty;
    }
    Token nameToken = tok_;
    s->name = identifier();
    if (accept(Tok::LParen) && !accept(Tok::RParen)) {
        do {
            Param param;
            param.byVal = accept(Tok::ByVal);
            if (!param.byVal) accept(Tok::ByRef);
            param.pos = pos();
            param.name = identifier();
            if (accept(Tok::LParen)) {
                expect(Tok::RParen, eExpectedRParen);
                param.isArray = true;
            }
            append(s->params, std::move(param));
        } while (accept(Tok::Comma));
        expect(Tok::RParen, eExpectedRParen);
    }
    if (inClass_ && s->procKind == ProcKind::Sub && !s->params.empty() &&
        (equalsIgnoreCase(s->name, u"class_initialize") || equalsIgnoreCase(s->name, u"class_terminate")))
        lex_.fail(eInitTermArguments, nameToken);
    if ((s->procKind == ProcKind::PropertyLet || s->procKind == ProcKind::PropertySet) && s->params.empty())
        lex_.fail(eLetSetWithoutArgument, nameToken);
    if (inClass_ && !accessorArgumentsFit(*s)) lex_.fail(ePropertyArgumentCount, nameToken);
    // The body may start on the header's line without a colon: "Sub S() x = 1 End Sub".
    if (is(Tok::Reserved)) fail(eExpectedEndOfStatement);
    inProcedure_ = true;
    procKind_ = s->procKind;
    int outer[] = {depth_, doDepth_};
    std::vector<std::u16string> outerFor = std::move(forVars_);
    forVars_.clear();
    depth_ = doDepth_ = 0;
    s->body = block();
    depth_ = outer[0], doDepth_ = outer[1];
    forVars_ = std::move(outerFor);
    inProcedure_ = false;
    s->endLine = tok_.line;
    expect(Tok::End, eExpectedEnd);
    if (closer == Tok::Identifier) expectWord(u"property", closerError);
    else expect(closer, closerError);
    return s;
}

// Property Let and Set take the value after Property Get's arguments: too few is an error.
bool Parser::accessorArgumentsFit(const Procedure& p) const {
    if (p.procKind == ProcKind::Sub || p.procKind == ProcKind::Function) return true;
    for (const StmtPtr& m : *classMembers_) {
        if (m->kind != StmtKind::Procedure) continue;
        auto& other = static_cast<const Procedure&>(*m);
        if (!equalsIgnoreCase(other.name, p.name)) continue;
        bool pGet = p.procKind == ProcKind::PropertyGet, otherGet = other.procKind == ProcKind::PropertyGet;
        if (pGet == otherGet || other.procKind == ProcKind::Sub || other.procKind == ProcKind::Function) continue;
        const Procedure& get = pGet ? p : other;
        const Procedure& put = pGet ? other : p;
        if (put.params.size() <= get.params.size()) return false;
    }
    return true;
}

// Class members: fields, constants and procedures only.
StmtPtr Parser::classStatement() {
    if (inClass_ || inProcedure_) fail(eExpectedStatement);
    auto s = std::make_unique<Class>(pos());
    advance();
    s->name = identifier();
    if (!atStatementEnd()) fail(eExpectedEndOfStatement);
    inClass_ = true;
    classHasDefault_ = false;
    classMembers_ = &s->members;
    int outerDepth = depth_;
    depth_ = 0;
    for (;;) {
        while (is(Tok::Newline) || is(Tok::Colon)) advance();
        Pos p = pos();
        if (is(Tok::Public) || is(Tok::Private) || is(Tok::Sub) || is(Tok::Function) ||
            isWord(u"property")) {
            s->members.push_back(declaration());
        } else if (accept(Tok::Dim)) {
            s->members.push_back(dim(Visibility::Default, p));
        } else if (accept(Tok::Const)) {
            s->members.push_back(constant(Visibility::Default, p));
        } else if (is(Tok::End) || is(Tok::EndOfText)) {
            break;
        } else {
            fail(eExpectedStatement);
        }
        if (!atStatementEnd() && !is(Tok::End)) fail(eExpectedEndOfStatement);
    }
    inClass_ = false;
    depth_ = outerDepth;
    closeBlock(Tok::Class, eExpectedClass);
    return s;
}

}  // namespace

ast::Program parse(std::u16string_view source) { return Parser(source).program(); }

}  // namespace vbs
