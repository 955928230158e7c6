// Parser infrastructure and expressions.

#include "script/vbscript/Parser.h"

#include "script/vbscript/Builtins.h"
#include "script/vbscript/Limits.h"
#include "vbscript/ScriptObject.h"

#include <algorithm>
#include <unordered_set>

namespace tabulo::vbs {

namespace {

const std::unordered_set<std::string>& reservedWords() {
    static const std::unordered_set<std::string> words = {
        "and",  "byref",    "byval",   "call",    "case", "class", "const", "dim",   "do",
        "each", "else",     "elseif",  "empty",   "end",  "eqv",   "erase", "exit",  "false",
        "for",  "function", "if",      "imp",     "in",   "is",    "loop",  "me",    "mod",
        "new",  "next",     "not",     "nothing", "null", "on",    "or",    "redim", "select",
        "set",  "sub",      "then",    "to",      "true", "until", "wend",  "while", "with",
        "xor",  "option",   "private", "public",  "let",  "goto",  "stop"};
    return words;
}

} // namespace

Parser::Nesting::Nesting(Parser& parser) : p(parser) {
    if (++p.nesting_ > kMaxNesting) p.fail(err::OutOfStack);
}

std::unique_ptr<CodeUnit> parseProgram(std::string_view text) {
    return Parser(tokenize(text)).run();
}

std::unique_ptr<CodeUnit> parseProgramIn(std::string_view text, const Scope& procedure,
                                         const std::vector<std::string>* added) {
    return Parser(tokenize(text), &procedure, added).run();
}

std::unique_ptr<CodeUnit> parseExpression(std::string_view text, const Scope* procedure,
                                          const std::vector<std::string>* added) {
    return Parser(tokenize(text), procedure, added).runExpression();
}

Parser::Parser(std::vector<Token> tokens, const Scope* procedure,
               const std::vector<std::string>* added)
    : toks_(std::move(tokens)), procedure_(procedure), added_(added) {
}

void Parser::startUnit() {
    unit_ = std::make_unique<CodeUnit>();
    scope_ = &unit_->top;
    if (!procedure_) return;
    // The procedure's variables keep their slots; names the code adds come after them.
    Scope& top = unit_->top;
    top.locals = procedure_->locals;
    top.constants = procedure_->constants;
    top.slotCount = procedure_->slotCount;
    top.proc = procedure_->proc;
    top.cls = procedure_->cls;
    top.implicit = procedure_->implicit;
    if (added_)
        for (const std::string& name : *added_) {
            top.addLocal(name);
            top.implicit.insert(name); // a procedure of that name may still be defined
        }
}

std::unique_ptr<CodeUnit> Parser::runExpression() {
    startUnit();
    skipSeparators();
    unit_->expression = parseExpr();
    skipSeparators();
    if (tok().kind != Tok::End) fail(err::ExpectedEndOfStatement);
    return std::move(unit_);
}

// program := { separator | statement | declaration } EOF
std::unique_ptr<CodeUnit> Parser::run() {
    startUnit();
    for (;;) {
        skipSeparators();
        if (tok().kind == Tok::End) break;
        parseStatement(unit_->body);
    }
    unit_->top.optionExplicit = optionExplicit_;
    return std::move(unit_);
}

const Token& Parser::peekTok(size_t ahead) const {
    return toks_[std::min(pos_ + ahead, toks_.size() - 1)];
}

bool Parser::isWord(const char* lower) const {
    return tok().kind == Tok::Identifier && tok().lower == lower;
}

bool Parser::isWordAt(size_t ahead, const char* lower) const {
    const Token& t = peekTok(ahead);
    return t.kind == Tok::Identifier && t.lower == lower;
}

bool Parser::accept(Tok kind) {
    if (tok().kind != kind) return false;
    ++pos_;
    return true;
}

// "Property" opens a declaration only before Get, Let or Set; elsewhere it is a name.
bool Parser::startsProperty() const {
    return isWord("property") && (isWordAt(1, "get") || isWordAt(1, "let") || isWordAt(1, "set"));
}

bool Parser::acceptWord(const char* lower) {
    if (!isWord(lower)) return false;
    ++pos_;
    return true;
}

void Parser::expect(Tok kind, int32_t code) {
    if (!accept(kind)) fail(code);
}

void Parser::expectWord(const char* lower, int32_t code) {
    if (!acceptWord(lower)) fail(code);
}

std::string Parser::expectIdentifier() {
    if (tok().kind != Tok::Identifier || reservedWords().count(tok().lower))
        fail(err::ExpectedIdentifier);
    return toks_[pos_++].text;
}

// A statement ends at a line end, a colon, or an "End" that closes the enclosing block on
// the same line (`Sub S() x = 7 End Sub`).
bool Parser::atStatementEnd() const {
    Tok k = tok().kind;
    return k == Tok::Newline || k == Tok::Colon || k == Tok::End || isWord("end");
}

void Parser::endStatement() {
    if (!atStatementEnd()) fail(err::ExpectedEndOfStatement);
}

void Parser::skipSeparators() {
    while (tok().kind == Tok::Newline || tok().kind == Tok::Colon)
        ++pos_;
}

void Parser::fail(int32_t code) const {
    ScriptError e(code);
    e.line = tok().line;
    e.column = tok().column;
    e.positioned = true;
    e.compileError = true;
    throw e;
}

std::unique_ptr<NameExpr> Parser::nameExpr(const std::string& name) {
    auto n = node<NameExpr>();
    n->name = name;
    n->lower = lowerName(name);
    n->scope = scope_;
    scope_->mentioned.insert(n->lower);
    return n;
}

// Long operator or member chains make deep trees even without brackets.
void Parser::checkDepth(const Expr& e) const {
    if (e.depth > 4 * kMaxNesting) fail(err::OutOfStack);
}

ExprPtr Parser::binary(BinOp op, ExprPtr l, ExprPtr r, CompareOp cmp) {
    auto b = std::make_unique<BinaryExpr>();
    b->line = l->line;
    b->column = l->column;
    b->op = op;
    b->cmp = cmp;
    b->pure = l->pure && r->pure;
    b->depth = std::max(l->depth, r->depth) + 1;
    if (b->depth > 4 * kMaxNesting) fail(err::OutOfStack);
    if (op == BinOp::Compare) b->literalSide = l->numericLiteral ? 1 : r->numericLiteral ? 2 : 0;
    b->left = std::move(l);
    b->right = std::move(r);
    return b;
}

// expr := impExpr (the loosest level of the operator table below)
ExprPtr Parser::parseExpr() {
    Nesting guard(*this);
    return parseBinaryLevel(0);
}

namespace {

struct OpInfo {
    Tok tok;
    const char* word;
    BinOp op;
    CompareOp cmp;
};

// Binary operators from the loosest to the tightest binding; Not sits between
// And and the comparisons, unary minus below ^.
const std::vector<std::vector<OpInfo>>& levels() {
    static const std::vector<std::vector<OpInfo>> table = {
        {{Tok::Identifier, "imp", BinOp::Imp, CompareOp::Eq}},
        {{Tok::Identifier, "eqv", BinOp::Eqv, CompareOp::Eq}},
        {{Tok::Identifier, "xor", BinOp::Xor, CompareOp::Eq}},
        {{Tok::Identifier, "or", BinOp::Or, CompareOp::Eq}},
        {{Tok::Identifier, "and", BinOp::And, CompareOp::Eq}},
        {}, // Not
        {{Tok::Equal, nullptr, BinOp::Compare, CompareOp::Eq},
         {Tok::NotEqual, nullptr, BinOp::Compare, CompareOp::Ne},
         {Tok::Less, nullptr, BinOp::Compare, CompareOp::Lt},
         {Tok::LessEqual, nullptr, BinOp::Compare, CompareOp::Le},
         {Tok::Greater, nullptr, BinOp::Compare, CompareOp::Gt},
         {Tok::GreaterEqual, nullptr, BinOp::Compare, CompareOp::Ge}},
        {{Tok::Ampersand, nullptr, BinOp::Concat, CompareOp::Eq}},
        {{Tok::Plus, nullptr, BinOp::Add, CompareOp::Eq},
         {Tok::Minus, nullptr, BinOp::Sub, CompareOp::Eq}},
        {{Tok::Identifier, "mod", BinOp::Mod, CompareOp::Eq}},
        {{Tok::Backslash, nullptr, BinOp::IntDiv, CompareOp::Eq}},
        {{Tok::Star, nullptr, BinOp::Mul, CompareOp::Eq},
         {Tok::Slash, nullptr, BinOp::Div, CompareOp::Eq}},
        {{Tok::Caret, nullptr, BinOp::Pow, CompareOp::Eq}},
    };
    return table;
}

constexpr int kNotLevel = 5;
constexpr int kCompareLevel = 6;

} // namespace

// level(n) := level(n+1) { op(n) level(n+1) }, left-associative; comparisons add "Is"
ExprPtr Parser::parseBinaryLevel(int level) {
    const auto& table = levels();
    if (level == static_cast<int>(table.size())) return parseUnary();
    if (level == kNotLevel) return parseNot();
    ExprPtr left = parseBinaryLevel(level + 1);
    for (;;) {
        const OpInfo* found = nullptr;
        for (const OpInfo& info : table[level])
            if (tok().kind == info.tok && (!info.word || tok().lower == info.word)) found = &info;
        if (level == kCompareLevel && isWord("is")) {
            ++pos_;
            auto is = node<IsExpr>();
            is->left = std::move(left);
            is->right = parseBinaryLevel(level + 1);
            is->pure = is->left->pure && is->right->pure;
            is->depth = std::max(is->left->depth, is->right->depth) + 1;
            checkDepth(*is);
            left = std::move(is);
            continue;
        }
        if (!found) return left;
        ++pos_;
        ExprPtr right = parseBinaryLevel(level + 1);
        left = binary(found->op, std::move(left), std::move(right), found->cmp);
    }
}

// notExpr := "Not" notExpr | comparison
ExprPtr Parser::parseNot() {
    if (!isWord("not")) return parseBinaryLevel(kNotLevel + 1);
    Nesting guard(*this);
    auto n = node<UnaryExpr>();
    ++pos_;
    n->isNot = true;
    n->operand = parseNot();
    n->pure = n->operand->pure;
    n->depth = n->operand->depth + 1;
    return n;
}

// unary := ("-" | "+") unary | postfix
ExprPtr Parser::parseUnary() {
    if (tok().kind != Tok::Minus && tok().kind != Tok::Plus) return parsePostfix();
    Nesting guard(*this);
    bool negate = tok().kind == Tok::Minus;
    auto n = node<UnaryExpr>();
    ++pos_;
    ExprPtr operand = parseUnary();
    if (!negate) return operand;
    n->numericLiteral = operand->numericLiteral;
    n->pure = operand->pure;
    n->depth = operand->depth + 1;
    n->operand = std::move(operand);
    return n;
}

// argument := [ expr ]   (an omitted argument, as in `f(1, , 3)`, passes "missing")
ExprPtr Parser::parseArgument(Tok close) {
    bool omitted = tok().kind == Tok::Comma || tok().kind == close ||
                   (close == Tok::Newline && atStatementEnd());
    if (!omitted) return parseExpr();
    auto missing = node<Literal>();
    missing->value = Variant::error(kMissingArgument);
    return missing;
}

// argList := [ argument { "," argument } ] close
ExprList Parser::parseArgList(Tok close) {
    ExprList args;
    if (accept(close)) return args;
    for (;;) {
        args.push_back(parseArgument(close));
        if (accept(close)) return args;
        if (!accept(Tok::Comma))
            fail(close == Tok::RParen ? err::ExpectedRParen : err::ExpectedEndOfStatement);
    }
}

// At the head of a statement `a (1) = 5` assigns an element: the bracket closes right
// before "=". Anywhere else in a statement head, `S (x)` passes (x) to S.
bool Parser::subscriptBeforeEquals() const {
    int depth = 0;
    for (size_t i = pos_; i < toks_.size(); ++i) {
        Tok k = toks_[i].kind;
        if (k == Tok::Newline || k == Tok::Colon || k == Tok::End) return false;
        if (k == Tok::LParen) ++depth;
        if (k == Tok::RParen && --depth == 0)
            return i + 1 < toks_.size() && toks_[i + 1].kind == Tok::Equal;
    }
    return false;
}

// postfix := primary { "(" argList | "." name }
ExprPtr Parser::parsePostfix(bool statementHead) {
    ExprPtr e = parsePrimary();
    for (;;) {
        // At the head of a statement, `Foo (x)` is a call whose argument is (x).
        if (tok().kind == Tok::LParen &&
            !(statementHead && tok().spaceBefore && !subscriptBeforeEquals())) {
            auto* name = dynamic_cast<NameExpr*>(e.get());
            auto* member = dynamic_cast<MemberExpr*>(e.get());
            if ((name && name->hasArgs) || (member && member->hasArgs) ||
                dynamic_cast<IndexExpr*>(e.get())) {
                e = indexAgain(std::move(e));
                continue;
            }
            if (name || member) {
                ++pos_;
                ExprList args = parseArgList(Tok::RParen);
                // A built-in function changes no variable: its call stays pure.
                bool pure = name && findBuiltin(name->lower);
                for (const ExprPtr& a : args)
                    pure = pure && a->pure;
                if (name) {
                    name->args = std::move(args);
                    name->hasArgs = true;
                } else {
                    member->args = std::move(args);
                    member->hasArgs = true;
                }
                e->pure = pure;
                continue;
            }
            return e;
        }
        if (tok().kind == Tok::Dot && !tok().spaceBefore) {
            ++pos_;
            if (tok().kind != Tok::Identifier) fail(err::ExpectedIdentifier);
            auto m = node<MemberExpr>();
            m->name = toks_[pos_++].text;
            m->object = std::move(e);
            m->pure = false;
            m->depth = m->object->depth + 1;
            checkDepth(*m);
            e = std::move(m);
            continue;
        }
        return e;
    }
}

// The value of a call or element indexed again: x(0)(1), f()(1).
ExprPtr Parser::indexAgain(ExprPtr target) {
    auto ix = std::make_unique<IndexExpr>();
    ix->line = target->line;
    ix->column = target->column;
    ++pos_;
    ix->args = parseArgList(Tok::RParen);
    ix->pure = false;
    ix->depth = target->depth + 1;
    ix->target = std::move(target);
    checkDepth(*ix);
    return ix;
}

// primary := literal | "(" expr ")" | "." name | "Me" | "New" name | name
ExprPtr Parser::parsePrimary() {
    const Token& t = tok();
    switch (t.kind) {
    case Tok::Number:
    case Tok::String:
    case Tok::DateLiteral: {
        auto lit = node<Literal>();
        lit->value = t.kind == Tok::String ? Variant(t.text) : t.value;
        lit->numericLiteral = t.kind == Tok::Number;
        ++pos_;
        return lit;
    }
    case Tok::LParen: {
        ++pos_;
        ExprPtr inner = parseExpr();
        expect(Tok::RParen, err::ExpectedRParen);
        inner->parenthesized = true;
        return inner;
    }
    case Tok::Dot: {
        if (withSlots_.empty()) fail(err::InvalidCharacter);
        ++pos_;
        if (tok().kind != Tok::Identifier) fail(err::ExpectedIdentifier);
        auto m = node<MemberExpr>();
        m->object = nameExpr(withSlots_.back());
        m->name = toks_[pos_++].text;
        m->pure = false;
        return m;
    }
    case Tok::Identifier:
        break;
    default:
        fail(err::ExpectedExpression);
    }
    auto literal = [&](Variant v) {
        auto lit = node<Literal>();
        lit->value = std::move(v);
        ++pos_;
        return lit;
    };
    if (t.lower == "true") return literal(Variant::boolean(true));
    if (t.lower == "false") return literal(Variant::boolean(false));
    if (t.lower == "empty") return literal(Variant());
    if (t.lower == "null") return literal(Variant::null());
    if (t.lower == "nothing") return literal(Variant::object(nullptr));
    if (t.lower == "me") {
        auto me = node<MeExpr>();
        ++pos_;
        return me;
    }
    if (t.lower == "new") {
        auto n = node<NewExpr>();
        ++pos_;
        n->className = expectIdentifier();
        n->pure = false;
        return n;
    }
    if (reservedWords().count(t.lower)) fail(err::ExpectedExpression);
    auto n = nameExpr(t.text);
    ++pos_;
    return n;
}

} // namespace tabulo::vbs
