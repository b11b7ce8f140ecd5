// The two speed-dial dialogs wired to their records: what a click asks the keypad or the
// composer, what each return writes (and leaves alone), and rows that follow the group.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "codes/speeddialdialog.h"
#include "dialogharness.h"

namespace {

// A record: number "9,11" (three digits, a delay before the first 1), identification "A" (210)
// and "5", the spare bytes behind them left as the image had them.
void putRecord(Image& image, int offset, int digitCount) {
    const Bytes record = {3, 9, 0x11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 10, 0, 5};
    std::copy(record.begin(), record.end(), image.begin() + offset);
    image[offset] = static_cast<std::uint8_t>(digitCount);
}

// Both dialogs, by what sets them apart: the record of a row and the keypad heading.
struct Table {
    const char* name;
    std::function<void(DialogHarness&)> open;
    int row;  // the row under test (user group 0: entry 7; emergency: entry 4)
    int record;
    const char* heading;
};
const Table Tables[] = {
    {"user", [](DialogHarness& h) { h.open<SpeedDialDialog>(); }, 7, 1298 + 30 * 7,
     "Telephone Number 7"},
    {"emergency", [](DialogHarness& h) { h.open<EmergencySpeedDialDialog>(); }, 4, 1268,
     "Emergency Number 4"},
};

TEST(SpeedDialDialogs, TitlesAndColumnOrder) {
    DialogHarness userHarness(zeroImage());
    DialogHarness emergencyHarness(zeroImage());
    auto& user = userHarness.open<SpeedDialDialog>();
    auto& emergency = emergencyHarness.open<EmergencySpeedDialDialog>();
    EXPECT_EQ(user.windowTitle(), QStringLiteral("User Speed Dial Numbers"));
    EXPECT_EQ(emergency.windowTitle(), QStringLiteral("Emergency Speed Dial Numbers"));
    EXPECT_EQ(child<QRadioButton>(user, "optGrp9")->text(), QStringLiteral("90-99"));
    EXPECT_TRUE(child<QRadioButton>(user, "optGrp0")->isChecked());
    // The user table reads identification first, the emergency table number first.
    for (QDialog* dialog : {static_cast<QDialog*>(&user), static_cast<QDialog*>(&emergency)}) {
        EXPECT_EQ(shown(*dialog, "lblHeadID"), QStringLiteral("Identification"));
        EXPECT_EQ(shown(*dialog, "lblHeadNum"), QStringLiteral("Telephone Number"));
    }
    EXPECT_LT(child<QLabel>(user, "lblHeadID")->x(), child<QLabel>(user, "lblHeadNum")->x());
    EXPECT_GT(child<QLabel>(emergency, "lblHeadID")->x(),
              child<QLabel>(emergency, "lblHeadNum")->x());
    EXPECT_LT(child<ValueField>(user, "lblID3")->x(), child<ValueField>(user, "lblNum3")->x());
    EXPECT_EQ(shown(emergency, "lblPos4"), QStringLiteral("4"));
    EXPECT_EQ(emergency.findChild<ValueField*>("lblNum5"), nullptr);
}

TEST(SpeedDialDialogs, GroupSwitchesKeepLabelsAndHeadingsTogether) {
    DialogHarness h;
    putRecord(h.image, 3008, 3);  // entry 57
    auto& dialog = h.open<SpeedDialDialog>();
    // clang-format off
    const struct { int group; const char* last; } steps[] = {
        {5, "59"}, {0, "9"}, {9, "99"}, {5, "59"},
    };
    // clang-format on
    for (const auto& step : steps) {
        SCOPED_TRACE(step.group);
        child<QRadioButton>(dialog, named("optGrp%1", step.group))->click();
        EXPECT_EQ(dialog.group(), step.group);
        EXPECT_EQ(h.shown("lblPos0"), QString::number(10 * step.group));
        EXPECT_EQ(h.shown("lblPos9"), QLatin1String(step.last));
        h.enterKeys("lblNum9", h.shown("lblNum9"));
        EXPECT_EQ(h.prompts.keypadCalls.back().heading,
                  QStringLiteral("Telephone Number ") + QLatin1String(step.last));
    }
    EXPECT_EQ(h.shown("lblNum7"), QStringLiteral("9,11"));
    EXPECT_EQ(h.shown("lblID7"), QStringLiteral(" A 5"));
    EXPECT_EQ(h.prompts.keypadCalls.back().check, EntryCheck::AtMost16);
    // Only the numbers of the rows typed into were written; a group switch writes nothing.
    for (int n : {9, 59, 99})
        for (int i = 0; i < 12; ++i) h.image[1298 + 30 * n + i] = h.before[1298 + 30 * n + i];
    EXPECT_TRUE(h.image == h.before) << changedOffsets(h.image, h.before);
}

TEST(SpeedDialDialogs, OkReturnsRewriteTheNumberAndKeepTheIdentification) {
    for (const Table& table : Tables) {
        SCOPED_TRACE(table.name);
        DialogHarness h;
        putRecord(h.image, table.record, 3);
        h.image[table.record + 5] = 0x17;  // a digit past the count, which a rewrite clears
        table.open(h);
        const QString number = named("lblNum%1", table.row);
        const QString id = named("lblID%1", table.row);

        // OK on the shown number stores it in its written form.
        h.enterKeys(number, QStringLiteral("9,11"));
        ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
        EXPECT_EQ(h.prompts.keypadCalls[0],
                  (KeypadRequest{KeySet::Telephone, 11, QLatin1String(table.heading),
                                 QStringLiteral("9,11"), EntryCheck::AtMost16}));
        expectOnlyWritten(h.before, h.image, table.record, {3, 9, 0x11, 1, 0, 0, 0, 0, 0, 0, 0, 0});

        // Clearing the number keeps the identification bytes; a new number shows them again.
        h.enterKeys(number, QString());
        expectOnlyWritten(h.before, h.image, table.record, Bytes(12, 0));
        EXPECT_EQ(h.shown(number), QString());
        EXPECT_EQ(h.shown(id), QString());
        h.enterKeys(number, QStringLiteral("5,5"));
        expectOnlyWritten(h.before, h.image, table.record, {2, 5, 0x15, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        EXPECT_EQ(h.shown(id), QStringLiteral(" A 5"));
    }
}

TEST(SpeedDialDialogs, CancelledKeypadWritesNothing) {
    // clang-format off
    const struct { int digitCount; const char* userId; const char* emergencyId; } cases[] = {
        {3,    " A 5", " A 5"},
        {12,   "",     " A 5"},  // above the limit: the emergency row shows no number
        {0xFF, "",     " A 5"},  // erased memory
    };
    // clang-format on
    for (const Table& table : Tables) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(table.name) + ", count " + std::to_string(c.digitCount));
            DialogHarness h;
            putRecord(h.image, table.record, c.digitCount);
            table.open(h);
            h.cancelKeys(named("lblNum%1", table.row));
            ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
            EXPECT_TRUE(h.image == h.before) << changedOffsets(h.image, h.before);
            const bool emergency = std::string(table.name) == "emergency";
            EXPECT_EQ(h.shown(named("lblID%1", table.row)),
                      QLatin1String(emergency ? c.emergencyId : c.userId));
        }
    }
}

TEST(SpeedDialDialogs, OnlyNewlyComposedWordsAreStored) {
    // clang-format off
    const struct {
        const char* what;
        int digitCount;           // 0 hides the identification
        ComposeResult answer;
        const char* initial;      // what the composer was offered
        Bytes written;            // from the count byte on; empty: nothing written
    } cases[] = {
        {"cancel",                3, {"A 5", false, {}},         "A 5", {}},
        {"cancel, hidden",        0, {"", false, {}},            "",    {}},
        {"new words",             3, {"Alpha", true, {"225"}},   "A 5", {1, 2, 25}},
        {"new words, hidden",     0, {"Alpha", true, {"225"}},   "",    {1, 2, 25}},
        {"cleared and confirmed", 3, {"", true, {}},             "A 5", {0}},
    };
    // clang-format on
    for (const Table& table : Tables) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(table.name) + ": " + c.what);
            DialogHarness h;
            putRecord(h.image, table.record, c.digitCount);
            h.prompts.composeAnswers.push_back(c.answer);
            table.open(h);
            h.click(named("lblID%1", table.row));
            ASSERT_EQ(h.prompts.composeCalls.size(), 1u);
            EXPECT_EQ(h.prompts.composeCalls[0].wordLimit, 8);
            EXPECT_FALSE(h.prompts.composeCalls[0].messageNumber.has_value());
            EXPECT_EQ(h.prompts.composeCalls[0].initialText, QLatin1String(c.initial));
            if (c.written.empty())
                EXPECT_TRUE(h.image == h.before) << changedOffsets(h.image, h.before);
            else
                expectOnlyWritten(h.before, h.image, table.record + 12, c.written);
        }
    }
}

}  // namespace
