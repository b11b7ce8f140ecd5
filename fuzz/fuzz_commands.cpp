// Macros, the scheduler and the command catalogue: the macro grid and its review, the scheduler
// overview and the event dialog's state for every event, and each stored command's display.
#include "commands/macros.h"
#include "commands/scheduler.h"
#include "formats/calendar.h"
#include "formats/commands.h"
#include "fuzzimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Image image = fuzzImage(data, size);
    Image stored = image;
    for (int n = 1; n <= Macros::Count; ++n) {
        const Macros::MacroRow row = Macros::macroRow(image, n);
        consume(Macros::triggerRequest(n, row.trigger).initial);
        for (int k = 1; k <= Macros::CommandsPerMacro; ++k) {
            consume(Macros::commandRequest(row.commands[k - 1]).initial);
            consume(Macros::reviewText(image, n, k));
        }
        // The grid's "OK" stores every row as shown.
        Macros::storeMacro(stored, n, row);
    }
    for (int event = 1; event <= Scheduler::EventCount; ++event) {
        const Scheduler::OverviewRow row = Scheduler::overviewRow(image, event);
        consume(row.time + row.dayOfWeek + row.month + row.dayOfMonth + row.command);
        const Scheduler::EventEditor editor(image, event);
        consume(editor.time() + editor.command() + editor.reviewText());
        consume(editor.timeRequest().initial + editor.commandRequest().initial);
        if (const auto refusal = editor.timeRefusal()) consume(*refusal);
        // Lists the dialog shows must select an entry that exists, or none.
        FUZZ_CHECK(editor.weekday() >= -1 && editor.weekday() < 7);
        FUZZ_CHECK(editor.month() >= -1 && editor.month() < 12);
        FUZZ_CHECK(editor.day() >= -1 && editor.day() < Calendar::DayCount);
        if (!editor.timeRefusal()) editor.store(stored);
    }
    // Commands and dates built from the input's own bytes, beyond those the records hold.
    for (std::size_t i = 0; i + 1 < std::min<std::size_t>(size, 64); i += 2) {
        consume(commandDigits(data[i], data[i + 1]) + commandText(data[i], data[i + 1]));
        consume(weekdayText(data[i]) + monthText(data[i + 1]) + commandByteDigits(data[i]));
    }
    return 0;
}
