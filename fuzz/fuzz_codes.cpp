// Control codes, speed dials, pre-dial and unlock numbers, area codes and prefixes: every text the
// code dialogs show, read from an arbitrary image, and the keypad requests built from it.
#include "codes/controlcodes.h"
#include "codes/speeddial.h"
#include "codes/telephonecodes.h"
#include "formats/dtmfcodec.h"
#include "fuzzimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Image image = fuzzImage(data, size);
    for (int block = 0; block < Region::BlockCount; ++block) {
        for (int k = 0; k < Region::Rel::CodeCount; ++k) {
            const QString code = Dtmf::digitFieldText(image, Codes::codeOffset(block, k));
            FUZZ_CHECK(code.size() <= Codes::CodeKeyLimit);
            consume(Codes::codeRequest(k, code).initial);
        }
    }
    for (int n = 0; n < Region::UserSpeedDialCount; ++n) {
        const SpeedDial::EntryText entry = SpeedDial::userEntry(image, n);
        consume(entry.identification);
        consume(SpeedDial::userNumberRequest(n, entry.number).initial);
        consume(SpeedDial::identificationField(SpeedDial::userOffset(n)).text(image, false));
        FUZZ_CHECK(SpeedDial::numberField(SpeedDial::userOffset(n)).digitCount(image) >= 0);
    }
    for (int k = 0; k < SpeedDial::EmergencyCount; ++k) {
        const SpeedDial::EntryText entry = SpeedDial::emergencyEntry(image, k);
        consume(entry.identification);
        consume(SpeedDial::emergencyNumberRequest(k, entry.number).initial);
    }
    consume(PreDial::request(PreDial::text(image)).initial);
    consume(Unlock::request(Unlock::text(image)).initial);
    for (int i = 0; i < AreaCodes::Count; ++i)
        consume(AreaCodes::request(i, AreaCodes::text(image, i)).initial);
    for (int n = 0; n < Prefixes::PerGroup * Region::PrefixGroupCount; ++n)
        consume(Prefixes::request(n, Prefixes::text(image, n)).initial);
    return 0;
}
