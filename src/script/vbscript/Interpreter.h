#pragma once
// The interpreter's state for one engine: global variables, procedures and
// classes of all code added so far, the Err state, the call depth and the
// deadline of the run in progress.

#include "script/vbscript/Ast.h"
#include "script/vbscript/runtime/Random.h"
#include "vbscript/ScriptError.h"
#include "vbscript/ScriptObject.h"
#include "vbscript/ScriptUi.h"

#include <chrono>
#include <deque>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace tabulo::vbs {

struct Param {
    std::string name;
    bool byRef = true;
};

// The names one procedure (or the top-level code, or a class body) declares.
struct Scope {
    std::unordered_map<std::string, int> locals; // lower-case name -> slot
    std::unordered_set<std::string> constants;
    std::unordered_set<std::string> mentioned; // every plain name used inside
    std::unordered_set<std::string> implicit;  // locals made from names never declared
    std::unordered_set<std::string> redimmed;  // names ReDim declares when nothing else does
    struct ConstInit {
        std::string lower;
        int slot; // local slot; for the top-level code set when the code is installed
        ExprPtr value;
    };
    std::vector<ConstInit> constInits;
    Scope* parent = nullptr; // the top-level scope for procedures
    ClassDef* cls = nullptr;
    Procedure* proc = nullptr;
    bool optionExplicit = false;
    int slotCount = 0;

    int addLocal(const std::string& lower) {
        auto [it, added] = locals.emplace(lower, slotCount);
        if (added) ++slotCount;
        return it->second;
    }
};

enum class ProcKind { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Procedure {
    std::string name;
    ProcKind kind = ProcKind::Sub;
    std::vector<Param> params;
    Scope scope;
    StmtList body;
    int resultSlot = -1; // functions and Property Get: the slot named after them
    bool isPublic = true;
    bool isDefault = false;
    ClassDef* owner = nullptr;
    int line = 0, column = 0;
};

struct ClassField {
    std::string name;
    bool isPublic = true;
    std::vector<int32_t> dims; // fixed array dimensions, empty for scalars
    bool isArray = false;
};

struct ClassDef {
    std::string name;
    std::vector<ClassField> fields;
    std::unordered_map<std::string, int> fieldIndex;
    std::unordered_map<std::string, Procedure*> methods; // Sub, Function, Property Get
    std::unordered_map<std::string, Procedure*> letters; // Property Let
    std::unordered_map<std::string, Procedure*> setters; // Property Set
    Procedure* defaultMember = nullptr;
    Procedure* initialize = nullptr;
    Procedure* terminate = nullptr;
    std::vector<std::unique_ptr<Procedure>> procedures;
};

class ClassInstance : public ScriptObject {
public:
    ClassInstance(Interpreter& in, const ClassDef& cls);
    ~ClassInstance() override;
    std::string typeName() const override { return cls_.name; }
    Variant call(std::string_view name, ArgRefs args) override;
    void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) override;

    const ClassDef& cls() const { return cls_; }
    std::vector<Variant> fields;
    bool initialized = false;

    // Members as seen from inside the class (private ones included).
    Variant callMember(std::string_view name, ArgRefs args, bool fromInside);
    void assignMember(std::string_view name, ArgRefs args, const Variant& value, bool isSet,
                      bool fromInside);

private:
    Interpreter& in_;
    const ClassDef& cls_;
};

// Holds local slots of running procedures in stable chunks, so that a
// by-reference argument can point into a caller's frame.
class SlotStack {
public:
    struct Mark {
        size_t chunk, used;
    };
    Variant* push(int count, Mark& mark);
    void pop(const Mark& mark, int count);

private:
    static constexpr size_t kChunk = 1 << 14;
    std::vector<std::unique_ptr<Variant[]>> chunks_;
    size_t chunk_ = 0, used_ = 0;
};

// A compiled piece of code (one AddCode call, one Execute or Eval): its tree and
// procedures. Eval's unit holds its one expression.
struct CodeUnit {
    Scope top;
    StmtList body;
    ExprPtr expression;
    std::vector<std::unique_ptr<Procedure>> procedures;
    std::vector<std::unique_ptr<ClassDef>> classes;
};

class ErrObject;

class Interpreter {
public:
    Interpreter();
    ~Interpreter();

    // Globals: stable storage, looked up by lower-case name.
    std::deque<Variant> globals;
    std::unordered_map<std::string, int> globalIndex;
    std::unordered_set<std::string> globalConstants;
    std::unordered_set<std::string> implicitGlobals; // made from names never declared
    std::unordered_map<std::string, Procedure*> procedures;
    std::unordered_map<std::string, ClassDef*> classes;
    std::vector<std::unique_ptr<CodeUnit>> units;
    std::shared_ptr<ErrObject> errObject;
    ScriptUi* ui = nullptr;
    rt::RandomGenerator random; // Rnd and Randomize
    SlotStack stack;
    bool terminating = false; // Class_Terminate does not run while the engine resets

    int globalSlot(const std::string& lower);
    // `Me` outside a class: the script's global scope as an object.
    const std::shared_ptr<ScriptObject>& scriptObject();
    int findGlobal(const std::string& lower) const;

    // Registers a compiled unit's globals, procedures and classes, then runs
    // its top-level statements.
    void install(CodeUnit& unit);
    void runUnit(CodeUnit& unit);
    // Registers code that Execute compiled inside a procedure: the procedure's variables
    // are already in the unit's top scope; names it adds become variables of its own.
    void installInProcedure(CodeUnit& unit);
    Variant callProcedure(const Procedure& proc, ClassInstance* me, ArgRefs args);
    void createInstance(const ClassDef& cls, Variant& out);

    // Run guards: the deadline and the depth of calls and nested evaluation.
    void startRun(std::chrono::milliseconds timeout,
                  std::function<std::chrono::steady_clock::time_point()> clock);
    void checkDeadline() {
        if (++ticks_ >= 1024) slowDeadlineCheck();
    }
    void slowDeadlineCheck();
    // Runs a call that may wait for the user (a message box, an input box, a host
    // window) and moves the deadline on by the time it took, so that a slow answer
    // never stops the script.
    template <typename Call> auto waitingForUser(Call&& call) {
        const auto started = clock_();
        struct Extend {
            Interpreter& in;
            std::chrono::steady_clock::time_point started;
            ~Extend() { in.deadline_ += in.clock_() - started; }
        } extend{*this, started};
        return call();
    }
    void enterCall();
    void leaveCall() { --depth_; }
    int32_t timeoutMs() const { return static_cast<int32_t>(timeout_.count()); }

private:
    void registerDefinitions(CodeUnit& unit);
    void installProcedures(CodeUnit& unit);

    std::shared_ptr<ScriptObject> scriptObject_;
    std::function<std::chrono::steady_clock::time_point()> clock_ = std::chrono::steady_clock::now;
    std::chrono::steady_clock::time_point deadline_{};
    std::chrono::milliseconds timeout_{0};
    bool hasDeadline_ = false;
    int ticks_ = 0;
    int depth_ = 0;
    uintptr_t stackBase_ = 0; // address near the bottom of the stack when the run began
};

// Locks an array while references into it are in use.
struct ArgPack {
    std::vector<std::shared_ptr<ArrayData>> locked;
    ~ArgPack() {
        for (auto& a : locked)
            --a->locks;
    }
};

} // namespace tabulo::vbs
