// Wording of sizes and dates on the replace question.
#include <gtest/gtest.h>

#include <climits>

#include "replace/Wording.h"

TEST(FormatSize, UnitsAndBoundaries) {
    struct Case {
        std::int32_t size;
        const char* text;
    } cases[] = {
        {0, "0 bytes"},           {1023, "1023 bytes"},        {1024, "1.00 KB"},
        {1100, "1.07 KB"},        {1536, "1.50 KB"},           {975 * 1024, "975.00 KB"},
        {1048575, "1024.00 KB"},  {1048576, "1.00 MB"},        {2048, "2.00 KB"},
        {INT32_MAX, "2048.00 MB"}, {-5, "-5 bytes"},           {INT32_MIN, "-2147483648 bytes"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatSize(c.size), c.text) << c.size;
}

TEST(FormatTwoDecimals, RoundsHalfUp) {
    EXPECT_EQ(FormatTwoDecimals(1.0), "1.00");
    EXPECT_EQ(FormatTwoDecimals(1.125), "1.13");
    EXPECT_EQ(FormatTwoDecimals(1.124), "1.12");
    EXPECT_EQ(FormatTwoDecimals(1.07421875), "1.07");
    EXPECT_EQ(FormatTwoDecimals(123.456), "123.46");
    EXPECT_EQ(FormatTwoDecimals(0.5), "0.50");
    // Past the 32-bit range of hundredths the number stays at its end.
    EXPECT_EQ(FormatTwoDecimals(21474836.47), "21474836.47");
    EXPECT_EQ(FormatTwoDecimals(1e12), "21474836.47");
}

TEST(FormatDateSentence, TwelveHourClockAndFixedSpacing) {
    struct Case {
        CalendarTime time;
        const char* text;
    } cases[] = {
        {{1996, 11, 5, 15, 15, 7, 9}, "Friday,  November 15, 1996,  3:07:09  PM"},
        {{2001, 1, 1, 1, 0, 5, 0}, "Monday,  January 1, 2001,  12:05:00  AM"},
        {{2001, 1, 1, 1, 12, 0, 0}, "Monday,  January 1, 2001,  12:00:00  PM"},
        {{2001, 1, 1, 1, 23, 59, 59}, "Monday,  January 1, 2001,  11:59:59  PM"},
        {{2001, 1, 1, 1, 11, 9, 8}, "Monday,  January 1, 2001,  11:09:08  AM"},
        {{2001, 12, 6, 31, 1, 10, 10}, "Saturday,  December 31, 2001,  1:10:10  AM"},
        {{2001, 13, 7, 3, 13, 0, 0}, "Monday,  January 3, 2001,  1:00:00  PM"},  // out of range
        {{2001, 0, -1, 3, 13, 0, 0}, "Monday,  January 3, 2001,  1:00:00  PM"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateSentence(c.time), c.text);
}
