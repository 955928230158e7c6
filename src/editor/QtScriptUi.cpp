#include "editor/QtScriptUi.h"

#include "dialogs/QtText.h"

#include <QApplication>
#include <QInputDialog>

namespace tabulo {

namespace {

using SB = QMessageBox::StandardButton;

enum VbResult { vbOK = 1, vbCancel, vbAbort, vbRetry, vbIgnore, vbYes, vbNo };

// The button sets of vbOKOnly (0) to vbRetryCancel (5).
const std::vector<MsgBoxLook::Button> kButtonSets[] = {
    {{SB::Ok, vbOK}},
    {{SB::Ok, vbOK}, {SB::Cancel, vbCancel}},
    {{SB::Abort, vbAbort}, {SB::Retry, vbRetry}, {SB::Ignore, vbIgnore}},
    {{SB::Yes, vbYes}, {SB::No, vbNo}, {SB::Cancel, vbCancel}},
    {{SB::Yes, vbYes}, {SB::No, vbNo}},
    {{SB::Retry, vbRetry}, {SB::Cancel, vbCancel}},
};

// Untitled boxes carry the program's name.
QString TitleOrAppName(const std::string& title) {
    return title.empty() ? QApplication::applicationName() : ToQString(title);
}

} // namespace

MsgBoxLook LookOfMsgBox(int buttons) {
    MsgBoxLook look;
    const int set = buttons & 0xF;
    look.buttons = kButtonSets[set < 6 ? set : 0];
    const int defaultIndex = (buttons & 0xF00) >> 8; // vbDefaultButton1 to 4
    look.defaultIndex = defaultIndex < static_cast<int>(look.buttons.size()) ? defaultIndex : 0;
    switch (buttons & 0xF0) {
    case 16:
        look.icon = QMessageBox::Critical;
        break;
    case 32:
        look.icon = QMessageBox::Question;
        break;
    case 48:
        look.icon = QMessageBox::Warning;
        break;
    case 64:
        look.icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    return look;
}

int QtScriptUi::msgBox(const std::string& prompt, int buttons, const std::string& title) {
    const MsgBoxLook look = LookOfMsgBox(buttons);
    QMessageBox box(look.icon, TitleOrAppName(title), ToQString(prompt), QMessageBox::NoButton,
                    parent_);
    for (const MsgBoxLook::Button& b : look.buttons)
        box.addButton(b.button);
    box.setDefaultButton(look.buttons[look.defaultIndex].button);
    const int clicked = box.exec();
    for (const MsgBoxLook::Button& b : look.buttons)
        if (b.button == clicked) return b.result;
    return look.buttons.size() == 1 ? look.buttons[0].result : vbCancel;
}

// Ok gives the text typed; Cancel and the close box give the empty text.
std::string QtScriptUi::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, TitleOrAppName(title), ToQString(prompt),
                                               QLineEdit::Normal, ToQString(defaultText), &ok);
    return ok ? FromQString(text) : std::string();
}

} // namespace tabulo
