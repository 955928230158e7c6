#include "DateTestText.h"
#include "script/vbscript/runtime/DateFormat.h"
#include "script/vbscript/runtime/DateNames.h"
#include "script/vbscript/runtime/DateParse.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

using test::isoText;
constexpr int kThisYear = 2024;

struct ParseCase {
    const char* text;
    const char* dayFirst;   // result with date order 1
    const char* monthFirst; // result with date order 2
};

TEST(DateParse, NumericNamedAndTimeTextFollowTheDateOrder) {
    const ParseCase cases[] = {
        {"05/01/2024", "2024-01-05 00:00:00", "2024-05-01 00:00:00"},
        {"5/1/2024", "2024-01-05 00:00:00", "2024-05-01 00:00:00"},
        {"5.1.2024", "2024-01-05 00:00:00", "2024-05-01 00:00:00"},
        {"13/01/2024", "2024-01-13 00:00:00", "2024-01-13 00:00:00"},
        {"01/13/2024", "2024-01-13 00:00:00", "2024-01-13 00:00:00"},
        {"29/02/2024", "2024-02-29 00:00:00", "2024-02-29 00:00:00"},
        {"29/02/2023", "none", "none"},
        {"31/04/2024", "none", "none"},
        {"13/13/2024", "none", "none"},
        {"2024-01-05", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"2024/1/5", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"5/1/29", "2029-01-05 00:00:00", "2029-05-01 00:00:00"},
        {"5/1/30", "1930-01-05 00:00:00", "1930-05-01 00:00:00"},
        {"31/12/9999", "9999-12-31 00:00:00", "9999-12-31 00:00:00"},
        {"1/1/10000", "none", "none"},
        {"5/1", "2024-01-05 00:00:00", "2024-05-01 00:00:00"},
        {"5/2024", "2024-05-01 00:00:00", "2024-05-01 00:00:00"},
        {"1.5", "none", "none"},
        {"/5/1/2024", "none", "none"},
        {"5/1/2024/7", "none", "none"},
        {"45000", "none", "none"},
        {"", "none", "none"},
        {"abc", "none", "none"},
        {"5 Jan 2024", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"5-Jan-2024", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"January 5, 2024", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"Friday, January 5, 2024", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"2024 Jan 5", "2024-01-05 00:00:00", "2024-01-05 00:00:00"},
        {"SEPTEMBER 30 2023", "2023-09-30 00:00:00", "2023-09-30 00:00:00"},
        {"Jan 2024", "2024-01-01 00:00:00", "2024-01-01 00:00:00"},
        {"31-Jan-10", "2010-01-31 00:00:00", "2010-01-31 00:00:00"},
        {"30 Feb 2024", "none", "none"},
        {"5 Ja 2024", "none", "none"},
        {"January", "none", "none"},
        {"5 Jan 2024 Friday", "none", "none"},
        {"13:45", "1899-12-30 13:45:00", "1899-12-30 13:45:00"},
        {"13:45:30", "1899-12-30 13:45:30", "1899-12-30 13:45:30"},
        {"1:45 PM", "1899-12-30 13:45:00", "1899-12-30 13:45:00"},
        {"12:00 AM", "1899-12-30 00:00:00", "1899-12-30 00:00:00"},
        {"5 PM", "1899-12-30 17:00:00", "1899-12-30 17:00:00"},
        {"05/01/2024 13:45:30", "2024-01-05 13:45:30", "2024-05-01 13:45:30"},
        {"13:45 05/01/2024", "2024-01-05 13:45:00", "2024-05-01 13:45:00"},
        {"2/20/1909 8:09:36 AM", "1909-02-20 08:09:36", "1909-02-20 08:09:36"},
        {"24:00", "none", "none"},
        {"12:60", "none", "none"},
        {"13:00 PM", "none", "none"},
        {"0:30 AM", "none", "none"},
        {"10:00 11:00", "none", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isoText(parseDate(c.text, kDayFirst, kThisYear)), c.dayFirst) << c.text;
        EXPECT_EQ(isoText(parseDate(c.text, kMonthFirst, kThisYear)), c.monthFirst) << c.text;
    }
    EXPECT_DOUBLE_EQ(*parseDate("12:00", kDayFirst, kThisYear), 0.5);
    EXPECT_DOUBLE_EQ(*parseDate("2/20/1909 8:09:36 AM", kMonthFirst, kThisYear), 3339.34);
}

TEST(DateParse, CDateReadsNumbersAsSerialsAndLiteralsMonthFirst) {
    EXPECT_EQ(isoText(textToDate("1", kDayFirst, kThisYear)), "1899-12-31 00:00:00");
    EXPECT_EQ(isoText(textToDate(" -1.25 ", kDayFirst, kThisYear)), "1899-12-29 06:00:00");
    EXPECT_EQ(isoText(textToDate("5/1/2024", kDayFirst, kThisYear)), "2024-01-05 00:00:00");
    EXPECT_FALSE(textToDate("3000000", kDayFirst, kThisYear));
    EXPECT_FALSE(textToDate("", kDayFirst, kThisYear));
    EXPECT_FALSE(parseDate("1", kDayFirst, kThisYear)); // IsDate("1") is False
    // Date literals are always month first.
    EXPECT_EQ(isoText(parseDateLiteral("1/5/2024", kThisYear)), "2024-01-05 00:00:00");
    EXPECT_EQ(isoText(parseDateLiteral("2024-01-05 10:30", kThisYear)), "2024-01-05 10:30:00");
    EXPECT_EQ(isoText(parseDateLiteral("13/1/2024", kThisYear)), "2024-01-13 00:00:00");
}

struct FormatCase {
    double serial;
    NamedFormat format;
    const char* dayFirst;
    const char* monthFirst;
};

TEST(DateFormat, NamedFormatsInBothDateOrders) {
    using F = NamedFormat;
    const FormatCase cases[] = {
        {45296.0, F::GeneralDate, "05/01/2024", "01/05/2024"},
        {45296.75, F::GeneralDate, "05/01/2024 18:00:00", "01/05/2024 18:00:00"},
        {0.5, F::GeneralDate, "12:00:00", "12:00:00"},
        {-1.25, F::GeneralDate, "29/12/1899 06:00:00", "12/29/1899 06:00:00"},
        {-657434.0, F::GeneralDate, "01/01/0100", "01/01/0100"},
        {45296.75, F::LongDate, "Friday, 5 January 2024", "Friday, January 5, 2024"},
        {45351.0, F::LongDate, "Thursday, 29 February 2024", "Thursday, February 29, 2024"},
        {45296.75, F::ShortDate, "05/01/2024", "01/05/2024"},
        {45296.75, F::LongTime, "18:00:00", "18:00:00"},
        {45296.0 + 13.0 / 24 + 5.0 / 1440 + 59.0 / 86400, F::LongTime, "13:05:59", "13:05:59"},
        {45296.0 + 13.0 / 24 + 5.0 / 1440 + 59.0 / 86400, F::ShortTime, "13:05", "13:05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatDateTime(c.serial, c.format, kDayFirst).value_or("none"), c.dayFirst)
            << c.serial;
        EXPECT_EQ(formatDateTime(c.serial, c.format, kMonthFirst).value_or("none"), c.monthFirst)
            << c.serial;
    }
    EXPECT_FALSE(dateToString(3e6, kDayFirst));
}

TEST(DateFormat, FormattedTextParsesBackToTheSameSerial) {
    for (int order : {kDayFirst, kMonthFirst})
        for (double serial : {45296.0, 45296.75, 0.25, -1.25, 45351.5}) {
            for (auto format : {NamedFormat::GeneralDate, NamedFormat::LongDate}) {
                const auto text = formatDateTime(serial, format, order);
                ASSERT_TRUE(text);
                const auto back = parseDate(*text, order, kThisYear);
                ASSERT_TRUE(back) << *text;
                const double expected =
                    format == NamedFormat::LongDate ? datePartOf(serial) : serial;
                EXPECT_DOUBLE_EQ(*back, expected) << *text;
            }
        }
}

TEST(DateNames, MonthAndWeekdayNames) {
    EXPECT_EQ(monthName(1, false), "January");
    EXPECT_EQ(monthName(13, false), "");
    EXPECT_EQ(weekdayName(1, false), "Sunday");
    EXPECT_EQ(weekdayName(1, false, 2), "Monday");
    EXPECT_EQ(weekdayName(3, true, 0), "Tue");
    EXPECT_EQ(weekdayName(0, false), "");
    EXPECT_EQ(weekdayName(1, false, 8), "");
    EXPECT_EQ(monthFromName("sept"), 9);
    EXPECT_FALSE(monthFromName("Decembers"));
    EXPECT_EQ(weekdayFromName("thurs"), 5);
}

} // namespace
} // namespace tabulo::vbs::rt
