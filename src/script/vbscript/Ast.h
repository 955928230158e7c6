#pragma once
// The syntax tree. Each node keeps its line and column and knows how to run
// itself (tree-walking evaluation). Names are bound to storage slots the first
// time a node runs, so that later runs go straight to the variable.

#include "script/vbscript/Operators.h"
#include "vbscript/Variant.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tabulo::vbs {

class Interpreter;
struct Scope;
struct Procedure;
struct ClassDef;
class ClassInstance;

// Variables that Execute adds to a running procedure, numbered after its own slots. They
// live as long as the call; compiled code refers to them, so their storage never moves.
struct ExecuteLocals {
    std::vector<std::string> names;
    std::deque<Variant> values;

    Variant* find(const std::string& lower) {
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == lower) return &values[i];
        return nullptr;
    }
};

// One running procedure (or the top-level code): its local slots and object.
struct Frame {
    Variant* locals = nullptr;
    ClassInstance* me = nullptr;
    bool resumeNext = false;
    const Scope* scope = nullptr;         // the names of `locals`; null for top-level code
    std::shared_ptr<ExecuteLocals> added; // made by the call's first Execute or Eval
};

struct Context {
    Interpreter& in;
    Frame& frame;
};

struct Node {
    int line = 0;
    int column = 0;
};

// Arguments of one call while it runs: pointers to the caller's variables
// (by reference) or to temporaries (by value), and the arrays locked meanwhile.
struct ArgPack;

struct Expr : Node {
    virtual ~Expr() = default;
    virtual Variant eval(Context& c) const = 0;
    // The variable's own storage when the expression is a plain variable, so
    // that reading it needs no copy. Null for everything else.
    virtual const Variant* peek(Context&) const { return nullptr; }
    // Storage that a by-reference argument may point at; null if the
    // expression is no variable or array element (it then passes by value).
    virtual Variant* reference(Context&, ArgPack&) const { return nullptr; }
    // Stores a value: `target = value` (isSet false) or `Set target = value`.
    virtual void assign(Context& c, const Variant& value, bool isSet) const;
    // Runs the expression as a statement (`Foo 1, 2`, `obj.Method`).
    virtual void callStatement(Context& c) const { eval(c); }

    bool pure = true;           // no calls inside: operands may be read in place
    bool parenthesized = false; // (x) as an argument passes by value
    bool numericLiteral = false;
    int depth = 1; // height of the subtree, bounded so evaluation cannot exhaust the stack
};
using ExprPtr = std::unique_ptr<Expr>;
using ExprList = std::vector<ExprPtr>;

enum class Flow { Normal, ExitDo, ExitFor, ExitProc };

struct Stmt : Node {
    virtual ~Stmt() = default;
    virtual Flow exec(Context& c) const = 0;
};
using StmtPtr = std::unique_ptr<Stmt>;
using StmtList = std::vector<StmtPtr>;

// Runs a block, honouring On Error Resume Next of the running procedure.
Flow execBlock(const StmtList& body, Context& c);

} // namespace tabulo::vbs
