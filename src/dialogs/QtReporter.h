#pragma once
// Message boxes and Yes/No questions of the core code, shown as Qt message boxes with
// the exact title and text, an OK button or Yes/No buttons, and the critical icon or none.

#include "engine/Reporter.h"

class QWidget;

namespace tabulo {

class QtReporter : public Reporter {
public:
    explicit QtReporter(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the boxes are centred on and modal to.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& title, const std::string& text, MsgIcon icon) override;
    bool Ask(const std::string& title, const std::string& text, MsgIcon icon,
             bool defaultNo) override;

private:
    QWidget* parent_;
};

} // namespace tabulo
