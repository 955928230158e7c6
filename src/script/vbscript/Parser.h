#pragma once
// Parses script text into a CodeUnit: top-level statements, procedures and
// classes. Compile errors are thrown as ScriptError with the line and column
// of the token where the parser stopped.

#include "script/vbscript/Interpreter.h"
#include "script/vbscript/Lexer.h"
#include "script/vbscript/Nodes.h"

namespace tabulo::vbs {

std::unique_ptr<CodeUnit> parseProgram(std::string_view text);
// Code for Execute inside a procedure: its top level sees the procedure's variables,
// which keep their slots, then those earlier Execute calls added (`added`, may be null).
std::unique_ptr<CodeUnit> parseProgramIn(std::string_view text, const Scope& procedure,
                                         const std::vector<std::string>* added);
// One expression for Eval, at top level (no procedure) or inside a procedure.
std::unique_ptr<CodeUnit> parseExpression(std::string_view text, const Scope* procedure,
                                          const std::vector<std::string>* added);

class Parser {
public:
    explicit Parser(std::vector<Token> tokens, const Scope* procedure = nullptr,
                    const std::vector<std::string>* added = nullptr);
    std::unique_ptr<CodeUnit> run();
    std::unique_ptr<CodeUnit> runExpression();

private:
    void startUnit();

    // Tokens.
    const Token& tok() const { return toks_[pos_]; }
    const Token& peekTok(size_t ahead = 1) const;
    bool isWord(const char* lower) const;
    bool isWordAt(size_t ahead, const char* lower) const;
    bool accept(Tok kind);
    bool acceptWord(const char* lower);
    bool startsProperty() const;
    void expect(Tok kind, int32_t code);
    void expectWord(const char* lower, int32_t code);
    std::string expectIdentifier();
    bool atStatementEnd() const;
    void endStatement();
    void skipSeparators();
    [[noreturn]] void fail(int32_t code) const;
    template <class T> std::unique_ptr<T> node() const {
        auto n = std::make_unique<T>();
        n->line = tok().line;
        n->column = tok().column;
        return n;
    }
    // Counts brackets and blocks inside one another, so that parsing (and
    // later evaluation) cannot exhaust the stack.
    struct Nesting {
        Parser& p;
        explicit Nesting(Parser& parser);
        ~Nesting() { --p.nesting_; }
    };

    // Expressions.
    ExprPtr parseExpr();
    ExprPtr parseBinaryLevel(int level);
    ExprPtr parseNot();
    ExprPtr parseUnary();
    ExprPtr parsePostfix(bool statementHead = false);
    ExprPtr parsePrimary();
    ExprPtr parseArgument(Tok close);
    ExprList parseArgList(Tok close);
    bool subscriptBeforeEquals() const;
    ExprPtr indexAgain(ExprPtr target);
    std::unique_ptr<NameExpr> nameExpr(const std::string& name);
    void checkDepth(const Expr& e) const;
    ExprPtr binary(BinOp op, ExprPtr l, ExprPtr r, CompareOp cmp = CompareOp::Eq);

    // Statements.
    StmtList parseBlock();
    void parseStatement(StmtList& out, bool singleLine = false);
    void parseSimpleStatement(StmtList& out);
    StmtPtr parseCallOrAssign();
    StmtPtr parseIf();
    void parseSingleLineIf(IfStmt& s);
    StmtPtr parseSelect();
    StmtPtr parseFor();
    StmtPtr parseDo();
    StmtPtr parseWhile();
    StmtPtr parseWith();
    StmtPtr parseExit();
    StmtPtr parseDim(bool redim, bool keywordTaken = false);
    void parseConst();
    StmtPtr parseOnError();
    StmtPtr parseErase();
    StmtPtr parseRandomize();
    void parseDeclaration(StmtList& out, bool inClass);
    void parseProcedure(ProcKind kind, bool isPublic, bool isDefault);
    void parseClass();
    void parseClassFields(bool isPublic);
    int32_t constantDimension(const Expr& e) const;
    void expectEnd(const char* what, int32_t code);

    std::vector<Token> toks_;
    size_t pos_ = 0;
    std::unique_ptr<CodeUnit> unit_;
    Scope* scope_ = nullptr;
    ClassDef* cls_ = nullptr;
    int nesting_ = 0;
    int loopDo_ = 0, loopFor_ = 0;
    int withCount_ = 0;
    std::vector<std::string> withSlots_;
    bool optionExplicit_ = false;
    const Scope* procedure_ = nullptr;                // the procedure Execute or Eval runs in
    const std::vector<std::string>* added_ = nullptr; // names Execute added to it
};

} // namespace tabulo::vbs
