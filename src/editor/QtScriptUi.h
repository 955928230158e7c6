#pragma once
// The script's MsgBox and InputBox as Qt dialogs over the data-entry window.

#include "vbscript/ScriptUi.h"

#include <QMessageBox>
#include <vector>

class QWidget;

namespace tabulo {

// What a MsgBox "buttons" argument asks for: the buttons in order with the value each
// returns, the one that Enter presses, and the icon.
struct MsgBoxLook {
    struct Button {
        QMessageBox::StandardButton button;
        int result; // vbOK 1 ... vbNo 7
    };
    std::vector<Button> buttons;
    int defaultIndex = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};
MsgBoxLook LookOfMsgBox(int buttons);

class QtScriptUi : public vbs::ScriptUi {
public:
    explicit QtScriptUi(QWidget* parent = nullptr) : parent_(parent) {}

    int msgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;

private:
    QWidget* parent_;
};

} // namespace tabulo
