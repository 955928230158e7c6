#pragma once
// Script errors: the language's own error numbers and texts, thrown inside the
// interpreter as ScriptError and handed to the host as number, description,
// line and column.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tabulo::vbs {

namespace err {
// Run-time errors.
inline constexpr int32_t InvalidCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t ArrayLocked = 10;
inline constexpr int32_t DivisionByZero = 11;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t OutOfStack = 28;
inline constexpr int32_t SubNotDefined = 35;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidUseOfNull = 94;
inline constexpr int32_t ObjectRequired = 424;
inline constexpr int32_t CantCreateObject = 429;
inline constexpr int32_t NoSuchMember = 438;
inline constexpr int32_t WrongArgCount = 450;
inline constexpr int32_t NotACollection = 451;
inline constexpr int32_t KeyExists = 457;
inline constexpr int32_t UnsupportedType = 458;
inline constexpr int32_t VariableUndefined = 500;
inline constexpr int32_t IllegalAssignment = 501;
inline constexpr int32_t ElementNotFound = 32811;
inline constexpr int32_t RegExpSyntax = 5017;
inline constexpr int32_t RegExpQuantifier = 5018;
inline constexpr int32_t RegExpBracket = 5019;
inline constexpr int32_t RegExpParen = 5020;
inline constexpr int32_t RegExpRange = 5021;
inline constexpr int32_t TimedOut = -2147467260; // the run passed its deadline
// Compile errors.
inline constexpr int32_t SyntaxError = 1002;
inline constexpr int32_t ExpectedColon = 1003;
inline constexpr int32_t ExpectedLParen = 1005;
inline constexpr int32_t ExpectedRParen = 1006;
inline constexpr int32_t ExpectedIdentifier = 1010;
inline constexpr int32_t ExpectedEquals = 1011;
inline constexpr int32_t ExpectedIf = 1012;
inline constexpr int32_t ExpectedTo = 1013;
inline constexpr int32_t ExpectedEnd = 1014;
inline constexpr int32_t ExpectedFunction = 1015;
inline constexpr int32_t ExpectedSub = 1016;
inline constexpr int32_t ExpectedThen = 1017;
inline constexpr int32_t ExpectedWend = 1018;
inline constexpr int32_t ExpectedLoop = 1019;
inline constexpr int32_t ExpectedNext = 1020;
inline constexpr int32_t ExpectedCase = 1021;
inline constexpr int32_t ExpectedSelect = 1022;
inline constexpr int32_t ExpectedExpression = 1023;
inline constexpr int32_t ExpectedStatement = 1024;
inline constexpr int32_t ExpectedEndOfStatement = 1025;
inline constexpr int32_t ExpectedInteger = 1026;
inline constexpr int32_t ExpectedWhileUntil = 1027;
inline constexpr int32_t ExpectedWhileUntilEnd = 1028;
inline constexpr int32_t ExpectedWith = 1029;
inline constexpr int32_t InvalidNumber = 1031;
inline constexpr int32_t InvalidCharacter = 1032;
inline constexpr int32_t UnterminatedString = 1033;
inline constexpr int32_t InvalidMe = 1037;
inline constexpr int32_t LoopWithoutDo = 1038;
inline constexpr int32_t InvalidExit = 1039;
inline constexpr int32_t InvalidForVariable = 1040;
inline constexpr int32_t NameRedefined = 1041;
inline constexpr int32_t ParensOnSubCall = 1044;
inline constexpr int32_t ExpectedLiteral = 1045;
inline constexpr int32_t ExpectedIn = 1046;
inline constexpr int32_t ExpectedClass = 1047;
inline constexpr int32_t MustBeInClass = 1048;
inline constexpr int32_t ExpectedLetSetGet = 1049;
inline constexpr int32_t ExpectedProperty = 1050;
inline constexpr int32_t InitTerminateArgs = 1053;
inline constexpr int32_t UnexpectedNext = 1055;
} // namespace err

// The language's standard text for an error number ("Type mismatch").
std::string errorDescription(int32_t number);

// The language's own number for an HRESULT of the script runtime (0x800A....) or of the
// system (0x8007...., as far as the language knows it); any other number as it is.
int32_t languageErrorNumber(int32_t number);

class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(int32_t number);
    ScriptError(int32_t number, std::string description, std::string source = {});

    int32_t number;
    std::string description;
    std::string source;
    std::string helpFile;
    int32_t helpContext = 0;
    int line = 0;   // 1-based; 0 until the interpreter places it
    int column = 0; // 0-based character position in the line
    bool positioned = false;
    bool compileError = false;
    bool fatal = false; // On Error Resume Next does not catch it (time-out)
};

[[noreturn]] void raiseError(int32_t number);

} // namespace tabulo::vbs
