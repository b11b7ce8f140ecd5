#include "fields/dump.h"

#include <QSet>
#include <algorithm>

#include "fields/catalogue.h"
#include "formats/keypadrules.h"
#include "formats/vocabulary.h"

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

// The texts of the vocabulary's words that none of the composer's pick lists offers. A message
// may hold them all the same (the controller speaks them), so they are taken from text, and a
// dump of such a message applies back.
QStringList unofferedWords() {
    QSet<int> offered;
    for (int list = 0; list < Vocabulary::PickListCount; ++list)
        for (const Vocabulary::PickEntry& entry :
             Vocabulary::pickList(static_cast<Vocabulary::PickList>(list)))
            offered.insert(entry.number);
    QStringList words;
    for (const Vocabulary::WordEntry& word : Vocabulary::wordTable())
        if (!offered.contains(Vocabulary::wordNumber(word.code))) words << QLatin1String(word.text);
    return words;
}

// What a field takes, as a line of keysText says it.
QString takes(const Fields::Field& field) {
    static const Image sample{};
    switch (field.edit) {
        case Fields::Edit::Keypad: {
            QString text = field.form.isEmpty() ? QStringLiteral("keypad ") +
                                                      Keypad::entryForm(field.request(sample))
                                                : field.form;
            if (!field.refusal.isEmpty()) text += QStringLiteral("; ") + field.refusal;
            return text;
        }
        case Fields::Edit::Composer:
            return QStringLiteral(
                       "at most %1 vocabulary words by their texts, {NNN} for word NNN; also %2, "
                       "which no pick list of the composer offers but the controller speaks")
                .arg(field.compose(sample).wordLimit)
                .arg(unofferedWords().join(QStringLiteral(", ")));
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
