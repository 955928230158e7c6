// Compile errors: the language's number for each kind of mistake, at the
// line and column where the parser stopped.

#include "vbscript/ScriptEngine.h"

#include <gtest/gtest.h>

namespace {

struct CompileCase {
    const char* code;
    int number;
    int line;
    int column;
};

class CompileError : public ::testing::TestWithParam<CompileCase> {};

TEST_P(CompileError, ReportsNumberAndPosition) {
    const CompileCase& c = GetParam();
    tabulo::vbs::ScriptEngine engine;
    ASSERT_FALSE(engine.AddCode(c.code)) << c.code;
    EXPECT_EQ(engine.Error().number, c.number) << c.code << ": " << engine.Error().description;
    EXPECT_EQ(engine.Error().line, c.line) << c.code;
    EXPECT_EQ(engine.Error().column, c.column) << c.code;
    EXPECT_EQ(engine.Error().source, "Microsoft VBScript compilation error");
}

const CompileCase kCases[] = {
    {"If x = 1\n  y = 2\nEnd If", 1017, 1, 8},        // Expected 'Then'
    {"Do\n  x = 1\n", 1019, 3, 0},                    // Expected 'Loop'
    {"For i = 1 To 2\n  x = 1\n", 1020, 3, 0},        // Expected 'Next'
    {"For i = 1 2\nNext", 1013, 1, 10},               // Expected 'To'
    {"While x\n  x = 1\n", 1018, 3, 0},               // Expected 'Wend'
    {"Select Case x\nCase 1\n", 1014, 3, 0},          // Expected 'End'
    {"Sub A\n  x = 1\nEnd Function", 1016, 3, 4},     // Expected 'Sub'
    {"Function A\nEnd Sub", 1015, 2, 4},              // Expected 'Function'
    {"x = \"open", 1033, 1, 4},                       // Unterminated string constant
    {"x = 1 $ 2", 1032, 1, 6},                        // Invalid character
    {"Dim 1x", 1010, 1, 4},                           // Expected identifier
    {"x = ", 1023, 1, 4},                             // Expected expression
    {"x = 1 2", 1025, 1, 6},                          // Expected end of statement
    {"Exit Do", 1039, 1, 5},                          // Invalid 'exit' statement
    {"Sub A\n Exit Function\nEnd Sub", 1039, 2, 6},   // Invalid 'exit' statement
    {"Next", 1055, 1, 0},                             // Unexpected 'Next'
    {"Loop", 1038, 1, 0},                             // 'loop' without 'do'
    {"Sub A\n Sub B\n End Sub\nEnd Sub", 1024, 2, 1}, // Expected statement
    {"Dim a(n)", 1026, 1, 6},                         // Expected integer constant
    {"Sub A(x, x)\nEnd Sub", 1041, 1, 10},            // Name redefined
    {"Class C\n Sub Class_Initialize(a)\n End Sub\nEnd Class", 1053, 3, 8},
    {"Property Get P\nEnd Property", 1048, 1, 9}, // Must be defined inside a Class
    {"Set x 1", 1011, 1, 6},                      // Expected '='
    {"On Error Resume", 1002, 1, 15},             // Syntax error
    {"x = (1", 1006, 1, 6},                       // Expected ')'
    {"Class C\n Public Property Bad\nEnd Class", 1049, 2, 17},
};

INSTANTIATE_TEST_SUITE_P(Table, CompileError, ::testing::ValuesIn(kCases));

} // namespace
