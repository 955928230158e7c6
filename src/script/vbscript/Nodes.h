#pragma once
// The concrete expression and statement nodes built by the parser.

#include "script/vbscript/Ast.h"

#include <utility>

namespace tabulo::vbs {

struct Builtin;

struct Literal : Expr {
    Variant value;
    Variant eval(Context&) const override { return value; }
    const Variant* peek(Context&) const override { return &value; }
};

// What a name turned out to mean, fixed the first time its node runs.
enum class BindKind { Unbound, Local, Global, Member, Procedure, MeMember, Builtin, Undefined };

struct Binding {
    BindKind kind = BindKind::Unbound;
    int index = -1;
    bool constant = false;
    const Procedure* proc = nullptr;
    const Builtin* builtin = nullptr;
};

// A plain name, with or without an argument list: a variable, an array
// element, a call of a procedure or built-in function, a class member.
struct NameExpr : Expr {
    std::string name;
    std::string lower;
    ExprList args;
    bool hasArgs = false; // written with parentheses
    Scope* scope = nullptr;
    mutable Binding bind;

    Variant eval(Context& c) const override;
    const Variant* peek(Context& c) const override;
    Variant* reference(Context& c, ArgPack& pack) const override;
    void assign(Context& c, const Variant& value, bool isSet) const override;
    void callStatement(Context& c) const override;

    const Binding& binding(Context& c) const {
        if (bind.kind == BindKind::Unbound) resolve(c);
        return bind;
    }
    // The variable's slot for Local, Global and Member bindings.
    Variant& storage(Context& c) const;

private:
    void resolve(Context& c) const;
    Variant invoke(Context& c) const;
};

// object.Name or object.Name(args); with no object it is `.Name` inside With.
struct MemberExpr : Expr {
    ExprPtr object;
    std::string name;
    ExprList args;
    bool hasArgs = false;

    Variant eval(Context& c) const override;
    void assign(Context& c, const Variant& value, bool isSet) const override;
};

// The value of a call or element indexed again: x(0)(1), f()(1), o.Items(0)(2).
struct IndexExpr : Expr {
    ExprPtr target;
    ExprList args;

    Variant eval(Context& c) const override;
    Variant* reference(Context& c, ArgPack& pack) const override;
    void assign(Context& c, const Variant& value, bool isSet) const override;
};

struct MeExpr : Expr {
    Variant eval(Context& c) const override;
};

struct NewExpr : Expr {
    std::string className;
    Variant eval(Context& c) const override;
};

enum class BinOp { Add, Sub, Mul, Div, IntDiv, Mod, Pow, Concat, And, Or, Xor, Eqv, Imp, Compare };

struct BinaryExpr : Expr {
    BinOp op;
    CompareOp cmp = CompareOp::Eq;
    int literalSide = 0;
    ExprPtr left, right;
    Variant eval(Context& c) const override;
};

struct IsExpr : Expr {
    ExprPtr left, right;
    Variant eval(Context& c) const override;
};

struct UnaryExpr : Expr {
    bool isNot = false; // otherwise negation
    ExprPtr operand;
    Variant eval(Context& c) const override;
};

// Statements.

struct AssignStmt : Stmt {
    ExprPtr target, value;
    bool isSet = false;
    bool appendsToSelf = false; // s = s & x on a plain variable: append in place
    Flow exec(Context& c) const override;
};

struct CallStmt : Stmt {
    ExprPtr call;
    Flow exec(Context& c) const override;
};

struct IfStmt : Stmt {
    std::vector<std::pair<ExprPtr, StmtList>> branches;
    StmtList elseBody;
    Flow exec(Context& c) const override;
};

struct CaseTest {
    enum Kind { Value, Range, Is } kind = Value;
    CompareOp op = CompareOp::Eq;
    ExprPtr a, b;
};

struct SelectStmt : Stmt {
    struct Clause {
        std::vector<CaseTest> tests;
        StmtList body;
    };
    ExprPtr subject;
    std::vector<Clause> clauses;
    StmtList elseBody;
    Flow exec(Context& c) const override;
};

struct ForStmt : Stmt {
    std::unique_ptr<NameExpr> counter;
    ExprPtr from, to, step;
    StmtList body;
    Flow exec(Context& c) const override;
};

struct ForEachStmt : Stmt {
    std::unique_ptr<NameExpr> element;
    ExprPtr group;
    StmtList body;
    Flow exec(Context& c) const override;
};

struct DoStmt : Stmt {
    ExprPtr condition; // null: endless until Exit Do
    bool untilLoop = false;
    bool testAtTop = true;
    StmtList body;
    Flow exec(Context& c) const override;
};

struct ExitStmt : Stmt {
    Flow flow = Flow::ExitProc;
    Flow exec(Context&) const override { return flow; }
};

struct DimStmt : Stmt {
    struct Item {
        std::unique_ptr<NameExpr> target;
        ExprList dims;
        bool hasDims = false;
    };
    std::vector<Item> items;
    bool redim = false;
    bool preserve = false;
    Flow exec(Context& c) const override;
};

struct EraseStmt : Stmt {
    std::unique_ptr<NameExpr> target;
    Flow exec(Context& c) const override;
};

struct OnErrorStmt : Stmt {
    bool resumeNext = false;
    Flow exec(Context& c) const override;
};

struct WithStmt : Stmt {
    std::unique_ptr<NameExpr> slot; // hidden variable holding the object
    ExprPtr object;
    StmtList body;
    Flow exec(Context& c) const override;
};

struct RandomizeStmt : Stmt {
    ExprPtr seed_;
    Flow exec(Context& c) const override;
};

// Array helpers shared by statements and built-ins.
std::shared_ptr<ArrayData> makeArray(const std::vector<int32_t>& upper);

} // namespace tabulo::vbs
