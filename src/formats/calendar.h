// The scheduler's date tables: weekday names, month names with the month codes the controller
// stores, day codes, and the decoders of a scheduled event's weekday and month bytes.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace Calendar {

// Positions 1..7 in the controller's weekday byte: Sunday = 1.
inline constexpr std::array<const char*, 7> WeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

struct Month {
    const char* name;
    std::uint8_t code;  // the month number as a packed digit pair
};
inline constexpr std::array<Month, 12> Months = {{
    {"January", 0x01},
    {"February", 0x02},
    {"March", 0x03},
    {"April", 0x04},
    {"May", 0x05},
    {"June", 0x06},
    {"July", 0x07},
    {"August", 0x08},
    {"September", 0x09},
    {"October", 0x10},
    {"November", 0x11},
    {"December", 0x12},
}};

inline constexpr int DayCount = 31;
// The day of the month (1..31) as the controller stores it: a packed digit pair.
constexpr std::uint8_t dayCode(int day) {
    return static_cast<std::uint8_t>(day / 10 * 16 + day % 10);
}

// Weekday byte values beyond the seven days.
inline constexpr std::uint8_t DailyCode = 0;
inline constexpr std::uint8_t WeekdaysCode = 8;
inline constexpr std::uint8_t WeekendsCode = 9;
// The month byte of an event chosen by weekday.
inline constexpr std::uint8_t ByWeekday = 0xFF;

inline constexpr char Daily[] = "Daily";
inline constexpr char Weekdays[] = "Weekdays";
inline constexpr char Weekends[] = "Weekends";
inline constexpr char Skip[] = "Skip";
inline constexpr char Error[] = "Error";

static_assert(dayCode(9) == 0x09 && dayCode(10) == 0x10 && dayCode(31) == 0x31);

}  // namespace Calendar

// "Daily", a weekday name, "Weekdays", "Weekends", or "Error" for any other byte.
QString weekdayText(std::uint8_t byte);
// The day-of-month byte as shown: upper-case hexadecimal without a leading zero, so a packed day
// reads as the day entered ("25" for 0x25) and any other byte still shows what is stored.
QString dayOfMonthText(std::uint8_t byte);
// "Skip" for an event chosen by weekday, the month name of a month code, else "Error".
QString monthText(std::uint8_t byte);
