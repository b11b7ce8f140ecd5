#include "devices/devicefields.h"

#include <algorithm>

#include "devices/courtesytones.h"
#include "devices/cwmessage.h"
#include "devices/switchesandinputs.h"
#include "devices/zones.h"
#include "formats/tones.h"

namespace DeviceFields {

namespace {

// A check box or switch bit kept in one byte: shown "on" or "off"; the answer "on" sets it, "off"
// clears it, any other answer is no state of it.
Fields::Field onOffField(QString key, QString caption, Fields::Edit edit, int byte,
                         std::function<bool(const Image&)> get,
                         std::function<void(Image&, bool)> set) {
    Fields::Field field;
    field.key = std::move(key);
    field.caption = std::move(caption);
    field.edit = edit;
    field.text = [get](const Image& image) { return Fields::onOff(get(image)); };
    field.reads = Fields::fixedRanges({{byte, 1}});
    field.writes = {{byte, 1}};
    field.store = [set](Image& image, const QString& answer) {
        const std::optional<bool> on = Fields::onOffAnswer(answer);
        if (!on) return Fields::Stored::Refused;
        set(image, *on);
        return Fields::Stored::Written;
    };
    return field;
}

// The values a courtesy-tone field takes from text: the hertz or milliseconds of the pad's codes.
QString courtesyForm(CourtesyTones::FieldKind kind) {
    QStringList values;
    if (kind == CourtesyTones::FieldKind::Frequency)
        for (const char* hertz : Tones::FrequencyTexts) values << QLatin1String(hertz);
    else
        for (const char* milliseconds : Tones::TimeTexts) values << QLatin1String(milliseconds);
    return QStringLiteral("write one of %1").arg(values.join(QStringLiteral(", ")));
}

}  // namespace

Fields::FieldList zones(int block) {
    Fields::FieldList list;
    for (int zone = 1; zone <= ZoneCount; ++zone) {
        const int zoneByte = firstZoneOffset(block) + zone - 1;
        const QString word = QStringLiteral("zone-%1").arg(zone);
        const QString prefix = QStringLiteral("%1.%2.%3.flag-")
                                   .arg(QLatin1String(ZonesKey), Fields::blockKey(block), word);
        const std::size_t first = list.size();
        // The dialog writes the whole zone byte from its boxes; a flag's answer changes its bit.
        for (int flag = 1; flag <= FlagsPerZone; ++flag)
            list.push_back(onOffField(
                prefix + QString::number(flag), zoneFlagCaption(zone, flag), Fields::Edit::CheckBox,
                zoneByte,
                [block, zone, flag](const Image& image) {
                    return zoneFlag(image, block, zone, flag);
                },
                [block, zone, flag](Image& image, bool on) {
                    setZoneFlag(image, block, zone, flag, on);
                }));
        Fields::inRecord(list, first, word, zoneTabCaption(zone));
    }
    return list;
}

Fields::FieldList courtesyTones() {
    // Not "using namespace": CourtesyTones::Fields would hide the Fields namespace.
    namespace Courtesy = CourtesyTones;
    Fields::FieldList list;
    for (int row = 0; row < Courtesy::RowCount; ++row) {
        const int record = Courtesy::toneOffset(row);
        const std::size_t first = list.size();
        for (int f = 0; f < Courtesy::FieldCount; ++f) {
            const QString group = QLatin1String(Courtesy::Fields[f].group);
            const QString unit = QLatin1String(
                Courtesy::Fields[f].kind == Courtesy::FieldKind::Frequency ? Courtesy::FrequencyUnit
                                                                           : Courtesy::TimeUnit);
            Fields::Field field;
            field.key =
                QLatin1String(CourtesyTonesKey) +
                QStringLiteral(".%1.%2").arg(row + 1).arg(QLatin1String(Courtesy::Fields[f].key));
            // The row number beside the grid row, then the column captions over the field.
            field.caption = QStringLiteral("%1: %2 %3").arg(row + 1).arg(group, unit);
            field.edit = Fields::Edit::Keypad;
            field.text = [row, f](const Image& image) { return Courtesy::rowTexts(image, row)[f]; };
            // Every field reads the row's tone 1 frequency too: 0 blanks the whole row.
            field.reads = Fields::fixedRanges({{record, 1}, {record + f, 1}});
            field.writes = {{record + f, 1}};
            field.request = [row, f](const Image& image) {
                return Courtesy::request(f, Courtesy::rowTexts(image, row)[f]);
            };
            // A value is one of the pad's codes by its hertz or milliseconds; empty is the empty
            // entry.
            field.answer = [f](const QString& written) -> std::optional<QString> {
                const QString code = Courtesy::keypadText(f, written);
                if (code.isEmpty() && !written.isEmpty()) return std::nullopt;
                return code;
            };
            field.form = courtesyForm(Courtesy::Fields[f].kind);
            field.store = [row, f](Image& image, const QString& answer) {
                Courtesy::storeAnswer(image, row, f, answer);
                return Fields::Stored::Written;
            };
            list.push_back(std::move(field));
        }
        Fields::inRecord(list, first, QString::number(row + 1),
                         QStringLiteral("Courtesy Tone %1").arg(row + 1));
    }
    return list;
}

Fields::FieldList cwMessage() {
    Fields::Field field;
    field.key = QLatin1String(CwKey) + QStringLiteral(".message");
    field.caption = QLatin1String(CwTexts::Frame);
    field.edit = Fields::Edit::CwText;
    field.text = cwMessageText;
    // As many codes as the count byte says: a count above 31 reads on into the following bytes,
    // as the dialog does, but never past the image.
    field.reads = [](const Image& image) {
        const int length = std::min(1 + image[Cw::MessageOffset], ImageSize - Cw::MessageOffset);
        return Fields::ByteRanges{{Cw::MessageOffset, length}};
    };
    field.writes = {{Cw::MessageOffset, Region::Rel::CwMessageSize}};
    // The answer is the message as shown; a code above 46 shows nothing, so such a message does
    // not come back from its text.
    field.store = [](Image& image, const QString& answer) {
        const std::optional<std::vector<std::uint8_t>> codes = cwCodes(answer);
        if (!codes) return Fields::Stored::Refused;
        storeCwMessage(image, *codes);
        return Fields::Stored::Written;
    };
    field.refusalTitle = field.caption;
    field.refusal =
        QStringLiteral("only the characters of the CW list, at most %1").arg(Cw::MaxCharacters);
    return {field};
}

Fields::FieldList expandedSwitches() {
    using namespace ExpandedSwitches;
    Fields::FieldList list;
    for (int bank = 0; bank < int(BankOptions.size()); ++bank)
        for (int row = 0; row < RowsPerBank; ++row) {
            const QString group = rowLabel(bank, row);
            const int groupByte = groupOffset(bank, row);
            const std::size_t first = list.size();
            for (int bit = 0; bit < SwitchesPerRow; ++bit) {
                // The group's row label and the bit's column header under "BITS".
                list.push_back(onOffField(
                    QStringLiteral("%1.%2.bit-%3")
                        .arg(QLatin1String(ExpandedSwitchesKey))
                        .arg(group)
                        .arg(bit + 1),
                    QStringLiteral("%1 %2, %3 %4")
                        .arg(QLatin1String(GroupFrame), group, QLatin1String(BitsCaption))
                        .arg(bit + 1),
                    Fields::Edit::SwitchBit, groupByte,
                    [bank, row, bit](const Image& image) { return isOn(image, bank, row, bit); },
                    [bank, row, bit](Image& image, bool on) {
                        setSwitch(image, bank, row, bit, on);
                    }));
            }
            Fields::inRecord(list, first, group, QStringLiteral("Group %1").arg(group));
        }
    return list;
}

Fields::FieldList userInputs() {
    using namespace UserInputs;
    Fields::FieldList list;
    for (int input = 0; input < Count; ++input) {
        const QString caption = QLatin1String(RowCaptions[input]);
        const QString word = QStringLiteral("input-%1").arg(input + 1);
        const QString key = QLatin1String(UserInputsKey) + QLatin1Char('.') + word;
        const Fields::ByteRanges record = {{inputOffset(input), Region::UserInputRecord}};
        const std::size_t first = list.size();

        Fields::Field command;
        command.key = key + QStringLiteral(".command");
        command.caption = caption;
        command.edit = Fields::Edit::Keypad;
        command.text = [input](const Image& image) { return numberText(image, input); };
        command.reads = Fields::fixedRanges(record);
        command.writes = record;
        command.request = [input](const Image& image) { return request(numberText(image, input)); };
        command.store = [input](Image& image, const QString& answer) {
            return store(image, input, numberText(image, input), answer)
                       ? Fields::Stored::Written
                       : Fields::Stored::Unchanged;
        };
        list.push_back(std::move(command));

        // The command's text beside the number, shown only.
        Fields::Field review;
        review.key = key + QStringLiteral(".review");
        review.caption = caption;
        review.edit = Fields::Edit::ReadOnly;
        review.shownFrom = key + QStringLiteral(".command");
        review.text = [input](const Image& image) { return reviewText(image, input); };
        review.reads = Fields::fixedRanges(record);
        list.push_back(std::move(review));
        Fields::inRecord(list, first, word, QStringLiteral("Input %1").arg(input + 1));
    }
    return list;
}

}  // namespace DeviceFields
