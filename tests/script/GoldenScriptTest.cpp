// Runs every tests/script/<feature>/<case>.vbs and compares with the
// expectations written in its comments:
//   ' OUT: text          one line that MsgBox shows, in order
//   ' ERR: n line column the run ends with error n at that place
//   ' RUN: Name          after AddCode, run this procedure
//   ' INPUT: text        the answer of the next InputBox
//   ' TIMEOUT: ms        the engine's time-out
//   ' DATEORDER: 2       month-first dates

#include "RecordingScriptUi.h"
#include "TestDb.h"
#include "vbscript/ScriptEngine.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using tabulo::vbs::ScriptEngine;

struct Expectation {
    std::string text;
    std::vector<std::string> output, input;
    std::string run;
    int timeout = 0, dateOrder = 1;
    int number = 0, line = 0, column = 0; // number 0: no error expected
};

Expectation readCase(const fs::path& file) {
    Expectation e;
    e.text = tabulo::test::ReadFileBytes(file.string());
    std::istringstream lines(e.text);
    // The key, then its value without one leading blank and without the line's CR.
    static const std::regex kKeyLine("' (OUT|INPUT|RUN|TIMEOUT|DATEORDER|ERR): ?([^\r]*)");
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (!std::regex_search(line, m, kKeyLine)) continue;
        const std::string key = m[1], value = m[2];
        if (key == "OUT")
            e.output.push_back(value);
        else if (key == "INPUT")
            e.input.push_back(value);
        else if (key == "RUN")
            e.run = value;
        else if (key == "TIMEOUT")
            e.timeout = std::stoi(value);
        else if (key == "DATEORDER")
            e.dateOrder = std::stoi(value);
        else
            std::istringstream(value) >> e.number >> e.line >> e.column;
    }
    return e;
}

std::vector<std::string> allCases() {
    std::vector<std::string> cases;
    for (const auto& entry : fs::recursive_directory_iterator(VBS_GOLDEN_DIR))
        if (entry.path().extension() == ".vbs" &&
            entry.path().string().find("/runtime/") == std::string::npos &&
            entry.path().string().find("/fuzz/") == std::string::npos)
            cases.push_back(fs::relative(entry.path(), VBS_GOLDEN_DIR).generic_string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class GoldenScript : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenScript, MatchesExpectations) {
    Expectation e = readCase(fs::path(VBS_GOLDEN_DIR) / GetParam());
    tabulo::test::RecordingScriptUi ui;
    ui.answers.assign(e.input.begin(), e.input.end());
    ScriptEngine engine;
    engine.SetUi(&ui);
    engine.SetTimeout(e.timeout ? e.timeout : 20000);
    engine.SetDateOrder(e.dateOrder);
    bool ok = engine.AddCode(e.text) && (e.run.empty() || engine.Run(e.run));
    EXPECT_EQ(ui.Prompts(), e.output);
    const auto& err = engine.Error();
    if (e.number != 0) {
        ASSERT_FALSE(ok) << "expected error " << e.number;
        EXPECT_EQ(err.number, e.number) << err.description;
        EXPECT_EQ(err.line, e.line) << err.description;
        EXPECT_EQ(err.column, e.column) << err.description;
    } else {
        EXPECT_TRUE(ok) << "error " << err.number << " " << err.description << " at line "
                        << err.line << " column " << err.column;
    }
}

std::string caseName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param.substr(0, info.param.size() - 4);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenScript, ::testing::ValuesIn(allCases()), caseName);

} // namespace
