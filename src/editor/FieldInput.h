#pragma once
// The input rules on the window's Field boxes: every typed key goes through the field's key
// filter, every change of a box's text through the field's case conversion, and a
// double-click on a date box, or F4 or Alt+Down in it, opens the date picker.

#include "base/DateTimeText.h"
#include "editor/rules/BoxState.h"
#include "editor/rules/KeyFilter.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace tabulo {

class Dialogs;
class FieldBox;
class modDB;

class FieldInput : public QObject {
    Q_OBJECT
public:
    FieldInput(modDB& db, Dialogs& dialogs, QObject* parent);

    // Puts the rules on a box: its key presses, its changes, its double-clicks.
    void Attach(FieldBox* box);

    // The clock that Ctrl+T, Ctrl+U and the Date and Time commands read.
    void SetClock(std::function<LocalTime()> clock) { clock_ = std::move(clock); }
    LocalTime Now() const { return clock_(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPress(FieldBox& box, const QKeyEvent& event);
    bool InputMethod(FieldBox& box, const QInputMethodEvent& event);
    void TextChanged(FieldBox& box);
    bool DoubleClick(FieldBox& box, const QMouseEvent& event);
    bool PickDateAt(FieldBox& box, QPoint at);
    // The rules of the field behind the box; none for a free slot.
    std::optional<FieldRules> FieldRulesOf(const FieldBox& box) const;

    modDB& db_;
    Dialogs& dialogs_;
    std::function<LocalTime()> clock_ = CurrentLocalTime;
    bool converting_ = false;
};

// The character code that the input rules give a key: Backspace 8, Enter 13, Ctrl with a
// letter 1 to 26 (Ctrl+T 20, Ctrl+U 21), a typed character its Windows-1252 code, -1 for a
// typed character that Windows-1252 cannot hold. None for the keys that only move the
// caret or the focus (arrows, Home, Delete, Tab...), which the box handles itself.
std::optional<int> CharacterCode(const QKeyEvent& event);

// A box's text, caret and selection as the rules see them (line breaks as CR LF), and back.
BoxState StateOf(const FieldBox& box);
void ShowState(FieldBox& box, const BoxState& stored);

// Delivers the text to the focused control as typed keys, one character at a time, so that
// a field box's key filter sees each of them.
void TypeIntoFocus(const QString& text);

} // namespace tabulo
