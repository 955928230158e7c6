#pragma once
// The one interface through which scripts reach objects: host objects
// registered with AddObject, Err, Scripting.Dictionary and instances of the
// script's own classes. Arguments arrive by reference: a method may change the
// caller's variable through its pointer. Members are matched without regard to
// case. Failures are reported by throwing ScriptError (see raiseError()).

#include "vbscript/Variant.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::vbs {

using ArgRefs = std::span<Variant* const>;

class ScriptObject : public std::enable_shared_from_this<ScriptObject> {
public:
    virtual ~ScriptObject() = default;

    // The name TypeName() shows for the object ("Dictionary").
    virtual std::string typeName() const = 0;

    // Reads a property or calls a method. An empty name is the default member.
    virtual Variant call(std::string_view name, ArgRefs args) = 0;

    // Assigns a property (`obj.Name(args) = value`, or `Set obj.Name = value`).
    virtual void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet);

    // The values For Each walks through; objects that are no collection refuse.
    virtual std::vector<Variant> elements();

    // True for objects whose members may open a window and wait for the user; the time
    // the user takes there does not count against the run's time-out.
    virtual bool mayWaitForUser() const { return false; }
};

// Drops values that may hold objects one after another instead of inside
// each other, so that a long chain of objects (a linked list built by a
// script) cannot exhaust the stack when it is freed.
void releaseIteratively(std::vector<Variant>& values);

// Case-insensitive comparison of member and variable names.
bool sameName(std::string_view a, std::string_view b);
std::string lowerName(std::string_view name);

} // namespace tabulo::vbs
