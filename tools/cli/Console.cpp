#include "Console.h"

#include "base/CodePage.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace tabulo::cli {

bool IsTerminal(int fd) {
    return ::isatty(fd) == 1;
}

std::string ConsoleText(const std::string& fileText) {
    std::string oneLine;
    for (size_t i = 0; i < fileText.size(); ++i) {
        if (fileText[i] == '\r' || fileText[i] == '\n') {
            // A run of line breaks becomes one blank; the 100 blanks that widen the script
            // error box are not worth printing.
            while (!oneLine.empty() && oneLine.back() == ' ')
                oneLine.pop_back();
            if (!oneLine.empty()) oneLine += ' ';
            continue;
        }
        oneLine += fileText[i];
    }
    while (!oneLine.empty() && oneLine.front() == ' ')
        oneLine.erase(0, 1);
    return Cp1252ToUtf8(oneLine);
}

void ConsoleReporter::Message(const std::string& title, const std::string& text, MsgIcon) {
    ++messages_;
    lastTitle_ = title;
    err_ << kProgramName << ": " << subject_ << ": " << ConsoleText(title) << ": "
         << ConsoleText(text) << std::endl;
}

bool ConsoleReporter::Ask(const std::string& title, const std::string& text, MsgIcon, bool) {
    return answer_ && answer_(title, text);
}

bool AskOnTerminal(const std::string& question) {
    std::cerr << question << " [y/N] " << std::flush;
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    return !line.empty() && (line[0] == 'y' || line[0] == 'Y');
}

TerminalProgress::TerminalProgress(std::string label)
    : label_(std::move(label)), terminal_(IsTerminal(STDERR_FILENO)) {
}

void TerminalProgress::ShowPer(long done, long total) {
    if (!terminal_ || total <= 0) return;
    const auto percent = static_cast<int>(static_cast<long long>(done) * 100 / total);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    shown_ = true;
    std::fprintf(stderr, "\r%s: %d%%", label_.c_str(), percent);
    std::fflush(stderr);
}

void TerminalProgress::HidePer() {
    if (!shown_) return;
    std::fprintf(stderr, "\r%*s\r", static_cast<int>(label_.size()) + 8, "");
    std::fflush(stderr);
    shown_ = false;
    lastPercent_ = -1;
}

} // namespace tabulo::cli
