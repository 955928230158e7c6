#pragma once
// Makes the script object reachable from scripts as a host object of the interpreter: its
// methods by name (any case), Cancel as a readable and writable Integer property,
// arguments by reference.

#include "vbscript/ScriptObject.h"

#include <memory>

namespace tabulo {

class clsField;

std::shared_ptr<vbs::ScriptObject> MakeTbObject(clsField& tb);

} // namespace tabulo
