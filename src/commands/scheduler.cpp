#include "commands/scheduler.h"

#include <algorithm>

#include "formats/calendar.h"
#include "formats/commands.h"
#include "formats/dtmfcodec.h"
#include "formats/keypadrules.h"

namespace Scheduler {

namespace {

// Two decimal digits, 00..max.
bool twoDigitsUpTo(const QString& text, int max) {
    if (text.size() != 2 || !text.at(0).isDigit() || !text.at(1).isDigit()) return false;
    return text.toInt() <= max;
}

}  // namespace

std::optional<EventTexts> eventTexts(const Image& image, int event) {
    const std::uint8_t* e = image.data() + eventOffset(event);
    if (e[MonthByte] == Erased) return std::nullopt;
    EventTexts texts;
    texts.everyHour = e[HourByte] == EveryHourCode;
    if (!texts.everyHour) texts.hour = commandByteDigits(e[HourByte]);
    texts.minute = commandByteDigits(e[MinuteByte]);
    texts.byWeekday = e[MonthByte] == Calendar::ByWeekday;
    texts.weekday = weekdayText(e[WeekdayByte]);
    texts.month = monthText(e[MonthByte]);
    texts.dayOfMonth = dayOfMonthText(e[DayByte]);
    texts.command = commandDigits(e[OpcodeByte], e[ArgumentByte]);
    return texts;
}

OverviewRow overviewRow(const Image& image, int event) {
    OverviewRow row;
    row.number = QLatin1Char(' ') + QString::number(event);
    const std::optional<EventTexts> e = eventTexts(image, event);
    if (!e) return row;
    row.month = e->month;
    row.dayOfWeek = e->byWeekday ? e->weekday : QLatin1String(NotApplicable);
    row.dayOfMonth = e->byWeekday ? QLatin1String(NotApplicable) : e->dayOfMonth;
    row.time = e->everyHour ? QLatin1String(EveryHourTime) + e->minute
                            : e->hour + QLatin1Char(':') + e->minute;
    row.command = e->command;
    return row;
}

QString eventTitle(int event) {
    return QLatin1String(EventTitle) + QLatin1Char(' ') + QString::number(event);
}

EventEditor::EventEditor(const Image& image, int event) : m_event(event) {
    const std::uint8_t* e = image.data() + eventOffset(event);
    // The dialog opens on "Daily" with nothing selected in its lists, then shows the event.
    if (e[MonthByte] == Erased) {
        setErased(true);
        return;
    }
    if (e[MonthByte] == Calendar::ByWeekday) {
        chooseOption(DayOption::SelectWeekday);
        const int weekday = e[WeekdayByte];
        if (weekday == Calendar::DailyCode)
            chooseOption(DayOption::Daily);
        else if (weekday <= int(Calendar::WeekdayNames.size()))
            m_weekday = weekday - 1;
        else if (weekday == Calendar::WeekdaysCode)
            chooseOption(DayOption::WeekdaysOnly);
        else if (weekday == Calendar::WeekendsCode)
            chooseOption(DayOption::WeekendsOnly);
    } else {
        chooseOption(DayOption::SelectMonthDay);
        for (int i = 0; i < int(Calendar::Months.size()); ++i)
            if (Calendar::Months[i].code == e[MonthByte]) m_month = i;
        for (int d = 1; d <= Calendar::DayCount; ++d)
            if (Calendar::dayCode(d) == e[DayByte]) m_day = d - 1;
    }
    m_everyHour = e[HourByte] == EveryHourCode;
    m_time = (m_everyHour ? QString() : commandByteDigits(e[HourByte])) +
             commandByteDigits(e[MinuteByte]);
    m_opcode = e[OpcodeByte];
    m_argument = e[ArgumentByte];
    m_command = commandDigits(m_opcode, m_argument);
}

QString EventEditor::reviewText() const { return commandText(m_opcode, m_argument); }

void EventEditor::chooseOption(DayOption option) {
    if (option == m_option) return;
    m_option = option;
    if (option == DayOption::SelectWeekday) m_weekday = 0;
    if (option == DayOption::SelectMonthDay) {
        m_month = 0;
        m_day = 0;
    }
}

void EventEditor::setErased(bool erased) {
    m_erased = erased;
    if (erased)
        m_option = DayOption::None;
    else
        chooseOption(DayOption::Daily);
}

void EventEditor::setCommand(const QString& digits) {
    m_command = digits;
    m_opcode = Dtmf::packDigitPair(digits.left(2));
    m_argument = Dtmf::packDigitPair(digits.right(2));
}

KeypadRequest EventEditor::timeRequest() const {
    if (m_everyHour)
        return {KeySet::Digits, 2, QLatin1String(MinutesHeading), m_time, EntryCheck::TwoDigits};
    return {KeySet::Digits, 4, QLatin1String(TimeHeading), m_time, EntryCheck::FourDigits};
}

KeypadRequest EventEditor::commandRequest() const {
    return {KeySet::Digits, 4, QLatin1String(CommandHeading), m_command, EntryCheck::FourDigits};
}

std::optional<QString> EventEditor::timeRefusal() const {
    if (m_erased || m_time.isEmpty()) return std::nullopt;
    if (!m_everyHour && !twoDigitsUpTo(m_time.left(2), 23)) return QLatin1String(HourRefused);
    if (!twoDigitsUpTo(m_time.right(2), 59)) return QLatin1String(MinuteRefused);
    return std::nullopt;
}

std::array<std::uint8_t, EventSize> EventEditor::bytes() const {
    std::array<std::uint8_t, EventSize> e{};
    if (m_erased) return e;
    e[MonthByte] = Calendar::ByWeekday;
    switch (m_option) {
        case DayOption::WeekdaysOnly:
            e[WeekdayByte] = Calendar::WeekdaysCode;
            break;
        case DayOption::WeekendsOnly:
            e[WeekdayByte] = Calendar::WeekendsCode;
            break;
        case DayOption::SelectWeekday:
            e[WeekdayByte] = static_cast<std::uint8_t>(std::max(m_weekday, 0) + 1);
            break;
        case DayOption::SelectMonthDay:
            e[MonthByte] = Calendar::Months[std::clamp(m_month, 0, 11)].code;
            e[DayByte] = Calendar::dayCode(std::clamp(m_day, 0, Calendar::DayCount - 1) + 1);
            // The controller does not read it back; the weekday picked earlier in the dialog, if
            // any, is stored as its list position + 1.
            e[WeekdayByte] = static_cast<std::uint8_t>(m_weekday + 1);
            break;
        case DayOption::Daily:
        case DayOption::None:
            break;
    }
    e[HourByte] = m_everyHour ? EveryHourCode : Dtmf::packDigitPair(m_time.left(2));
    e[MinuteByte] = Dtmf::packDigitPair(m_time.right(2));
    e[OpcodeByte] = m_opcode;
    e[ArgumentByte] = m_argument;
    return e;
}

void EventEditor::store(Image& image) const {
    const auto e = bytes();
    std::copy(e.begin(), e.end(), image.begin() + eventOffset(m_event));
}

std::optional<QString> storeOverview(Image& image, int n,
                                     const std::array<QString, ColumnHeadings.size()>& columns) {
    const auto shows = [&](const EventEditor& editor) {
        Image trial = image;
        editor.store(trial);
        const OverviewRow row = overviewRow(trial, n);
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (row.*OverviewColumns[c] != columns[c]) return false;
        return true;
    };
    EventEditor editor(image, n);
    if (std::all_of(columns.begin(), columns.end(), [](const QString& c) { return c.isEmpty(); })) {
        editor.setErased(true);
        editor.store(image);
        return std::nullopt;
    }
    // The time as the keypad takes it: "HHMM", or the minutes alone for every hour.
    const QString& time = columns[0];
    const bool everyHour = time.startsWith(QLatin1String(EveryHourTime));
    const QString digits =
        everyHour ? time.mid(int(qstrlen(EveryHourTime))) : QString(time).remove(QLatin1Char(':'));
    editor.setErased(false);
    editor.setEveryHour(everyHour);
    // Typed on the keypad as the dialog asks for them; a refusal names its column and its form.
    const auto keypadRefusal = [](const KeypadRequest& request, const QString& typed,
                                  const char* column, const QString& form) {
        const std::optional<Keypad::Refusal> refusal = Keypad::accepts(request, typed);
        if (!refusal) return QString();
        return QLatin1String(column) + QStringLiteral(": ") +
               (refusal->text.isEmpty() ? form : refusal->text + QStringLiteral("; ") + form);
    };
    for (const QString& refusal :
         {keypadRefusal(editor.timeRequest(), digits, ColumnHeadings[0],
                        QStringLiteral("write HH:MM, or %1MM for every hour")
                            .arg(QLatin1String(EveryHourTime))),
          keypadRefusal(editor.commandRequest(), columns[4], ColumnHeadings[4],
                        Keypad::entryForm(editor.commandRequest()))})
        if (!refusal.isEmpty()) return refusal;
    editor.setTime(digits);
    editor.setCommand(columns[4]);
    if (const std::optional<QString> refusal = editor.timeRefusal()) return refusal;
    // Every choice of days the dialog offers, until one shows the columns. Each is made on the
    // event as the dialog opened it: a month event keeps the weekday the dialog opened with
    // selected (none for a month or erased event, Sunday for every other choice), as its byte 2
    // says.
    const EventEditor opened = editor;
    for (const DayOption option :
         {DayOption::Daily, DayOption::WeekdaysOnly, DayOption::WeekendsOnly,
          DayOption::SelectWeekday, DayOption::SelectMonthDay}) {
        editor = opened;
        editor.chooseOption(option);
        const int weekdays = option == DayOption::SelectWeekday ? 7 : 1;
        const int months = option == DayOption::SelectMonthDay ? 12 : 1;
        const int days = option == DayOption::SelectMonthDay ? Calendar::DayCount : 1;
        for (int w = 0; w < weekdays; ++w)
            for (int m = 0; m < months; ++m)
                for (int d = 0; d < days; ++d) {
                    if (option == DayOption::SelectWeekday) editor.setWeekday(w);
                    if (option == DayOption::SelectMonthDay) {
                        editor.setMonth(m);
                        editor.setDay(d);
                    }
                    if (shows(editor)) {
                        editor.store(image);
                        return std::nullopt;
                    }
                }
    }
    return QStringLiteral("no choice of the event dialog shows these columns");
}

}  // namespace Scheduler
