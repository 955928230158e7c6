#pragma once
// What the tests of tabulo-cli share: a fresh folder to work in, the shipped samples built
// into it, databases of the test builder written there, and the real tabulo-cli binary run
// as a child process (arguments, standard input and working directory in; exit status,
// standard output and standard error out).

#include "Description.h"
#include "TempDir.h"
#include "TestDb.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tabulo::test {

struct CliResult {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

struct CliCall {
    std::vector<std::string> args;
    std::string input;     // standard input
    std::string directory; // working directory; empty: the test's own
    bool terminal = false; // standard input is a terminal (the input is typed into it)
};

CliResult RunCli(const CliCall& call);

} // namespace tabulo::test

namespace tabulo::cli {

class CliTest : public testing::Test {
protected:
    // Builds samples/<name>.json into the folder as <name>.Tbd.
    void MakeSample(const std::string& name) {
        std::string description = TABULO_SAMPLES_DIR;
        description.append("/").append(name).append(".json");
        ASSERT_EQ(MakeDatabase(FilePath(description), Path(name + ".Tbd")), "");
    }
    void Write(const test::TestDb& db, const std::string& name) { db.WriteTo(File(name + ".Tbd")); }
    std::string File(const std::string& name) const { return dir.File(name); }
    FilePath Path(const std::string& name) const { return FilePath(File(name)); }
    std::string Bytes(const std::string& name) const { return test::ReadFileBytes(File(name)); }

    // tabulo-cli run in the folder, with the arguments of `args` then those of `more`.
    test::CliResult Cli(std::vector<std::string> args, const std::vector<std::string>& more = {},
                        const std::string& input = "") const {
        args.insert(args.end(), more.begin(), more.end());
        return test::RunCli({std::move(args), input, dir.Path().string(), false});
    }

    test::TempDir dir;
};

// Compared whole when asked, when empty or when it ends a line; else looked for as a part.
inline void ExpectSaid(const std::string& said, const std::string& expected, bool whole = false) {
    if (whole || expected.empty() || expected.back() == '\n')
        EXPECT_EQ(said, expected);
    else
        EXPECT_NE(said.find(expected), std::string::npos) << said;
}

} // namespace tabulo::cli
