// The scheduler's forty events: where each lies, what the overview shows of it, and the event
// editor's state (days, time, command) with the bytes it stores.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "core/image.h"
#include "core/regions.h"
#include "formats/keypadrequest.h"

namespace Scheduler {

inline constexpr int EventCount = 40;
inline constexpr int GroupSize = 10;
inline constexpr int GroupCount = Region::SchedulerGroupCount;
inline constexpr int EventSize = Region::SchedulerGroupSize / GroupSize;
static_assert(EventSize == 7 && GroupSize * GroupCount == EventCount);

// Event n (1..40).
constexpr int eventOffset(int n) { return Region::Scheduler + EventSize * (n - 1); }
static_assert(eventOffset(40) == 4571 && eventOffset(40) + EventSize == 4578);

// Byte positions inside an event.
inline constexpr int MonthByte = 0;
inline constexpr int DayByte = 1;
inline constexpr int WeekdayByte = 2;
inline constexpr int HourByte = 3;
inline constexpr int MinuteByte = 4;
inline constexpr int OpcodeByte = 5;
inline constexpr int ArgumentByte = 6;
inline constexpr std::uint8_t Erased = 0x00;
inline constexpr std::uint8_t EveryHourCode = 0xFF;

// The overview.
inline constexpr char OverviewTitle[] = "ORVANE Scheduler";
inline constexpr char GroupFrame[] = "Scheduler Group";
inline constexpr std::array<const char*, GroupCount> GroupOptions = {"1-10", "11-20", "21-30",
                                                                     "31-40"};
inline constexpr std::array<const char*, 4> ColumnCaptions = {"Time", "Day Of Week",
                                                              "Month/Day Of Year", "Cmd"};
// The overview's five value columns by name (the month and the day of the month stand under one
// caption), as the printed listing heads them; the field keys are made from them.
inline constexpr std::array<const char*, 5> ColumnHeadings = {"Time", "Day Of Week", "Month",
                                                              "Day Of Month", "Command"};
// The columns' key words, in the same order.
inline constexpr std::array<const char*, ColumnHeadings.size()> ColumnKeys = {
    "time", "day-of-week", "month", "day-of-month", "command"};
inline constexpr char NotApplicable[] = "----";
inline constexpr char EveryHourTime[] = "----:";

// The event dialog.
inline constexpr char EventTitle[] = "Schedular Position";
inline constexpr char EraseCaption[] = "Erase(d) Location";
inline constexpr char EveryHourCaption[] = "Every Hour";
inline constexpr char EventFrame[] = "Scheduled Event";
inline constexpr std::array<const char*, 5> DayOptionCaptions = {
    "Daily", "Weekdays Only", "Weekends Only", "Select Weekday", "Select Month / Day"};
inline constexpr std::array<const char*, 3> FieldCaptions = {"Scheduled Time", "Command",
                                                             "Command Review"};
inline constexpr char TimeHeading[] = "Enter Hours/Minutes";
inline constexpr char MinutesHeading[] = "Enter minutes";
inline constexpr char CommandHeading[] = "Schedular Command";
// The controller cannot run an event at an hour above 23 or a minute above 59.
inline constexpr char TimeRefusalTitle[] = "Scheduled Time";
inline constexpr char HourRefused[] = "Error! The hour must be two digits from 00 to 23";
inline constexpr char MinuteRefused[] = "Error! The minutes must be two digits from 00 to 59";

// What a stored event says, decoded once for the overview and the printed listing, which show it
// each in their own words. Nothing for an erased event.
struct EventTexts {
    bool everyHour = false;
    QString hour;  // two digits, empty for every hour
    QString minute;
    bool byWeekday = false;  // then the weekday counts, else the day of the month
    QString weekday;
    QString month;
    QString dayOfMonth;
    QString command;
};
std::optional<EventTexts> eventTexts(const Image& image, int event);

// One row of the overview, as shown.
struct OverviewRow {
    QString number;  // with one leading space
    QString time;
    QString dayOfWeek;
    QString month;
    QString dayOfMonth;
    QString command;
};
OverviewRow overviewRow(const Image& image, int event);
// The row's value columns in the order of ColumnHeadings.
inline constexpr std::array<QString OverviewRow::*, ColumnHeadings.size()> OverviewColumns = {
    &OverviewRow::time, &OverviewRow::dayOfWeek, &OverviewRow::month, &OverviewRow::dayOfMonth,
    &OverviewRow::command};
// "Schedular Position" followed by one space and the event number.
QString eventTitle(int event);

enum class DayOption { Daily, WeekdaysOnly, WeekendsOnly, SelectWeekday, SelectMonthDay, None };

// Stores event n as the event dialog's "OK" stores the choices that make the overview show
// `columns` (time, day of week, month, day of month, command, as OverviewColumns orders them):
// all of them empty erase it. Nothing written, and the reason, when no choices of the dialog
// show them or "OK" would refuse the time.
std::optional<QString> storeOverview(Image& image, int n,
                                     const std::array<QString, ColumnHeadings.size()>& columns);

// What the event dialog shows and holds for one event: read from the image once, when the dialog
// opens, and written back only by store().
class EventEditor {
public:
    EventEditor(const Image& image, int event);

    int event() const { return m_event; }
    bool erased() const { return m_erased; }
    bool everyHour() const { return m_everyHour; }
    DayOption option() const { return m_option; }
    // List positions, -1 for nothing selected.
    int weekday() const { return m_weekday; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    bool weekdayListShown() const { return !m_erased && m_option == DayOption::SelectWeekday; }
    bool monthDayListsShown() const { return !m_erased && m_option == DayOption::SelectMonthDay; }
    QString time() const { return m_time; }
    QString command() const { return m_command; }
    QString reviewText() const;

    // A different option shows its lists with their first entry selected; the same does nothing.
    void chooseOption(DayOption option);
    // Ticked: nothing but the box itself shows and no option is chosen; cleared: "Daily".
    void setErased(bool erased);
    void setEveryHour(bool everyHour) { m_everyHour = everyHour; }
    void setWeekday(int position) { m_weekday = position; }
    void setMonth(int position) { m_month = position; }
    void setDay(int position) { m_day = position; }
    void setTime(const QString& digits) { m_time = digits; }
    // The command field's text; the working command takes its first and last two digits.
    void setCommand(const QString& digits);

    KeypadRequest timeRequest() const;
    KeypadRequest commandRequest() const;
    // Why "OK" cannot store the time as it stands, or nothing when it can.
    std::optional<QString> timeRefusal() const;

    std::array<std::uint8_t, EventSize> bytes() const;
    void store(Image& image) const;

private:
    int m_event;
    bool m_erased = false;
    bool m_everyHour = false;
    DayOption m_option = DayOption::Daily;
    int m_weekday = -1;
    int m_month = -1;
    int m_day = -1;
    QString m_time;
    QString m_command;
    std::uint8_t m_opcode = 0;
    std::uint8_t m_argument = 0;
};

}  // namespace Scheduler
