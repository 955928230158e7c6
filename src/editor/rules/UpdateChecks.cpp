#include "editor/rules/UpdateChecks.h"

#include "base/modLIB.h"

namespace tabulo {

namespace {

bool Has(std::string_view format, char code) {
    return format.find(code) != std::string_view::npos;
}

// Calls visit(n, def) for every field in use, in number order, until it returns false.
template <class Visit> void ForEachField(RecordFields& fields, Visit visit) {
    const int count = fields.GetFieldCount();
    for (int n = 1; n <= count; ++n) {
        DBField def;
        if (fields.GetFieldDef(n, def) == 0) continue;
        if (!visit(n, def)) return;
    }
}

} // namespace

std::string_view CheckFieldValue(std::string_view format, std::string_view value, int dateOrder) {
    if (Has(format, 'D') && !value.empty() && !modLIB::IsValidDate(value, dateOrder))
        return kInvalidDate;
    if (Has(format, 'T') && !value.empty() && !modLIB::IsValidTime(value)) return kInvalidTime;
    if (Has(format, '!') && value.empty()) return kCannotBeEmpty;
    return {};
}

std::string RecordNumberText(long number) {
    const std::string digits = std::to_string(number);
    return number < 0 ? digits : " " + digits;
}

std::optional<UpdateFailure> RunUpdateChecks(RecordFields& fields, bool addingNew) {
    const int dateOrder = fields.GetDateOrder();
    std::optional<UpdateFailure> failure;
    ForEachField(fields, [&](int n, const DBField& def) {
        std::string value;
        if (fields.ReadField(n, value) != 0) {
            const std::string_view problem = CheckFieldValue(def.Format, value, dateOrder);
            if (!problem.empty()) {
                const std::string text = "Field: " + TrimSpaces(def.Name) + std::string(problem);
                failure = UpdateFailure{n, def.Page, std::string(kUpdateTitle), text};
                return false;
            }
        }
        if (addingNew && Has(def.Format, '#'))
            fields.WriteField(n, RecordNumberText(fields.GetRecordCount() + 1));
        return true;
    });
    return failure;
}

void WriteRecordNumbers(RecordFields& fields, long number) {
    ForEachField(fields, [&](int n, const DBField& def) {
        if (Has(def.Format, '#')) fields.WriteField(n, RecordNumberText(number));
        return true;
    });
}

void ReportUpdateFailure(Reporter& reporter, const UpdateFailure& failure) {
    reporter.Message(failure.Title, failure.Text, MsgIcon::Critical);
}

} // namespace tabulo
