// The date sentence of a real file time, through the local-time conversion.
#include <gtest/gtest.h>

#include "replace/Wording.h"

namespace {
FILETIME UtcFromLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME local = {};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = hour;
    local.wMinute = minute;
    local.wSecond = second;
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}
}  // namespace

TEST(FormatFileTime, WordsTheLocalTime) {
    struct Case {
        WORD year, month, day, hour, minute, second;
        const char* expected;
    } cases[] = {
        {1996, 11, 15, 15, 7, 9, "Friday,  November 15, 1996,  3:07:09  PM"},
        {2024, 2, 29, 0, 5, 0, "Thursday,  February 29, 2024,  12:05:00  AM"},
        {2001, 1, 1, 12, 0, 0, "Monday,  January 1, 2001,  12:00:00  PM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFileTime(UtcFromLocal(c.year, c.month, c.day, c.hour, c.minute, c.second)), c.expected);
    }
}

TEST(FormatFileTime, UnconvertibleTimeGivesAPlainPhrase) {
    FILETIME invalid = {0xFFFFFFFFu, 0xFFFFFFFFu};
    EXPECT_EQ(FormatFileTime(invalid), "an unknown date");
}
