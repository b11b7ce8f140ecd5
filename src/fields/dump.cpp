#include "fields/dump.h"

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
