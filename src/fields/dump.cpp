#include "fields/dump.h"

#include <algorithm>

#include "fields/catalogue.h"

namespace Dump {

std::vector<Field> fields(const Image& image, bool fourMemorySaves) {
    std::vector<Field> shown;
    for (const Fields::Field& field : Fields::catalogue(fourMemorySaves))
        shown.push_back({field.key, field.value(image), field.reads(image)});
    return shown;
}

QString dumpText(const std::vector<Field>& fields) {
    QString text;
    for (const Field& field : fields)
        text += field.key + QStringLiteral(" = ") + field.value + QLatin1Char('\n');
    return text;
}

namespace {

// What a field takes, as a line of keysText says it.
QString takes(const Fields::Field& field) {
    static const Image sample{};
    switch (field.edit) {
        case Fields::Edit::Keypad: {
            const KeypadRequest entry = field.request(sample);
            const char* keys = entry.keySet == KeySet::Digits  ? "0-9"
                               : entry.keySet == KeySet::Codes ? "0-9 A B C * #"
                                                               : "0-9 * # and , for a delay";
            QString text = QStringLiteral("keypad keys %1, at most %2")
                               .arg(QLatin1String(keys))
                               .arg(std::max(1, entry.limit));
            if (field.answer) text += QStringLiteral(", written as the dialog shows it");
            if (!field.refusal.isEmpty()) text += QStringLiteral("; ") + field.refusal;
            return text;
        }
        case Fields::Edit::Composer:
            return QStringLiteral("at most %1 vocabulary words by their texts, {NNN} for word NNN")
                .arg(field.compose(sample).wordLimit);
        case Fields::Edit::CwText:
            return field.refusal;
        case Fields::Edit::List:
        case Fields::Edit::OptionGroup:
            return QStringLiteral("an option as its dialog names it");
        case Fields::Edit::CheckBox:
        case Fields::Edit::SwitchBit:
            return QStringLiteral("on or off");
        case Fields::Edit::Event:
            return QStringLiteral(
                "an event column, stored with the event's other columns as "
                "the event dialog stores them");
        case Fields::Edit::Setting:
            return QStringLiteral("the memory layout in effect (--memory-saves)");
        case Fields::Edit::ReadOnly:
            break;
    }
    return field.store ? QStringLiteral(
                             "shown from %1; set there, or here in a row without "
                             "a trigger")
                             .arg(field.shownFrom)
                       : QStringLiteral("shown from %1").arg(field.shownFrom);
}

}  // namespace

QString keysText(bool fourMemorySaves) {
    QString text;
    for (const Fields::Field& field : Fields::catalogue(fourMemorySaves))
        text += field.key + QStringLiteral(": ") + takes(field) + QLatin1Char('\n');
    return text;
}

Difference difference(const Image& before, const Image& after, bool fourMemorySaves) {
    Difference result;
    if (before == after) return result;
    result.identical = false;

    // The key list depends only on the layout, so both images list the same keys in order.
    const std::vector<Field> old = fields(before, fourMemorySaves);
    const std::vector<Field> now = fields(after, fourMemorySaves);
    std::vector<bool> shown(ImageSize, false);
    const auto markShown = [&shown](const Field& field) {
        for (const Fields::ByteRange& range : field.bytes)
            for (int i = range.first; i < range.first + range.length && i < ImageSize; ++i)
                shown[i] = true;
    };
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (old[i].value == now[i].value) continue;
        result.changes.push_back({old[i].key, old[i].value, now[i].value});
        markShown(old[i]);
        markShown(now[i]);
    }
    for (int i = 0; i < ImageSize; ++i)
        if (before[i] != after[i] && !shown[i]) ++result.otherBytes;
    return result;
}

QString differenceText(const Difference& difference) {
    if (difference.identical) return {};
    QString text;
    for (const Change& change : difference.changes)
        text += change.key + QStringLiteral(": ") + change.before + QStringLiteral(" -> ") +
                change.after + QLatin1Char('\n');
    text += QStringLiteral("other differing bytes: %1\n").arg(difference.otherBytes);
    return text;
}

}  // namespace Dump
