#pragma once
// Test stand-ins for the user-facing seams: every message box and question is recorded,
// questions are answered from a queue, progress calls are counted. Nothing ever blocks.

#include "engine/Reporter.h"

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tabulo::test {

struct RecordedMessage {
    std::string title;
    std::string text;
    MsgIcon icon = MsgIcon::Critical;
    bool operator==(const RecordedMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const RecordedMessage& m) {
    return os << '{' << m.title << " | " << m.text << " | "
              << (m.icon == MsgIcon::Critical ? "critical" : "no icon") << '}';
}

struct RecordedQuestion {
    std::string title;
    std::string text;
    MsgIcon icon = MsgIcon::None;
    bool defaultNo = false;
    bool operator==(const RecordedQuestion&) const = default;
};

class RecordingReporter : public Reporter {
public:
    std::vector<RecordedMessage> messages;
    std::vector<RecordedQuestion> questions;
    // Answers for the coming questions, in order; once empty, every question gets No.
    std::deque<bool> answers;

    void Message(const std::string& title, const std::string& text, MsgIcon icon) override {
        messages.push_back({title, text, icon});
    }
    bool Ask(const std::string& title, const std::string& text, MsgIcon icon,
             bool defaultNo) override {
        questions.push_back({title, text, icon, defaultNo});
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    void AnswerNext(bool yes) { answers.push_back(yes); }
    void Clear() {
        messages.clear();
        questions.clear();
        answers.clear();
    }
    // The one message recorded; an empty message when there were none or several.
    RecordedMessage Only() const { return messages.size() == 1 ? messages[0] : RecordedMessage{}; }
};

class RecordingProgress : public ProgressSink {
public:
    long shows = 0;
    long lastDone = 0;
    long lastTotal = 0;
    int hides = 0;
    long eventRuns = 0;
    std::function<void()> onEvents; // runs where the window's events would

    void ShowPer(long done, long total) override {
        ++shows;
        lastDone = done;
        lastTotal = total;
    }
    void HidePer() override { ++hides; }
    void ProcessEvents() override {
        ++eventRuns;
        if (onEvents) onEvents();
    }
};

} // namespace tabulo::test
