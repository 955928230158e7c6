// vbsrun FILE [--run PROC] [--timeout MS] [--date-order 1|2]
// Runs a script with a console host: each MsgBox prints its prompt as one line,
// InputBox reads a line from standard input, an error prints one line to
// standard error and makes the exit status non-zero.

#include "vbscript/ScriptEngine.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

class ConsoleUi : public tabulo::vbs::ScriptUi {
public:
    int msgBox(const std::string& prompt, int, const std::string&) override {
        std::cout << prompt << '\n';
        return 1;
    }
    std::string inputBox(const std::string& prompt, const std::string&,
                         const std::string& defaultText) override {
        std::cout << prompt << '\n';
        std::string line;
        if (!std::getline(std::cin, line)) return defaultText;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
};

int usage() {
    std::cerr << "usage: vbsrun FILE [--run PROC] [--timeout MS] [--date-order 1|2]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string file, proc;
    int timeout = 0, dateOrder = 1;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--run" && i + 1 < argc)
            proc = argv[++i];
        else if (a == "--timeout" && i + 1 < argc)
            timeout = std::atoi(argv[++i]);
        else if (a == "--date-order" && i + 1 < argc)
            dateOrder = std::atoi(argv[++i]);
        else if (file.empty() && a.rfind("--", 0) != 0)
            file = a;
        else
            return usage();
    }
    if (file.empty()) return usage();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "vbsrun: cannot read " << file << '\n';
        return 2;
    }
    std::stringstream text;
    text << in.rdbuf();

    ConsoleUi ui;
    tabulo::vbs::ScriptEngine engine;
    engine.SetUi(&ui);
    engine.SetTimeout(timeout);
    engine.SetDateOrder(dateOrder);
    bool ok = engine.AddCode(text.str()) && (proc.empty() || engine.Run(proc));
    std::cout.flush();
    if (ok) return 0;
    const auto& e = engine.Error();
    std::cerr << "Error " << e.number << ": " << e.description << " (line " << e.line << ", column "
              << e.column << ")\n";
    return 1;
}
