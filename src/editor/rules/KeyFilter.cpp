#include "editor/rules/KeyFilter.h"

#include "base/modLIB.h"
#include "editor/rules/CaseConversion.h"

namespace tabulo {

namespace {

// What the filter decided about one key, before the box is edited.
enum class Verdict { Discard, Accept, SetYes, SetNo, NextField };

bool Has(std::string_view codes, char code) {
    return codes.find(code) != std::string_view::npos;
}

Verdict AcceptIf(bool condition) {
    return condition ? Verdict::Accept : Verdict::Discard;
}

// "E": the characters of a mail address, with a single "@".
Verdict JudgeMail(int key, std::string_view text) {
    if (key == '@') return AcceptIf(!Has(text, '@'));
    return AcceptIf(modLIB::IsAlnum(key) || key == '.' || key == '-' || key == '_');
}

// "W": the characters of a web address, with a single ":".
Verdict JudgeWeb(int key, std::string_view text) {
    if (key == ':') return AcceptIf(!Has(text, ':'));
    return AcceptIf(modLIB::IsAlnum(key) || key == '.' || key == '-' || key == '_' || key == '/');
}

// "Y": y or n, in either case, replaces the whole text; nothing else goes in.
Verdict JudgeYesNo(int key) {
    if (key == 'y' || key == 'Y') return Verdict::SetYes;
    if (key == 'n' || key == 'N') return Verdict::SetNo;
    return Verdict::Discard;
}

// Fields without a code that decides on its own: each class of character has its code,
// and "N" makes "." and "-" those of a number (one point, a leading minus).
Verdict JudgeByClass(int key, std::string_view codes, const BoxState& box) {
    const bool number = Has(codes, 'N');
    if (modLIB::IsDigit(key)) return AcceptIf(number);
    if (modLIB::IsLetter(key)) return AcceptIf(Has(codes, 'A'));
    if (key == ' ') return AcceptIf(Has(codes, 'S'));
    if (key == '.') return AcceptIf(Has(codes, '.') && !(number && Has(box.Text, '.')));
    if (key == '-') {
        const bool leading = box.SelStart == 0 && !box.Text.starts_with('-');
        return AcceptIf(Has(codes, '-') && (!number || leading));
    }
    return Verdict::Discard;
}

// The tests in their fixed order; the first that applies decides.
Verdict Judge(int key, std::string_view codes, const BoxState& box) {
    if (codes.empty() || Has(codes, '=') || Has(codes, '#')) return Verdict::Discard;
    if (key == kKeyBackspace) return Verdict::Accept;
    if (key == kKeyEnter) return Has(codes, 'M') ? Verdict::Accept : Verdict::NextField;
    if (Has(codes, '*')) return Verdict::Accept;
    if (Has(codes, 'E')) return JudgeMail(key, box.Text);
    if (Has(codes, 'W')) return JudgeWeb(key, box.Text);
    if (Has(codes, 'Y')) return JudgeYesNo(key);
    if (Has(codes, 'D')) return AcceptIf(modLIB::IsDigit(key) || key == '/');
    if (Has(codes, 'T')) return AcceptIf(modLIB::IsDigit(key) || key == ':');
    return JudgeByClass(key, codes, box);
}

// The box's own handling of a key that the filter let through.
BoxState Edited(const FieldRules& rules, const BoxState& box, int key) {
    if (key == kKeyBackspace) return DeleteBack(box);
    if (key == kKeyEnter) return InsertWhole(box, "\r\n", rules.MaxLength);
    if (key < ' ') return box;
    return InsertWhole(box, std::string(1, static_cast<char>(key)), rules.MaxLength);
}

// Every change of the text runs the case conversion, with the caret kept.
KeyResult Changed(const FieldRules& rules, const BoxState& before, const BoxState& after) {
    if (after.Text == before.Text) return {KeyAction::Accepted, after};
    return {KeyAction::Accepted, ApplyCaseConversion(rules.Format, after)};
}

KeyResult FilterOneKey(const FieldRules& rules, const BoxState& rawBox, int key) {
    const BoxState box = ClampSelection(rawBox);
    if (key < 0 || key > 255) return {KeyAction::Rejected, box};
    switch (Judge(key, TrimSpaces(rules.Format), box)) {
    case Verdict::Discard:
        return {KeyAction::Rejected, box};
    case Verdict::NextField:
        return {KeyAction::NextField, box};
    case Verdict::SetYes:
        return Changed(rules, box, BoxState{"Y", 1, 0});
    case Verdict::SetNo:
        return Changed(rules, box, BoxState{"N", 1, 0});
    case Verdict::Accept:
        break;
    }
    return Changed(rules, box, Edited(rules, box, key));
}

} // namespace

FieldRules RulesOf(const DBField& field, int dateOrder) {
    return {field.Format, field.Length, dateOrder};
}

KeyResult FieldKeyPress(const FieldRules& rules, const BoxState& box, int key,
                        const LocalTime& now) {
    if (key == kKeyInsertDate) return FieldTypeText(rules, box, DateText(now, rules.DateOrder));
    if (key == kKeyInsertTime) return FieldTypeText(rules, box, TimeText(now));
    return FilterOneKey(rules, box, key);
}

KeyResult FieldTypeText(const FieldRules& rules, const BoxState& box, std::string_view text) {
    KeyResult result{KeyAction::Rejected, ClampSelection(box)};
    for (char c : text) {
        const KeyResult one = FilterOneKey(rules, result.Box, static_cast<unsigned char>(c));
        if (one.Action == KeyAction::Accepted && one.Box != result.Box) result = one;
    }
    return result;
}

BoxState FieldPaste(const FieldRules& rules, const BoxState& box, std::string_view text) {
    const BoxState in = ClampSelection(box);
    const BoxState out = ReplaceSelection(in, text, rules.MaxLength);
    return out.Text == in.Text ? out : ApplyCaseConversion(rules.Format, out);
}

} // namespace tabulo
