#pragma once
// The state of one field box as the input rules see it: its Windows-1252 text (line
// breaks as CR LF, the way the record stores them) and its caret and selection, counted
// in characters of that text. The widget converts to and from its own representation.

#include <string>
#include <string_view>

namespace tabulo {

struct BoxState {
    std::string Text;
    int SelStart = 0;  // caret, or the start of the selection
    int SelLength = 0; // characters selected after SelStart

    bool operator==(const BoxState&) const = default;
};

// The box with its caret and selection clamped into its text.
BoxState ClampSelection(BoxState box);

// Replaces the selection by as much of the text as the box's limit allows (maxLength <= 0:
// no limit) and leaves the caret after it, as pasting does.
BoxState ReplaceSelection(const BoxState& box, std::string_view text, int maxLength);

// Replaces the selection by the whole text, or changes nothing when it would not fit,
// as typing one key does.
BoxState InsertWhole(const BoxState& box, std::string_view text, int maxLength);

// Deletes the selection, or else the character before the caret; a line break (CR LF)
// goes as one.
BoxState DeleteBack(const BoxState& box);

// The same box with its line breaks as a text widget shows them ("\n") or as the record
// stores them (CR LF), the caret and selection moved along with the text.
BoxState ToShownLineBreaks(const BoxState& stored);
BoxState ToStoredLineBreaks(const BoxState& shown);

} // namespace tabulo
