#pragma once
// The checks that Update makes over every field before a record is saved, and the
// numbering of a new record's "#" fields. They read and write fields through
// RecordFields, so they run on the engine's record buffer and on test doubles alike.

#include "engine/DBHeader.h"
#include "engine/Reporter.h"

#include <optional>
#include <string>
#include <string_view>

namespace tabulo {

// The engine operations the checks use, under the engine's own names and results
// (1 for success, 0 for failure; GetFieldDef returns 0 for a free slot).
class RecordFields {
public:
    virtual ~RecordFields() = default;
    virtual int GetFieldCount() = 0;
    virtual int GetFieldDef(int n, DBField& def) = 0;
    virtual int ReadField(int n, std::string& value) = 0;
    virtual int WriteField(int n, const std::string& value) = 0;
    virtual long GetRecordCount() = 0;
    virtual int GetDateOrder() = 0;
};

// RecordFields over an engine object with those operations (modDB).
template <class Engine> class EngineFields final : public RecordFields {
public:
    explicit EngineFields(Engine& engine) : engine_(engine) {}
    int GetFieldCount() override { return engine_.GetFieldCount(); }
    int GetFieldDef(int n, DBField& def) override { return engine_.GetFieldDef(n, def); }
    int ReadField(int n, std::string& value) override { return engine_.ReadField(n, value); }
    int WriteField(int n, const std::string& value) override {
        return engine_.WriteField(n, value);
    }
    long GetRecordCount() override { return engine_.GetRecordCount(); }
    int GetDateOrder() override { return engine_.GetDateOrder(); }

private:
    Engine& engine_;
};

inline constexpr std::string_view kUpdateTitle = "UPDATE";
inline constexpr std::string_view kInvalidDate = ", Invalid date. (DD/MM/YYYY or MM/DD/YYYY)";
inline constexpr std::string_view kInvalidTime = ", Invalid time. Format (hh:mm)";
inline constexpr std::string_view kCannotBeEmpty = ", Cannot be empty";

// The first field that failed: the window shows Title and Text with the critical icon,
// turns to Page and gives the focus to the box of Field.
struct UpdateFailure {
    int Field = 0;
    int Page = 0;
    std::string Title;
    std::string Text;
};

// The failure text of one field's value (already trimmed) under its codes, or an empty
// view when the value passes: the date check, then the time check, then "required".
std::string_view CheckFieldValue(std::string_view format, std::string_view value, int dateOrder);

// A record number as it is stored in a "#" field: a blank (the sign of a non-negative
// number) and the digits, " 13" for 13.
std::string RecordNumberText(long number);

// Checks the fields 1 to GetFieldCount in order, free slots skipped, and stops at the
// first failure. While addingNew is true, each "#" field passed on the way receives the
// number GetRecordCount() + 1 (the count read afresh for each); numbers written before a
// failure stay in the buffer.
std::optional<UpdateFailure> RunUpdateChecks(RecordFields& fields, bool addingNew);

// Writes the number into every "#" field, for numbering again just before the append.
void WriteRecordNumbers(RecordFields& fields, long number);

// Shows the failure's message: its title and text, critical icon, OK button.
void ReportUpdateFailure(Reporter& reporter, const UpdateFailure& failure);

} // namespace tabulo
