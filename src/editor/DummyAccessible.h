#pragma once
// The read-only field labels as screen readers see them: the name is the field's label
// (the banner beside it, or the field's name), the value and the text are what the label
// shows, the role says whether it is a link, and a label that acts on a click can be
// pressed. A plain label would give its text as its name and hide the field's label.

namespace tabulo {

// Lets Qt's accessibility find this description for every DummyLabel.
void InstallDummyAccessibility();

} // namespace tabulo
