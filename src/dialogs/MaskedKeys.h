#pragma once
// Passes every character typed into a one-line box through the key filter with a code
// string: the filter may drop the character or change it (a letter to a capital).
// Keys without a printable character (Backspace, Enter, Delete, moving the caret) pass.

#include <string>

class QLineEdit;

namespace tabulo {

// The filter lives as long as the box.
void FilterTypedKeys(QLineEdit* box, const std::string& codes);

} // namespace tabulo
