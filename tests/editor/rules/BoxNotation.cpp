#include "BoxNotation.h"

namespace tabulo::test {

BoxState ParseBox(std::string_view notation) {
    BoxState box;
    bool caretSeen = false;
    for (char c : notation) {
        if (c == '|' || c == '[') {
            box.SelStart = static_cast<int>(box.Text.size());
            caretSeen = true;
        } else if (c == ']') {
            box.SelLength = static_cast<int>(box.Text.size()) - box.SelStart;
        } else {
            box.Text += c;
        }
    }
    if (!caretSeen) box.SelStart = static_cast<int>(box.Text.size());
    return box;
}

std::string ShowBox(const BoxState& box) {
    std::string out = box.Text;
    const auto start = static_cast<size_t>(box.SelStart);
    if (box.SelLength == 0) return out.insert(start, "|");
    out.insert(start + static_cast<size_t>(box.SelLength), "]");
    return out.insert(start, "[");
}

} // namespace tabulo::test
