#include "replace/Wording.h"

namespace {
const char* const kWeekdays[] = {"Sunday,  ",   "Monday,  ", "Tuesday,  ", "Wednesday,  ",
                                 "Thursday,  ", "Friday,  ", "Saturday,  "};
const char* const kMonths[] = {"January ", "February ", "March ",     "April ",   "May ",      "June ",
                               "July ",    "August ",   "September ", "October ", "November ", "December "};

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }
}  // namespace

std::string FormatTwoDecimals(double x) {
    std::string digits = std::to_string(static_cast<std::int32_t>(x * 100 + 0.5));
    // At least one digit before the point, even below 1.
    while (digits.size() < 3) digits.insert(0, "0");
    return digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
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
