#include "NamedCase.h"
#include "TestDb.h"
#include "browse/BrowseSort.h"
#include "browse/BrowseTable.h"
#include "engine/PosixFileSystem.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tabulo {
namespace {

using test::TestDb;

TEST(SetSortType, FollowsTheFieldCodes) {
    struct Case {
        const char* format;
        SortType type;
    } cases[] = {
        {"*N", SortType::Text},    {"=", SortType::Text},     {"=N", SortType::Number},
        {"=D", SortType::Date},    {"=ND", SortType::Number}, {"#", SortType::Number},
        {"#A", SortType::Number},  {"N", SortType::Number},   {"Y", SortType::Number},
        {"", SortType::Number},    {"ND", SortType::Date},    {"DT", SortType::Text},
        {"D!", SortType::Date},    {"NS", SortType::Text},    {"W", SortType::Text},
        {"H<N", SortType::Number}, {"M", SortType::Number},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetSortType(c.format), c.type) << c.format;
}

TEST(NumValue, AcceptsPlainSignedGroupedAndScientificNumbers) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"10", 10},           {"  -9 ", -9},
        {"+3.25", 3.25},      {"1,234,567.5", 1234567.5},
        {".5", 0.5},          {"5.", 5},
        {"1e3", 1000},        {"-2.5E-1", -0.25},
        {"", kNoNumber},      {"abc", kNoNumber},
        {"1,,2", kNoNumber},  {",1", kNoNumber},
        {".", kNoNumber},     {"1e999", kNoNumber},
        {"12a", kNoNumber},   {"1 2", kNoNumber},
        {"1.5,0", kNoNumber},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NumValue(c.text), c.value) << c.text;
}

TEST(DateValue, CountsDaysFromTheZeroDateInTheFilesOrder) {
    struct Case {
        const char* text;
        int order;
        double value;
    } cases[] = {
        {"30/12/1899", 1, 0},       {"31/12/1899", 1, 1},       {"01/01/2000", 1, 36526},
        {"12/31/1899", 2, 1},       {"01/01/2000", 2, 36526},   {"29/12/1899", 1, -1},
        {" 01/03/1900 ", 1, 61},    {"31/02/2024", 1, kNoDate}, {"02/29/2024", 1, kNoDate},
        {"02/29/2024", 2, 45351},   {"1/1/2000", 1, kNoDate},   {"", 1, kNoDate},
        {"2000-01-01", 1, kNoDate},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DateValue(c.text, c.order), c.value) << c.text << " order " << c.order;
}

// The grid's sort as one would first write it: recursive, and every comparison reads
// its cell from the file.
class ReferenceSort {
public:
    ReferenceSort(const BrowseTable& table, int col)
        : table_(table), fieldNo_(col), type_(SetSortType(table.ColField(col).Format)),
          rowRec_(table.RecordCount()) {
        for (size_t r = 0; r < rowRec_.size(); ++r)
            rowRec_[r] = static_cast<int32_t>(r + 1);
    }

    std::vector<int32_t> Run() {
        if (!rowRec_.empty()) Sort(1, static_cast<long>(rowRec_.size()));
        return rowRec_;
    }

private:
    std::string Cell(long row) const { return table_.ReadCell(rowRec_[row - 1], fieldNo_); }

    bool Less(const std::string& a, const std::string& b) const {
        const int order = table_.Header().DateOrder;
        switch (type_) {
        case SortType::Number:
            return NumValue(a) < NumValue(b);
        case SortType::Date:
            return DateValue(a, order) < DateValue(b, order);
        default:
            return a < b;
        }
    }

    void Sort(long first, long last) {
        long i = first;
        long j = last;
        const std::string pivot = Cell(std::lrint(static_cast<double>(first + last) / 2.0));
        while (i <= j) {
            while (Less(Cell(i), pivot) && i < last)
                ++i;
            while (Less(pivot, Cell(j)) && j > first)
                --j;
            if (i <= j) {
                std::swap(rowRec_[i - 1], rowRec_[j - 1]);
                ++i;
                --j;
            }
        }
        if (first < j) Sort(first, j);
        if (i < last) Sort(i, last);
    }

    const BrowseTable& table_;
    int fieldNo_;
    SortType type_;
    std::vector<int32_t> rowRec_;
};

struct SortCase {
    const char* name;
    const char* format;
    std::vector<std::string> cells;
    uint8_t dateOrder;
    std::vector<int32_t> expected; // empty: only the reference decides
};

// Cells drawn from a small pool, so that equal keys are common.
std::vector<std::string> PooledCells(std::vector<std::string> pool, int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::string> cells;
    for (int i = 0; i < count; ++i)
        cells.push_back(pool[random() % pool.size()]);
    return cells;
}

std::vector<int32_t> RowOrder(const BrowseTable& table) {
    std::vector<int32_t> order;
    for (long row = 1; row <= table.RecordCount(); ++row)
        order.push_back(table.RowRec(row));
    return order;
}

class SortMatchesReference : public testing::TestWithParam<SortCase> {};

TEST_P(SortMatchesReference, SameOrderAsReadingEveryCell) {
    const SortCase& c = GetParam();
    test::TempDir dir;
    TestDb db;
    db.AddField("KEY", 12, c.format).AddField("OTHER", 4, "A").SetDateOrder(c.dateOrder);
    for (size_t r = 0; r < c.cells.size(); ++r) {
        if (r == 1)
            db.AddDeletedRecord({c.cells[r], "x"});
        else
            db.AddRecord({c.cells[r], "x"});
    }
    auto file = DbFile::Open(MachineFileSystem(), db.Create(dir, "sort") + ".Tbd");
    ASSERT_TRUE(file);

    BrowseTable table(*file, {1, 2});
    table.SortByColumn(1);
    const std::vector<int32_t> order = RowOrder(table);
    EXPECT_EQ(order, ReferenceSort(table, 1).Run());
    if (!c.expected.empty()) {
        EXPECT_EQ(order, c.expected);
    }

    table.SortByColumn(0);
    for (long row = 1; row <= table.RecordCount(); ++row)
        EXPECT_EQ(table.RowRec(row), row);
}

const std::vector<std::string> kNumberPool = {"10", "9", "abc", "", "-1", "1,000", "9.0"};
const std::vector<std::string> kTextPool = {"", "10", "9", "abc", "Abc", "ab", "\xE9t\xE9", "z"};
const std::vector<std::string> kDatePool = {"01/02/2000", "02/01/2000", "31/12/1899", "12/31/1899",
                                            "oops",       "",           "15/06/1850", "29/02/2024"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Browse, SortMatchesReference,
    testing::ValuesIn(std::vector<SortCase>{
        // abc and the empty cell share the lowest key; their order is the partitioning's.
        {"NumberColumn", "N", {"10", "9", "abc", ""}, 1, {3, 4, 2, 1}},
        {"TextColumn", "A", {"10", "9", "abc", ""}, 1, {4, 1, 2, 3}},
        {"DateDayFirst", "D", {"02/01/1900", "junk", "01/01/1800", "31/12/1899"}, 1, {3, 2, 4, 1}},
        {"DateMonthFirst", "D", {"01/02/1900", "12/31/1899", "31/12/1899", "01/01/1800"}, 2,
         {4, 3, 2, 1}},
        {"YesNoAllEqual", "Y", {"Y", "N", "Y", "Y", "N", "N", "Y"}, 1, {}},
        {"ManyNumbers", "#", PooledCells(kNumberPool, 301, 1), 1, {}},
        {"ManyTexts", "=", PooledCells(kTextPool, 257, 2), 1, {}},
        {"ManyDatesDayFirst", "=D", PooledCells(kDatePool, 300, 3), 1, {}},
        {"ManyDatesMonthFirst", "D", PooledCells(kDatePool, 299, 4), 2, {}},
        {"OneRecord", "A", {"only"}, 1, {1}}}),
    test::NamedCase<SortCase>);
// clang-format on

TEST(BrowseTable, CellsAreTrimmedOnTheRightAndCutAtTheFirstLineEnd) {
    EXPECT_EQ(CellText("  ab  "), "  ab");
    EXPECT_EQ(CellText("one\r\ntwo"), "one");
    EXPECT_EQ(CellText("one \r\ntwo  "), "one ");
    EXPECT_EQ(CellText("     "), "");
    EXPECT_EQ(CellText("a\rb"), "a\rb");
}

TEST(BrowseTable, FieldsReachingOutsideTheRecordAreCutAndMissingRecordsAreEmpty) {
    test::TempDir dir;
    TestDb db;
    db.AddField("A", 4, "A")
        .AddField("B", 4, "A")
        .AddRecord({"abcd", "efgh"})
        .AddRecord({"ijkl", "mnop"});
    db.MutableHeader().Fields[1].Length = 30; // reaches past the record
    db.SetRecordCount(3);                     // one more than the file holds
    auto file = DbFile::Open(MachineFileSystem(), db.Create(dir, "odd") + ".Tbd");
    BrowseTable table(*file, {1, 2, 200});
    EXPECT_EQ(table.RowCells(1), (std::vector<std::string>{"abcd", "efgh", ""}));
    EXPECT_EQ(table.RowCells(3), (std::vector<std::string>{"", "", ""}));
    table.SortByColumn(2);
    EXPECT_EQ(RowOrder(table), (std::vector<int32_t>{3, 1, 2}));
}

} // namespace
} // namespace tabulo
