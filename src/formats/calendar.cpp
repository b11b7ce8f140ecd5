#include "formats/calendar.h"

QString weekdayText(std::uint8_t byte) {
    using namespace Calendar;
    if (byte == DailyCode) return QLatin1String(Daily);
    if (byte <= WeekdayNames.size()) return QLatin1String(WeekdayNames[byte - 1]);
    if (byte == WeekdaysCode) return QLatin1String(Weekdays);
    if (byte == WeekendsCode) return QLatin1String(Weekends);
    return QLatin1String(Error);
}

QString dayOfMonthText(std::uint8_t byte) { return QString::number(byte, 16).toUpper(); }

QString monthText(std::uint8_t byte) {
    using namespace Calendar;
    if (byte == ByWeekday) return QLatin1String(Skip);
    for (const Month& month : Months)
        if (month.code == byte) return QLatin1String(month.name);
    return QLatin1String(Error);
}
