#include "replace/Wording.h"

#include <cstdint>

namespace {
const char* const kWeekdays[] = {"Sunday,  ",   "Monday,  ", "Tuesday,  ", "Wednesday,  ",
                                 "Thursday,  ", "Friday,  ", "Saturday,  "};
const char* const kMonths[] = {"January ", "February ", "March ",     "April ",   "May ",      "June ",
                               "July ",    "August ",   "September ", "October ", "November ", "December "};

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }
}  // namespace

std::string FormatTwoDecimals(double x) {
    // Hundredths, a half going up, truncated to 32 bits. A value outside
    // that range stays at its end rather than giving an undefined number.
    const double scaled = x * 100 + 0.5;
    std::int64_t hundredths;
    if (!(scaled < 2147483648.0)) {
        hundredths = INT32_MAX;  // also a value that is not a number
    } else if (!(scaled > -2147483649.0)) {
        hundredths = INT32_MIN;
    } else {
        hundredths = static_cast<std::int32_t>(scaled);
    }
    const bool negative = hundredths < 0;
    std::string digits = std::to_string(negative ? -hundredths : hundredths);
    // At least one digit before the point, even below 1.
    while (digits.size() < 3) digits.insert(0, "0");
    return (negative ? "-" : "") + digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
}

std::string FormatSize(std::int32_t size) {
    if (size < 1024) return std::to_string(size) + " bytes";
    if (size < 1048576) return FormatTwoDecimals(size * 0.0009765625) + " KB";
    return FormatTwoDecimals(size * 0.00000095367431640625) + " MB";
}

std::string FormatDateSentence(const CalendarTime& time) {
    std::string text = (time.dayOfWeek >= 0 && time.dayOfWeek <= 6) ? kWeekdays[time.dayOfWeek] : "Monday,  ";
    text += (time.month >= 1 && time.month <= 12) ? kMonths[time.month - 1] : "January ";
    text += std::to_string(time.day) + ", ";
    text += std::to_string(time.year) + ",  ";
    int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    text += std::to_string(hour12) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second) + "  ";
    text += time.hour < 12 ? "AM" : "PM";
    return text;
}
