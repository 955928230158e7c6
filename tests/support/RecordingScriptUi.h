#pragma once
// A stand-in for the script's MsgBox and InputBox: every box is recorded in order, MsgBox
// answers OK, and InputBox gives the next queued answer, else its default text.

#include "vbscript/ScriptUi.h"

#include <deque>
#include <string>
#include <vector>

namespace tabulo::test {

class RecordingScriptUi : public vbs::ScriptUi {
public:
    struct Box {
        std::string prompt;
        int buttons = 0; // -1 for an input box
        std::string title;
    };
    std::vector<Box> boxes;
    std::deque<std::string> answers;

    int msgBox(const std::string& prompt, int buttons, const std::string& title) override {
        boxes.push_back({prompt, buttons, title});
        return 1;
    }
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        boxes.push_back({prompt, -1, title});
        if (answers.empty()) return defaultText;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const Box& box : boxes)
            prompts.push_back(box.prompt);
        return prompts;
    }
};

} // namespace tabulo::test
