#include "editor/rules/BoxState.h"

#include <algorithm>

namespace tabulo {

namespace {

// How many characters may still go in when the selection is replaced.
size_t Room(const BoxState& box, int maxLength) {
    if (maxLength <= 0) return std::string::npos;
    const size_t kept = box.Text.size() - static_cast<size_t>(box.SelLength);
    return kept >= static_cast<size_t>(maxLength) ? 0 : static_cast<size_t>(maxLength) - kept;
}

BoxState Splice(const BoxState& box, size_t erase, std::string_view insert) {
    BoxState out;
    out.Text = box.Text;
    out.Text.replace(static_cast<size_t>(box.SelStart), erase, insert);
    out.SelStart = box.SelStart + static_cast<int>(insert.size());
    return out;
}

// Replaces every "from" by "to"; a position inside a replaced run moves to its end.
BoxState Replaced(const BoxState& box, std::string_view from, std::string_view to) {
    const BoxState in = ClampSelection(box);
    const auto start = static_cast<size_t>(in.SelStart);
    const size_t end = start + static_cast<size_t>(in.SelLength);
    BoxState out;
    size_t outStart = std::string::npos, outEnd = std::string::npos;
    for (size_t i = 0;;) {
        if (outStart == std::string::npos && i >= start) outStart = out.Text.size();
        if (outEnd == std::string::npos && i >= end) outEnd = out.Text.size();
        if (i >= in.Text.size()) break;
        const bool match = in.Text.compare(i, from.size(), from) == 0;
        out.Text += match ? to : std::string_view(&in.Text[i], 1);
        i += match ? from.size() : 1;
    }
    out.SelStart = static_cast<int>(outStart);
    out.SelLength = static_cast<int>(outEnd - outStart);
    return out;
}

} // namespace

BoxState ClampSelection(BoxState box) {
    const int size = static_cast<int>(box.Text.size());
    box.SelStart = std::clamp(box.SelStart, 0, size);
    box.SelLength = std::clamp(box.SelLength, 0, size - box.SelStart);
    return box;
}

BoxState ReplaceSelection(const BoxState& box, std::string_view text, int maxLength) {
    const BoxState in = ClampSelection(box);
    const size_t room = Room(in, maxLength);
    return Splice(in, static_cast<size_t>(in.SelLength), text.substr(0, room));
}

BoxState InsertWhole(const BoxState& box, std::string_view text, int maxLength) {
    const BoxState in = ClampSelection(box);
    if (text.size() > Room(in, maxLength)) return in;
    return Splice(in, static_cast<size_t>(in.SelLength), text);
}

BoxState DeleteBack(const BoxState& box) {
    BoxState in = ClampSelection(box);
    if (in.SelLength > 0) return Splice(in, static_cast<size_t>(in.SelLength), {});
    if (in.SelStart == 0) return in;
    const bool lineBreak =
        in.SelStart >= 2 && in.Text.compare(static_cast<size_t>(in.SelStart) - 2, 2, "\r\n") == 0;
    in.SelStart -= lineBreak ? 2 : 1;
    return Splice(in, lineBreak ? 2 : 1, {});
}

BoxState ToShownLineBreaks(const BoxState& stored) {
    return Replaced(stored, "\r\n", "\n");
}

BoxState ToStoredLineBreaks(const BoxState& shown) {
    return Replaced(shown, "\n", "\r\n");
}

} // namespace tabulo
