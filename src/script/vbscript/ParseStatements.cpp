// Statements, procedures and classes.

#include "script/vbscript/Convert.h"
#include "script/vbscript/Parser.h"

namespace tabulo::vbs {

namespace {
bool isBlockEnd(const Token& t) {
    if (t.kind != Tok::Identifier) return false;
    const std::string& w = t.lower;
    return w == "end" || w == "else" || w == "elseif" || w == "loop" || w == "next" ||
           w == "wend" || w == "case";
}
} // namespace

void Parser::expectEnd(const char* what, int32_t code) {
    expectWord("end", err::ExpectedEnd);
    expectWord(what, code);
}

// block := { separator | statement } up to a block-closing word
StmtList Parser::parseBlock() {
    Nesting guard(*this);
    StmtList list;
    for (;;) {
        skipSeparators();
        if (tok().kind == Tok::End || isBlockEnd(tok())) return list;
        parseStatement(list);
    }
}

// statement := keywordStatement (Dim, If, For, ...) | declaration | simpleStatement
void Parser::parseStatement(StmtList& out, bool singleLine) {
    Nesting guard(*this);
    const Token& t = tok();
    if (t.kind != Tok::Identifier && t.kind != Tok::Dot) fail(err::ExpectedStatement);
    const std::string w = t.kind == Tok::Dot ? std::string() : t.lower;
    bool topLevel = scope_ == &unit_->top && !cls_;
    if (w == "dim")
        out.push_back(parseDim(false));
    else if (w == "redim")
        out.push_back(parseDim(true));
    else if (w == "const")
        parseConst();
    else if (w == "if")
        out.push_back(parseIf());
    else if (w == "select")
        out.push_back(parseSelect());
    else if (w == "for")
        out.push_back(parseFor());
    else if (w == "do")
        out.push_back(parseDo());
    else if (w == "while")
        out.push_back(parseWhile());
    else if (w == "with")
        out.push_back(parseWith());
    else if (w == "exit")
        out.push_back(parseExit());
    else if (w == "on")
        out.push_back(parseOnError());
    else if (w == "erase")
        out.push_back(parseErase());
    else if (w == "randomize")
        out.push_back(parseRandomize());
    else if (w == "stop") // a breakpoint for a debugger; there is none
        ++pos_;
    else if (w == "option") {
        ++pos_;
        expectWord("explicit", err::SyntaxError);
        optionExplicit_ = true;
        scope_->optionExplicit = true;
    } else if (w == "sub" || w == "function" || w == "class" || w == "public" || w == "private" ||
               startsProperty()) {
        if (!topLevel || singleLine) fail(err::ExpectedStatement);
        parseDeclaration(out, false);
    } else if (w == "next")
        fail(err::UnexpectedNext);
    else if (w == "loop")
        fail(err::LoopWithoutDo);
    else if (isBlockEnd(t))
        fail(err::ExpectedStatement);
    else
        parseSimpleStatement(out);
    if (!singleLine) endStatement();
}

static bool sameVariable(const Expr& a, const Expr& b) {
    auto* x = dynamic_cast<const NameExpr*>(&a);
    auto* y = dynamic_cast<const NameExpr*>(&b);
    return x && y && !x->hasArgs && !y->hasArgs && x->lower == y->lower;
}

// simpleStatement := ["Set" | "Let"] postfix "=" expr | ["Call"] postfix [argList]
void Parser::parseSimpleStatement(StmtList& out) {
    auto line = tok().line;
    auto column = tok().column;
    bool isSet = false;
    bool explicitCall = false;
    if (acceptWord("set"))
        isSet = true;
    else if (acceptWord("let"))
        ;
    else if (acceptWord("call"))
        explicitCall = true;
    ExprPtr target = parsePostfix(!explicitCall && !isSet);
    if (!explicitCall && accept(Tok::Equal)) {
        auto s = std::make_unique<AssignStmt>();
        s->line = line;
        s->column = column;
        s->isSet = isSet;
        s->value = parseExpr();
        auto* concat = dynamic_cast<BinaryExpr*>(s->value.get());
        s->appendsToSelf = !isSet && concat && concat->op == BinOp::Concat && concat->right->pure &&
                           sameVariable(*target, *concat->left);
        s->target = std::move(target);
        out.push_back(std::move(s));
        return;
    }
    if (isSet) fail(err::ExpectedEquals);
    auto* name = dynamic_cast<NameExpr*>(target.get());
    auto* member = dynamic_cast<MemberExpr*>(target.get());
    if (dynamic_cast<IndexExpr*>(target.get()) && atStatementEnd()) {
        auto s = std::make_unique<CallStmt>();
        s->line = line;
        s->column = column;
        s->call = std::move(target);
        out.push_back(std::move(s));
        return;
    }
    if (!name && !member) fail(err::ExpectedStatement);
    bool& hasArgs = name ? name->hasArgs : member->hasArgs;
    ExprList& args = name ? name->args : member->args;
    if (!atStatementEnd() && !isWord("else")) {
        if (hasArgs || explicitCall) fail(err::ExpectedEndOfStatement);
        for (;;) {
            args.push_back(parseArgument(Tok::Newline));
            if (!accept(Tok::Comma)) break;
        }
        hasArgs = true;
    } else if (hasArgs && !explicitCall) {
        if (args.size() > 1) {
            ScriptError e(err::ParensOnSubCall);
            e.line = line;
            e.column = column;
            e.positioned = e.compileError = true;
            throw e;
        }
        if (args.size() == 1) args[0]->parenthesized = true;
    }
    auto s = std::make_unique<CallStmt>();
    s->line = line;
    s->column = column;
    s->call = std::move(target);
    out.push_back(std::move(s));
}

// if := If expr Then (singleLineIf | NL block {ElseIf expr Then block} [Else block] End If)
StmtPtr Parser::parseIf() {
    auto s = node<IfStmt>();
    ++pos_;
    ExprPtr condition = parseExpr();
    expectWord("then", err::ExpectedThen);
    // Only a line end right after "Then" opens a block; `If c Then : x = 1` is one line.
    if (tok().kind != Tok::Newline && tok().kind != Tok::End) {
        s->branches.emplace_back(std::move(condition), StmtList());
        parseSingleLineIf(*s);
        return s;
    }
    s->branches.emplace_back(std::move(condition), parseBlock());
    for (;;) {
        if (acceptWord("elseif")) {
            ExprPtr c = parseExpr();
            expectWord("then", err::ExpectedThen);
            s->branches.emplace_back(std::move(c), parseBlock());
        } else if (acceptWord("else")) {
            s->elseBody = parseBlock();
            expectEnd("if", err::ExpectedIf);
            return s;
        } else {
            expectEnd("if", err::ExpectedIf);
            return s;
        }
    }
}

// singleLineIf := statements [ "Else" statements ] [ "End" "If" ] (statements split by ":")
void Parser::parseSingleLineIf(IfStmt& s) {
    auto statements = [&](StmtList& body) {
        for (;;) {
            while (accept(Tok::Colon))
                ;
            if (isWord("else") || isWord("end") || tok().kind == Tok::Newline ||
                tok().kind == Tok::End)
                return;
            parseStatement(body, true);
            if (tok().kind != Tok::Colon) return;
        }
    };
    statements(s.branches.back().second);
    if (acceptWord("else")) statements(s.elseBody);
    if (isWord("end") && isWordAt(1, "if")) pos_ += 2;
    if (!atStatementEnd()) fail(err::ExpectedEndOfStatement);
}

// select := Select Case expr {Case caseTest {"," caseTest} block} [Case Else block] End Select
StmtPtr Parser::parseSelect() {
    auto s = node<SelectStmt>();
    ++pos_;
    expectWord("case", err::ExpectedCase);
    s->subject = parseExpr();
    endStatement();
    skipSeparators();
    while (acceptWord("case")) {
        if (acceptWord("else")) {
            s->elseBody = parseBlock();
            break;
        }
        SelectStmt::Clause clause;
        do {
            CaseTest t;
            if (acceptWord("is")) {
                t.kind = CaseTest::Is;
                switch (tok().kind) {
                case Tok::Equal:
                    t.op = CompareOp::Eq;
                    break;
                case Tok::NotEqual:
                    t.op = CompareOp::Ne;
                    break;
                case Tok::Less:
                    t.op = CompareOp::Lt;
                    break;
                case Tok::LessEqual:
                    t.op = CompareOp::Le;
                    break;
                case Tok::Greater:
                    t.op = CompareOp::Gt;
                    break;
                case Tok::GreaterEqual:
                    t.op = CompareOp::Ge;
                    break;
                default:
                    fail(err::SyntaxError);
                }
                ++pos_;
                t.a = parseExpr();
            } else {
                t.a = parseExpr();
                if (acceptWord("to")) {
                    t.kind = CaseTest::Range;
                    t.b = parseExpr();
                }
            }
            clause.tests.push_back(std::move(t));
        } while (accept(Tok::Comma));
        clause.body = parseBlock();
        s->clauses.push_back(std::move(clause));
    }
    expectEnd("select", err::ExpectedSelect);
    return s;
}

// for := "For" (name "=" expr "To" expr ["Step" expr] | "Each" name "In" expr) block "Next" [name]
StmtPtr Parser::parseFor() {
    auto at = node<ForStmt>();
    ++pos_;
    if (acceptWord("each")) {
        auto s = node<ForEachStmt>();
        s->line = at->line;
        s->column = at->column;
        s->element = nameExpr(expectIdentifier());
        expectWord("in", err::ExpectedIn);
        s->group = parseExpr();
        endStatement();
        ++loopFor_;
        s->body = parseBlock();
        --loopFor_;
        expectWord("next", err::ExpectedNext);
        if (tok().kind == Tok::Identifier && !isBlockEnd(tok())) ++pos_;
        return s;
    }
    at->counter = nameExpr(expectIdentifier());
    expect(Tok::Equal, err::ExpectedEquals);
    at->from = parseExpr();
    expectWord("to", err::ExpectedTo);
    at->to = parseExpr();
    if (acceptWord("step")) at->step = parseExpr();
    endStatement();
    ++loopFor_;
    at->body = parseBlock();
    --loopFor_;
    expectWord("next", err::ExpectedNext);
    if (tok().kind == Tok::Identifier && !isBlockEnd(tok())) ++pos_;
    return at;
}

// do := "Do" [ ("While" | "Until") expr ] block "Loop" [ ("While" | "Until") expr ]
StmtPtr Parser::parseDo() {
    auto s = node<DoStmt>();
    ++pos_;
    auto condition = [&]() -> bool {
        if (acceptWord("while"))
            s->untilLoop = false;
        else if (acceptWord("until"))
            s->untilLoop = true;
        else
            return false;
        s->condition = parseExpr();
        return true;
    };
    bool top = condition();
    if (!atStatementEnd()) fail(err::ExpectedWhileUntilEnd);
    ++loopDo_;
    s->body = parseBlock();
    --loopDo_;
    expectWord("loop", err::ExpectedLoop);
    if (!top && condition()) s->testAtTop = false;
    return s;
}

// while := "While" expr block "Wend"
StmtPtr Parser::parseWhile() {
    auto s = node<DoStmt>();
    ++pos_;
    s->condition = parseExpr();
    endStatement();
    s->body = parseBlock();
    expectWord("wend", err::ExpectedWend);
    return s;
}

// with := "With" expr block "End" "With"
StmtPtr Parser::parseWith() {
    auto s = node<WithStmt>();
    ++pos_;
    s->object = parseExpr();
    endStatement();
    std::string hidden;
    do // code for Execute must not reuse a hidden slot of its procedure
        hidden = " with" + std::to_string(++withCount_);
    while (scope_->locals.count(hidden));
    scope_->addLocal(hidden);
    s->slot = nameExpr(hidden);
    withSlots_.push_back(hidden);
    s->body = parseBlock();
    withSlots_.pop_back();
    expectEnd("with", err::ExpectedWith);
    return s;
}

// exit := "Exit" ("Do" | "For" | "Sub" | "Function" | "Property")
StmtPtr Parser::parseExit() {
    auto s = node<ExitStmt>();
    ++pos_;
    if (isWord("do")) {
        if (loopDo_ == 0) fail(err::InvalidExit);
        ++pos_;
        s->flow = Flow::ExitDo;
    } else if (isWord("for")) {
        if (loopFor_ == 0) fail(err::InvalidExit);
        ++pos_;
        s->flow = Flow::ExitFor;
    } else {
        const Procedure* p = scope_->proc;
        bool ok =
            p &&
            ((isWord("sub") && p->kind == ProcKind::Sub) ||
             (isWord("function") && p->kind == ProcKind::Function) ||
             (isWord("property") && p->kind != ProcKind::Sub && p->kind != ProcKind::Function));
        if (!ok) fail(err::InvalidExit);
        ++pos_;
        s->flow = Flow::ExitProc;
    }
    return s;
}

// onError := "On" "Error" ("Resume" "Next" | "GoTo" "0")
StmtPtr Parser::parseOnError() {
    auto s = node<OnErrorStmt>();
    ++pos_;
    expectWord("error", err::SyntaxError);
    if (acceptWord("resume")) {
        expectWord("next", err::SyntaxError);
        s->resumeNext = true;
    } else {
        expectWord("goto", err::SyntaxError);
        if (tok().kind != Tok::Number || toDouble(tok().value) != 0) fail(err::SyntaxError);
        ++pos_;
    }
    return s;
}

// erase := "Erase" name
StmtPtr Parser::parseErase() {
    auto s = node<EraseStmt>();
    ++pos_;
    s->target = nameExpr(expectIdentifier());
    return s;
}

// randomize := "Randomize" [ expr ]
StmtPtr Parser::parseRandomize() {
    auto s = node<RandomizeStmt>();
    ++pos_;
    if (!atStatementEnd()) s->seed_ = parseExpr();
    return s;
}

} // namespace tabulo::vbs
