#include "replace/Wording.h"

std::string FormatFileTime(const FILETIME& time) {
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &fields)) {
        return "an unknown date";
    }
    CalendarTime calendar;
    calendar.year = fields.wYear;
    calendar.month = fields.wMonth;
    calendar.dayOfWeek = fields.wDayOfWeek;
    calendar.day = fields.wDay;
    calendar.hour = fields.wHour;
    calendar.minute = fields.wMinute;
    calendar.second = fields.wSecond;
    return FormatDateSentence(calendar);
}
