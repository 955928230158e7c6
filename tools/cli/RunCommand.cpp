#include "RunCommand.h"

#include "Console.h"
#include "base/CodePage.h"
#include "engine/modDB.h"
#include "vbscript/ScriptEngine.h"

#include <array>
#include <iostream>
#include <vector>

namespace tabulo::cli {

namespace {

// One line of standard input, without its line end, as Windows-1252; false at the end.
bool ReadLine(std::string& line) {
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Utf8ToCp1252(line);
    return true;
}

// MsgBox and InputBox on the console. A MsgBox with buttons answers with its default
// button, as pressing Enter would.
class ConsoleScriptUi : public vbs::ScriptUi {
public:
    explicit ConsoleScriptUi(std::ostream& out) : out_(out) {}

    int msgBox(const std::string& prompt, int buttons, const std::string&) override {
        out_ << Cp1252ToUtf8(prompt) << std::endl;
        return DefaultButton(buttons);
    }

    std::string inputBox(const std::string& prompt, const std::string&,
                         const std::string& defaultText) override {
        out_ << Cp1252ToUtf8(prompt) << std::endl;
        std::string line;
        return ReadLine(line) ? line : defaultText;
    }

private:
    // The values of vbOK, vbCancel, vbAbort ... for each button set, in button order.
    static int DefaultButton(int buttons) {
        static const std::array<std::vector<int>, 6> kSets = {
            {{1}, {1, 2}, {3, 4, 5}, {6, 7, 2}, {6, 7}, {4, 2}}};
        const std::vector<int>& set = kSets[static_cast<size_t>(buttons & 7) % kSets.size()];
        const auto which = static_cast<size_t>((buttons >> 8) & 3);
        return set[std::min(which, set.size() - 1)];
    }

    std::ostream& out_;
};

class HeadlessWindow : public ScriptWindow {
public:
    explicit HeadlessWindow(ConsoleReporter& reporter) : reporter_(reporter) {}

    std::string ActionCaption(int) const override { return ""; }
    void ShowAction(int, const std::string& caption) override {
        reporter_.Message("SetAction", caption + " not added: the Actions menu needs the window",
                          MsgIcon::None);
    }
    void ShowActionsMenu() override {}
    void SetDeleteEnabled(bool) override {}
    int32_t ShowBrowse(const std::vector<int16_t>&, const DbFile&) override {
        reporter_.Message("GetDBList", "no record picked: the list needs the window",
                          MsgIcon::None);
        return 0;
    }
    std::string ShowInput(const std::string& title, const std::string& value, int,
                          const std::string&) override {
        std::cerr << Cp1252ToUtf8(title) << ": " << std::flush;
        std::string line;
        return ReadLine(line) ? line : value;
    }

private:
    ConsoleReporter& reporter_;
};

} // namespace

int RunProcedure(FileSystem& fs, const RunOptions& options, std::ostream& out, std::ostream& err) {
    ConsoleReporter reporter(options.database.Native(), err);
    modDB db(reporter, fs);
    if (db.OpenDatabase(options.database) != 1) return kExitProblem;
    db.SetLockPatience(kLockPatience);
    if (options.record != 0 && db.SetRecordNo(options.record) != 1) return kExitProblem;
    HeadlessWindow window(reporter);
    ConsoleScriptUi ui(out);
    ScriptRunner runner(db, window, reporter);
    runner.SetUi(&ui);
    runner.SetTimeout(options.timeoutMs);
    const std::string before = db.GetRecordBuffer();
    const int messages = reporter.MessageCount();
    const int cancel = runner.RunScriptProc(Utf8ToCp1252(options.procedure));
    const bool scriptError =
        reporter.MessageCount() > messages && reporter.LastTitle() == "SCRIPT ERROR";
    if (cancel != 0) {
        err << kProgramName << ": " << options.procedure << " left Tb.Cancel true\n";
        return kExitProblem;
    }
    if (scriptError) return kExitProblem;
    const bool changed = db.GetRecordBuffer() != before;
    if (options.save && changed && db.GetRecordNo() > 0 && db.WriteRecord() != 1)
        return kExitProblem;
    return kExitOk;
}

} // namespace tabulo::cli
