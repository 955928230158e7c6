#include "DateTestText.h"
#include "script/vbscript/runtime/DateSerial.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

using test::isoText;

TEST(DateSerial, KnownSerialsMapToTheirCalendarMoments) {
    struct Case {
        double serial;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "1899-12-30 00:00:00"},         {1.0, "1899-12-31 00:00:00"},
        {2.0, "1900-01-01 00:00:00"},         {36526.5, "2000-01-01 12:00:00"},
        {45292.0, "2024-01-01 00:00:00"},     {45351.0, "2024-02-29 00:00:00"},
        {3339.34, "1909-02-20 08:09:36"},     {-0.5, "1899-12-30 12:00:00"},
        {-1.0, "1899-12-29 00:00:00"},        {-1.25, "1899-12-29 06:00:00"},
        {-2.75, "1899-12-28 18:00:00"},       {-657434.0, "0100-01-01 00:00:00"},
        {2958465.0, "9999-12-31 00:00:00"},   {0.99999999, "1899-12-31 00:00:00"},
        {-657434.999, "0100-01-01 23:58:34"}, {3.34, "1900-01-02 08:09:36"},
        {-49192.24, "1765-04-24 05:45:36"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isoText(c.serial), c.expected) << c.serial;
}

TEST(DateSerial, SerialsOutsideYears100To9999AreInvalid) {
    for (double serial : {-657435.0, 2958466.0, 2958465.999999999, 1e300, -1e300})
        EXPECT_FALSE(splitDate(serial)) << serial;
    EXPECT_TRUE(isValidSerial(2958465.99998));
    EXPECT_TRUE(isValidSerial(-657434.99998));
}

TEST(DateSerial, MakeDateIsTheInverseOfSplitDateIncludingNegativeSerials) {
    for (double serial : {45296.75, -1.25, -657433.5, 2958465.5, 0.25, 1.0}) {
        const auto parts = splitDate(serial);
        ASSERT_TRUE(parts);
        ASSERT_TRUE(makeDate(*parts));
        EXPECT_DOUBLE_EQ(*makeDate(*parts), serial);
    }
    EXPECT_FALSE(makeDate({2023, 2, 29}));
    EXPECT_FALSE(makeDate({2024, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(makeDate({99, 12, 31}));
}

TEST(DateSerial, WeekdaysCountFromTheFirstDayOfTheWeek) {
    EXPECT_EQ(weekdayOf(0), 7); // 30/12/1899 was a Saturday
    EXPECT_EQ(weekdayOf(45296), 6);
    EXPECT_EQ(weekdayOf(45296, 2), 5); // Friday counted from Monday
    EXPECT_EQ(weekdayOf(45298, 0), 1); // system first day is Sunday
}

TEST(DateSerial, DateSerialNormalisesOutOfRangeParts) {
    struct Case {
        int year, month, day;
        const char* expected;
    };
    const Case cases[] = {
        {2024, 1, 5, "2024-01-05 00:00:00"},
        {2024, 13, 1, "2025-01-01 00:00:00"},
        {2024, 3, 0, "2024-02-29 00:00:00"},
        {2024, 0, 1, "2023-12-01 00:00:00"},
        {2024, 1, -1, "2023-12-30 00:00:00"},
        {1990 - 10, 8 - 2, 1 - 1, "1980-05-31 00:00:00"},
        {24, 1, 1, "2024-01-01 00:00:00"},
        {30, 1, 1, "1930-01-01 00:00:00"},
        {99, 13, 1, "2000-01-01 00:00:00"},
        {2024, 25, 366, "2027-01-01 00:00:00"},
        {100, 1, 0, "none"},
        {9999, 12, 32, "none"},
        {32767, 32767, 32767, "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isoText(dateSerial(c.year, c.month, c.day)), c.expected)
            << c.year << "," << c.month << "," << c.day;
}

TEST(DateSerial, TimeSerialSumsItsPartsAcrossDays) {
    struct Case {
        int hour, minute, second;
        const char* expected;
    };
    const Case cases[] = {
        {13, 45, 30, "1899-12-30 13:45:30"}, {12 - 6, -15, 0, "1899-12-30 05:45:00"},
        {0, 90, 0, "1899-12-30 01:30:00"},   {25, 0, 0, "1899-12-31 01:00:00"},
        {0, 0, -1, "1899-12-29 23:59:59"},   {-1, 0, 0, "1899-12-29 23:00:00"},
        {0, 0, 0, "1899-12-30 00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isoText(timeSerial(c.hour, c.minute, c.second)), c.expected)
            << c.hour << ":" << c.minute << ":" << c.second;
    EXPECT_DOUBLE_EQ(*timeSerial(12, 0, 0), 0.5);
}

TEST(DateSerial, DateAndTimePartsOfASerial) {
    EXPECT_DOUBLE_EQ(datePartOf(45296.75), 45296.0);
    EXPECT_DOUBLE_EQ(timePartOf(45296.75), 0.75);
    EXPECT_DOUBLE_EQ(datePartOf(-1.25), -1.0);
    EXPECT_DOUBLE_EQ(timePartOf(-1.25), 0.25);
    EXPECT_FALSE(isValidSerial(datePartOf(1e300))); // defined, and still invalid
    EXPECT_FALSE(isValidSerial(datePartOf(std::nan(""))));
}

} // namespace
} // namespace tabulo::vbs::rt
