#include "TypedValue.h"

#include "InfoText.h"
#include "engine/DBHeader.h"

namespace tabulo::cli {

namespace {

bool Has(std::string_view codes, char code) {
    return codes.find(code) != std::string_view::npos;
}

// The value with every line break as CR LF, the way a field stores it.
std::string StoredLineBreaks(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            out += "\r\n";
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            continue;
        }
        out += value[i];
    }
    return out;
}

// The value cut to the field's length, never between the CR and LF of a line break.
bool CutToLength(std::string& value, int length) {
    if (length <= 0 || value.size() <= static_cast<size_t>(length)) return false;
    value.resize(static_cast<size_t>(length));
    if (value.back() == '\r') value.pop_back();
    return true;
}

std::string Refusal(std::string_view what, std::string_view codes) {
    return std::string(what) + " is not accepted by the field's codes " +
           QuotedText(TrimSpaces(codes));
}

} // namespace

TypedValue TypeIntoField(const FieldRules& rules, std::string_view value) {
    TypedValue typed;
    std::string stored = StoredLineBreaks(value);
    typed.cut = CutToLength(stored, rules.MaxLength);
    const std::string codes = TrimSpaces(rules.Format);
    if (codes.empty() || Has(codes, '=')) {
        typed.text = std::move(stored); // nobody types here: the file's value is the data
        return typed;
    }
    if (Has(codes, '#')) return typed; // numbered when the record is appended
    BoxState box;
    const LocalTime noClock; // no key below types the date or the time
    for (size_t i = 0; i < stored.size(); ++i) {
        const auto c = static_cast<unsigned char>(stored[i]);
        const bool lineBreak = c == '\r';
        if (c < ' ' && !lineBreak) {
            typed.problem =
                "the control character " + QuotedText(stored.substr(i, 1)) + " cannot be typed";
            return typed;
        }
        const KeyResult key = FieldKeyPress(rules, box, lineBreak ? kKeyEnter : c, noClock);
        if (key.Action != KeyAction::Accepted) {
            typed.problem = lineBreak ? "a line break is not accepted in a field of one line"
                                      : Refusal(QuotedText(stored.substr(i, 1)), codes);
            return typed;
        }
        box = key.Box;
        i += lineBreak ? 1 : 0; // the LF of the CR LF went in with the Enter key
    }
    typed.text = std::move(box.Text);
    return typed;
}

} // namespace tabulo::cli
