#include "editor/FieldInput.h"

#include "dialogs/QtText.h"
#include "dialogs/Twips.h"
#include "dialogs/modDlg.h"
#include "editor/FieldBox.h"
#include "editor/rules/CaseConversion.h"
#include "engine/modDB.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>

namespace tabulo {

namespace {

bool Has(const std::string& format, char code) {
    return format.find(code) != std::string::npos;
}

// Characters of the box's text before a position, counted in Windows-1252 characters (a
// character outside the Basic Multilingual Plane is two positions in the widget, one here).
int StoredCount(const QString& plain, int position) {
    return static_cast<int>(FromQString(plain.left(position)).size());
}

// Puts the text into the box by replacing only the part that differs, as one edit, so the
// box's own undo keeps working.
void ReplaceChangedPart(FieldBox& box, const QString& text) {
    const QString current = box.toPlainText();
    if (current == text) return;
    const qsizetype shorter = std::min(current.size(), text.size());
    qsizetype prefix = 0;
    while (prefix < shorter && current[prefix] == text[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           current[current.size() - 1 - suffix] == text[text.size() - 1 - suffix])
        ++suffix;
    QTextCursor edit(box.document());
    edit.setPosition(static_cast<int>(prefix));
    edit.setPosition(static_cast<int>(current.size() - suffix), QTextCursor::KeepAnchor);
    edit.insertText(text.mid(prefix, text.size() - prefix - suffix));
}

// The keys that open a date box's calendar, as in the desktop's own date fields.
bool OpensCalendar(const QKeyEvent& event) {
    const bool alt = event.modifiers() == Qt::AltModifier;
    return (event.key() == Qt::Key_F4 && event.modifiers() == Qt::NoModifier) ||
           (event.key() == Qt::Key_Down && alt);
}

} // namespace

std::optional<int> CharacterCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Backspace) return kKeyBackspace;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return kKeyEnter;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier) &&
                         !modifiers.testFlag(Qt::AltModifier); // Ctrl+Alt is AltGr
    if (control) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front() < QChar(' ') || text.front() == QChar(0x7F))
        return std::nullopt;
    const std::string bytes = FromQString(text);
    const bool representable = bytes.size() == 1 && (bytes[0] != '?' || text == "?");
    return representable ? static_cast<unsigned char>(bytes[0]) : -1;
}

BoxState StateOf(const FieldBox& box) {
    const QString plain = box.toPlainText();
    const QTextCursor cursor = box.textCursor();
    const int start = StoredCount(plain, std::min(cursor.position(), cursor.anchor()));
    const int end = StoredCount(plain, std::max(cursor.position(), cursor.anchor()));
    return ToStoredLineBreaks(BoxState{FromQString(plain), start, end - start});
}

void ShowState(FieldBox& box, const BoxState& stored) {
    const BoxState shown = ClampSelection(ToShownLineBreaks(stored));
    const QString text = ToQString(shown.Text); // one QChar per character: positions agree
    ReplaceChangedPart(box, text);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(shown.SelStart);
    cursor.setPosition(shown.SelStart + shown.SelLength, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

void TypeIntoFocus(const QString& text) {
    for (QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(focus, &press);
    }
}

FieldInput::FieldInput(modDB& db, Dialogs& dialogs, QObject* parent)
    : QObject(parent), db_(db), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FieldInput"));
}

void FieldInput::Attach(FieldBox* box) {
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    connect(box, &QPlainTextEdit::textChanged, this, [this, box] { TextChanged(*box); });
}

bool FieldInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (auto* box = qobject_cast<FieldBox*>(watched))
            return KeyPress(*box, static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::InputMethod:
        if (auto* box = qobject_cast<FieldBox*>(watched))
            return InputMethod(*box, static_cast<const QInputMethodEvent&>(*event));
        break;
    case QEvent::MouseButtonDblClick:
        if (auto* box = qobject_cast<FieldBox*>(watched->parent());
            box && watched == box->viewport())
            return DoubleClick(*box, static_cast<const QMouseEvent&>(*event));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// True when the key has been dealt with; false lets the box give it its own meaning.
bool FieldInput::KeyPress(FieldBox& box, const QKeyEvent& event) {
    if (OpensCalendar(event)) return PickDateAt(box, box.mapToGlobal(QPoint(0, box.height())));
    const std::optional<int> code = CharacterCode(event);
    const std::optional<FieldRules> rules = FieldRulesOf(box);
    if (!code || !rules) return false;
    const KeyResult result = FieldKeyPress(*rules, StateOf(box), *code, clock_());
    switch (result.Action) {
    case KeyAction::Rejected:
        return true;
    case KeyAction::NextField: {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &tab);
        return true;
    }
    case KeyAction::Accepted:
        break;
    }
    // An accepted control key the rules leave alone (copy, paste...) keeps its usual meaning.
    const bool ownKey = *code == kKeyBackspace || *code == kKeyEnter || *code == kKeyInsertDate ||
                        *code == kKeyInsertTime;
    if (*code >= 0 && *code < ' ' && !ownKey) return false;
    ShowState(box, result.Box);
    return true;
}

// Text composed by an input method reaches the box as typed characters, through the filter.
bool FieldInput::InputMethod(FieldBox& box, const QInputMethodEvent& event) {
    const std::optional<FieldRules> rules = FieldRulesOf(box);
    if (!rules || event.commitString().isEmpty() || !event.preeditString().isEmpty()) return false;
    const KeyResult result = FieldTypeText(*rules, StateOf(box), FromQString(event.commitString()));
    if (result.Action == KeyAction::Accepted) ShowState(box, result.Box);
    return true;
}

void FieldInput::TextChanged(FieldBox& box) {
    if (converting_) return;
    const std::optional<FieldRules> rules = FieldRulesOf(box);
    if (!rules) return;
    const BoxState state = StateOf(box);
    const BoxState converted = ApplyCaseConversion(rules->Format, state);
    if (converted.Text == state.Text) return;
    converting_ = true;
    ShowState(box, converted);
    converting_ = false;
}

// A date box opens the date picker at the pointer on its own text, and takes what it gives.
bool FieldInput::DoubleClick(FieldBox& box, const QMouseEvent& event) {
    return PickDateAt(box, event.globalPosition().toPoint());
}

// The picker opens with its top-left corner at the given screen point; from the keyboard
// that is just below the box. False for a box that is not a date field.
bool FieldInput::PickDateAt(FieldBox& box, QPoint at) {
    const std::optional<FieldRules> rules = FieldRulesOf(box);
    if (!rules || !Has(rules->Format, 'D')) return false;
    box.setEnabled(false);
    const Twips twips = Twips::FromScreen(box.screen());
    const std::string start = FromQString(box.Text());
    const std::optional<std::string> picked = dialogs_.PickDate(
        {start, twips.PixelsToTwipsX(at.x()), twips.PixelsToTwipsY(at.y()), db_.GetDateOrder()});
    box.SetText(ToQString(picked.value_or(start)));
    QTextCursor cursor = box.textCursor();
    cursor.clearSelection();
    box.setTextCursor(cursor);
    box.setEnabled(true);
    box.setFocus();
    return true;
}

std::optional<FieldRules> FieldInput::FieldRulesOf(const FieldBox& box) const {
    DBField def;
    if (db_.GetFieldDef(box.Tag(), def) == 0) return std::nullopt;
    return RulesOf(def, db_.GetDateOrder());
}

} // namespace tabulo
