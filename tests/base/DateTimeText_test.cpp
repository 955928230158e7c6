#include "base/DateTimeText.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(DateTimeText, FollowsTheDateOrderAndPadsWithZeros) {
    const LocalTime t{987, 1, 2, 3, 4, 5};
    EXPECT_EQ(DateText(t, 1), "02/01/0987");
    EXPECT_EQ(DateText(t, 0), "02/01/0987");
    EXPECT_EQ(DateText(t, 2), "01/02/0987");
    EXPECT_EQ(TimeText(t), "03:04:05");
    EXPECT_EQ(TimeText({2024, 12, 31, 23, 59, 59}), "23:59:59");
}

} // namespace
} // namespace tabulo
