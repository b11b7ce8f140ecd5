#include "codes/speeddial.h"

#include "formats/dtmfcodec.h"
#include "formats/vocabulary.h"

namespace SpeedDial {

namespace {
EntryText entryText(const Image& image, int record) {
    return {numberField(record).text(image), identificationField(record).text(image, false)};
}

KeypadRequest numberRequest(const char* heading, int n, const QString& shown) {
    return {KeySet::Telephone, NumberLimit,
            QLatin1String(heading) + QLatin1Char(' ') + QString::number(n), shown,
            EntryCheck::AtMost16};
}
}  // namespace

EntryText userEntry(const Image& image, int n) {
    const int count = numberField(userOffset(n)).digitCount(image);
    if (count < 1 || count > Dtmf::TelNumDigits) return {};
    return entryText(image, userOffset(n));
}

EntryText emergencyEntry(const Image& image, int k) {
    if (numberField(emergencyOffset(k)).digitCount(image) == 0) return {};
    return entryText(image, emergencyOffset(k));
}

EntryText printedEntry(const Image& image, int record) {
    const WordStringField claimed = identificationField(record);
    const int words = claimed.storedCount(image);
    return {
        numberField(record).text(image),
        WordStringField{claimed.offset, 1 + Vocabulary::StoredWordSize * words}.text(image, false)};
}

KeypadRequest userNumberRequest(int n, const QString& shown) {
    return numberRequest(UserNumberHeading, n, shown);
}

KeypadRequest emergencyNumberRequest(int k, const QString& shown) {
    return numberRequest(EmergencyNumberHeading, k, shown);
}

}  // namespace SpeedDial
