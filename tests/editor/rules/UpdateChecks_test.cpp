#include "editor/rules/UpdateChecks.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>
#include <vector>

namespace tabulo {
namespace {

// An engine stand-in with the operations the checks use: field slots, a record held as
// stored (padded) field texts, and a record count.
struct FakeEngine : RecordFields {
    std::array<DBField, kMaxFields> slots{};
    int fieldCount = 0;
    std::map<int, std::string> stored;
    long recordCount = 0;
    int dateOrder = 1;
    int unreadable = 0; // a field whose ReadField fails
    std::vector<int> writes;

    void Define(int n, const char* name, const char* format, int page, const char* value) {
        DBField& f = slots[n - 1];
        f.Page = static_cast<uint8_t>(page);
        f.Name = FixedString(name, 32);
        f.Format = FixedString(format, 8);
        f.Length = 12;
        stored[n] = FixedString(value, 12);
        fieldCount = std::max(fieldCount, n);
    }
    int GetFieldCount() override { return fieldCount; }
    int GetFieldDef(int n, DBField& def) override {
        if (slots[n - 1].Page == 0) return 0;
        def = slots[n - 1];
        return n;
    }
    int ReadField(int n, std::string& value) override {
        if (n == unreadable) return 0;
        value = TrimSpaces(stored[n]);
        return 1;
    }
    int WriteField(int n, const std::string& value) override {
        stored[n] = FixedString(value, 12);
        writes.push_back(n);
        return 1;
    }
    long GetRecordCount() override { return recordCount; }
    int GetDateOrder() override { return dateOrder; }
};

struct ValueCase {
    const char* format;
    const char* value;
    int dateOrder;
    std::string_view expected;
};

class FieldValueCheck : public testing::TestWithParam<ValueCase> {};

TEST_P(FieldValueCheck, GivesTheFirstFailureText) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(CheckFieldValue(c.format, c.value, c.dateOrder), c.expected)
        << "format '" << c.format << "' value '" << c.value << "' order " << c.dateOrder;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Checks, FieldValueCheck, testing::Values(
    ValueCase{"D", "", 1, ""},
    ValueCase{"D", "29/02/2024", 1, ""},
    ValueCase{"D", "31/02/2024", 1, ", Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"},
    ValueCase{"D", "1/2/2024", 1, ", Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"},
    ValueCase{"D", "02/29/2024", 2, ""},
    ValueCase{"D", "29/02/2024", 2, ", Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"},
    ValueCase{"T", "", 1, ""},
    ValueCase{"T", "23:59:59", 1, ""},
    ValueCase{"T", "12:30", 1, ", Invalid time. Format (hh:mm)"},
    ValueCase{"T", "24:00:00", 1, ", Invalid time. Format (hh:mm)"},
    ValueCase{"!", "", 1, ", Cannot be empty"},
    ValueCase{"!", "x", 1, ""},
    ValueCase{"D!", "", 1, ", Cannot be empty"},
    ValueCase{"DT", "12:00:00", 1, ", Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"},
    ValueCase{"TD!", "99/99/9999", 1, ", Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"},
    ValueCase{"N", "abc", 1, ""},
    ValueCase{"d t", "abc", 1, ""}));
// clang-format on

// The numbers of a new record written before the failing field stay written.
TEST(RunUpdateChecks, StopsAtTheFirstFailingFieldWithItsMessageAndPage) {
    FakeEngine db;
    db.Define(1, "Name", "A!", 1, "Ann");
    db.Define(2, "No", "#", 1, "");
    db.Define(3, "Born", "D", 3, "31/02/2024");
    db.Define(4, "Phone", "N!", 1, "");
    db.Define(5, "Again", "#", 1, "");
    const auto failure = RunUpdateChecks(db, true);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(
        std::tie(failure->Field, failure->Page, failure->Title, failure->Text),
        std::make_tuple(3, 3, "UPDATE", "Field: Born, Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"));
    EXPECT_EQ(db.writes, (std::vector<int>{2}));
    EXPECT_EQ(TrimSpaces(db.stored[2]), "1");
}

// Free slots, unreadable fields and slots past the count are skipped; a date is read in the
// file's order.
TEST(RunUpdateChecks, SkipsFreeSlotsUnreadableFieldsAndSlotsPastTheCountAndUsesTheDateOrder) {
    FakeEngine db;
    db.Define(1, "Kept", "!", 1, "x");
    db.Define(2, "Free", "!", 1, "");
    db.slots[1].Page = 0;
    db.Define(3, "Broken", "!", 1, "");
    db.unreadable = 3;
    db.Define(4, "Due", "D", 1, "02/29/2024");
    db.Define(5, "Beyond", "!", 1, "");
    db.fieldCount = 4;
    EXPECT_EQ(RunUpdateChecks(db, false).value_or(UpdateFailure{}).Field, 4);
    db.dateOrder = 2;
    EXPECT_FALSE(RunUpdateChecks(db, false).has_value());
}

// "#" fields are numbered for a new record only, and a number leaves the sign's place blank.
TEST(RunUpdateChecks, NumbersTheNumberFieldsOfANewRecordOnly) {
    FakeEngine db;
    db.recordCount = 12;
    db.Define(1, "No", "#", 1, "5");
    db.Define(2, "Name", "A", 1, "Ann");
    db.Define(4, "Copy", "N#", 2, "");
    EXPECT_FALSE(RunUpdateChecks(db, false).has_value());
    EXPECT_TRUE(db.writes.empty());
    EXPECT_FALSE(RunUpdateChecks(db, true).has_value());
    EXPECT_EQ(db.stored[1], " 13         ");
    EXPECT_EQ(db.stored[4], " 13         ");
    EXPECT_EQ(db.writes, (std::vector<int>{1, 4}));
    EXPECT_EQ(RecordNumberText(65530), " 65530");
    EXPECT_EQ(RecordNumberText(-5), "-5");
}

} // namespace
} // namespace tabulo
