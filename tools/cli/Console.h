#pragma once
// The command line's side of the engine's seams: messages go to standard error as one line
// each, questions are asked on the terminal (or answered by a policy), and the progress of
// a long run is shown on standard error while it is a terminal.

#include "engine/Reporter.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

namespace tabulo::cli {

inline constexpr const char* kProgramName = "tabulo-cli";

// How long a write waits for the file's lock while another copy holds it: a window holds it
// only while it writes one record.
inline constexpr std::chrono::milliseconds kLockPatience{1000};

// Exit statuses of every subcommand.
enum ExitStatus { kExitOk = 0, kExitProblem = 1, kExitUsage = 2 };

bool IsTerminal(int fd);

// Text of the file (Windows-1252, CR LF line breaks) as one line of UTF-8 for the console.
std::string ConsoleText(const std::string& fileText);

// Prints "tabulo-cli: DB: TITLE: text" for every message of the engine or the script object.
class ConsoleReporter : public Reporter {
public:
    using Answer = std::function<bool(const std::string& title, const std::string& text)>;

    ConsoleReporter(std::string subject, std::ostream& err)
        : subject_(std::move(subject)), err_(err) {}

    void Message(const std::string& title, const std::string& text, MsgIcon icon) override;
    bool Ask(const std::string& title, const std::string& text, MsgIcon icon,
             bool defaultNo) override;

    // Who answers questions; without one every question is answered No.
    void SetAnswer(Answer answer) { answer_ = std::move(answer); }
    int MessageCount() const { return messages_; }
    const std::string& LastTitle() const { return lastTitle_; }

private:
    std::string subject_;
    std::ostream& err_;
    Answer answer_;
    int messages_ = 0;
    std::string lastTitle_;
};

// Asks on the terminal (question on standard error, answer from standard input); true for
// an answer beginning with y or Y.
bool AskOnTerminal(const std::string& question);

// "Packing: 45%" rewritten in place on standard error, when that is a terminal.
class TerminalProgress : public ProgressSink {
public:
    explicit TerminalProgress(std::string label);
    void ShowPer(long done, long total) override;
    void HidePer() override;

private:
    std::string label_;
    bool shown_ = false;
    bool terminal_;
    int lastPercent_ = -1;
};

} // namespace tabulo::cli
