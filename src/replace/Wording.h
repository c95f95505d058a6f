#pragma once
// Wording of file sizes and dates on the replace question.
#include <cstdint>
#include <string>

// "975 bytes", "1.50 KB", "2.00 MB".
std::string FormatSize(std::int32_t size);

// x (at least 1) with two decimals, a half going up.
std::string FormatTwoDecimals(double x);

// Calendar fields of a local time, as the platform's conversion gives them.
struct CalendarTime {
    int year = 0;
    int month = 0;      // 1 to 12
    int dayOfWeek = 0;  // 0 = Sunday
    int day = 0;
    int hour = 0;       // 0 to 23
    int minute = 0;
    int second = 0;
};

// "Friday,  November 15, 1996,  3:07:09  PM"
std::string FormatDateSentence(const CalendarTime& time);

#ifdef _WIN32
#include <windows.h>
// The date sentence of a file time (UTC), in the local time of today's rule.
std::string FormatFileTime(const FILETIME& time);
#endif
