// Scheduled events: the overview row, the event editor's reading of the bytes, and the bytes it
// stores, byte for byte.
#include <gtest/gtest.h>

#include "commands/scheduler.h"
#include "formats/calendar.h"
#include "imagecheck.h"

using namespace Scheduler;

namespace {
Image withEvent(int event, const Bytes& bytes) {
    Image image = zeroImage();
    std::copy(bytes.begin(), bytes.end(), image.begin() + eventOffset(event));
    return image;
}
Bytes bytesOf(const EventEditor& editor) {
    const auto e = editor.bytes();
    return Bytes(e.begin(), e.end());
}
}  // namespace

TEST(Calendar, WeekdayAndMonthTexts) {
    // clang-format off
    const struct { std::uint8_t byte; const char* weekday; const char* month; } cases[] = {
        {0x00, "Daily", "Error"},     {0x01, "Sunday", "January"}, {0x07, "Saturday", "July"},
        {0x08, "Weekdays", "August"}, {0x09, "Weekends", "September"},
        {0x0A, "Error", "Error"},     {0x10, "Error", "October"},  {0x12, "Error", "December"},
        {0x13, "Error", "Error"},     {0xFF, "Error", "Skip"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(weekdayText(c.byte), QString::fromLatin1(c.weekday)) << int(c.byte);
        EXPECT_EQ(monthText(c.byte), QString::fromLatin1(c.month)) << int(c.byte);
    }
}

TEST(SchedulerOverview, RowsAsShown) {
    // clang-format off
    const struct {
        Bytes event;
        OverviewRow row;  // number, time, day of week, month, day of month, command
    } cases[] = {
        {{0x00, 0x12, 0x03, 0x08, 0x30, 0x11, 0x10}, {" 7", "", "", "", "", ""}},
        {{0xFF, 0x00, 0x00, 0x08, 0x30, 0x11, 0x10}, {" 7", "08:30", "Daily", "Skip", "----", "1110"}},
        {{0xFF, 0x00, 0x09, 0xFF, 0x15, 0x50, 0x03}, {" 7", "----:15", "Weekends", "Skip", "----", "5003"}},
        {{0x12, 0x25, 0x00, 0x23, 0x59, 0x00, 0x00}, {" 7", "23:59", "----", "December", "25", "0000"}},
        {{0x13, 0x05, 0x00, 0x0A, 0x05, 0xFF, 0xFF}, {" 7", "A:05", "----", "Error", "5", "FFFF"}},
        {{0xFF, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00}, {" 7", "00:00", "Error", "Skip", "----", "0000"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const OverviewRow row = overviewRow(withEvent(7, c.event), 7);
        const QString got[] = {row.number, row.time,       row.dayOfWeek,
                               row.month,  row.dayOfMonth, row.command};
        const QString want[] = {c.row.number, c.row.time,       c.row.dayOfWeek,
                                c.row.month,  c.row.dayOfMonth, c.row.command};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], want[i]) << int(c.event[0]) << " col " << i;
    }
    EXPECT_EQ(eventTitle(40), QStringLiteral("Schedular Position 40"));
}

TEST(ScheduledEvent, EditsStoreTheControllersBytes) {
    // Each case opens an erased event 40 and edits it as the user would.
    // clang-format off
    const struct {
        const char* what;
        void (*edit)(EventEditor&);
        Bytes stored;
    } cases[] = {
        {"erased, cleared, OK: daily at 00:00", [](EventEditor& e) { e.setErased(false); },
         {0xFF, 0, 0, 0, 0, 0, 0}},
        {"daily at 08:30, command 1110",
         [](EventEditor& e) { e.setErased(false); e.setTime("0830"); e.setCommand("1110"); },
         {0xFF, 0, 0, 0x08, 0x30, 0x11, 0x10}},
        {"every hour at 15 on weekends",
         [](EventEditor& e) { e.setErased(false); e.chooseOption(DayOption::WeekendsOnly);
                              e.setEveryHour(true); e.setTime("15"); e.setCommand("5003"); },
         {0xFF, 0, 0x09, 0xFF, 0x15, 0x50, 0x03}},
        {"25 December", [](EventEditor& e) { e.setErased(false);
                              e.chooseOption(DayOption::SelectMonthDay); e.setMonth(11);
                              e.setDay(24); e.setTime("1200"); },
         {0x12, 0x25, 0, 0x12, 0x00, 0, 0}},
        {"every hour keeps four digits: the minute is the last two",
         [](EventEditor& e) { e.setErased(false); e.setTime("0830"); e.setEveryHour(true); },
         {0xFF, 0, 0, 0xFF, 0x30, 0, 0}},
        {"two digits without every hour are hour and minute",
         [](EventEditor& e) { e.setErased(false); e.setTime("15"); },
         {0xFF, 0, 0, 0x15, 0x15, 0, 0}},
        {"a month event keeps the weekday picked before",
         [](EventEditor& e) { e.setErased(false); e.chooseOption(DayOption::SelectWeekday);
                              e.setWeekday(3); e.chooseOption(DayOption::SelectMonthDay); },
         {0x01, 0x01, 4, 0, 0, 0, 0}},
        {"Wednesday", [](EventEditor& e) { e.setErased(false);
                              e.chooseOption(DayOption::SelectWeekday); e.setWeekday(3); },
         {0xFF, 0, 4, 0, 0, 0, 0}},
        {"erase ticked again writes zeros",
         [](EventEditor& e) { e.setErased(false); e.setTime("0830"); e.setErased(true); },
         {0, 0, 0, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image before = patternedImage();
        Image image = before;
        image[eventOffset(40)] = 0x00;
        const Image erased = image;
        EventEditor editor(image, 40);
        ASSERT_TRUE(editor.erased());
        c.edit(editor);
        EXPECT_EQ(bytesOf(editor), c.stored);
        editor.store(image);
        expectOnlyWritten(erased, image, 4571, c.stored);
    }
}

TEST(ScheduledEvent, OpensOnWhatIsStored) {
    // A weekday event on Tuesday, every hour at 45, command 1611.
    EventEditor weekday(withEvent(3, {0xFF, 0, 3, 0xFF, 0x45, 0x16, 0x11}), 3);
    EXPECT_FALSE(weekday.erased());
    EXPECT_EQ(weekday.option(), DayOption::SelectWeekday);
    EXPECT_EQ(weekday.weekday(), 2);
    EXPECT_TRUE(weekday.weekdayListShown());
    EXPECT_FALSE(weekday.monthDayListsShown());
    EXPECT_TRUE(weekday.everyHour());
    EXPECT_EQ(weekday.time(), QStringLiteral("45"));
    EXPECT_EQ(weekday.command(), QStringLiteral("1611"));
    EXPECT_EQ(weekday.reviewText(), QStringLiteral("Remote Base Transmit ON"));
    EXPECT_EQ(weekday.timeRequest(), (KeypadRequest{KeySet::Digits, 2, "Enter minutes",
                                                    QStringLiteral("45"), EntryCheck::TwoDigits}));

    // A daily event: "Select Weekday" was passed on the way, so Sunday stays picked in the hidden
    // list and a later switch to a month event stores 1 in byte 2.
    EventEditor daily(withEvent(3, {0xFF, 0, 0, 0x08, 0x30, 0, 0}), 3);
    EXPECT_EQ(daily.option(), DayOption::Daily);
    EXPECT_FALSE(daily.weekdayListShown());
    EXPECT_EQ(daily.time(), QStringLiteral("0830"));
    EXPECT_EQ(daily.timeRequest(), (KeypadRequest{KeySet::Digits, 4, "Enter Hours/Minutes",
                                                  QStringLiteral("0830"), EntryCheck::FourDigits}));
    daily.chooseOption(DayOption::SelectMonthDay);
    EXPECT_EQ(daily.bytes()[WeekdayByte], 1);

    // A month event with an unknown month code leaves January; day 0x31 is the 31st.
    EventEditor month(withEvent(3, {0x13, 0x31, 7, 0x10, 0x05, 0, 0}), 3);
    EXPECT_EQ(month.option(), DayOption::SelectMonthDay);
    EXPECT_EQ(month.month(), 0);
    EXPECT_EQ(month.day(), 30);
    EXPECT_EQ(month.weekday(), -1);
    EXPECT_EQ(month.commandRequest(),
              (KeypadRequest{KeySet::Digits, 4, "Schedular Command", QStringLiteral("0000"),
                             EntryCheck::FourDigits}));

    EventEditor erased(withEvent(3, {0x00, 0x12, 3, 0x08, 0x30, 0x11, 0x10}), 3);
    EXPECT_TRUE(erased.erased());
    EXPECT_EQ(erased.option(), DayOption::None);
    EXPECT_TRUE(erased.time().isEmpty());
    EXPECT_FALSE(erased.weekdayListShown() || erased.monthDayListsShown());
}

TEST(ScheduledEvent, RefusesTimesTheControllerCannotRun) {
    // clang-format off
    const struct { const char* time; bool everyHour; bool erased; const char* refusal; } cases[] = {
        {"",     false, false, nullptr},
        {"2359", false, false, nullptr},
        {"2400", false, false, "Error! The hour must be two digits from 00 to 23"},
        {"0860", false, false, "Error! The minutes must be two digits from 00 to 59"},
        {"9999", false, true,  nullptr},
        {"0830", true,  false, nullptr},
        {"75",   true,  false, "Error! The minutes must be two digits from 00 to 59"},
        {"08A",  false, false, "Error! The minutes must be two digits from 00 to 59"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EventEditor editor(withEvent(1, {0xFF, 0, 0, 0, 0, 0, 0}), 1);
        editor.setTime(QString::fromLatin1(c.time));
        editor.setEveryHour(c.everyHour);
        if (c.erased) editor.setErased(true);
        const auto refusal = editor.timeRefusal();
        if (c.refusal) {
            ASSERT_TRUE(refusal.has_value()) << c.time;
            EXPECT_EQ(*refusal, QString::fromLatin1(c.refusal)) << c.time;
        } else {
            EXPECT_FALSE(refusal.has_value()) << c.time;
        }
    }
}
