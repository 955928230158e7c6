#pragma once
// The objects the language itself provides: Scripting.Dictionary (CreateObject) and the
// regular expression (New RegExp or CreateObject("VBScript.RegExp")).

#include "vbscript/ScriptObject.h"

#include <memory>

namespace tabulo::vbs {

std::shared_ptr<ScriptObject> makeDictionary();
std::shared_ptr<ScriptObject> makeRegExp();

} // namespace tabulo::vbs
