#pragma once
// The keystroke filter of a field box. The box forwards every typed character code to
// FieldKeyPress and shows the text and caret it returns; the field's codes decide which
// keys are accepted, which change the text in other ways and which move the focus.

#include "base/DateTimeText.h"
#include "editor/rules/BoxState.h"
#include "engine/DBHeader.h"

#include <string>
#include <string_view>

namespace tabulo {

// Character codes with a meaning of their own in a field box.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyInsertDate = 20; // Ctrl+T
inline constexpr int kKeyInsertTime = 21; // Ctrl+U

// What the filter needs to know about the field behind a box.
struct FieldRules {
    std::string Format; // the field's codes as stored
    int MaxLength = 0;  // the box's limit, the field's Length; 0 or less: none
    int DateOrder = 1;  // 2: month first
};

FieldRules RulesOf(const DBField& field, int dateOrder);

enum class KeyAction {
    Rejected,  // the key was discarded; the box stays as it was
    Accepted,  // the box now holds Box (unchanged when it was full)
    NextField, // the key was discarded and the focus moves on, as the Tab key does
};

struct KeyResult {
    KeyAction Action = KeyAction::Rejected;
    BoxState Box;
};

// One typed character code (0 to 255, Windows-1252). Ctrl+T and Ctrl+U type today's date
// or the time of "now" through the same filter, character by character. An accepted
// control character other than Backspace and Enter changes nothing here: the box may then
// give it its usual meaning (the clipboard keys, for instance).
KeyResult FieldKeyPress(const FieldRules& rules, const BoxState& box, int key,
                        const LocalTime& now);

// Types each character of the text through the filter in turn, as the Date and Time
// commands do. Accepted when at least one character changed the box.
KeyResult FieldTypeText(const FieldRules& rules, const BoxState& box, std::string_view text);

// Pasted text is not filtered: what fits replaces the selection, then the case conversion
// runs as after any change.
BoxState FieldPaste(const FieldRules& rules, const BoxState& box, std::string_view text);

} // namespace tabulo
