#include "codes/codefields.h"

#include <algorithm>

#include "codes/controlcodes.h"
#include "codes/speeddial.h"
#include "codes/telephonecodes.h"
#include "formats/dtmfcodec.h"
#include "formats/keypadrules.h"

namespace CodeFields {

namespace {

using TextRule = std::function<QString(const Image&)>;
using RequestRule = std::function<KeypadRequest(const QString& shown)>;
using WriteRule = std::function<void(Image&, const QString& answer)>;

Fields::Stored storeAnswer(Image& image, const TextRule& text, const RequestRule& request,
                           const WriteRule& write, const QString& answer) {
    const QString shown = text(image);
    const KeypadRequest entry = request(shown);
    if (Keypad::accepts(entry, answer)) return Fields::Stored::Refused;
    // Written as the dialog writes it, the unchanged starting text too: a value stored in a form
    // the field cannot show is rewritten in the form it shows.
    write(image, answer);
    return Fields::Stored::Written;
}

// A keypad field read from and written to fixed bytes. Its refusal is the message of the check
// the keypad applies on OK (none for a field without a check).
Fields::Field keypadField(const QString& key, const QString& caption, const TextRule& text,
                          const Fields::ByteRanges& reads, const Fields::ByteRanges& writes,
                          const RequestRule& request, const WriteRule& write) {
    Fields::Field field;
    field.key = key;
    field.caption = caption;
    field.edit = Fields::Edit::Keypad;
    field.text = text;
    field.reads = Fields::fixedRanges(reads);
    field.writes = writes;
    field.request = [text, request](const Image& image) { return request(text(image)); };
    field.store = [text, request, write](Image& image, const QString& answer) {
        return storeAnswer(image, text, request, write, answer);
    };
    const EntryCheck check = request(QString()).check;
    for (const Keypad::CheckRow& row : Keypad::Checks) {
        if (row.check != check) continue;
        field.refusalTitle = QLatin1String(row.title);
        field.refusal = QLatin1String(row.text);
    }
    return field;
}

// The number and the identification of the speed-dial record at `record`, whose key word is
// `word` and whose name is `name` ("Speed Dial 05"); `position` is the row label its dialog shows
// beside it.
void addSpeedDial(Fields::FieldList& list, const QString& area, const QString& word,
                  const QString& name, const QString& position, int record,
                  const std::function<SpeedDial::EntryText(const Image&)>& entry,
                  const RequestRule& request) {
    const auto caption = [&position](const char* column) {
        return position + QStringLiteral(", ") + QLatin1String(column);
    };
    const QString key = area + QLatin1Char('.') + word;
    const std::size_t first = list.size();
    const TelephoneNumberField number = SpeedDial::numberField(record);
    list.push_back(keypadField(
        key + QStringLiteral(".number"), caption(SpeedDial::NumberColumn),
        [entry](const Image& image) { return entry(image).number; }, {{record, Dtmf::TelNumSize}},
        {{record, Dtmf::TelNumSize}}, request,
        [number](Image& image, const QString& answer) { number.store(image, answer); }));

    // Both texts show only for a digit count the dialog accepts. The store takes the words the
    // composer hands back, as Fields::wordsAnswer spells them.
    const WordStringField words = SpeedDial::identificationField(record);
    Fields::Field identification;
    identification.key = key + QStringLiteral(".identification");
    identification.caption = caption(SpeedDial::IdentificationColumn);
    identification.edit = Fields::Edit::Composer;
    identification.text = [entry](const Image& image) { return entry(image).identification; };
    // Where the dialog shows the words, each after one space.
    identification.written = [entry, words](const Image& image) {
        return entry(image).identification.isEmpty()
                   ? QString()
                   : QLatin1Char(' ') + Fields::writtenWords(words.numbers(image));
    };
    identification.reads = Fields::fixedRanges({{record, 1}, {words.offset, words.size}});
    identification.writes = {{words.offset, words.size}};
    // No message number: the composer's heading keeps the number of its last voice-message caller.
    identification.compose = [entry](const Image& image) {
        return ComposeRequest{SpeedDial::IdentificationWords, std::nullopt,
                              entry(image).identification.trimmed()};
    };
    identification.store = [words](Image& image, const QString& answer) {
        return Fields::storeWords(image, words, SpeedDial::IdentificationWords, answer);
    };
    identification.refusalTitle = identification.caption;
    identification.refusal = Fields::wordsRefusal(SpeedDial::IdentificationWords);
    list.push_back(std::move(identification));
    Fields::inRecord(list, first, word, name);
}

}  // namespace

Fields::FieldList unlockNumber() {
    const Fields::ByteRanges bytes = {{Region::UnlockNumber, Dtmf::DigitFieldSize}};
    Fields::Field field = keypadField(QLatin1String(UnlockKey) + QStringLiteral(".number"),
                                      QLatin1String(Unlock::Caption), Unlock::text, bytes, bytes,
                                      Unlock::request, Unlock::store);
    // The empty entry stores seven 0 bytes, the code of "D", so the field shows seven D for it.
    // Written empty, the value is the code stored with no keys, which no entry stores.
    const QString cleared(Unlock::Limit, QLatin1Char('D'));
    field.answer = [cleared](const QString& written) -> std::optional<QString> {
        if (written.isEmpty()) return std::nullopt;
        return written == cleared ? QString() : written;
    };
    field.form = QStringLiteral("the keypad takes %1; the empty entry is written %2")
                     .arg(Keypad::entryForm(Unlock::request(QString())), cleared);
    return {field};
}

Fields::FieldList preDialNumber() {
    // The window title is the field's only caption.
    const Fields::ByteRanges bytes = {{Region::PreDialNumber, Dtmf::DigitFieldSize}};
    Fields::Field field = keypadField(QLatin1String(PreDialKey) + QStringLiteral(".number"),
                                      QLatin1String(PreDial::Title), PreDial::text, bytes, bytes,
                                      PreDial::request, PreDial::store);
    // A delay is stored as the code of "D" and shows as D; the pad types it as its delay mark.
    field.answer = [](const QString& written) {
        return QString(written).replace(QLatin1Char('D'), Keypad::DelayKey);
    };
    field.form = QStringLiteral("the keypad takes %1; a delay shows as D")
                     .arg(Keypad::entryForm(PreDial::request(QString())));
    return {field};
}

Fields::FieldList controlCodes(int block) {
    const Fields::ByteRanges table = {{Region::codesStart(block), Region::Rel::CodesSize}};
    Fields::FieldList list;
    for (int k = 0; k < Region::Rel::CodeCount; ++k) {
        const QString label = QLatin1String(Codes::Rows[k].label);
        list.push_back(keypadField(
            QStringLiteral("%1.%2.%3")
                .arg(QLatin1String(ControlCodesKey), Fields::blockKey(block),
                     QLatin1String(Codes::Rows[k].key)),
            label, [block, k](const Image& image) { return Codes::codeText(image, block, k); },
            {{Codes::codeOffset(block, k), Dtmf::DigitFieldSize}}, table,
            [k](const QString& shown) { return Codes::codeRequest(k, shown); },
            [block, k](Image& image, const QString& answer) {
                Codes::storeCode(image, block, k, answer);
            }));
    }
    return list;
}

Fields::FieldList userSpeedDials() {
    using namespace SpeedDial;
    Fields::FieldList list;
    for (int n = 0; n < Region::UserSpeedDialCount; ++n)
        addSpeedDial(
            list, QLatin1String(SpeedDialKey), Fields::twoDigits(n),
            QStringLiteral("Speed Dial %1").arg(Fields::twoDigits(n)), QString::number(n),
            userOffset(n), [n](const Image& image) { return userEntry(image, n); },
            [n](const QString& shown) { return userNumberRequest(n, shown); });
    return list;
}

Fields::FieldList emergencySpeedDials() {
    using namespace SpeedDial;
    Fields::FieldList list;
    for (int k = 0; k < EmergencyCount; ++k)
        addSpeedDial(
            list, QLatin1String(EmergencyKey), QString::number(k),
            QStringLiteral("Emergency Speed Dial %1").arg(k), QString::number(k),
            emergencyOffset(k), [k](const Image& image) { return emergencyEntry(image, k); },
            [k](const QString& shown) { return emergencyNumberRequest(k, shown); });
    return list;
}

Fields::FieldList areaCodes() {
    Fields::FieldList list;
    const Fields::ByteRanges areaTable = {
        {Region::AreaCodes, AreaCodes::entryOffset(AreaCodes::Count) - Region::AreaCodes}};
    for (int i = 0; i < AreaCodes::Count; ++i) {
        list.push_back(keypadField(
            QLatin1String(AreaCodesKey) + QLatin1Char('.') + Fields::twoDigits(i + 1),
            QString::number(i + 1), [i](const Image& image) { return AreaCodes::text(image, i); },
            {{AreaCodes::entryOffset(i), Dtmf::ThreeDigitSize}}, areaTable,
            [i](const QString& shown) { return AreaCodes::request(i, shown); },
            [i](Image& image, const QString& answer) { AreaCodes::storeEntry(image, i, answer); }));
        Fields::inRecord(list, list.size() - 1, Fields::twoDigits(i + 1),
                         QStringLiteral("Area Code %1").arg(i + 1));
    }
    return list;
}

Fields::FieldList prefixes() {
    Fields::FieldList list;
    for (int n = 0; n < Prefixes::PerGroup * Region::PrefixGroupCount; ++n) {
        // The dialog opens on group 0 and writes it when the user leaves it for another group.
        Fields::ByteRanges group = {{Prefixes::lineOffset(0, 0), Region::PrefixGroupSize}};
        if (n >= Prefixes::PerGroup)
            group.push_back(
                {Prefixes::lineOffset(n / Prefixes::PerGroup, 0), Region::PrefixGroupSize});
        list.push_back(keypadField(
            QLatin1String(PrefixesKey) + QLatin1Char('.') + Fields::twoDigits(n),
            QString::number(n), [n](const Image& image) { return Prefixes::text(image, n); },
            {{Prefixes::entryOffset(n), Dtmf::ThreeDigitSize}}, group,
            [n](const QString& shown) { return Prefixes::request(n, shown); },
            [n](Image& image, const QString& answer) { Prefixes::storeEntry(image, n, answer); }));
        // A group of prefixes has a name (its option caption) and no key word.
        Fields::inRecord(list, list.size() - 1, QString(),
                         QStringLiteral("Prefix Group %1")
                             .arg(QLatin1String(Prefixes::GroupOptions[n / Prefixes::PerGroup])));
    }
    return list;
}

}  // namespace CodeFields
