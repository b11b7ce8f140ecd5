// The macros', the scheduler's and the voice messages' tables, and the macro grid's store rule.
#include <algorithm>
#include <stdexcept>

#include "commands/commandfields.h"
#include "fieldcheck.h"
#include "voice/voicefields.h"
#include "voice/voicemessages.h"

namespace {

const Fields::Field& fieldOf(const Fields::FieldList& table, const QString& key) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&key](const Fields::Field& field) { return field.key == key; });
    if (it == table.end()) throw std::runtime_error("no field " + key.toStdString());
    return *it;
}

// Macro 3 (offset 926): trigger "*12" with stale code bytes behind it, then the commands 1110,
// 2000, 0512, FFFF and A00 (0x0A 0x00).
Image macroImage() {
    Image image = patternedImage();
    const Bytes record = {3,    0x0B, 0x01, 0x02, 0x05, 0x07, 0x01, 0x02, 0x11,
                          0x10, 0x20, 0x00, 0x05, 0x12, 0xFF, 0xFF, 0x0A, 0x00};
    std::copy(record.begin(), record.end(), image.begin() + 926);
    return image;
}

}  // namespace

TEST(CommandFieldTables, MatchTheDumpAndStoreInside) {
    expectTableMatchesDump(CommandFields::macros());
    expectStoresStayInside(CommandFields::macros());
    expectTableMatchesDump(CommandFields::scheduler());
    expectStoresStayInside(CommandFields::scheduler());
    for (int block = 0; block <= 4; ++block) {
        const Fields::FieldList table = VoiceFields::messages(block);
        expectTableMatchesDump(table);
        expectStoresStayInside(table);
    }
}

TEST(CommandFieldTables, MacroKeypadOpensOnTheShownText) {
    const Fields::FieldList table = CommandFields::macros();
    const Image image = macroImage();
    EXPECT_EQ(fieldOf(table, "macros.03.trigger").request(image),
              (KeypadRequest{KeySet::Codes, 7, "Macro Command #3", "*12", EntryCheck::AtMost15}));
    EXPECT_EQ(fieldOf(table, "macros.03.command-2").request(image),
              (KeypadRequest{KeySet::Digits, 4, "Macro Command", "2000", EntryCheck::FourDigits}));
}

// A macro is summed up by its trigger, an event by its time and its days (none when erased).
TEST(CommandFieldTables, RecordsAreSummedUpByTheirValues) {
    const Fields::FieldList macros = CommandFields::macros();
    const Fields::Field& review = fieldOf(macros, "macros.03.review-5");
    ASSERT_TRUE(review.record);
    EXPECT_EQ(review.record->summary(macroImage()), QStringLiteral("*12"));

    const Fields::FieldList events = CommandFields::scheduler();
    Image image = patternedImage();
    const struct {
        const char* key;
        QStringList columns;
        const char* summary;
    } cases[] = {
        {"scheduler.17.time", {"08:00", "Daily", "Skip", "----", "3002"}, "08:00 Daily"},
        {"scheduler.05.time", {"----:30", "----", "January", "1", "2600"}, "----:30 January 1"},
        {"scheduler.06.time", {"", "", "", "", ""}, ""},
    };
    for (const auto& c : cases) {
        const Fields::Field& time = fieldOf(events, c.key);
        ASSERT_EQ(time.storeTogether(image, c.columns), QString()) << c.key;
        EXPECT_EQ(time.record->summary(image), QLatin1String(c.summary)) << c.key;
        EXPECT_EQ(time.record->name, QStringLiteral("Event %1").arg(time.record->key.toInt()));
    }
}

// The grid puts the answer in its row as shown and writes all eighteen bytes from that row.

TEST(CommandFieldTables, MacroStoreWritesTheRowAsShown) {
    const Fields::FieldList table = CommandFields::macros();
    struct Case {
        const char* key;
        const char* answer;
        std::uint8_t lengthByte;
        Fields::Stored result;
        Bytes record;  // empty: nothing written
    };
    // clang-format off
    const Case cases[] = {
        // The commands that are no four decimal digits are written as the digits they pack to,
        // when unchanged as when another field of the row is stored.
        {"macros.03.command-4", "FFFF", 3, Fields::Stored::Written,
         {3, 0x0B, 1, 2, 0, 0, 0, 0, 0x11, 0x10, 0x20, 0x00, 0x05, 0x12, 0, 0, 0, 0}},
        {"macros.03.command-5", "A00", 3, Fields::Stored::Written,
         {3, 0x0B, 1, 2, 0, 0, 0, 0, 0x11, 0x10, 0x20, 0x00, 0x05, 0x12, 0, 0, 0, 0}},
        {"macros.03.command-2", "3031", 3, Fields::Stored::Written,
         {3, 0x0B, 1, 2, 0, 0, 0, 0, 0x11, 0x10, 0x30, 0x31, 0x05, 0x12, 0, 0, 0, 0}},
        {"macros.03.trigger", "A#5", 3, Fields::Stored::Written,
         {3, 0x0D, 0x0C, 5, 0, 0, 0, 0, 0x11, 0x10, 0x20, 0x00, 0x05, 0x12, 0, 0, 0, 0}},
        // A trigger length byte of 0 shows an empty row: only the new command survives.
        {"macros.03.command-1", "1234", 0, Fields::Stored::Written,
         {0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x34, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.answer);
        Image before = macroImage();
        before[926] = c.lengthByte;
        Image after = before;
        const Fields::Field& field = fieldOf(table, c.key);
        EXPECT_EQ(field.store(after, c.answer), c.result);
        if (c.record.empty())
            EXPECT_TRUE(after == before) << changedOffsets(after, before);
        else
            expectOnlyWritten(before, after, 926, c.record);
    }
}

// The composer's store of a full message stays inside the bytes the voice rows name.
TEST(CommandFieldTables, VoiceRowsCoverAComposedMessage) {
    const Fields::FieldList table = VoiceFields::messages(4);
    const Fields::Field& last = fieldOf(table, "voice.mem4.message-12");
    Image image = patternedImage();
    const Image before = image;
    VoiceMessages::storeMessage(image, 4, 12, QStringList(23, QStringLiteral("210")));
    EXPECT_TRUE(onlyInside(before, image, maskOf(last.writes)));
    EXPECT_EQ(last.text(image), QStringList(23, QStringLiteral("A")).join(QLatin1Char(' ')));
}
