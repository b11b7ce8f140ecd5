#include <QRegularExpression>

#include "devices/devicefields.h"
#include "devices/timers.h"

namespace DeviceFields {

namespace {

// The keypad entry a timer value is typed as: a seconds timer as "M:SS" or "MM:SS" (seconds
// 00..59), its count of seconds on the pad and 00:00 the empty entry; a tenths timer as seconds,
// a point and tenths, its count of tenths on the pad.
std::optional<QString> timerAnswer(const QString& written, TimerKind kind) {
    static const QRegularExpression seconds(QStringLiteral("^([0-9]{1,2}):([0-5][0-9])$"));
    static const QRegularExpression tenths(QStringLiteral("^([0-9]{1,3})\\.([0-9])$"));
    const bool inSeconds = kind == TimerKind::Seconds;
    const QRegularExpressionMatch match = (inSeconds ? seconds : tenths).match(written);
    if (!match.hasMatch()) return std::nullopt;
    const int count = match.captured(1).toInt() * (inSeconds ? 60 : 10) + match.captured(2).toInt();
    return inSeconds && count == 0 ? QString() : QString::number(count);
}

QString timerForm(TimerKind kind) {
    if (kind == TimerKind::Tenths)
        return QStringLiteral("write seconds.tenths from %1 to %2")
            .arg(timerText(0, kind), timerText(TenthsEntryMax, kind));
    return QStringLiteral("write minutes:seconds from %1 to %2, or %3 for an empty entry")
        .arg(timerText(1, kind), timerText(SecondsEntryMax, kind), timerText(0, kind));
}

}  // namespace

Fields::FieldList timers(int block) {
    Fields::FieldList list;
    for (int timer = 0; timer < TimerCount; ++timer) {
        const int offset = timerOffset(block, timer);
        const TimerKind kind = TimerTable[timer].kind;
        const Fields::ByteRanges entry = {{offset, Region::Rel::TimerEntry}};
        Fields::Field field;
        field.key = QStringLiteral("%1.%2.%3")
                        .arg(QLatin1String(TimersKey), Fields::blockKey(block),
                             QLatin1String(TimerTable[timer].key));
        field.caption = timerLabel(timer);
        field.unit = timerUnit(timer);
        field.edit = Fields::Edit::Keypad;
        field.text = [offset, kind](const Image& image) {
            return timerText(timerCount(image, offset), kind);
        };
        field.reads = Fields::fixedRanges(entry);
        field.writes = entry;
        field.request = [timer, offset, kind](const Image& image) {
            return timerRequest(timer, timerText(timerCount(image, offset), kind));
        };
        field.answer = [kind](const QString& written) { return timerAnswer(written, kind); };
        field.form = timerForm(kind);
        field.store = [offset, kind](Image& image, const QString& answer) {
            switch (kind == TimerKind::Seconds ? storeSecondsTimer(image, offset, answer)
                                               : storeTenthsTimer(image, offset, answer)) {
                case TimerStore::Written:
                    return Fields::Stored::Written;
                case TimerStore::Kept:
                    return Fields::Stored::Unchanged;
                case TimerStore::Refused:
                    break;
            }
            return Fields::Stored::Refused;
        };
        field.refusalTitle = timerHeading(timer);
        field.refusal = QString::fromLatin1(kind == TimerKind::Seconds ? TimerTexts::SecondsRefused
                                                                       : TimerTexts::TenthsRefused);
        list.push_back(std::move(field));
    }
    return list;
}

}  // namespace DeviceFields
