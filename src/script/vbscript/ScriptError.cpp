// The table of error numbers and their texts, and the exception that carries an error
// from where it is raised to On Error or the host.

#include "vbscript/ScriptError.h"

#include <unordered_map>

namespace tabulo::vbs {

namespace {
const std::unordered_map<int32_t, const char*>& descriptions() {
    static const std::unordered_map<int32_t, const char*> table = {
        {err::InvalidCall, "Invalid procedure call or argument"},
        {err::Overflow, "Overflow"},
        {err::OutOfMemory, "Out of memory"},
        {51, "Internal error"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File already open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {62, "Input past end of file"},
        {67, "Too many files"},
        {68, "Device unavailable"},
        {err::PermissionDenied, "Permission denied"},
        {71, "Disk not ready"},
        {74, "Can't rename with different drive"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {err::SubscriptOutOfRange, "Subscript out of range"},
        {err::ArrayLocked, "This array is fixed or temporarily locked"},
        {err::DivisionByZero, "Division by zero"},
        {err::TypeMismatch, "Type mismatch"},
        {err::OutOfStack, "Out of stack space"},
        {err::SubNotDefined, "Sub or Function not defined"},
        {err::ObjectNotSet, "Object variable not set"},
        {err::InvalidUseOfNull, "Invalid use of Null"},
        {err::ObjectRequired, "Object required"},
        {err::CantCreateObject, "ActiveX component can't create object"},
        {err::NoSuchMember, "Object doesn't support this property or method"},
        {err::WrongArgCount, "Wrong number of arguments or invalid property assignment"},
        {err::NotACollection, "Object not a collection"},
        {err::KeyExists, "This key is already associated with an element of this collection"},
        {err::UnsupportedType, "Variable uses an Automation type not supported in VBScript"},
        {err::VariableUndefined, "Variable is undefined"},
        {err::IllegalAssignment, "Illegal assignment"},
        {462, "The remote server machine does not exist or is unavailable"},
        {506, "Class not defined"},
        {err::ElementNotFound, "Element not found"},
        {err::RegExpSyntax, "Syntax error in regular expression"},
        {err::RegExpQuantifier, "Unexpected quantifier"},
        {err::RegExpBracket, "Expected ']' in regular expression"},
        {err::RegExpParen, "Expected ')' in regular expression"},
        {err::RegExpRange, "Invalid range in character set"},
        {err::TimedOut, "Script timed out"},
        {err::SyntaxError, "Syntax error"},
        {err::ExpectedColon, "Expected ':'"},
        {err::ExpectedLParen, "Expected '('"},
        {err::ExpectedRParen, "Expected ')'"},
        {err::ExpectedIdentifier, "Expected identifier"},
        {err::ExpectedEquals, "Expected '='"},
        {err::ExpectedIf, "Expected 'If'"},
        {err::ExpectedTo, "Expected 'To'"},
        {err::ExpectedEnd, "Expected 'End'"},
        {err::ExpectedFunction, "Expected 'Function'"},
        {err::ExpectedSub, "Expected 'Sub'"},
        {err::ExpectedThen, "Expected 'Then'"},
        {err::ExpectedWend, "Expected 'Wend'"},
        {err::ExpectedLoop, "Expected 'Loop'"},
        {err::ExpectedNext, "Expected 'Next'"},
        {err::ExpectedCase, "Expected 'Case'"},
        {err::ExpectedSelect, "Expected 'Select'"},
        {err::ExpectedExpression, "Expected expression"},
        {err::ExpectedStatement, "Expected statement"},
        {err::ExpectedEndOfStatement, "Expected end of statement"},
        {err::ExpectedInteger, "Expected integer constant"},
        {err::ExpectedWhileUntil, "Expected 'While' or 'Until'"},
        {err::ExpectedWhileUntilEnd, "Expected 'While', 'Until' or end of statement"},
        {err::ExpectedWith, "Expected 'With'"},
        {err::InvalidNumber, "Invalid number"},
        {err::InvalidCharacter, "Invalid character"},
        {err::UnterminatedString, "Unterminated string constant"},
        {err::InvalidMe, "Invalid use of 'Me' keyword"},
        {err::LoopWithoutDo, "'loop' without 'do'"},
        {err::InvalidExit, "Invalid 'exit' statement"},
        {err::InvalidForVariable, "Invalid 'for' loop control variable"},
        {err::NameRedefined, "Name redefined"},
        {err::ParensOnSubCall, "Cannot use parentheses when calling a Sub"},
        {err::ExpectedLiteral, "Expected literal constant"},
        {err::ExpectedIn, "Expected 'In'"},
        {err::ExpectedClass, "Expected 'Class'"},
        {err::MustBeInClass, "Must be defined inside a Class"},
        {err::ExpectedLetSetGet, "Expected Let or Set or Get in property declaration"},
        {err::ExpectedProperty, "Expected 'Property'"},
        {err::InitTerminateArgs, "Class initialize or terminate do not have arguments"},
        {err::UnexpectedNext, "Unexpected 'Next'"},
    };
    return table;
}
} // namespace

std::string errorDescription(int32_t number) {
    auto it = descriptions().find(number);
    if (it != descriptions().end()) return it->second;
    return "Unknown runtime error";
}

int32_t languageErrorNumber(int32_t number) {
    const uint32_t code = static_cast<uint32_t>(number);
    if ((code & 0xFFFF0000u) == 0x800A0000u) return static_cast<int32_t>(code & 0xFFFFu);
    if ((code & 0xFFFF0000u) != 0x80070000u) return number;
    switch (code & 0xFFFFu) {
    case 0x0005: // access denied
        return err::PermissionDenied;
    case 0x000E: // out of memory
        return err::OutOfMemory;
    case 0x0057: // invalid argument
        return err::InvalidCall;
    case 0x06BA: // server unavailable
        return 462;
    default:
        return number;
    }
}

ScriptError::ScriptError(int32_t number_) : ScriptError(number_, errorDescription(number_)) {
}

ScriptError::ScriptError(int32_t number_, std::string description_, std::string source_)
    : std::runtime_error(description_), number(number_), description(std::move(description_)),
      source(std::move(source_)) {
}

void raiseError(int32_t number) {
    throw ScriptError(number);
}

} // namespace tabulo::vbs
