#include "devices/timers.h"

#include <optional>

namespace {

bool validTimer(int timer) { return timer >= 0 && timer < TimerCount; }

// A keypad answer read as a whole number: digits only (surrounding blanks allowed), else nothing.
std::optional<int> wholeNumber(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty()) return std::nullopt;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int n = digits.toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

void writeCount(Image& image, int offset, int count) {
    image[offset] = static_cast<std::uint8_t>(count & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>((count >> 8) & 0x07);
}

}  // namespace

QString timerLabel(int timer) {
    return validTimer(timer) ? QString::fromLatin1(TimerTable[timer].label) : QString();
}

QString timerHeading(int timer) {
    return validTimer(timer) ? QString::fromLatin1(TimerTable[timer].heading) : QString();
}

QString timerUnit(int timer) {
    if (!validTimer(timer)) return {};
    return QString::fromLatin1(TimerTable[timer].kind == TimerKind::Seconds
                                   ? TimerTexts::UnitSeconds
                                   : TimerTexts::UnitTenths);
}

int timerOffset(int block, int timer) {
    return Region::timersStart(block) + Region::Rel::TimerEntry * timer;
}

int timerCount(const Image& image, int offset) {
    if (!inImage(offset, Region::Rel::TimerEntry)) return 0;
    return image[offset] + 256 * (image[offset + 1] & 0x07);
}

QString timerText(int count, TimerKind kind) {
    if (kind == TimerKind::Tenths) return QStringLiteral("%1.%2").arg(count / 10).arg(count % 10);
    return QStringLiteral("%1:%2")
        .arg(count / 60, 2, 10, QLatin1Char('0'))
        .arg(count % 60, 2, 10, QLatin1Char('0'));
}

QString timerKeypadText(const QString& displayed, TimerKind kind) {
    if (kind == TimerKind::Tenths) {
        // Whole and tenth digits joined: "204.7" -> 2047, "0.0" -> 0.
        const int dot = displayed.indexOf(QLatin1Char('.'));
        const int whole = displayed.left(dot < 0 ? displayed.size() : dot).toInt();
        const int tenth = dot < 0 ? 0 : displayed.mid(dot + 1, 1).toInt();
        return QString::number(whole * 10 + tenth);
    }
    const int minutes = displayed.left(2).toInt();
    const int seconds = displayed.right(2).toInt();
    return QString::number(60 * minutes + seconds);
}

KeypadRequest timerRequest(int timer, const QString& shownValue) {
    const TimerKind kind = validTimer(timer) ? TimerTable[timer].kind : TimerKind::Seconds;
    const bool seconds = kind == TimerKind::Seconds;
    return {KeySet::Digits, seconds ? SecondsKeypadLimit : TenthsKeypadLimit, timerHeading(timer),
            timerKeypadText(shownValue, kind),
            seconds ? EntryCheck::Range1To1800 : EntryCheck::None};
}

TimerStore storeTenthsTimer(Image& image, int offset, const QString& text) {
    if (!inImage(offset, Region::Rel::TimerEntry)) return TimerStore::Refused;
    if (text.trimmed().isEmpty()) {
        writeCount(image, offset, 0);
        return TimerStore::Written;
    }
    const auto n = wholeNumber(text);
    if (!n) return TimerStore::Refused;
    if (*n > TenthsEntryMax) return TimerStore::Kept;
    image[offset] = static_cast<std::uint8_t>(*n);
    image[offset + 1] = 0;
    return TimerStore::Written;
}

TimerStore storeSecondsTimer(Image& image, int offset, const QString& text) {
    if (!inImage(offset, Region::Rel::TimerEntry)) return TimerStore::Refused;
    if (text.trimmed().isEmpty()) {
        writeCount(image, offset, 0);
        return TimerStore::Written;
    }
    const auto n = wholeNumber(text);
    // Counts up to 2047 come back unchanged from a cancelled keypad and are stored as they were;
    // anything larger would lose its upper bits.
    if (!n || *n > TimerCountMax) return TimerStore::Refused;
    writeCount(image, offset, *n);
    return TimerStore::Written;
}
