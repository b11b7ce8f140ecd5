#include "devices/devicefields.h"
#include "devices/timers.h"

namespace DeviceFields {

Fields::FieldList timers(int block) {
    Fields::FieldList list;
    for (int timer = 0; timer < TimerCount; ++timer) {
        const int offset = timerOffset(block, timer);
        const TimerKind kind = TimerTable[timer].kind;
        const Fields::ByteRanges entry = {{offset, Region::Rel::TimerEntry}};
        Fields::Field field;
        field.key = QStringLiteral("timers.%1.%2")
                        .arg(Fields::blockKey(block), Fields::keyWord(timerLabel(timer)));
        field.caption = timerLabel(timer);
        field.edit = Fields::Edit::Keypad;
        field.text = [offset, kind](const Image& image) {
            return timerText(timerCount(image, offset), kind);
        };
        field.reads = Fields::fixedRanges(entry);
        field.writes = entry;
        field.request = [timer, offset, kind](const Image& image) {
            return timerRequest(timer, timerText(timerCount(image, offset), kind));
        };
        field.answer = [kind](const QString& shown) { return timerKeypadText(shown, kind); };
        field.store = [offset, kind](Image& image, const QString& answer) {
            switch (kind == TimerKind::Seconds ? storeSecondsTimer(image, offset, answer)
                                               : storeTenthsTimer(image, offset, answer)) {
                case TimerStore::Written:
                    return Fields::Stored::Written;
                case TimerStore::Kept:
                    return Fields::Stored::Unchanged;
                case TimerStore::Refused:
                    break;
            }
            return Fields::Stored::Refused;
        };
        field.refusalTitle = timerHeading(timer);
        field.refusal = QString::fromLatin1(kind == TimerKind::Seconds ? TimerTexts::SecondsRefused
                                                                       : TimerTexts::TenthsRefused);
        list.push_back(std::move(field));
    }
    return list;
}

}  // namespace DeviceFields
