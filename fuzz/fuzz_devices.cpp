// Timers, zones, courtesy tones, the CW message, expanded switches and user inputs: every text
// and state the device dialogs show, read from an arbitrary image.
#include "devices/courtesytones.h"
#include "devices/cwmessage.h"
#include "devices/switchesandinputs.h"
#include "devices/timers.h"
#include "devices/zones.h"
#include "formats/bitfields.h"
#include "fuzzimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Image image = fuzzImage(data, size);
    for (int block = 0; block < Region::BlockCount; ++block) {
        for (int timer = 0; timer < TimerCount; ++timer) {
            const int count = timerCount(image, timerOffset(block, timer));
            FUZZ_CHECK(count >= 0 && count <= TimerCountMax);
            const TimerKind kind = TimerTable[timer].kind;
            const QString shown = timerText(count, kind);
            consume(timerKeypadText(shown, kind));
            consume(timerRequest(timer, shown).initial);
        }
        const int zones = firstZoneOffset(block);
        FUZZ_CHECK(zones >= 0 && zones + ZoneCount <= ImageSize);
        for (int zone = 1; zone <= ZoneCount; ++zone) {
            // The zone dialog's boxes, as it ticks them, give back the byte they came from.
            std::array<bool, FlagsPerZone> flags{};
            for (int k = 0; k < FlagsPerZone; ++k)
                flags[k] = bitValue(image[zones + zone - 1], k) == 1;
            FUZZ_CHECK(zoneByte(flags) == image[zones + zone - 1]);
            for (int k = 1; k <= FlagsPerZone; ++k) consume(zoneFlagCaption(zone, k));
        }
    }
    for (int row = 0; row < CourtesyTones::RowCount; ++row) {
        const auto texts = CourtesyTones::rowTexts(image, row);
        for (int field = 0; field < CourtesyTones::FieldCount; ++field)
            consume(CourtesyTones::request(field, texts[field]).initial);
    }
    consume(cwMessageText(image));
    for (int bank = 0; bank < 2; ++bank)
        for (int row = 0; row < ExpandedSwitches::RowsPerBank; ++row)
            for (int bit = 0; bit < ExpandedSwitches::SwitchesPerRow; ++bit)
                g_fuzzSink += ExpandedSwitches::isOn(image, bank, row, bit);
    for (int input = 0; input < UserInputs::Count; ++input) {
        const QString number = UserInputs::numberText(image, input);
        consume(UserInputs::request(number).initial + UserInputs::reviewText(image, input));
    }
    return 0;
}
