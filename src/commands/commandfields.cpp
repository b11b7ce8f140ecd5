#include "commands/commandfields.h"

#include <QCoreApplication>

#include "commands/macros.h"
#include "commands/scheduler.h"
#include "formats/dtmfcodec.h"

namespace CommandFields {

namespace {

QString gridHeading(const char* text) {
    return QCoreApplication::translate(Macros::GridContext, text);
}

// A trigger or command of the macro grid: read and edited on the keypad as the grid shows it,
// stored with the whole macro.
Fields::Field macroField(int n, const QString& key, const QString& caption) {
    Fields::Field field;
    field.key = key;
    field.caption = caption;
    field.edit = Fields::Edit::Keypad;
    field.writes = {{Macros::macroOffset(n), Region::MacroRecord}};
    return field;
}

}  // namespace

Fields::FieldList macros() {
    using namespace Macros;
    Fields::FieldList list;
    for (int n = 1; n <= Count; ++n) {
        const QString word = Fields::twoDigits(n);
        const QString key = QLatin1String(MacrosKey) + QLatin1Char('.') + word;
        const std::size_t first = list.size();

        Fields::Field trigger =
            macroField(n, key + QStringLiteral(".trigger"), gridHeading(TriggerColumnHeading));
        trigger.text = [n](const Image& image) { return macroRow(image, n).trigger; };
        trigger.reads = Fields::fixedRanges({{macroOffset(n), Dtmf::DigitFieldSize}});
        trigger.request = [n](const Image& image) {
            return triggerRequest(n, macroRow(image, n).trigger);
        };
        trigger.store = [n](Image& image, const QString& answer) {
            storeTrigger(image, n, answer);
            return Fields::Stored::Written;
        };
        list.push_back(std::move(trigger));

        for (int k = 1; k <= CommandsPerMacro; ++k) {
            Fields::Field command = macroField(n, key + QStringLiteral(".command-%1").arg(k),
                                               gridHeading(CommandColumnHeading).arg(k));
            command.text = [n, k](const Image& image) {
                return macroRow(image, n).commands[k - 1];
            };
            // The grid shows no command of a macro whose trigger length byte is 0.
            command.reads = Fields::fixedRanges(
                {{macroOffset(n), 1}, {commandOffset(n, k), Dtmf::PackedCommandSize}});
            command.request = [n, k](const Image& image) {
                return commandRequest(macroRow(image, n).commands[k - 1]);
            };
            command.store = [n, k](Image& image, const QString& answer) {
                storeCommand(image, n, k, answer);
                return Fields::Stored::Written;
            };
            list.push_back(std::move(command));
        }

        // The review dialog spells out each command from its bytes, whatever the grid shows.
        for (int k = 1; k <= CommandsPerMacro; ++k) {
            Fields::Field review;
            review.key = key + QStringLiteral(".review-%1").arg(k);
            review.caption = QStringLiteral("Review %1").arg(k);
            review.edit = Fields::Edit::ReadOnly;
            review.shownFrom = key + QStringLiteral(".command-%1").arg(k);
            review.text = [n, k](const Image& image) { return reviewText(image, n, k); };
            review.reads = Fields::fixedRanges({{commandOffset(n, k), Dtmf::PackedCommandSize}});
            // Stored only where the grid shows no command: a row without a trigger.
            review.writes = {{commandOffset(n, k), Dtmf::PackedCommandSize}};
            review.store = [n, k](Image& image, const QString& answer) {
                return storeHiddenCommand(image, n, k, answer) ? Fields::Stored::Written
                                                               : Fields::Stored::Refused;
            };
            list.push_back(std::move(review));
        }
        // A macro is used when its trigger length byte is not 0.
        Fields::inRecord(
            list, first, word, QStringLiteral("Macro %1").arg(n),
            [n](const Image& image) { return macroRow(image, n).trigger; },
            [n](const Image& image) { return image[std::size_t(macroOffset(n))] != 0; });
    }
    return list;
}

// The overview's columns are written only by the event dialog's "OK", which stores all seven
// bytes of the event from the whole dialog; no column text is stored on its own.
Fields::FieldList scheduler() {
    using namespace Scheduler;
    Fields::FieldList list;
    for (int n = 1; n <= EventCount; ++n) {
        const QString word = Fields::twoDigits(n);
        const QString key =
            QLatin1String(SchedulerKey) + QLatin1Char('.') + word + QLatin1Char('.');
        const std::size_t first = list.size();
        const Fields::ByteRanges event = {{eventOffset(n), EventSize}};
        for (std::size_t c = 0; c < ColumnHeadings.size(); ++c) {
            Fields::Field column;
            column.caption = QString::fromLatin1(ColumnHeadings[c]);
            column.key = key + QLatin1String(ColumnKeys[c]);
            column.edit = Fields::Edit::Event;
            column.text = [n, value = OverviewColumns[c]](const Image& image) {
                return overviewRow(image, n).*value;
            };
            column.reads = Fields::fixedRanges(event);
            column.writes = event;
            // The columns are set together, as the event dialog's "OK" stores its choices.
            column.together = key;
            column.storeTogether = [n](Image& image, const QStringList& values) {
                std::array<QString, ColumnHeadings.size()> columns;
                std::copy_n(values.begin(), columns.size(), columns.begin());
                return storeOverview(image, n, columns).value_or(QString());
            };
            list.push_back(std::move(column));
        }
        // The event dialog hides the review of an erased event.
        Fields::Field review;
        review.key = key + QStringLiteral("review");
        review.caption = QString::fromLatin1(FieldCaptions[2]);
        review.edit = Fields::Edit::ReadOnly;
        review.shownFrom = key + QLatin1String(ColumnKeys.back());
        review.text = [n](const Image& image) {
            const EventEditor editor(image, n);
            return editor.erased() ? QString() : editor.reviewText();
        };
        review.reads =
            Fields::fixedRanges({{eventOffset(n) + MonthByte, 1},
                                 {eventOffset(n) + OpcodeByte, Dtmf::PackedCommandSize}});
        list.push_back(std::move(review));
        // Its time and its days sum an event up ("08:00 Daily", "----:30 March 15"); an erased
        // event has no summary.
        Fields::inRecord(
            list, first, word, QStringLiteral("Event %1").arg(n),
            [n](const Image& image) {
                const std::optional<EventTexts> e = eventTexts(image, n);
                if (!e) return QString();
                const OverviewRow row = overviewRow(image, n);
                return e->byWeekday ? row.time + QLatin1Char(' ') + row.dayOfWeek
                                    : QStringList{row.time, row.month, row.dayOfMonth}.join(' ');
            },
            [n](const Image& image) {
                return image[std::size_t(eventOffset(n) + MonthByte)] != Erased;
            });
    }
    return list;
}

}  // namespace CommandFields
