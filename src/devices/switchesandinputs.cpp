#include "devices/switchesandinputs.h"

#include "formats/bitfields.h"
#include "formats/commands.h"
#include "formats/fields.h"

namespace ExpandedSwitches {

QString rowLabel(int bank, int row) { return QString::number(row + 1 + 10 * bank); }

bool isOn(const Image& image, int bank, int row, int bit) {
    return bitValue(image[groupOffset(bank, row)], bit) == 1;
}

void toggle(Image& image, int bank, int row, int bit) {
    if (bit < 0 || bit >= SwitchesPerRow) return;
    image[groupOffset(bank, row)] ^= static_cast<std::uint8_t>(1 << bit);
}

void setSwitch(Image& image, int bank, int row, int bit, bool on) {
    if (bit >= 0 && bit < SwitchesPerRow && isOn(image, bank, row, bit) != on)
        toggle(image, bank, row, bit);
}

}  // namespace ExpandedSwitches

namespace UserInputs {

QString numberText(const Image& image, int input) {
    return CommandField{inputOffset(input)}.digits(image);
}

QString reviewText(const Image& image, int input) {
    return CommandField{inputOffset(input)}.reviewText(image);
}

bool store(Image& image, int input, const QString& shown, const QString& answer) {
    if (answer == shown) return false;
    CommandField{inputOffset(input)}.store(image, answer);
    return true;
}

KeypadRequest request(const QString& shown) {
    return {KeySet::Digits, 4, QLatin1String(Commands::EntryHeading), shown,
            EntryCheck::FourDigits};
}

}  // namespace UserInputs
