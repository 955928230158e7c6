#pragma once
// Runs the real tabulo-cli binary as a child process: arguments, standard input text and
// working directory in; exit status, standard output and standard error out.

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
