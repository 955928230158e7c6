// Declarations: Dim, ReDim, Const, procedures and classes.

#include "script/vbscript/Convert.h"
#include "script/vbscript/Parser.h"

namespace tabulo::vbs {

// dim := ("Dim" | "ReDim" ["Preserve"]) name ["(" dims ")"] {"," name ["(" dims ")"]}
StmtPtr Parser::parseDim(bool redim, bool keywordTaken) {
    auto s = node<DimStmt>();
    if (!keywordTaken) ++pos_;
    s->redim = redim;
    if (redim) s->preserve = acceptWord("preserve");
    do {
        std::string name = expectIdentifier();
        if (!redim)
            scope_->addLocal(lowerName(name));
        else
            scope_->redimmed.insert(lowerName(name));
        DimStmt::Item item;
        item.target = nameExpr(name);
        if (accept(Tok::LParen)) {
            item.hasDims = true;
            item.dims = parseArgList(Tok::RParen);
            if (!redim)
                for (const ExprPtr& d : item.dims)
                    constantDimension(*d);
        } else if (redim) {
            fail(err::ExpectedLParen);
        }
        s->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    return s;
}

int32_t Parser::constantDimension(const Expr& e) const {
    auto* lit = dynamic_cast<const Literal*>(&e);
    if (!lit || !lit->numericLiteral) {
        ScriptError error(err::ExpectedInteger);
        error.line = e.line;
        error.column = e.column;
        error.positioned = error.compileError = true;
        throw error;
    }
    return toLong(lit->value);
}

// const := "Const" name "=" expr { "," name "=" expr }
void Parser::parseConst() {
    ++pos_;
    do {
        std::string lower = lowerName(expectIdentifier());
        expect(Tok::Equal, err::ExpectedEquals);
        ExprPtr value = parseExpr();
        int slot = scope_->addLocal(lower);
        scope_->constants.insert(lower);
        scope_->constInits.push_back({lower, scope_->proc ? slot : -1, std::move(value)});
    } while (accept(Tok::Comma));
}

// declaration := ["Public" | "Private"] ["Default"] (procedure | class | const | variables)
void Parser::parseDeclaration(StmtList& out, bool inClass) {
    bool isPublic = true;
    bool scoped = false;
    if (acceptWord("public"))
        scoped = true;
    else if (acceptWord("private")) {
        scoped = true;
        isPublic = false;
    }
    bool isDefault = acceptWord("default");
    if (isDefault && !isPublic) fail(err::SyntaxError);
    if (acceptWord("sub")) return parseProcedure(ProcKind::Sub, isPublic, isDefault);
    if (acceptWord("function")) return parseProcedure(ProcKind::Function, isPublic, isDefault);
    // In a class "Property" always declares one; outside only before Get, Let or Set.
    if (inClass ? isWord("property") : startsProperty()) {
        ++pos_;
        if (!inClass) fail(err::MustBeInClass);
        if (acceptWord("get")) return parseProcedure(ProcKind::PropertyGet, isPublic, isDefault);
        if (acceptWord("let")) return parseProcedure(ProcKind::PropertyLet, isPublic, false);
        if (acceptWord("set")) return parseProcedure(ProcKind::PropertySet, isPublic, false);
        fail(err::ExpectedLetSetGet);
    }
    if (isDefault) fail(err::SyntaxError);
    if (isWord("class")) {
        if (inClass || scoped) fail(err::ExpectedStatement);
        return parseClass();
    }
    if (isWord("const")) {
        if (inClass) fail(err::ExpectedStatement);
        return parseConst();
    }
    if (!scoped) fail(err::ExpectedStatement);
    if (inClass) return parseClassFields(isPublic);
    out.push_back(parseDim(false, true));
}

// procedure := name ["(" [param {"," param}] ")"] block "End" kind; param := [ByVal|ByRef] name
void Parser::parseProcedure(ProcKind kind, bool isPublic, bool isDefault) {
    auto proc = std::make_unique<Procedure>();
    proc->line = tok().line;
    proc->column = tok().column;
    proc->name = expectIdentifier();
    proc->kind = kind;
    proc->isPublic = isPublic;
    proc->isDefault = isDefault;
    proc->owner = cls_;
    proc->scope.parent = &unit_->top;
    proc->scope.cls = cls_;
    proc->scope.proc = proc.get();
    proc->scope.optionExplicit = optionExplicit_;
    if (accept(Tok::LParen) && !accept(Tok::RParen)) {
        do {
            Param p;
            if (acceptWord("byval"))
                p.byRef = false;
            else
                acceptWord("byref");
            p.name = expectIdentifier();
            if (accept(Tok::LParen)) expect(Tok::RParen, err::ExpectedRParen);
            if (proc->scope.locals.count(lowerName(p.name))) fail(err::NameRedefined);
            proc->scope.addLocal(lowerName(p.name));
            proc->params.push_back(std::move(p));
        } while (accept(Tok::Comma));
        expect(Tok::RParen, err::ExpectedRParen);
    }
    std::string lower = lowerName(proc->name);
    if (kind == ProcKind::Function || kind == ProcKind::PropertyGet)
        proc->resultSlot = proc->scope.addLocal(lower);
    if ((kind == ProcKind::PropertyLet || kind == ProcKind::PropertySet) && proc->params.empty())
        fail(err::SyntaxError);
    // The body may start on the header's line: `Sub S() x = 7 End Sub`.

    Scope* savedScope = scope_;
    int savedDo = loopDo_, savedFor = loopFor_;
    std::vector<std::string> savedWith = std::move(withSlots_);
    withSlots_.clear();
    scope_ = &proc->scope;
    loopDo_ = loopFor_ = 0;
    proc->body = parseBlock();
    scope_ = savedScope;
    loopDo_ = savedDo;
    loopFor_ = savedFor;
    withSlots_ = std::move(savedWith);
    const char* closing = kind == ProcKind::Sub        ? "sub"
                          : kind == ProcKind::Function ? "function"
                                                       : "property";
    int32_t code = kind == ProcKind::Sub        ? err::ExpectedSub
                   : kind == ProcKind::Function ? err::ExpectedFunction
                                                : err::ExpectedProperty;
    expectEnd(closing, code);

    if (!cls_) {
        unit_->procedures.push_back(std::move(proc));
        return;
    }
    auto& table = kind == ProcKind::PropertyLet   ? cls_->letters
                  : kind == ProcKind::PropertySet ? cls_->setters
                                                  : cls_->methods;
    if (!table.emplace(lower, proc.get()).second || cls_->fieldIndex.count(lower))
        fail(err::NameRedefined);
    if (lower == "class_initialize" || lower == "class_terminate") {
        if (!proc->params.empty()) fail(err::InitTerminateArgs);
        (lower == "class_initialize" ? cls_->initialize : cls_->terminate) = proc.get();
    }
    if (isDefault) cls_->defaultMember = proc.get();
    cls_->procedures.push_back(std::move(proc));
}

// classFields := name [ "(" dims ")" ] { "," name [ "(" dims ")" ] }
void Parser::parseClassFields(bool isPublic) {
    do {
        ClassField f;
        f.name = expectIdentifier();
        f.isPublic = isPublic;
        if (accept(Tok::LParen)) {
            f.isArray = true;
            for (const ExprPtr& d : parseArgList(Tok::RParen))
                f.dims.push_back(constantDimension(*d));
        }
        std::string lower = lowerName(f.name);
        if (!cls_->fieldIndex.emplace(lower, static_cast<int>(cls_->fields.size())).second)
            fail(err::NameRedefined);
        cls_->fields.push_back(std::move(f));
    } while (accept(Tok::Comma));
}

// class := "Class" name { "Dim" classFields | declaration } "End" "Class"
void Parser::parseClass() {
    ++pos_;
    auto cls = std::make_unique<ClassDef>();
    cls->name = expectIdentifier();
    endStatement();
    cls_ = cls.get();
    StmtList none;
    for (;;) {
        skipSeparators();
        if (isWord("end") || tok().kind == Tok::End) break;
        if (acceptWord("dim"))
            parseClassFields(true);
        else
            parseDeclaration(none, true);
        endStatement();
    }
    expectEnd("class", err::ExpectedClass);
    cls_ = nullptr;
    unit_->classes.push_back(std::move(cls));
}

} // namespace tabulo::vbs
